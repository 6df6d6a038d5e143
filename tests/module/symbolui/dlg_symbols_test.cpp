#include "symbols_window_fixture.h"

#include "image_compare.h"

#include "corekit/ui_recorder.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

using orvane::test::SymbolsWindowTest;

TEST_F(SymbolsWindowTest, PagesLoadOnceTheWindowIsUpAndTheLastPageComesBack) {
    writeDefaultLibrary();
    {
        CDlgSymbols window(context());
        EXPECT_EQ(window.PagesList()->count(), 0) << "nothing is loaded while the window is made";
        QTRY_COMPARE(window.PagesList()->count(), 5);
        EXPECT_EQ(window.PageCount(), 5);
        EXPECT_EQ(window.CurrentPage(), 0);
        selectPage(window, 3);
        EXPECT_EQ(window.CurrentFile(), 1);
        EXPECT_EQ(window.PagesList()->toolTip(), "Eigene 2");
    }
    auto window = openWindow();
    EXPECT_EQ(window->CurrentPage(), 3) << "the remembered page";
    EXPECT_EQ(visibleNames(*window), QStringList{"U_VENTIL"});
}

// Page titles are data texts: the list shows them translated and remembers the name it shows.
TEST_F(SymbolsWindowTest, PageTitlesAreShownAndRememberedTranslated) {
    writeDefaultLibrary();
    SymbolsWindowContext c = context();
    c.rules.dataText = [](const QString& text) { return QStringLiteral("» ") + text; };
    {
        CDlgSymbols window(c);
        window.LoadPages();
        EXPECT_EQ(window.PagesList()->itemText(3), "» Eigene 2");
        selectPage(window, 3);
    }
    EXPECT_EQ(ReadLastPageName(c.regPath), "» Eigene 2");
    CDlgSymbols again(c);
    again.LoadPages();
    EXPECT_EQ(again.CurrentPage(), 3);
}

TEST_F(SymbolsWindowTest, StepButtonsWrapAndEmptyListsDisableThem) {
    writeDefaultLibrary();
    auto window = openWindow();
    const auto click = [&](int id) { static_cast<QAbstractButton*>(window->GetDlgItem(id))->click(); };
    click(CDlgSymbols::IDC_BTN_BACK);
    EXPECT_EQ(window->CurrentPage(), 4);
    EXPECT_EQ(window->CurrentFile(), 1);
    EXPECT_EQ(window->PagesList()->currentIndex(), 4);
    click(CDlgSymbols::IDC_BTN_NEXT);
    EXPECT_EQ(window->CurrentPage(), 0);
    EXPECT_EQ(window->CurrentFile(), 0);
    EXPECT_EQ(visibleNames(*window), (QStringList{"Ventil", "Pumpe"}));

    host.variables.insert("SYMBOLS_FILELIST_SUPPORT", "fehlt.inf");
    host.variables.insert("SYMBOLS_FILELIST_STANDARDS", QString());
    window->LoadPages();
    EXPECT_EQ(window->PagesList()->count(), 0);
    EXPECT_TRUE(visibleNames(*window).isEmpty());
    for (int id : {CDlgSymbols::IDC_BTN_BACK, CDlgSymbols::IDC_BTN_NEXT, CDlgSymbols::IDC_CMB_PAGES})
        EXPECT_FALSE(window->GetDlgItem(id)->isEnabled()) << id;
    click(CDlgSymbols::IDC_BTN_NEXT);
    EXPECT_EQ(window->CurrentPage(), -1);
}

TEST_F(SymbolsWindowTest, ButtonsAreReusedForSmallerPagesAndPlacedForTheHost) {
    host.variables.insert("SYMBOLE_WINDOW_EXTRAS", "0");
    QByteArray many = "Viele|";
    for (int i = 0; i < 10; ++i)
        many += "Symbol { BlockName = \"S" + QByteArray::number(i) + "\" }";
    writeLibrary({many.constData(),
                  "Drei|Symbol { BlockName = \"A\" ButtonSizeWidthFactor = \"2\" } "
                  "Symbol { BlockName = \"B\" HideButton = \"\" } Symbol { BlockName = \"C\" }"},
                 {});
    auto window = openWindow();
    EXPECT_FALSE(window->QuickFindLine()) << "the additions are off: the plain window";
    EXPECT_FALSE(window->Watcher());
    ASSERT_EQ(window->SymbolButtons().size(), 10u);
    const std::vector<CSymbolButton*> before = window->SymbolButtons();
    selectPage(*window, 1);
    EXPECT_EQ(window->SymbolButtons(), before) << "no button is made or deleted";
    EXPECT_EQ(visibleNames(*window), (QStringList{"A", "C"}));
    const int listBottom = window->PagesList()->geometry().bottom() + 1;
    EXPECT_EQ(before[0]->geometry(), QRect(2, listBottom + 5, 95, 40)) << "two cells of (200 - 2 - 12) / 4";
    EXPECT_EQ(before[2]->geometry().topLeft(), QPoint(2 + 95 + 3 + 46 + 3, listBottom + 5));

    theApp.m_isAcadHost = 0;
    theApp.m_isRevit = 1;
    window->FillPage();
    EXPECT_EQ(before[0]->geometry().size(), QSize(75, 40)) << "Revit keeps cells of 36 x 40";
}

