#include "symbol_search.h"

#include "corekit/node.h"

bool SymbolMatchesText(const CNode& symbol, const QString& text,
                       const std::function<QString(const QString&)>& dataText) {
    if (const CLeaf* name = symbol.FindLeaf(QStringLiteral("DisplayName"))) {
        QString first;
        name->GetFirstValue(first);
        if (dataText(first).contains(text, Qt::CaseInsensitive))
            return true;
    }
    const CLeaf* block = symbol.FindLeaf(QStringLiteral("BlockName"));
    return block && block->GetRawData().contains(text, Qt::CaseInsensitive);
}

SymbolSearchResult FindSymbolInPages(const std::vector<CNode*>& pages, int selection, bool next,
                                     const QString& text,
                                     const std::function<QString(const QString&)>& dataText) {
    SymbolSearchResult result;
    if (selection < 0 || pages.empty())
        return result;
    int start = next ? selection + 1 : selection;
    int last = int(pages.size()) - 1;
    bool wrap = true;
    if (start > last) {
        start = 0;
        wrap = false;
    }
    for (int i = start; i <= last; ++i) {
        result.searched.push_back(i);
        if (const CNode* page = pages[std::size_t(i)]) {
            for (const auto& child : page->Children())
                if (child->GetName() == QLatin1String("Symbol") && SymbolMatchesText(*child, text, dataText))
                    result.matches.push_back(child.get());
        }
        if (!result.matches.empty()) {
            result.page = i;
            break;
        }
        if (i == last && wrap) {
            last = start;
            wrap = false;
            i = -1;
        }
    }
    return result;
}
