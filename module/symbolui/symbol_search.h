#pragma once

#include <QString>

#include <functional>
#include <vector>

class CNode;

// The text search of the symbols window (and of the toolbars): over the pages of a list,
// starting at the selected page, wrapping once, and stopping at the first page with a match.

// A symbol matches when its translated "DisplayName" contains `text` ignoring case; failing
// that, when its raw "BlockName" does. The symbol filters are not applied.
bool SymbolMatchesText(const CNode& symbol, const QString& text,
                       const std::function<QString(const QString&)>& dataText);

struct SymbolSearchResult {
    int page = -1;               // the first page with a match; -1 when none
    std::vector<CNode*> matches; // every match on that page, in order
    std::vector<int> searched;   // the pages searched, in order
};

// Searches `pages` from `selection` (from the page after it when `next`) to the last page,
// then from the first page up to and including the start page. When the start is past the
// last page, the search runs from the first page to the last once, without wrapping.
SymbolSearchResult FindSymbolInPages(const std::vector<CNode*>& pages, int selection, bool next,
                                     const QString& text,
                                     const std::function<QString(const QString&)>& dataText);
