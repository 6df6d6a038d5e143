#include "hydraulics/circuit_model.h"
#include "hydraulics/dlg_hydraulics.h"
#include "hydraulics/schematic_view.h"

#include "corekit/installation.h"
#include "corekit/node.h"
#include "corekit/registry.h"
#include "corekit/translation.h"
#include "frame/app.h"
#include "frame/resource_scope.h"

#include "image_compare.h"
#include "test_folder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using orvane::test::FolderTest;
using orvane::test::LanguageScope;

// The six fields as the node returned to the host holds them.
std::vector<int> LeafValues(const CNode& node) {
    std::vector<int> values;
    for (int i = 0; i < node.NrOfLeaves(); ++i) {
        int v = -99;
        node.GetLeaf(i)->GetFirstValue(v);
        values.push_back(v);
    }
    return values;
}

// A mouse move delivered straight to the widget; QTest's moves go through the platform cursor,
// which skips a move to where an earlier test left it.
void MoveMouse(QWidget* widget, QPoint to, Qt::MouseButtons held) {
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(widget->mapToGlobal(to)), Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// Runs the module's start-up as a host does, on an installation whose settings live under
// "Firma\\Suite\\", in German unless a test switches the language.
class DlgHydraulicsTest : public FolderTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(COrvaneInstallation::GetInstance().Load(
            folder.write("inst.inf", "Installation { RegistryBasePath = \"Firma\\\\Suite\\\\\" }\n")));
        ASSERT_NE(theApp.InitInstance(), 0);
    }
    void TearDown() override { COrvaneInstallation::GetInstance().Clear(); }

    template <class T> T* Get(CDlgHydraulics& dlg, int id) {
        auto* widget = qobject_cast<T*>(dlg.GetDlgItem(id));
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }
    void SelectType(CDlgHydraulics& dlg, int type) {
        auto* combo = Get<QComboBox>(dlg, CDlgHydraulics::IDC_CMB_HYDMODE);
        combo->setCurrentIndex(combo->findData(type));
    }
    QCheckBox* Box(CDlgHydraulics& dlg, int id) { return Get<QCheckBox>(dlg, id); }
    QRadioButton* Radio(CDlgHydraulics& dlg, int index) {
        return Get<QRadioButton>(dlg, CDlgHydraulics::IDC_RAD_VALVE0 + index);
    }
    static QString DialogsKey() { return "Firma\\Suite\\OrvanePlanungUI20\\Dialogs"; }
    static QString DialogKey() { return DialogsKey() + QStringLiteral("\\DlgHydraulics"); }

    // Runs the exported entry point; `interact` is called once the modal dialog is up.
    std::unique_ptr<CNode> RunShow(const std::function<void(CDlgHydraulics&)>& interact) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<CDlgHydraulics*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            ran = true;
            interact(*dlg);
            // A failed assertion leaves the lambda early; the dialog must still end.
            if (dlg->isVisible())
                dlg->reject();
        });
        std::unique_ptr<CNode> node(CDlgHydraulics::Show(nullptr));
        EXPECT_TRUE(ran);
        return node;
    }

    LanguageScope language{QStringLiteral("de")};
};

// The outlines, arrows and labels take the palette's button text: on a dark face they are
// light, not black.
TEST(SchematicViewColours, TheSymbolsStandOutOnLightAndDarkFaces) {
    const struct {
        QColor face, text;
    } palettes[] = {{QColor(0xF0, 0xF0, 0xF0), QColor(Qt::black)},
                    {QColor(0x35, 0x35, 0x35), QColor(0xE6, 0xE6, 0xE6)}};
    for (const auto& colours : palettes) {
        CHydraulicsModel model;
        CSchematicView view(model);
        QPalette palette(colours.face);
        palette.setColor(QPalette::ButtonText, colours.text);
        view.setPalette(palette);
        view.resize(400, 300);
        const QImage image = view.grab().toImage();
        // The up arrow of the valve position is filled with the ink while it can step up.
        const QRectF up = view.LastSchematic().upRect;
        const QRgb arrow = image.pixel(QPointF(up.center().x(), up.top() + 0.75 * up.height()).toPoint());
        const QRgb face = image.pixel(2, 2);
        EXPECT_EQ(QColor(face), colours.face);
        EXPECT_GT(std::abs(qGray(arrow) - qGray(face)), 128) << colours.face.name().toStdString();
    }
}

