#pragma once

#include <QString>
#include <QStringList>

// Walks the entries of one folder that match a wildcard pattern ("*.inf*"), ignoring case,
// in name order. `flag` 0 gives the subfolders, 1 the files. Hidden entries are included;
// "." and ".." never are.
class CFindFiles {
public:
    CFindFiles(const QString& folder, const QString& pattern, int flag);

    // The next entry's name (without folder); 0 when none is left.
    int GetNext(QString& name);
    // The full path of the entry GetNext gave last.
    QString GetFilePath() const;

private:
    QString m_folder;
    QStringList m_names;
    qsizetype m_next = 0;
};
