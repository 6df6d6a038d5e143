#include "toolbar_fixture.h"

#include "symbolui/dlg_symbol_toolbar_properties.h"
#include "symbolui/toolbar_events.h"

#include "slides/slide.h"
#include "slides/symbol_button.h"

#include "frame/host_command.h"
#include "symbolui/current_symbol.h"

#include "corekit/registry.h"
#include "corekit/ui_recorder.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

namespace orvane::test {
namespace {

QList<QRect> VisibleButtonRects(const CDlgSymbolToolbar& toolbar) {
    QList<QRect> rects;
    for (int i = 0; i < toolbar.UsedButtonCount(); ++i)
        rects << (toolbar.Buttons()[std::size_t(i)]->isVisibleTo(&toolbar)
                      ? toolbar.Buttons()[std::size_t(i)]->geometry()
                      : QRect());
    return rects;
}

DWORD StoredValue(const char* name) {
    DWORD value = 9999;
    RegQueryValueW(HKEY_CURRENT_USER, QString::fromUtf8(ToolbarTest::kKey), QString::fromUtf8(name), value);
    return value;
}

TEST_F(ToolbarTest, FlowPageWithAPlaceholderOnlyWhenStretched) {
    auto toolbar = open();
    ASSERT_EQ(toolbar->PagesList()->count(), 3);
    ASSERT_EQ(toolbar->CurrentFileIndex(), 0);
    ASSERT_TRUE(toolbar->IsStretched());
    const QList<QRect> stretched = VisibleButtonRects(*toolbar);
    ASSERT_EQ(stretched.size(), 4);
    EXPECT_TRUE(stretched[2].isNull()); // the placeholder's button is hidden
    const int step = stretched[1].x() - stretched[0].x();
    EXPECT_EQ(stretched[3].x() - stretched[1].x(), 2 * step); // ... but keeps its place
    EXPECT_EQ(stretched[3].width(), 2 * step - 3);

    toolbar->ToggleStretch();
    EXPECT_EQ(StoredValue("StretchButtons"), 0u);
    const QList<QRect> plain = VisibleButtonRects(*toolbar);
    ASSERT_EQ(plain.size(), 3);
    EXPECT_EQ(plain[0].size(), QSize(36, 40));
    EXPECT_EQ(plain[2], QRect(plain[1].x() + 39, plain[1].y(), 75, 40));
    // The bitmap and the corner mark of the symbol used in calculations.
    const CSymbolButton* second = toolbar->Buttons()[1];
    EXPECT_TRUE(second->SlideFile().isEmpty());
    EXPECT_EQ(second->MarkCorner(), 1);

    // The next toolbar of the trade starts unstretched.
    auto next = open();
    EXPECT_FALSE(next->IsStretched());
}

TEST_F(ToolbarTest, FixedPageScalesPositionsOverItsBackground) {
    auto toolbar = open();
    toolbar->SelectPage(1);
    ASSERT_TRUE(toolbar->Background() && toolbar->Background()->IsLoaded());
    toolbar->resize(800, 300);
    const QList<QRect> rects = VisibleButtonRects(*toolbar);
    ASSERT_EQ(rects.size(), 3);
    EXPECT_EQ(rects[0], QRect(20, 15, 40, 30));
    EXPECT_EQ(rects[1], QRect(400, 150, 80, 60));
    EXPECT_TRUE(rects[2].isNull()); // no "Pos": hidden

    // Without its slide the page has no reference size: positions are taken as pixels.
    QFile::remove(folder.filePath("Support/Symbol Toolbars/Heizung/Toolbar_/Slides/bg.sld"));
    toolbar->FillPage();
    EXPECT_FALSE(toolbar->Background()->IsLoaded());
    EXPECT_EQ(VisibleButtonRects(*toolbar)[0], QRect(10, 10, 20, 20));

    // A page without slide clears the background.
    toolbar->SelectPage(0);
    EXPECT_FALSE(toolbar->Background()->IsLoaded());
}

TEST_F(ToolbarTest, PageIsRememberedAndSteppedAround) {
    {
        auto toolbar = open();
        toolbar->StepPage(false);
        EXPECT_EQ(toolbar->PagesList()->currentIndex(), 2);
        EXPECT_EQ(toolbar->UsedButtonCount(), 0);
        toolbar->StepPage(true);
        EXPECT_EQ(toolbar->PagesList()->currentIndex(), 0);
        toolbar->SelectPage(1);
        EXPECT_EQ(StoredValue("H_PageIndex"), 1u);
    }
    EXPECT_EQ(open()->PagesList()->currentIndex(), 1);
    for (const char* stored : {"7", "-1", "zwei"}) {
        RegSetValueW(HKEY_CURRENT_USER, QString::fromUtf8(kKey), "H_PageIndex", QString::fromUtf8(stored));
        EXPECT_EQ(open()->PagesList()->currentIndex(), 0) << stored;
    }
}

TEST_F(ToolbarTest, TradeWithoutFilesShowsNothingAndDisablesPaging) {
    auto toolbar = open("K");
    EXPECT_EQ(toolbar->PagesList()->count(), 0);
    EXPECT_EQ(toolbar->UsedButtonCount(), 0);
    for (int id : {CDlgSymbolToolbar::IDC_BTN_BACK, CDlgSymbolToolbar::IDC_BTN_FORWARD,
                   CDlgSymbolToolbar::IDC_CMB_PAGES})
        EXPECT_FALSE(toolbar->GetDlgItem(id)->isEnabled()) << id;
    toolbar->StepPage(true); // nothing to step to
    toolbar->EditPageTitle();
}

TEST_F(ToolbarTest, StandardSizeAndMouseQuery) {
    auto toolbar = open();
    const QSize standard = toolbar->DefaultSize();
    toolbar->resize(standard + QSize(200, 100));
    toolbar->RestoreStandardSize();
    EXPECT_EQ(toolbar->size(), standard);

    const QRect frame = toolbar->frameGeometry();
    EXPECT_EQ(toolbar->IsMouseInside(frame.center()), 1);
    EXPECT_EQ(toolbar->IsMouseInside(frame.bottomRight() + QPoint(5, 5)), 0);
    ToolbarEvents::MouseInsideQuery query;
    EXPECT_TRUE(QCoreApplication::sendEvent(toolbar.get(), &query));
    EXPECT_EQ(query.answer, toolbar->IsMouseInside(QCursor::pos()));
}

QStringList g_pasted;
void RecordPaste(const wchar_t* text, int, int) {
    g_pasted << QString::fromWCharArray(text);
}

TEST_F(ToolbarTest, KeyboardPressesSymbolsStepsPagesAndSearchMarksTheMatches) {
    CRecordingUiServices ui;
    auto toolbar = open();
    toolbar->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(toolbar.get()));
    toolbar->GetDlgItem(CDlgSymbolToolbar::IDC_BTN_SEARCH_NEXT)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), toolbar->Buttons()[0]) << "the symbols follow the tool buttons";
    g_pasted.clear();
    DlgSymbols::SetOrvanePasteToCommandLineFunc(&RecordPaste);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return})
        QTest::keyClick(toolbar->Buttons()[0], key);
    DlgSymbols::SetOrvanePasteToCommandLineFunc(nullptr);
    ASSERT_EQ(g_pasted.size(), 2) << "Space and Enter";
    EXPECT_TRUE(g_pasted[1].startsWith("InsertSymbol"));
    EXPECT_TRUE(toolbar->Buttons()[0]->IsHighlighted());
    EXPECT_EQ(DlgSymbols::GetSymbolButton(), toolbar->Buttons()[0]);
    EXPECT_EQ(DlgSymbols::GetValue(L"BlockName"), "A");
    for (auto [key, page] : {std::pair{Qt::Key_PageDown, 1}, std::pair{Qt::Key_PageUp, 0}}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(toolbar->PagesList()->currentIndex(), page);
        EXPECT_EQ(QApplication::focusWidget(), toolbar->Buttons()[0]) << "the first symbol of the page";
    }
    // The menu key edits the focused symbol's properties.
    QString shown;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            shown = QString::fromLatin1(modal->metaObject()->className());
            modal->close();
        }
    });
    QTest::keyClick(toolbar->Buttons()[0], Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(shown, "CDlgSymbolProperties");

    // Found by block name on the next page: that page shows, with its match marked.
    ui.QueueInput("f2");
    toolbar->OnSearchSymbol();
    EXPECT_EQ(toolbar->PagesList()->currentIndex(), 1);
    ASSERT_EQ(toolbar->MarkedButtons().size(), 1u);
    EXPECT_EQ(toolbar->MarkedButtons()[0], toolbar->Buttons()[1]);
    // The next match wraps round to the same page.
    toolbar->OnSearchNext();
    EXPECT_EQ(toolbar->PagesList()->currentIndex(), 1);
    EXPECT_EQ(toolbar->MarkedButtons().size(), 1u);
    // By translated display name, in any case.
    ui.QueueInput("PUMPE");
    toolbar->OnSearchSymbol();
    EXPECT_EQ(toolbar->PagesList()->currentIndex(), 0);
    EXPECT_EQ(toolbar->MarkedButtons().size(), 1u);
    EXPECT_EQ(ui.MessageCount(), 0);

    ui.QueueInput("xyz");
    toolbar->OnSearchSymbol();
    EXPECT_EQ(toolbar->PagesList()->currentIndex(), 0);
    EXPECT_TRUE(toolbar->MarkedButtons().empty());
    ASSERT_EQ(ui.MessageCount(), 1);
    EXPECT_EQ(ui.Shown().back().text, "'xyz' wurde nicht gefunden.");
    toolbar.reset();
    EXPECT_EQ(DlgSymbols::GetSymbolButton(), nullptr); // no dangling button
}

