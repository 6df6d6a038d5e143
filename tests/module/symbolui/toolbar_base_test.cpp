#include "toolbar_fixture.h"

#include "symbolui/dlg_symbol_toolbar_base.h"
#include "symbolui/symbol_page_list.h"
#include "symbolui/toolbar_events.h"

#include "corekit/widgets/desktop_button.h"

#include <QComboBox>
#include <QTest>

namespace orvane::test {
namespace {

// A page window as another module builds it on the exported base: its own controls, its own
// page list of the heating toolbar files and button rectangles from the grid.
class CExamplePageWindow : public CDlgSymbolToolbarBase {
public:
    CExamplePageWindow(CSymbolFileManager& manager, QWidget* parent)
        : CDlgSymbolToolbarBase(4711, parent), m_manager(manager) {
        FollowFilesOf(&manager);
        auto* back = new CDesktopButton(this);
        auto* forward = new CDesktopButton(this);
        auto* pages = new QComboBox(this);
        back->setGeometry(4, 4, 20, 20);
        forward->setGeometry(26, 4, 20, 20);
        pages->setGeometry(50, 4, 200, 20);
        SetControl(IDC_BTN_BACK, back);
        SetControl(IDC_BTN_FORWARD, forward);
        SetControl(IDC_CMB_PAGES, pages);
        resize(300, 200);
        OnInitDialog();
        StartLoadTimer();
    }
    void Activate(int index) {
        PagesComboBox()->setCurrentIndex(index);
        emit PagesComboBox()->activated(index);
    }

    int loads = 0;
    QList<QRect> rects;

protected:
    void LoadPages() override {
        ++loads;
        m_manager.CollectFiles();
        m_manager.GetFilesForTrade("H", m_files, "Toolbar_", 1);
        for (const SymbolPageEntry& entry :
             CollectPages(m_files, SymbolViewRules::Platform(m_manager.Context().Filters()).pageShown))
            PagesComboBox()->addItem(entry.title, QVariant::fromValue(static_cast<void*>(entry.page)));
        OnSelChange_CmbPages(); // the first entry is selected already
    }
    void FillPage() override {
        RecalcLayout(QSize(32, 32));
        rects.clear();
        const auto* page = static_cast<const CNode*>(PagesComboBox()->currentData().value<void*>());
        for (const auto& symbol : page->Children())
            rects << CalcButtonRect(symbol.get());
    }

private:
    CSymbolFileManager& m_manager;
};

// Records the page-change events a page window posts to its parent.
class PageEventRecorder : public QWidget {
public:
    QList<int> pages;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Type(ToolbarEvents::kPageChanged))
            pages << static_cast<ToolbarEvents::PageChangedEvent*>(event)->Page();
        return QWidget::event(event);
    }
};

TEST_F(ToolbarTest, PageWindowOfAnotherModuleOnTheBase) {
    PageEventRecorder parent;
    auto* window = new CExamplePageWindow(manager, &parent);
    window->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->loads == 1; }, 1000));
    // Three pages: every page control shows; buttons start below the back button.
    EXPECT_TRUE(window->GetDlgItem(CDlgSymbolToolbarBase::IDC_BTN_BACK)->isVisible());
    EXPECT_TRUE(window->PagesComboBox()->isVisible());
    ASSERT_EQ(window->rects.size(), 4);
    EXPECT_EQ(window->rects[0], QRect(4, 29, 32, 32));
    EXPECT_EQ(window->rects[3], QRect(4 + 3 * 35, 29, 67, 32)); // width factor 2

    window->Activate(1);
    QTest::mouseClick(
        static_cast<QAbstractButton*>(window->GetDlgItem(CDlgSymbolToolbarBase::IDC_BTN_FORWARD)),
        Qt::LeftButton);
    EXPECT_EQ(window->PagesComboBox()->currentIndex(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(parent.pages, QList<int>({0, 1})); // stepping tells the parent nothing
    EXPECT_EQ(window->CurrentFileIndex(), 0);

    // A reset deletes the files: the window lets go of them and reads them again.
    manager.Reset();
    EXPECT_EQ(window->PagesComboBox()->count(), 0);
    EXPECT_EQ(window->CurrentFileIndex(), -1);
    window->Activate(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->loads == 2; }, 1000));
    window->Activate(1);
    EXPECT_EQ(window->rects.size(), 3);
}

} // namespace
} // namespace orvane::test
