#include "orvmat/selection_dialog.h"

#include "orvmat/material_list.h"
#include "orvmat/orvmat.h"
#include "orvmat/session.h"

#include "corekit/translation.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvmat {
namespace {

// The suite's translation service, with this library's own texts (translations/OrvMat_*.ts).
QString translated(const char* german) {
    return CTranslationManager::GetInstance().AddModule(QStringLiteral("OrvMat"))->TranslateText(german);
}

} // namespace

SelectionDialog::SelectionDialog(SelectionModel& model, const QString& title, bool editQuantities,
                                 QWidget* parent)
    : QDialog(parent), m_model(model) {
    setWindowTitle(title);
    setObjectName(QStringLiteral("OrvMatSelectionDialog"));
    auto* table = new QTableWidget(int(model.lines().size()), 3, this);
    table->setObjectName(QStringLiteral("articles"));
    table->setAccessibleName(translated("Artikel und Mengen"));
    table->setHorizontalHeaderLabels({translated("Artikel"), translated("Bezeichnung"), translated("Menge")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    for (int i = 0; i < int(model.lines().size()); ++i) {
        const SelectionModel::Line& line = model.lines()[std::size_t(i)];
        table->setItem(i, 0, new QTableWidgetItem(QString::fromStdString(line.key)));
        const QString text = QString::fromStdString(line.text);
        table->setItem(i, 1, new QTableWidgetItem(text));
        // A screen reader calls a line's quantity or check box by the article's description.
        const QString name = translated("Menge") + QStringLiteral(": ") + text;
        if (editQuantities) {
            auto* quantity = new QDoubleSpinBox(table);
            quantity->setRange(0.0, 99999.0);
            quantity->setDecimals(2);
            quantity->setValue(line.quantity);
            quantity->setAccessibleName(name);
            table->setCellWidget(i, 2, quantity);
            m_quantities.push_back(quantity);
        } else {
            auto* check = new QCheckBox(table);
            check->setChecked(line.quantity > 0);
            check->setAccessibleName(name);
            table->setCellWidget(i, 2, check);
            m_checks.push_back(check);
        }
    }
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table->resizeColumnToContents(0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(translated("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(translated("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(560, 380);
}

void SelectionDialog::accept() {
    for (std::size_t i = 0; i < m_quantities.size(); ++i)
        m_model.setQuantity(i, m_quantities[i]->value());
    for (std::size_t i = 0; i < m_checks.size(); ++i) {
        // A ticked line keeps the quantity it had, or counts once.
        const double had = m_model.lines()[i].quantity;
        m_model.setQuantity(i, m_checks[i]->isChecked() ? (had > 0 ? had : 1.0) : 0.0);
    }
    QDialog::accept();
}

} // namespace orvmat

extern "C" int OrvMat_ListShowSelectionDialog(OrvMatList* list, const char* title, int reserved1,
                                              int reserved2, int editQuantities) {
    orvmat::Session& session = orvmat::Session::GetInstance();
    if (!list) {
        session.fail("no list given");
        return 0;
    }
    const orvmat::Session::TableRef source = session.table(list->selectionSource);
    if (!source.db) {
        session.fail("the list has no selection source");
        return 0;
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        session.fail("the selection dialog needs a running widget application");
        return 0;
    }
    if (reserved1 != 0 || reserved2 != 0) {
        session.fail("the reserved arguments of the selection dialog must be 0");
        return 0;
    }
    orvmat::SelectionModel model = orvmat::SelectionModel::fromList(*list, *source.db, source.table);
    orvmat::SelectionDialog dialog(model, QString::fromUtf8(title ? title : ""), editQuantities != 0,
                                   QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) {
        session.fail("the selection was cancelled");
        return 0;
    }
    model.applyTo(*list);
    session.succeed();
    return 1;
}
