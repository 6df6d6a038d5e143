#pragma once

#include "utf8_check.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>

// The names and keys of a tree being read from UTF-8 text. They repeat a lot; sharing one copy
// of each keeps big trees small. The table's keys are views of the text, which must outlive it.
class Utf8Names {
public:
    QString Intern(QByteArrayView utf8) {
        auto it = m_names.constFind(utf8);
        if (it != m_names.constEnd())
            return it.value();
        QString copy = Utf8ToString(utf8);
        m_names.insert(utf8, copy);
        return copy;
    }

private:
    QHash<QByteArrayView, QString> m_names;
};