TEST_F(DlgHydraulicsTest, SeparatorHidesEveryOptionAndStillReturnsSixLeaves) {
    const auto node = RunShow([&](CDlgHydraulics& dlg) {
        SelectType(dlg, 4);
        for (int id : {2104, 2105, 2106, 1541, 1542, 1543}) {
            EXPECT_TRUE(dlg.GetDlgItem(id)->isHidden()) << id;
            EXPECT_TRUE(dlg.GetDlgItem(id)->isEnabled()) << id; // hidden, never disabled
        }
        Get<QPushButton>(dlg, CDlgHydraulics::IDC_BTN_ZEICHNEN)->click();
    });
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->GetName(), "HydData");
    EXPECT_EQ(LeafValues(*node), (std::vector<int>{4, 0, 1, 1, 1, 1}));
}

TEST_F(DlgHydraulicsTest, CloseReturnsNullButKeepsTheChoiceForTheNextRun) {
    const auto closed = RunShow([&](CDlgHydraulics& dlg) {
        SelectType(dlg, 5);
        Radio(dlg, 2)->click();
        Box(dlg, CDlgHydraulics::IDC_CHK_STELLMOTOR)->click();
        dlg.move(40, 30);
        Get<QPushButton>(dlg, CDlgHydraulics::IDC_BTN_SCHLIESSEN)->click();
    });
    EXPECT_EQ(closed, nullptr);
    // The fields under the module's settings key (the next run reads them all back), the
    // window position beside them.
    DWORD stored = 99;
    ASSERT_TRUE(RegQueryValueW(HKEY_CURRENT_USER, DialogKey(), "HydMode", stored));
    EXPECT_EQ(stored, 5u);
    QString position;
    EXPECT_TRUE(RegQueryValueW(HKEY_CURRENT_USER, DialogsKey(), "DlgHydraulics_WndPos", position));

    const auto drawn = RunShow([&](CDlgHydraulics& dlg) {
        EXPECT_EQ(Get<QComboBox>(dlg, CDlgHydraulics::IDC_CMB_HYDMODE)->currentData().toInt(), 5);
        EXPECT_TRUE(Radio(dlg, 2)->isChecked());
        EXPECT_EQ(Radio(dlg, 2)->text(), "Zweiwege-Hahn");
        EXPECT_FALSE(Box(dlg, CDlgHydraulics::IDC_CHK_STELLMOTOR)->isChecked());
        EXPECT_EQ(dlg.pos(), QPoint(40, 30));
        dlg.accept();
    });
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(LeafValues(*drawn), (std::vector<int>{5, 2, 0, 1, 1, 1}));
}

TEST_F(DlgHydraulicsTest, ShowRunsWithTheModulesResourcesAndGivesTheHostsBack) {
    int hostResources = 0;
    SetCurrentResourceInstance(&hostResources);
    HINSTANCE during = nullptr;
    const auto node = RunShow([&](CDlgHydraulics& dlg) {
        during = CurrentResourceInstance();
        dlg.reject();
    });
    EXPECT_EQ(node, nullptr);
    EXPECT_EQ(during, g_hResourceInstance);
    EXPECT_NE(during, static_cast<HINSTANCE>(&hostResources));
    EXPECT_EQ(CurrentResourceInstance(), static_cast<HINSTANCE>(&hostResources));
    SetCurrentResourceInstance(nullptr);
}

