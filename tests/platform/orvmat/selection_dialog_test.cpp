// The article selection dialog on real widgets (offscreen): what it shows, OK and cancel.

#include "orvmat_test_support.h"

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
#include <memory>

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

struct ListDeleter {
    void operator()(OrvMatList* l) const { OrvMat_ListDestroy(l); }
};

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
    double quantityOf(const char* key) {
        double sum = 0;
        for (OrvMatPos pos = OrvMat_ListFirstPos(list.get()); pos != 0;) {
            OrvMatId article = 0;
            double q = 0;
            OrvMat_ListNext(list.get(), &pos, &article, &q, nullptr);
            if (article == OrvMat_IdOfKey(key))
                sum += q;
        }
        return sum;
    }
    OrvMatTable table = 0;
    std::unique_ptr<OrvMatList, ListDeleter> list;
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
    EXPECT_EQ(quantityOf("ART_CAP"), 3.0);
    EXPECT_EQ(quantityOf("ART_PIPE"), 0.0) << "quantity 0 removes the article";
}

TEST_F(SelectionDialogTest, CancelLeavesTheListAsItWas) {
    whenDialogShows([](QDialog& dialog) {
        auto* articles = dialog.findChild<QTableWidget*>(QStringLiteral("articles"));
        qobject_cast<QDoubleSpinBox*>(articles->cellWidget(0, 2))->setValue(5.0);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    EXPECT_EQ(OrvMat_ListShowSelectionDialog(list.get(), "Zubehör", 0, 0, 1), 0);
    EXPECT_EQ(quantityOf("ART_CAP"), 0.0);
    EXPECT_EQ(quantityOf("ART_PIPE"), 2.0);
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
    EXPECT_EQ(quantityOf("ART_CAP"), 1.0);
    EXPECT_EQ(quantityOf("ART_PIPE"), 2.0) << "a ticked line keeps its quantity";
}

TEST_F(SelectionDialogTest, TextsInTheChosenLanguage) {
    const orvane::test::LanguageScope english("en");
    whenDialogShows([](QDialog& dialog) {
        auto* articles = dialog.findChild<QTableWidget*>(QStringLiteral("articles"));
        ASSERT_TRUE(articles);
        EXPECT_EQ(articles->horizontalHeaderItem(0)->text(), QStringLiteral("Article"));
        EXPECT_EQ(articles->horizontalHeaderItem(1)->text(), QStringLiteral("Description"));
        EXPECT_EQ(articles->horizontalHeaderItem(2)->text(), QStringLiteral("Quantity"));
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
        buttons->button(QDialogButtonBox::Cancel)->click();
    });
    EXPECT_EQ(OrvMat_ListShowSelectionDialog(list.get(), "Accessories", 0, 0, 1), 0);
}

TEST_F(SelectionDialogTest, GermanTextsWithoutTranslation) {
    const orvane::test::LanguageScope german("de");
    whenDialogShows([](QDialog& dialog) {
        auto* articles = dialog.findChild<QTableWidget*>(QStringLiteral("articles"));
        ASSERT_TRUE(articles);
        EXPECT_EQ(articles->horizontalHeaderItem(2)->text(), QStringLiteral("Menge"));
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
        buttons->button(QDialogButtonBox::Cancel)->click();
    });
    EXPECT_EQ(OrvMat_ListShowSelectionDialog(list.get(), "Zubehör", 0, 0, 1), 0);
}
