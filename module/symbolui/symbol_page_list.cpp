#include "symbol_page_list.h"

#include "frame/app.h"
#include "symbols/node_filters.h"
#include "symbols/symbol_file.h"
#include "symbols/symbol_library_context.h"

#include "corekit/node.h"
#include "corekit/registry.h"

namespace {

const QString kLastPageValue = QStringLiteral("DlgSymbols_LastPageName");

QString dialogsKey(const QString& regPath) {
    return regPath + QStringLiteral("Dialogs\\");
}

} // namespace

SymbolViewRules SymbolViewRules::Platform(const SymbolFilterValues& filters) {
    return {[filters](const CNode* page) { return NodeFilters::CheckPageFilters(page, filters) != 0; },
            [filters](const CNode* symbol) { return NodeFilters::CheckSymbolFilters(symbol, filters) != 0; },
            [](const QString& text) { return ModuleDataText(text); }};
}

std::vector<SymbolPageEntry> CollectPages(const std::vector<CSymbolFile*>& files,
                                          const std::function<bool(const CNode*)>& pageShown) {
    std::vector<SymbolPageEntry> entries;
    for (int index = 0; index < int(files.size()); ++index) {
        const CSymbolFile* file = files[std::size_t(index)];
        const CNode* pages =
            file && file->m_pRoot ? file->m_pRoot->FindChild(QStringLiteral("Pages")) : nullptr;
        if (!pages)
            continue;
        for (const auto& child : pages->Children()) {
            if (child->GetName() != QLatin1String("Page") || !pageShown(child.get()))
                continue;
            entries.push_back({PageTitle(child.get()), child.get(), index});
        }
    }
    return entries;
}

int PageCountOf(const std::vector<CSymbolFile*>& files) {
    int count = 0;
    for (const CSymbolFile* file : files)
        count += file ? file->m_nPages : 0;
    return count;
}

int FileIndexOfPage(const std::vector<CSymbolFile*>& files, std::optional<int> page, int current) {
    if (!page)
        return current;
    int shown = 0;
    for (int index = 0; index < int(files.size()); ++index) {
        shown += files[std::size_t(index)] ? files[std::size_t(index)]->m_nPages : 0;
        if (shown > *page)
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

QString PageTitle(const CNode* page) {
    if (!page)
        return QString();
    return page->GetStrLeafValue(QString(), QStringLiteral("DisplayName"));
}

int RestoredPageIndex(std::optional<int> stored, int count) {
    if (stored && *stored >= 0 && *stored < count)
        return *stored;
    return 0;
}

int RememberedPageIndex(const QStringList& titles, const std::optional<QString>& remembered) {
    if (titles.isEmpty())
        return -1;
    for (int i = 0; remembered && i < titles.size(); ++i)
        if (titles[i].compare(*remembered, Qt::CaseInsensitive) == 0)
            return i;
    return 0;
}

std::optional<QString> ReadLastPageName(const QString& regPath) {
    QString name;
    if (!RegQueryValueW(HKEY_CURRENT_USER, dialogsKey(regPath), kLastPageValue, name))
        return std::nullopt;
    return name;
}

bool WriteLastPageName(const QString& regPath, const QString& name) {
    return RegCreateKeyW(HKEY_CURRENT_USER, dialogsKey(regPath)) &&
           RegSetValueW(HKEY_CURRENT_USER, dialogsKey(regPath), kLastPageValue, name);
}