TEST_F(SymbolsWindowTest, ClickPastesTheCommandsInBothHostsAndSetsTheCurrentSymbol) {
    writeLibrary(
        {"Paar|Symbol { BlockName = \"HZ_P\" Command = \"VORHER\" UseBlockPair = \"1\" SystemType = \"VL\" }"
         " Symbol { Text = \"nichts\" }"},
        {});
    struct Case {
        bool revit;
        QStringList texts;
        const char* folderLeaf;
    } const cases[] = {{false, {"VORHER\r", "InsPair\r"}, "SymbolsDir"},
                       {true, {"VORHER", "InsPair"}, "FamiliesDir"}};
    for (const Case& c : cases) {
        theApp.m_isAcadHost = c.revit ? 0 : 1;
        theApp.m_isRevit = c.revit ? 1 : 0;
        pasted().clear();
        auto window = openWindow();
        window->SymbolButtons()[0]->click();
        EXPECT_EQ(QStringList(pasted().begin(), pasted().end()), c.texts);
        EXPECT_EQ(DlgSymbols::GetSymbolButton(), window->SymbolButtons()[0]);
        EXPECT_TRUE(window->SymbolButtons()[0]->IsHighlighted());
        EXPECT_EQ(DlgSymbols::GetValue(L"Command"), "VORHER");
        std::unique_ptr<CNode> props(DlgSymbols::GetSymbolProps());
        ASSERT_TRUE(props);
        EXPECT_TRUE(props->FindLeaf(QString::fromLatin1(c.folderLeaf)));
        EXPECT_EQ(props->FindLeaf("SystemType") != nullptr, c.revit);

        pasted().clear();
        window->SymbolButtons()[1]->click();
        EXPECT_TRUE(pasted().empty()) << "neither command nor block";
        EXPECT_EQ(DlgSymbols::GetValue(L"Text"), "nichts") << "still the current symbol";

        manager.m_bIndexChanged = 1;
        window->SymbolButtons()[0]->click();
        EXPECT_TRUE(pasted().empty()) << "swallowed while the files are being reloaded";
        EXPECT_EQ(DlgSymbols::GetSymbolButton(), window->SymbolButtons()[1]);
        window->FillPage();
        EXPECT_FALSE(DlgSymbols::GetSymbolProps()) << "the reload forgot the current symbol";
        EXPECT_EQ(DlgSymbols::GetValue(L"Text"), QString());
        window.reset();
        EXPECT_EQ(DlgSymbols::GetSymbolButton(), nullptr) << "its button went with the window";
    }
}