// Whatever deletes the trees a toolbar shows, a reset or another toolbar of the trade reading a
// changed file anew (master mode), the toolbar and the current symbol let go of them first; the
// toolbar reads them again.
TEST_F(ToolbarTest, DeletedTreesAreLetGoOfAndReadAgain) {
    host.variables.insert("Q3DB_MASTERMODE", "1");
    auto other = open();
    const std::function<void()> deleteTrees[] = {
        [&] { manager.Reset(); },
        [&] {
            touchLater(toolbarFile);
            other->LoadPages();
        },
    };
    DlgSymbols::SetOrvanePasteToCommandLineFunc(&RecordPaste);
    for (const auto& deleteTreesNow : deleteTrees) {
        auto toolbar = open();
        toolbar->Buttons()[0]->click();
        ASSERT_EQ(DlgSymbols::GetValue(L"BlockName"), "A");
        deleteTreesNow();
        EXPECT_EQ(DlgSymbols::GetValue(L"BlockName"), QString());
        EXPECT_TRUE(toolbar->Files().empty());
        EXPECT_EQ(toolbar->SelectedPage(), nullptr);
        g_pasted.clear();
        toolbar->Buttons()[0]->click();
        EXPECT_TRUE(g_pasted.empty());

        QCoreApplication::processEvents();
        EXPECT_EQ(toolbar->PagesList()->count(), 3);
        toolbar->Buttons()[0]->click();
        EXPECT_EQ(g_pasted.size(), 1);
    }
    DlgSymbols::SetOrvanePasteToCommandLineFunc(nullptr);
}

