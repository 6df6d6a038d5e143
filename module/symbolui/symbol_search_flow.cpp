#include "symbol_search_flow.h"

#include "symbol_search.h"

#include "frame/app.h"

#include "corekit/text_utils.h"
#include "corekit/ui_services.h"

void SymbolSearchFlow::Ask() {
    QString text = m_text;
    if (!CurrentUiServices().InputBox(ModuleText("Symbolsuche"), ModuleText("Text eingeben"), text))
        return;
    m_text = text;
    if (!m_text.isEmpty())
        Find(false);
}

void SymbolSearchFlow::Find(bool next) {
    if (m_text.isEmpty()) {
        Ask();
        return;
    }
    const int selection = m_window.SearchSelection();
    if (selection < 0)
        return;
    std::vector<CNode*> pages;
    for (int i = 0; i < m_window.SearchPageCount(); ++i)
        pages.push_back(m_window.SearchPage(i));
    const SymbolSearchResult result = FindSymbolInPages(pages, selection, next, m_text, m_dataText);
    if (result.page >= 0 && result.page != selection)
        m_window.ShowSearchPage(result.page);
    m_window.ClearSearchMarks();
    if (result.matches.empty()) {
        UiMessageBox(sformat(ModuleText("'%s' wurde nicht gefunden."), m_text), m_window.SearchCaption(),
                     UiButtons::Ok, UiIcon::Exclamation);
        return;
    }
    m_window.MarkSearchMatches(result.matches);
}
