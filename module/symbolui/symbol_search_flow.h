#pragma once

#include <QString>

#include <functional>
#include <vector>

class CNode;

// What the text search needs of the window it runs in (the symbols window, a toolbar): its
// pages list, the page it shows and the marks on its buttons.
class ISymbolSearchWindow {
public:
    virtual ~ISymbolSearchWindow() = default;

    // The entries of the pages list, in its order, and the selected one (-1 when none).
    virtual int SearchPageCount() const = 0;
    virtual CNode* SearchPage(int index) const = 0;
    virtual int SearchSelection() const = 0;
    // Shows entry `index` of the pages list.
    virtual void ShowSearchPage(int index) = 0;
    // Takes the marks of the last search away, and marks the buttons of `matches`.
    virtual void ClearSearchMarks() = 0;
    virtual void MarkSearchMatches(const std::vector<CNode*>& matches) = 0;
    // The caption of the message that nothing was found.
    virtual QString SearchCaption() const = 0;
};

// The text search of a window: asks for the text, searches the pages list from the selected
// page (FindSymbolInPages), shows the first page with a match and marks the matches there, or
// says that there is none. The text stays for the next search.
class SymbolSearchFlow {
public:
    // `window` must outlive the flow; `dataText` translates display names.
    SymbolSearchFlow(ISymbolSearchWindow& window, std::function<QString(const QString&)> dataText)
        : m_window(window), m_dataText(std::move(dataText)) {}

    // Asks for the text (the last one proposed) and searches from the selected page.
    void Ask();
    // Searches again from the page after the selected one; asks first when there is no text.
    void Next() { Find(true); }
    const QString& Text() const { return m_text; }

private:
    void Find(bool next);

    ISymbolSearchWindow& m_window;
    std::function<QString(const QString&)> m_dataText;
    QString m_text;
};
