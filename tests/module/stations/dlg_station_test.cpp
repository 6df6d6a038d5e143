// The three station dialogs on the offscreen platform: requirement fields converting on
// leaving, refused entries keeping the focus, the wizard's cascade, check, meters, picture
// and end buttons.

#include "image_compare.h"
#include "station_test_support.h"
#include "test_folder.h"

#include "stations/dlg_anforderung_hz.h"
#include "stations/dlg_anforderung_tw.h"
#include "stations/dlg_wohnungsstation.h"
#include "stations/product_picture.h"

#include "corekit/node.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>

#include <gtest/gtest.h>

using namespace orvane::test;
using orvane::test::MatchesReference;
using namespace WoSt;

namespace {

void showActive(QWidget& w) {
    w.show();
    w.activateWindow();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// Types into a field as the planner does, then moves on to `next`.
void typeAndLeave(QLineEdit* field, const QString& text, QWidget* next) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    next->setFocus();
    QApplication::processEvents();
}

class StationDialogTest : public FolderTest {
protected:
    ConstantWater water;
    ScopedWaterProperties useWater{water};
    MemoryDb memory;
    CRecordingUiServices ui;
};

} // namespace

// A catalogue picture is made at the screen's pixel ratio: at 2 it has twice the pixels of its
// box, so that the screen shows it at the box's size without enlarging it a second time.
TEST_F(FolderTest, CataloguePicturesAreMadeAtThePixelRatio) {
    QImage source(400, 300, QImage::Format_RGB32);
    source.fill(Qt::darkGreen);
    const QString file = folder.filePath(QStringLiteral("picture.bmp"));
    ASSERT_TRUE(source.save(file, "BMP"));
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap picture = LoadPicture(file, QSize(100, 80), ratio);
        EXPECT_EQ(picture.size(), QSize(100, 75) * ratio);
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(100, 75));
    }
}

TEST_F(StationDialogTest, TwFieldsConvertOnLeavingAndRefusalsKeepTheFocus) {
    CDlgAnforderungTw dialog(tReqTw{}, {true, 0});
    showActive(dialog);
    QLineEdit* heat = dialog.Field(TwControl::HeatOutput);
    QLineEdit* tap = dialog.Field(TwControl::TapRate);
    QLineEdit* tK = dialog.Field(TwControl::ColdTemperature);
    EXPECT_EQ(heat->text(), "33600");
    typeAndLeave(heat, "10000", dialog.Field(TwControl::SupplyTemperature));
    EXPECT_EQ(tap->text(), "3.57");
    EXPECT_EQ(dialog.Record().hr, 10000.0);

    typeAndLeave(tK, "25", heat);
    ASSERT_EQ(ui.MessageCount(), 1);
    EXPECT_EQ(ui.Shown().back().text, "Geben Sie eine Zahl zwischen 0 und 20 ein.");
    EXPECT_EQ(QApplication::focusWidget(), tK);
    EXPECT_EQ(dialog.Record().tK, 10.0);

    // Leaving for "Abbrechen" reads nothing.
    dialog.Field(TwControl::SupplyTemperature)->setFocus();
    typeAndLeave(dialog.Field(TwControl::SupplyTemperature), "80",
                 qobject_cast<QWidget*>(dialog.GetDlgItem(2)));
    EXPECT_EQ(dialog.Record().tVL, 65.0);

    auto* list = qobject_cast<QComboBox*>(dialog.GetDlgItem(TwControl::TapRate));
    tK->setText("10");
    emit list->activated(list->findData(25));
    EXPECT_EQ(std::tie(dialog.Record().fr, dialog.Record().hr), std::make_tuple(25.0, -1.0));
    EXPECT_EQ(heat->text(), "70000");
    EXPECT_EQ(list->count(), 14);
}