class ToolbarTitleTest : public ToolbarTest {
protected:
    // Answers the title dialog: types `title` unless it is null, then OK.
    void answerWith(CDlgSymbolToolbar& toolbar, const char* title) {
        toolbar.runPropertiesDialog = [this, title](CDlgSymbolToolbarProperties& dialog) {
            dialog.show();
            readOnly = dialog.TitleField()->isReadOnly();
            shownFile = dialog.FileField()->text();
            if (title && !readOnly) {
                dialog.TitleField()->setText(QString::fromUtf8(title));
                emit dialog.TitleField()->textEdited(dialog.TitleField()->text());
            }
            dialog.accept();
            return dialog.result();
        };
    }
    void rightClickFreeArea(CDlgSymbolToolbar& toolbar) {
        const QPoint pos(toolbar.width() - 5, toolbar.height() - 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, toolbar.mapToGlobal(pos));
        QCoreApplication::sendEvent(&toolbar, &event);
    }

    CRecordingUiServices ui;
    bool readOnly = false;
    QString shownFile;
};

TEST_F(ToolbarTitleTest, SuppliedPageTitleChangesOnlyInMasterMode) {
    const QByteArray before = folder.read("Support/Symbol Toolbars/Heizung/Toolbar_/Leiste.inf");
    auto toolbar = open();
    answerWith(*toolbar, "Neu");
    rightClickFreeArea(*toolbar);
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(shownFile, toolbarFile);
    EXPECT_EQ(toolbar->PagesList()->currentText(), "Fluss");
    EXPECT_EQ(folder.read("Support/Symbol Toolbars/Heizung/Toolbar_/Leiste.inf"), before);

    host.variables.insert("Q3DB_MASTERMODE", "1");
    QTest::keyClick(toolbar->PagesList(), Qt::Key_F2); // the keyboard's way to the title
    EXPECT_FALSE(readOnly);
    EXPECT_EQ(toolbar->PagesList()->currentText(), "Neu");
    EXPECT_TRUE(folder.read("Support/Symbol Toolbars/Heizung/Toolbar_/Leiste.inf").contains("\"Neu\""));
    EXPECT_EQ(ui.MessageCount(), 0);
}

