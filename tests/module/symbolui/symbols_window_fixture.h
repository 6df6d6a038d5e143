#pragma once

#include "symbol_library_fixture.h"

#include "symbolui/current_symbol.h"
#include "symbolui/dlg_symbols.h"

#include "frame/app.h"
#include "frame/host_command.h"
#include "shellui/desktop_design.h"
#include "slides/slide_writer.h"
#include "slides/symbol_button.h"

#include <QComboBox>
#include <QDir>

#include <memory>

namespace orvane::test {

// A small installation for the symbols window: a supplied file "Heizung/a.inf" with two pages
// and a user file "User/u.inf" with three, named by the host's two file lists, slides for
// their symbols, and a window on a context of the test's own. Pastes to the command line are
// recorded; the host is the drawing host unless a test says otherwise.
class SymbolsWindowTest : public SymbolLibraryTest {
protected:
    SymbolsWindowTest() {
        theApp.m_isAcadHost = 1;
        theApp.m_isRevit = 0;
        theApp.m_revitVersion.clear();
        pasted().clear();
        DlgSymbols::SetOrvanePasteToCommandLineFunc(&recordPaste);
        host.variables.insert("SYMBOLS_FILELIST_SUPPORT", "Heizung\\a.inf");
        host.variables.insert("SYMBOLS_FILELIST_STANDARDS", "User\\u.inf");
    }
    ~SymbolsWindowTest() override {
        DlgSymbols::SetOrvanePasteToCommandLineFunc(nullptr);
        DlgSymbols::SetShowSymbolOptionsFunc(nullptr);
        theApp.m_isAcadHost = 0;
        theApp.m_isRevit = 0;
    }

    static std::vector<QString>& pasted() {
        static std::vector<QString> texts;
        return texts;
    }
    static void recordPaste(const wchar_t* text, int, int) {
        pasted().push_back(QString::fromWCharArray(text));
    }

    // The two files; `supplied` and `own` are the pages' bodies, each "Title|symbols".
    void writeLibrary(std::initializer_list<const char*> supplied, std::initializer_list<const char*> own) {
        this->supplied("Heizung/a.inf", pages(supplied));
        user("User/u.inf", pages(own));
    }
    void writeDefaultLibrary() {
        writeLibrary(
            {"Armaturen|Symbol { BlockName = \"HZ_VENTIL\" DisplayName = \"Ventil\" "
             "UsedInCalculations = \"1\" } Symbol { BlockName = \"HZ_PUMPE\" DisplayName = \"Pumpe\" }",
             "Erzeuger|Symbol { BlockName = \"HZ_KESSEL\" DisplayName = \"Kessel\" }"},
            {"Eigene 1|Symbol { BlockName = \"U_A\" }", "Eigene 2|Symbol { BlockName = \"U_VENTIL\" }",
             "Eigene 3|"});
    }
    static QByteArray pages(std::initializer_list<const char*> bodies) {
        QByteArray text = "Root {\n  Pages {\n";
        for (const char* body : bodies) {
            const QByteArray whole(body);
            const qsizetype bar = whole.indexOf('|');
            text += "    Page { DisplayName = \"" + whole.left(bar) + "\" " + whole.mid(bar + 1) + " }\n";
        }
        return text + "  }\n}\n";
    }
    // A slide beside the supplied file: a box with a cross, in colour `colour`.
    void writeSlide(const QString& name, int colour) {
        CSlideWriter w(100, 100);
        w.SetColor(colour);
        w.AddLine({10, 10}, {90, 10});
        w.AddLine({90, 10}, {90, 90});
        w.AddLine({90, 90}, {10, 90});
        w.AddLine({10, 90}, {10, 10});
        w.AddLine({10, 10}, {90, 90});
        w.AddLine({10, 90}, {90, 10});
        const QString slides = folder.filePath("Support/Symbol Toolbars/Heizung/Slides");
        QDir().mkpath(slides);
        ASSERT_TRUE(w.WriteToFile(slides + u'/' + name));
    }

    SymbolsWindowContext context() {
        SymbolsWindowContext c;
        c.manager = &manager;
        c.designs = &designs;
        c.host = &host;
        c.rules = SymbolViewRules::Platform(SymbolLibraryTest::context.Filters());
        c.regPath = "Orvane\\Test\\";
        c.supportFolder = folder.path();
        c.displayScale = 1.0;
        return c;
    }
    // A window of 200 x 400 with its pages loaded.
    std::unique_ptr<CDlgSymbols> openWindow(std::optional<double> scale = 1.0) {
        SymbolsWindowContext c = context();
        c.displayScale = scale;
        auto window = std::make_unique<CDlgSymbols>(c);
        window->resize(200, 400);
        window->LoadPages();
        return window;
    }
    static void selectPage(CDlgSymbols& window, int index) {
        window.PagesList()->setCurrentIndex(index);
        emit window.PagesList()->activated(index);
    }
    static QStringList visibleNames(const CDlgSymbols& window) {
        QStringList names;
        for (const CSymbolButton* button : window.SymbolButtons())
            if (button->isVisibleTo(&const_cast<CDlgSymbols&>(window)))
                names << button->accessibleName();
        return names;
    }

    CDesktopDesignManager designs{QString()};
};

} // namespace orvane::test