TEST_F(StationDialogTest, HzDialogGreysCircuitFieldsAndStaysOpenOnARefusedField) {
    CDlgAnforderungHz dialog(floorHeatingRequest());
    showActive(dialog);
    EXPECT_EQ(dialog.GetDlgItem(HzControl::Group)->property("title").toString(), "Sekundärseite: 25-45 °C");
    EXPECT_FALSE(dialog.Field(HzControl::HeatOutput)->isEnabled());
    dialog.Field(HzControl::Circuits)->setText("3");
    EXPECT_TRUE(dialog.Field(HzControl::WaterContent)->isEnabled());
    dialog.Field(HzControl::ReturnTemperature)->setText("35");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), dialog.Field(HzControl::ReturnTemperature));
    dialog.Field(HzControl::ReturnTemperature)->setText("30");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(std::tie(dialog.Record().tRL, dialog.Record().nFbh), std::make_tuple(30.0, 3));
}

// At its smallest (a dialog opened on a small screen or at display scale 2 gets no more) each
// number field still shows the longest value its dialog takes, instead of giving way to the
// labels. With the cursor at the end of a value that does not fit, the field scrolls its start
// out of sight.
TEST_F(StationDialogTest, AtTheirSmallestTheNumberFieldsShowTheLongestValue) {
    CDlgAnforderungTw tw(tReqTw{}, {true, 0});
    CDlgAnforderungHz hz(floorHeatingRequest());
    const struct {
        QWidget* dialog;
        std::vector<QLineEdit*> fields;
        const char* longest;
    } cases[] = {
        {&tw,
         {tw.Field(TwControl::ColdTemperature), tw.Field(TwControl::HotTemperature),
          tw.Field(TwControl::TapRate), tw.Field(TwControl::HeatOutput),
          tw.Field(TwControl::SupplyTemperature)},
         "99999999.99"},
        {&hz,
         {hz.Field(HzControl::SupplyTemperature), hz.Field(HzControl::ReturnTemperature),
          hz.Field(HzControl::Circuits), hz.Field(HzControl::HeatOutput), hz.Field(HzControl::PressureLoss),
          hz.Field(HzControl::WaterContent)},
         "999999.99"},
    };
    for (const auto& c : cases) {
        c.dialog->show();
        c.dialog->resize(c.dialog->minimumSizeHint());
        QApplication::processEvents();
        for (QLineEdit* field : c.fields) {
            field->setText(c.longest);
            field->setCursorPosition(field->text().size());
            field->repaint();
            EXPECT_EQ(field->cursorPositionAt(QPoint(3, field->height() / 2)), 0)
                << c.longest << " in " << field->accessibleName().toStdString() << ", " << field->width()
                << " wide";
        }
    }
}

namespace {

// One catalogue: a group with a station with meters and one without, and a fresh-water group.
class WizardDialogTest : public StationDialogTest {
protected:
    WizardDialogTest() { WriteWizardCatalogue(memory, folder); }

    std::unique_ptr<CDlgWohnungsstation> open(const CNode* input) {
        auto dialog = std::make_unique<CDlgWohnungsstation>(
            input, tWizardContext{&catalogs, "T\\DlgWohnungsstation", false, folder.filePath("tmp")});
        initialized = dialog->Initialize();
        return dialog;
    }
    template <class W> W* item(CDlgWohnungsstation& d, int id) { return qobject_cast<W*>(d.GetDlgItem(id)); }

    FixedCatalogs catalogs{{{"Hersteller A", "A", folder.path()}}, memory};
    CNode input{"Input"};
    bool initialized = false;
};

} // namespace

