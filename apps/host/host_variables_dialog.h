#pragma once

#include "host_variables.h"

#include <QDialog>

class QTableWidget;

// The host variables the module reads, editable; OK writes the changed ones.
class HostVariablesDialog : public QDialog {
    Q_OBJECT
public:
    explicit HostVariablesDialog(QWidget* parent = nullptr);

    QTableWidget* Table() const { return m_table; }
    // The values as edited now.
    QList<HostVariable> Edited() const;

private:
    QList<HostVariable> m_variables;
    QTableWidget* m_table;
};