TEST_F(ToolbarTitleTest, UnchangedTitleIsNotSavedAndAFailedSaveSaysSo) {
    host.variables.insert("Q3DB_MASTERMODE", "1");
    auto toolbar = open();
    CSymbolFile* file = toolbar->Files().front();
    const QDateTime written = QFileInfo(toolbarFile).lastModified();
    answerWith(*toolbar, nullptr);
    rightClickFreeArea(*toolbar);
    EXPECT_EQ(QFileInfo(toolbarFile).lastModified(), written);

    // A file where the folder should be: the file cannot be written.
    folder.write("blocked", "no folder");
    file->m_path = folder.filePath("blocked/Leiste.inf");
    answerWith(*toolbar, "Anders");
    rightClickFreeArea(*toolbar);
    file->m_path = toolbarFile;
    EXPECT_EQ(toolbar->PagesList()->currentText(), "Anders");
    ASSERT_EQ(ui.MessageCount(), 1);
    EXPECT_EQ(ui.Shown().front().text, "Änderungen konnten nicht gespeichert werden.");
    EXPECT_EQ(ui.Shown().front().icon, UiIcon::Exclamation);
    EXPECT_FALSE(folder.read("Support/Symbol Toolbars/Heizung/Toolbar_/Leiste.inf").contains("Anders"));
}

TEST_F(ToolbarTitleTest, UntitledPageGetsATitle) {
    CNode page("Page");
    CSymbolFile file(folder.filePath("x.inf"));
    CDlgSymbolToolbarProperties dialog;
    dialog.SetData(&file, &page, true);
    dialog.show();
    EXPECT_TRUE(dialog.TitleField()->text().isEmpty());
    EXPECT_FALSE(dialog.TitleField()->isReadOnly());
    EXPECT_TRUE(dialog.FileField()->isReadOnly());
    dialog.TitleField()->setText("a:b");
    emit dialog.TitleField()->textEdited("a:b");
    dialog.accept();
    EXPECT_EQ(page.FindLeaf("DisplayName")->GetRawData(), "a:b");
}

} // namespace
} // namespace orvane::test