TEST_F(WizardDialogTest, CascadeCheckAndMeterGroups) {
    const auto d = open(&input);
    ASSERT_TRUE(initialized);
    showActive(*d);
    EXPECT_EQ(item<QComboBox>(*d, 1002)->currentText(), "Hersteller A");
    EXPECT_EQ(item<QComboBox>(*d, 1004)->count(), 2);
    EXPECT_FALSE(item<QComboBox>(*d, 1005)->isVisible());
    EXPECT_TRUE(item<QPushButton>(*d, 1001)->isEnabled());
    EXPECT_FALSE(item<QLineEdit>(*d, 1017)->isVisible()) << "a station without heat meter hides its fields";
    auto* products = item<QComboBox>(*d, 1004);
    products->setCurrentIndex(1);
    emit products->activated(1);
    EXPECT_EQ(d->Wizard().Product().name, "Station 2");
    EXPECT_TRUE(item<QLineEdit>(*d, 1017)->isVisible());
    EXPECT_TRUE(item<QPlainTextEdit>(*d, 1016)->toPlainText().startsWith("VL/RL-Temp."));
    const QImage shown = item<QLabel>(*d, 1012)->pixmap().toImage();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(qAlpha(shown.pixel(1, 1)), 0) << "magenta is transparent";
    EXPECT_EQ(qAlpha(shown.pixel(shown.width() / 2, shown.height() / 2)), 255);
}

TEST_F(WizardDialogTest, MeterGapAsksAndNoKeepsTheDialogOpen) {
    const auto d = open(&input);
    showActive(*d);
    emit item<QComboBox>(*d, 1004)->activated(1);
    ui.QueueAnswer(IDNO);
    d->OnZeichnen();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), d->GetDlgItem(1017));
    ASSERT_EQ(ui.MessageCount(), 1);
    EXPECT_EQ(ui.Shown().back().buttons, UiButtons::YesNo);
    ui.QueueAnswer(IDYES);
    d->OnZeichnen();
    EXPECT_EQ(d->result(), CDlgWohnungsstation::IDC_BTN_ZEICHNEN);
    const auto node = d->ResultNode(d->result(), QString());
    ASSERT_TRUE(node);
    EXPECT_EQ(node->GetName(), "DrawStation");
    EXPECT_EQ(node->GetStrLeafValue("WOST", "HANDLE"), "P_2");
}

TEST_F(WizardDialogTest, EndButtonsAndTheirNodes) {
    const auto d = open(&input);
    showActive(*d);
    QTest::mouseClick(item<QPushButton>(*d, 1028), Qt::LeftButton);
    EXPECT_EQ(d->ResultNode(d->result(), {})->GetName(), "GetStation");
    EXPECT_EQ(d->ResultNode(1027, {})->GetName(), "DeleteStation");
    EXPECT_FALSE(d->ResultNode(QDialog::Rejected, {}));

    input.AddLeaf("SchemeNetType", "1");
    const auto scheme = open(&input);
    showActive(*scheme);
    EXPECT_EQ(item<QPushButton>(*scheme, 1001)->text(), "Übernehmen");
    EXPECT_EQ(item<QPushButton>(*scheme, 2)->text(), "Abbrechen");
    for (int hidden : {1027, 1028, 1041})
        EXPECT_FALSE(scheme->GetDlgItem(hidden)->isVisible()) << hidden;
    EXPECT_EQ(CDlgWohnungsstation::ShowDialog(nullptr), nullptr);
}

TEST_F(WizardDialogTest, ReportButtonWritesThePdfAndOpensIt) {
    const auto d = open(&input);
    showActive(*d);
    QDir().mkpath(folder.filePath("tmp"));
    QTest::mouseClick(item<QPushButton>(*d, CDlgWohnungsstation::IDC_BTN_BERICHT), Qt::LeftButton);
    const QString pdf = folder.filePath("tmp/WOST_BERICHT.pdf");
    EXPECT_TRUE(folder.read("tmp/WOST_BERICHT.pdf").startsWith("%PDF-"));
    ASSERT_FALSE(ui.Shown().isEmpty());
    EXPECT_EQ(ui.Shown().back().kind, CRecordingUiServices::Kind::OpenDocument);
    EXPECT_EQ(ui.Shown().back().text, pdf);
    EXPECT_TRUE(d->isVisible()) << "the report leaves the wizard open";
}

