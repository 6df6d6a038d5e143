// The article selection dialog on real widgets (offscreen): what it shows, OK and cancel.

#include "orvmat_test_support.h"

#include "keyboard_access.h"
#include "process_choices.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <functional>

using orvane::test::entries;
using orvane::test::Entry;
using orvane::test::OrvMatTest;

namespace {

const char* const kAccessories = R"(
table Zubehoer.ZUB_A
row ART_CAP: "Kappe"
row ART_PIPE: "Rohr 1 m"
)";

// Runs `act` on the modal dialog once it is shown.
void whenDialogShows(std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        act(*dialog);
    });
}

class SelectionDialogTest : public OrvMatTest {
protected:
    void SetUp() override {
        attach("RS_ZUB", kAccessories);
        ASSERT_EQ(OrvMat_SelectDatabase("RS_ZUB"), 1);
        ASSERT_EQ(OrvMat_OpenTable(&table, 0, "Zubehoer.ZUB_A"), 0);
        list.reset(OrvMat_ListCreate());
        ASSERT_EQ(OrvMat_ListSetSelectionSource(list.get(), table), 1);
        ASSERT_EQ(OrvMat_ListAdd(list.get(), 2.0, OrvMat_IdOfKey("ART_PIPE"), 0), 1);
    }
    OrvMatTable table = 0;
    orvane::test::ListPtr list;
};

} // namespace

TEST_F(SelectionDialogTest, OkTakesTheTypedQuantities) {
    whenDialogShows([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Wählen Sie das Zubehörmaterial"));
        auto* articles = dialog.findChild<QTableWidget*>(QStringLiteral("articles"));
        ASSERT_TRUE(articles);
        ASSERT_EQ(articles->rowCount(), 2);
        EXPECT_EQ(articles->item(0, 0)->text(), QStringLiteral("ART_CAP"));
        EXPECT_EQ(articles->item(1, 1)->text(), QStringLiteral("Rohr 1 m"));
        auto* cap = qobject_cast<QDoubleSpinBox*>(articles->cellWidget(0, 2));
        auto* pipe = qobject_cast<QDoubleSpinBox*>(articles->cellWidget(1, 2));
        ASSERT_TRUE(cap && pipe);
        EXPECT_EQ(pipe->value(), 2.0) << "prefilled from the list";
        cap->setValue(3.0);
        pipe->setValue(0.0);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    ASSERT_EQ(OrvMat_ListShowSelectionDialog(list.get(), "Wählen Sie das Zubehörmaterial", 0, 0, 1), 1);
    EXPECT_EQ(entries(list.get()), (std::vector<Entry>{{"ART_CAP", 3.0, 0}}))
        << "quantity 0 removes the pipe";
}

TEST_F(SelectionDialogTest, CheckBoxesPickWithoutQuantities) {
    whenDialogShows([](QDialog& dialog) {
        auto* articles = dialog.findChild<QTableWidget*>(QStringLiteral("articles"));
        auto* cap = qobject_cast<QCheckBox*>(articles->cellWidget(0, 2));
        auto* pipe = qobject_cast<QCheckBox*>(articles->cellWidget(1, 2));
        ASSERT_TRUE(cap && pipe);
        EXPECT_TRUE(pipe->isChecked());
        cap->setChecked(true);
        dialog.accept();
    });
    ASSERT_EQ(OrvMat_ListShowSelectionDialog(list.get(), "Zubehör", 0, 0, 0), 1);
    EXPECT_EQ(entries(list.get()), (std::vector<Entry>{{"ART_CAP", 1.0, 0}, {"ART_PIPE", 2.0, 0}}))
        << "a ticked line keeps its quantity";
}

// Cancel leaves the list as it was; the texts go through the translation, and without one
// the German texts are shown.
TEST_F(SelectionDialogTest, CancelLeavesTheListAsItWasInEitherLanguage) {
    const struct {
        const char* language;
        QStringList headers;
        const char* cancel;
    } cases[] = {{"en", {"Article", "Description", "Quantity"}, "Cancel"},
                 {"de", {"Artikel", "Bezeichnung", "Menge"}, "Abbrechen"}};
    for (const auto& c : cases) {
        const orvane::test::LanguageScope language(QString::fromLatin1(c.language));
        whenDialogShows([&c](QDialog& dialog) {
            auto* articles = dialog.findChild<QTableWidget*>(QStringLiteral("articles"));
            ASSERT_TRUE(articles);
            for (int column = 0; column < 3; ++column)
                EXPECT_EQ(articles->horizontalHeaderItem(column)->text(), c.headers[column]);
            qobject_cast<QDoubleSpinBox*>(articles->cellWidget(0, 2))->setValue(5.0);
            QPushButton* cancel = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
            EXPECT_EQ(cancel->text(), QString::fromUtf8(c.cancel));
            cancel->click();
        });
        EXPECT_EQ(OrvMat_ListShowSelectionDialog(list.get(), "Zubehör", 0, 0, 1), 0) << c.language;
        EXPECT_EQ(entries(list.get()), (std::vector<Entry>{{"ART_PIPE", 2.0, 0}}));
    }
}

TEST_F(SelectionDialogTest, EveryControlHasANameAndIsReachedByTab) {
    for (int editQuantities : {1, 0}) {
        whenDialogShows([editQuantities](QDialog& dialog) {
            const QStringList faults = orvane::test::AccessFaults(dialog);
            EXPECT_TRUE(faults.isEmpty())
                << "quantities " << editQuantities << ":\n  " << faults.join("\n  ").toStdString();
            dialog.reject();
        });
        EXPECT_EQ(OrvMat_ListShowSelectionDialog(list.get(), "Zubehör", 0, 0, editQuantities), 0);
    }
}