// The dialog's texts go through the translation, the ones that follow the type included.
TEST_F(DlgHydraulicsTest, EnglishTextsWhenTheEnglishTranslationIsActive) {
    CTranslationManager::GetInstance().SetLanguage(QStringLiteral("en"));
    CDlgHydraulics dlg;
    EXPECT_EQ(dlg.windowTitle(), "Hydraulic circuits");
    auto* combo = Get<QComboBox>(dlg, CDlgHydraulics::IDC_CMB_HYDMODE);
    EXPECT_EQ(combo->itemText(3), "Throttling circuit");
    EXPECT_EQ(Get<QPushButton>(dlg, CDlgHydraulics::IDC_BTN_ZEICHNEN)->text(), "Draw");
    EXPECT_EQ(Box(dlg, CDlgHydraulics::IDC_CHK_VORLAUF)->text(), "Control valve in the supply");
    EXPECT_EQ(Radio(dlg, 2)->text(), "Three-way cock");
    SelectType(dlg, 6);
    EXPECT_EQ(Radio(dlg, 2)->text(), "Two-way cock");
    SelectType(dlg, 1);
    EXPECT_EQ(Box(dlg, CDlgHydraulics::IDC_CHK_EXTRA)->text(), "with throttle valve");
    SelectType(dlg, 3);
    EXPECT_EQ(Box(dlg, CDlgHydraulics::IDC_CHK_EXTRA)->text(), "with non-return valve");
    // A relabelled text is shown whole.
    for (int id : {CDlgHydraulics::IDC_CHK_EXTRA, CDlgHydraulics::IDC_RAD_VALVE0})
        EXPECT_GE(dlg.GetDlgItem(id)->width(), dlg.GetDlgItem(id)->sizeHint().width()) << id;
}

// Another type relabels the options but keeps each choice: the valve type through the two-way
// types, and the shared box shows the throttle or the check valve as the type binds it.
TEST_F(DlgHydraulicsTest, TypeChangesRelabelButKeepEveryChoice) {
    CDlgHydraulics dlg;
    EXPECT_EQ(Radio(dlg, 1)->text(), "Dreiwege-Ventil");
    Radio(dlg, 1)->click();
    for (int type : {6, 5}) {
        SelectType(dlg, type);
        EXPECT_EQ(Radio(dlg, 1)->text(), "Zweiwege-Ventil");
        EXPECT_TRUE(Radio(dlg, 1)->isChecked());
        EXPECT_EQ(dlg.Model().m_valveType, 1);
        EXPECT_FALSE(Radio(dlg, 0)->isHidden());
    }
    SelectType(dlg, 2);
    EXPECT_EQ(Radio(dlg, 1)->text(), "Dreiwege-Ventil");

    QCheckBox* extra = Box(dlg, CDlgHydraulics::IDC_CHK_EXTRA);
    SelectType(dlg, 1);
    EXPECT_FALSE(extra->isHidden());
    extra->click();
    EXPECT_EQ(dlg.Model().m_throttle, 0);
    EXPECT_EQ(dlg.Model().m_checkValve, 1);
    SelectType(dlg, 3);
    EXPECT_TRUE(extra->isChecked()); // the check valve, not the throttle just cleared
    SelectType(dlg, 1);
    EXPECT_FALSE(extra->isChecked());
    SelectType(dlg, 0);
    EXPECT_TRUE(extra->isHidden());
    EXPECT_EQ(dlg.Model().m_throttle, 0);
    EXPECT_EQ(dlg.Model().m_checkValve, 1);
}

TEST_F(DlgHydraulicsTest, BadStoredValuesFallBackToTheDefaults) {
    RegSetValueW(HKEY_CURRENT_USER, DialogKey(), "HydMode", DWORD(9));
    RegSetValueW(HKEY_CURRENT_USER, DialogKey(), "Vorlauf", DWORD(0));
    RegSetValueW(HKEY_CURRENT_USER, DialogsKey(), "DlgHydraulics_WndPos", "nonsense");
    const auto node = RunShow([&](CDlgHydraulics& dlg) {
        EXPECT_EQ(Get<QComboBox>(dlg, CDlgHydraulics::IDC_CMB_HYDMODE)->currentText(), "Beimischschaltung");
        EXPECT_EQ(dlg.size(), dlg.minimumSize());
        dlg.accept();
    });
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(LeafValues(*node), (std::vector<int>{0, 0, 1, 0, 1, 1}));
}

