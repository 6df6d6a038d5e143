#include "toolbar_pages.h"

#include "symbols/node_filters.h"
#include "symbols/symbol_file.h"

#include "corekit/node.h"

namespace ToolbarPages {

QString PageTitle(const CNode* page) {
    if (!page)
        return QString();
    return page->GetStrLeafValue(QString(), QStringLiteral("DisplayName"), 1, u':');
}

std::vector<Entry> CollectPages(const std::vector<CSymbolFile*>& files, const SymbolFilterValues& filters) {
    std::vector<Entry> entries;
    for (int index = 0; index < int(files.size()); ++index) {
        const CSymbolFile* file = files[std::size_t(index)];
        const CNode* pages =
            file && file->m_pRoot ? file->m_pRoot->FindChild(QStringLiteral("Pages")) : nullptr;
        if (!pages)
            continue;
        for (const auto& child : pages->Children()) {
            if (child->GetName() != QLatin1String("Page") ||
                !NodeFilters::CheckPageFilters(child.get(), filters))
                continue;
            entries.push_back(Entry{PageTitle(child.get()), child.get(), index});
        }
    }
    return entries;
}

int FileIndexOfSelection(const std::vector<CSymbolFile*>& files, std::optional<int> selection, int current) {
    if (!selection)
        return current;
    int shown = 0;
    for (int index = 0; index < int(files.size()); ++index) {
        shown += files[std::size_t(index)] ? files[std::size_t(index)]->m_nPages : 0;
        if (shown > *selection)
            return index;
    }
    return current;
}

std::optional<int> StepPage(std::optional<int> selection, int count, bool forward) {
    if (!selection || count <= 0)
        return std::nullopt;
    const int next = forward ? (*selection + 1) % count : (*selection - 1 + count) % count;
    if (next < 0 || next >= count)
        return std::nullopt;
    return next;
}

int RestoredPageIndex(std::optional<int> stored, int count) {
    if (stored && *stored >= 0 && *stored < count)
        return *stored;
    return 0;
}

} // namespace ToolbarPages