TEST_F(SymbolsWindowTest, SearchAsksForATextWrapsOverThePagesAndMarksTheHits) {
    writeDefaultLibrary();
    CRecordingUiServices ui;
    auto window = openWindow();
    selectPage(*window, 1);

    ui.QueueInput("ventil");
    QTest::keyRelease(window.get(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(ui.Shown().size(), 1);
    EXPECT_EQ(ui.Shown()[0].text, "Text eingeben");
    EXPECT_EQ(window->CurrentPage(), 3) << "pages 1, 2, 3: U_VENTIL by its block name";
    ASSERT_EQ(window->MarkedButtons().size(), 1u);
    EXPECT_TRUE(window->MarkedButtons()[0]->IsHighlighted());

    QTest::keyRelease(window.get(), Qt::Key_F3);
    EXPECT_EQ(window->CurrentPage(), 0) << "on from page 4, wrapping to page 0";
    ASSERT_EQ(window->MarkedButtons().size(), 1u);
    EXPECT_EQ(window->MarkedButtons()[0]->accessibleName(), "Ventil");

    ui.Clear();
    ui.QueueInput("Gibtsnicht");
    window->OnSearchSymbol();
    ASSERT_EQ(ui.Shown().size(), 2);
    EXPECT_EQ(ui.Shown()[1].text, "'Gibtsnicht' wurde nicht gefunden.");
    EXPECT_EQ(ui.Shown()[1].icon, UiIcon::Exclamation);
    EXPECT_EQ(window->CurrentPage(), 0);
    EXPECT_TRUE(window->MarkedButtons().empty());

    ui.Clear();
    ui.QueueInput(std::nullopt);
    window->OnSearchSymbol();
    EXPECT_EQ(ui.Shown().size(), 1) << "a cancelled box searches nothing";
    EXPECT_EQ(window->SearchText(), "Gibtsnicht");
}

TEST_F(SymbolsWindowTest, RefreshEventF5AndOptionsReloadOrRefill) {
    writeDefaultLibrary();
    auto window = openWindow();
    QEvent refresh(QEvent::Type(CDlgSymbols::kRefreshFileListEvent));
    host.variables.insert("SYMBOLS_FILELIST_STANDARDS", QString());
    QCoreApplication::sendEvent(window.get(), &refresh);
    EXPECT_EQ(window->PagesList()->count(), 5) << "the first list is unchanged: no reload";
    QTest::keyRelease(window.get(), Qt::Key_F5);
    EXPECT_EQ(window->PagesList()->count(), 2);
    host.variables.insert("SYMBOLS_FILELIST_STANDARDS", "User\\u.inf");
    host.variables.insert("SYMBOLS_FILELIST_SUPPORT", "heizung\\a.inf");
    QCoreApplication::sendEvent(window.get(), &refresh);
    EXPECT_EQ(window->PagesList()->count(), 5) << "the first list changed (in case only)";

    static int answer = 0;
    DlgSymbols::SetShowSymbolOptionsFunc([](QWidget*) -> long long { return answer; });
    CSymbolButton* ventil = window->SymbolButtons()[0];
    ASSERT_EQ(ventil->MarkCorner(), 1);
    host.variables.insert("SYMBOLE_MARK_CORNER", "0");
    const auto options = static_cast<QAbstractButton*>(window->GetDlgItem(CDlgSymbols::IDC_BTN_OPTIONS));
    options->click();
    EXPECT_EQ(ventil->MarkCorner(), 1) << "the callback answered 0: no refill";
    answer = 1;
    options->click();
    EXPECT_EQ(ventil->MarkCorner(), 0);
}

TEST_F(SymbolsWindowTest, MissingPreviewsShowTheNameAndHelpDocumentsTheirText) {
    writeSlide("HZ_VENTIL.sld", 5);
    folder.write("Support/Symbol Toolbars/Heizung/Hilfe/pumpe.html",
                 "<p>Umw&auml;lzpumpe <img src=\"http://example.org/x.png\"></p>");
    writeLibrary(
        {"Armaturen|Symbol { BlockName = \"HZ_VENTIL\" DisplayName = \"Ventil\" } "
         "Symbol { BlockName = \"HZ_PUMPE\" DisplayName = \"Pumpe\" HelpUrl = \"Hilfe\\\\pumpe.html\" }"},
        {});
    auto window = openWindow();
    const auto& buttons = window->SymbolButtons();
    EXPECT_EQ(buttons[0]->text(), QString()) << "the slide shows";
    EXPECT_EQ(buttons[0]->toolTip(), "Ventil");
    EXPECT_EQ(buttons[1]->text(), "Pumpe") << "no slide: the name";
    EXPECT_EQ(buttons[1]->toolTip(), QString()) << "the help document instead";
    const QString help = window->HelpTooltip(1);
    EXPECT_TRUE(help.contains("<b>Pumpe</b>"));
    EXPECT_TRUE(help.contains("Umwälzpumpe"));
    EXPECT_FALSE(help.contains("example.org"));
}

TEST_F(SymbolsWindowTest, ReferenceScreenshotsAtScaleOneAndTwo) {
    for (const char* name : {"HZ_VENTIL", "HZ_PUMPE", "HZ_KESSEL"})
        writeSlide(QString::fromLatin1(name) + ".sld", name[3] == 'V' ? 5 : 1);
    writeLibrary({"Armaturen|Symbol { BlockName = \"HZ_VENTIL\" UsedInCalculations = \"1\" } "
                  "Symbol { BlockName = \"HZ_PUMPE\" ButtonSizeWidthFactor = \"2\" } "
                  "Symbol { BlockName = \"HZ_KESSEL\" NewRow = \"\" ButtonSizeHeightFactor = \"2\" } "
                  "Symbol { BlockName = \"OHNE_DIA\" DisplayName = \"Dia fehlt\" }"},
                 {});
    // The supplied button images and design of the sample installation.
    designs = CDesktopDesignManager(orvane::test::sampleInstallationPath("Support/Designs"));
    for (double scale : {1.0, 2.0}) {
        SymbolsWindowContext c = context();
        c.supportFolder = orvane::test::sampleInstallationPath("Support");
        c.displayScale = scale;
        auto window = std::make_unique<CDlgSymbols>(c);
        window->LoadPages();
        window->resize(160, 260);
        window->FillPage();
        QImage image(window->size() * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::white);
        window->render(&image);
        EXPECT_TRUE(orvane::test::MatchesReference(image, scale == 1.0 ? "symbolui/symbols_window"
                                                                       : "symbolui/symbols_window_x2"));
    }
}

TEST_F(SymbolsWindowTest, QuickFindFiltersAllPagesEnterInsertsEscClears) {
    writeDefaultLibrary();
    auto window = openWindow();
    QLineEdit* line = window->QuickFindLine();
    ASSERT_TRUE(line);
    QTest::keyClicks(line, "ventl");
    ASSERT_EQ(window->QuickFindResult().size(), 2u);
    EXPECT_TRUE(window->QuickFindHits()->isVisibleTo(window.get()));
    EXPECT_EQ(window->QuickFindHits()->item(0)->text(), "Ventil — Armaturen (ein Tippfehler)");
    EXPECT_EQ(window->QuickFindHits()->item(1)->text(), "U_VENTIL — Eigene 2 (ein Tippfehler, Blockname)");
    QTest::keyClick(line, Qt::Key_Down);
    EXPECT_EQ(window->QuickFindHits()->currentRow(), 1);
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_EQ(window->CurrentPage(), 3);
    EXPECT_EQ(QStringList(pasted().begin(), pasted().end()), QStringList{"InsertSymbol\r"});
    EXPECT_EQ(DlgSymbols::GetValue(L"BlockName"), "U_VENTIL");
    QTest::keyClick(line, Qt::Key_Escape);
    EXPECT_TRUE(line->text().isEmpty());
    EXPECT_FALSE(window->QuickFindHits()->isVisibleTo(window.get()));
}

TEST_F(SymbolsWindowTest, KeyboardMovesOverTheButtonsInsertsAndStepsPages) {
    writeLibrary({"Reihe|Symbol { BlockName = \"A\" } Symbol { BlockName = \"B\" } Symbol { BlockName = "
                  "\"C\" NewRow = \"\" }",
                  "Zweite|Symbol { BlockName = \"Z\" }"},
                 {});
    auto window = openWindow();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto& buttons = window->SymbolButtons();
    buttons[0]->setFocus();
    const std::pair<Qt::Key, int> moves[] = {
        {Qt::Key_Right, 1}, {Qt::Key_Down, 2}, {Qt::Key_Up, 0}, {Qt::Key_Left, 0}};
    for (auto [key, expected] : moves) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(QApplication::focusWidget(), buttons[std::size_t(expected)]) << key;
    }
    QTest::keyClick(buttons[0], Qt::Key_Return);
    EXPECT_EQ(QStringList(pasted().begin(), pasted().end()), QStringList{"InsertSymbol\r"});
    QTest::keyClick(buttons[0], Qt::Key_PageDown);
    EXPECT_EQ(window->CurrentPage(), 1);
    EXPECT_EQ(QApplication::focusWidget(), buttons[0]);
}

TEST_F(SymbolsWindowTest, AChangedFileOnDiskRefreshesTheWindowKeepingPageAndSymbol) {
    writeDefaultLibrary();
    auto window = openWindow();
    selectPage(*window, 1);
    window->SymbolButtons()[0]->click();
    const QString path =
        supplied("Heizung/a.inf",
                 pages({"Armaturen|Symbol { BlockName = \"HZ_VENTIL\" DisplayName = \"Ventil\" }",
                        "Erzeuger|Symbol { BlockName = \"HZ_KESSEL\" DisplayName = \"Heizkessel\" }"}));
    touchLater(path);
    QTRY_COMPARE_WITH_TIMEOUT(window->SymbolButtons()[0]->accessibleName(), "Heizkessel", 1000);
    EXPECT_EQ(window->CurrentPage(), 1);
    EXPECT_EQ(DlgSymbols::GetValue(L"DisplayName"), "Heizkessel") << "the current symbol, read anew";
    EXPECT_EQ(DlgSymbols::GetSymbolButton(), window->SymbolButtons()[0]);
}

// Resetting the library deletes its files: neither the window nor the current symbol may use
// them afterwards, and the window reads the library again.
TEST_F(SymbolsWindowTest, AResetLibraryIsLetGoOfAndReadAgain) {
    writeDefaultLibrary();
    auto window = openWindow();
    window->SymbolButtons()[0]->click();
    ASSERT_EQ(DlgSymbols::GetValue(L"BlockName"), "HZ_VENTIL");
    manager.Reset();
    EXPECT_FALSE(std::unique_ptr<CNode>(DlgSymbols::GetSymbolProps()));
    EXPECT_EQ(DlgSymbols::GetValue(L"BlockName"), QString());
    pasted().clear();
    window->SymbolButtons()[0]->click();
    EXPECT_TRUE(pasted().empty());

    QCoreApplication::processEvents();
    EXPECT_EQ(window->PagesList()->count(), 5);
    window->SymbolButtons()[0]->click();
    EXPECT_EQ(DlgSymbols::GetValue(L"BlockName"), "HZ_VENTIL");
}

} // namespace
