#include "host_variables_dialog.h"

#include "host_text.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

HostVariablesDialog::HostVariablesDialog(QWidget* parent)
    : QDialog(parent), m_variables(HostVariables::Read()) {
    setWindowTitle(HostText("Host-Variablen"));
    m_table = new QTableWidget(int(m_variables.size()), 3, this);
    m_table->setHorizontalHeaderLabels({HostText("Name"), HostText("Wert"), HostText("Bedeutung")});
    m_table->setAccessibleName(HostText("Host-Variablen"));
    for (int row = 0; row < m_variables.size(); ++row) {
        const HostVariable& v = m_variables[row];
        auto* name = new QTableWidgetItem(v.name);
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        auto* meaning = new QTableWidgetItem(HostText(v.description));
        meaning->setFlags(meaning->flags() & ~Qt::ItemIsEditable);
        m_table->setItem(row, 0, name);
        m_table->setItem(row, 1, new QTableWidgetItem(v.value));
        m_table->setItem(row, 2, meaning);
    }
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(HostText("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(HostText("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(900, 520);
}

QList<HostVariable> HostVariablesDialog::Edited() const {
    QList<HostVariable> edited = m_variables;
    for (int row = 0; row < edited.size(); ++row)
        edited[row].value = m_table->item(row, 1)->text();
    return edited;
}