TEST_F(DlgHydraulicsTest, ButtonsStayInTheBottomCornersAndTheSizeNeverShrinks) {
    CDlgHydraulics dlg;
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    const QSize start = dlg.size();
    EXPECT_EQ(dlg.minimumSize(), start);
    for (const QSize size : {start + QSize(200, 120), start - QSize(100, 100)}) {
        dlg.resize(size);
        QApplication::processEvents();
        const QRect client = dlg.rect();
        const QRect draw = dlg.GetDlgItem(CDlgHydraulics::IDC_BTN_ZEICHNEN)->geometry();
        const QRect close = dlg.GetDlgItem(CDlgHydraulics::IDC_BTN_SCHLIESSEN)->geometry();
        EXPECT_EQ(draw.bottomLeft(), QPoint(5, client.height() - 6));
        EXPECT_EQ(close.bottomRight(), QPoint(client.width() - 6, client.height() - 6));
        EXPECT_GE(dlg.width(), start.width());
        EXPECT_GE(dlg.height(), start.height());
    }
    EXPECT_EQ(dlg.SchematicView()->geometry(), dlg.rect());
}

TEST_F(DlgHydraulicsTest, HeldArrowsStepTheValvePositionOnEveryTick) {
    CDlgHydraulics dlg;
    CSchematicView* view = dlg.SchematicView();
    // Before the first paint there are no rectangles to hit.
    EXPECT_FALSE(view->ClickAt({200, 300}));
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    view->repaint();
    const QRectF up = view->LastSchematic().upRect;
    const QRectF down = view->LastSchematic().downRect;
    ASSERT_FALSE(up.isEmpty());

    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(5, 5)); // outside both arrows
    view->OnRepeatTimer();
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(dlg.Model().ValvePosition(), -1);

    MoveMouse(view, up.center().toPoint(), Qt::NoButton);
    EXPECT_EQ(view->cursor().shape(), Qt::PointingHandCursor);
    QTest::mousePress(view, Qt::LeftButton, {}, up.center().toPoint());
    EXPECT_EQ(dlg.Model().ValvePosition(), 0);
    EXPECT_TRUE(view->RepeatTimer().isActive());
    EXPECT_EQ(view->RepeatTimer().interval(), 50);
    view->OnRepeatTimer();
    view->OnRepeatTimer();
    EXPECT_EQ(dlg.Model().ValvePosition(), 2);
    // Moved off the arrow while held: the ticks go on but count no more.
    MoveMouse(view, QPoint(5, 5), Qt::LeftButton);
    EXPECT_NE(view->cursor().shape(), Qt::PointingHandCursor);
    view->OnRepeatTimer();
    EXPECT_EQ(dlg.Model().ValvePosition(), 2);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(view->RepeatTimer().isActive());
    view->OnRepeatTimer(); // a late tick after release and leaving does no harm
    EXPECT_EQ(dlg.Model().ValvePosition(), 2);

    QTest::mousePress(view, Qt::LeftButton, {}, down.center().toPoint());
    for (int i = 0; i < 5; ++i)
        view->OnRepeatTimer();
    EXPECT_EQ(dlg.Model().ValvePosition(), 0); // never below 0
    QTest::mouseRelease(view, Qt::LeftButton, {}, down.center().toPoint());

    SelectType(dlg, 2);
    EXPECT_EQ(dlg.Model().ValvePosition(), -1);
    view->repaint(); // the control moves with the type
    QTest::mousePress(view, Qt::LeftButton, {}, view->LastSchematic().downRect.center().toPoint());
    EXPECT_EQ(dlg.Model().ValvePosition(), 0);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(DlgHydraulicsTest, TheSchematicComesLastByTabAndItsArrowKeysStepTheValve) {
    CDlgHydraulics dlg;
    CSchematicView* view = dlg.SchematicView();
    EXPECT_EQ(dlg.GetDlgItem(CDlgHydraulics::IDC_BTN_SCHLIESSEN)->nextInFocusChain(), view);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    view->repaint();
    const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Up, 0},   {Qt::Key_Up, 1},    {Qt::Key_Plus, 2},
                                             {Qt::Key_Down, 1}, {Qt::Key_Minus, 0}, {Qt::Key_Down, 0}};
    for (auto [key, position] : steps) {
        QTest::keyClick(view, key);
        EXPECT_EQ(dlg.Model().ValvePosition(), position) << key;
    }
}