TEST_F(WizardDialogTest, PictureHotRectangleShowsTheLinkAndOpensIt) {
    const auto d = open(&input);
    showActive(*d);
    emit item<QComboBox>(*d, 1004)->activated(1);
    auto* picture = item<QLabel>(*d, 1012);
    auto move = [&](QPoint at) {
        QMouseEvent e(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(picture, &e);
    };
    const QRect hot = d->PictureHotRect();
    move(hot.topLeft() - QPoint(1, 1));
    EXPECT_FALSE(d->GetDlgItem(1014)->isVisible());
    move(hot.topLeft());
    EXPECT_TRUE(d->GetDlgItem(1014)->isVisible());
    EXPECT_EQ(picture->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(picture, Qt::LeftButton, {}, hot.center());
    ASSERT_FALSE(ui.Shown().isEmpty());
    EXPECT_EQ(ui.Shown().back().kind, CRecordingUiServices::Kind::OpenDocument);
    EXPECT_EQ(ui.Shown().back().text, "https://example.invalid/p2");

    // From the keyboard: Tab reaches the picture, which shows the link; Enter opens it.
    ui.Clear();
    EXPECT_TRUE(picture->focusPolicy() & Qt::TabFocus);
    picture->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(d->GetDlgItem(1014)->isVisible());
    QTest::keyClick(picture, Qt::Key_Return);
    ASSERT_EQ(ui.Shown().size(), 1);
    EXPECT_EQ(ui.Shown().back().text, "https://example.invalid/p2");
    EXPECT_TRUE(d->isVisible()) << "Enter on the picture is not the default button's";
    emit item<QComboBox>(*d, 1004)->activated(0);
    EXPECT_EQ(picture->focusPolicy(), Qt::NoFocus) << "a station without link";
}

namespace {

// The dialogs as the planner sees them, with the platform's look fixed for the comparison.
class StationScreenshot : public WizardDialogTest {
protected:
    void SetUp() override {
        m_style = QApplication::style()->name();
        m_font = QApplication::font();
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setFont(QFont("Liberation Sans", 9));
        m_flashTime = QApplication::cursorFlashTime();
        QApplication::setCursorFlashTime(0); // a steady caret in the focused field
    }
    void TearDown() override {
        QApplication::setStyle(QStyleFactory::create(m_style));
        QApplication::setFont(m_font);
        QApplication::setCursorFlashTime(m_flashTime);
    }
    static QImage shot(QWidget& dialog, QSize size) {
        dialog.resize(size);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        return dialog.grab().toImage();
    }

private:
    QString m_style;
    QFont m_font;
    int m_flashTime = 0;
};

} // namespace

TEST_F(StationScreenshot, RequirementDialogs) {
    CDlgAnforderungTw tw(tReqTw{}, {true, 0});
    EXPECT_TRUE(MatchesReference(shot(tw, {360, 260}), "stations/dialog_anforderung_tw"));
    CDlgAnforderungHz hz(floorHeatingRequest());
    EXPECT_TRUE(MatchesReference(shot(hz, {360, 300}), "stations/dialog_anforderung_hz"));
}

TEST_F(StationScreenshot, WizardWithAMeteredStation) {
    const auto d = open(&input);
    ASSERT_TRUE(initialized);
    emit item<QComboBox>(*d, 1004)->activated(1);
    EXPECT_TRUE(MatchesReference(shot(*d, {820, 600}), "stations/dialog_wohnungsstation"));
}

TEST_F(WizardDialogTest, FailingCheckShowsWhyInTheDiagram) {
    const auto d = open(&input);
    showActive(*d);
    auto* diagram = item<QLabel>(*d, CDlgWohnungsstation::IDC_PIC_DIAGRAMM);
    EXPECT_FALSE(diagram->isVisible()) << "a passing station needs no diagram";
    tReqTw req;
    req.fr = 30.0; // beyond the exchanger's 18 l/min
    d->Wizard().SetReqTw(req);
    emit item<QComboBox>(*d, 1004)->activated(0);
    ASSERT_TRUE(diagram->isVisible());
    const QImage image = diagram->pixmap().toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += image.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
    EXPECT_GT(red, 20) << "the limit and the requested point in red";
}