TEST_F(DlgHydraulicsTest, TinyDrawingAreasNeitherFailNorBreakTheResult) {
    const auto node = RunShow([&](CDlgHydraulics& dlg) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
        CSchematicView* view = dlg.SchematicView();
        view->repaint();
        QTest::mousePress(view, Qt::LeftButton, {}, view->LastSchematic().upRect.center().toPoint());
        QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(0, 0));
        ASSERT_EQ(dlg.Model().ValvePosition(), 0);
        for (const QSize size : {QSize(1, 1), QSize(0, 0)}) {
            view->setGeometry(QRect(QPoint(0, 0), size));
            view->repaint();
            EXPECT_EQ(view->grab().size(), size);
            for (const QPoint at : {QPoint(0, 0), QPoint(300, 200)}) {
                QTest::mousePress(view, Qt::LeftButton, {}, at);
                view->OnRepeatTimer();
                QTest::mouseRelease(view, Qt::LeftButton, {}, at);
            }
            EXPECT_GE(dlg.Model().ValvePosition(), 0);
            EXPECT_LE(dlg.Model().ValvePosition(), 1);
        }
        EXPECT_EQ(view->LastSchematic().size, QSize(1, 1)); // an empty area is never painted
        view->setGeometry(dlg.rect());
        view->repaint();
        EXPECT_EQ(view->LastSchematic().size, dlg.size());
        dlg.accept();
    });
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(LeafValues(*node), (std::vector<int>{0, 0, 1, 1, 1, 1}));
}

// The dialog as the planner sees it, with the platform's look fixed for the comparison.
class DlgHydraulicsScreenshot : public DlgHydraulicsTest {
protected:
    void SetUp() override {
        DlgHydraulicsTest::SetUp();
        m_style = QApplication::style()->name();
        m_font = QApplication::font();
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setFont(QFont("Liberation Sans", 9));
    }
    void TearDown() override {
        QApplication::setStyle(QStyleFactory::create(m_style));
        QApplication::setFont(m_font);
        DlgHydraulicsTest::TearDown();
    }
    QImage Shot(int type, int steps) {
        CDlgHydraulics dlg;
        SelectType(dlg, type);
        dlg.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dlg));
        CSchematicView* view = dlg.SchematicView();
        view->repaint();
        const QPoint up = view->LastSchematic().upRect.center().toPoint();
        QTest::mousePress(view, Qt::LeftButton, {}, up);
        for (int i = 0; i < steps; ++i)
            view->OnRepeatTimer();
        QTest::mouseRelease(view, Qt::LeftButton, {}, up);
        return dlg.grab().toImage();
    }

private:
    QString m_style;
    QFont m_font;
};

TEST_F(DlgHydraulicsScreenshot, ThreeWayAdmixtureAndTwoWayThrottling) {
    EXPECT_TRUE(orvane::test::MatchesReference(Shot(0, 30), "hydraulics/dialog_admixture_30"));
    EXPECT_TRUE(orvane::test::MatchesReference(Shot(6, 60), "hydraulics/dialog_throttling_60"));
}

} // namespace
