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

SymbolPageList BuildPageList(const std::vector<CSymbolFile*>& files, const SymbolViewRules& rules) {
    SymbolPageList list;
    for (const CSymbolFile* file : files) {
        list.pageCount += file->m_nPages;
        const CNode* pages = file->m_pRoot ? file->m_pRoot->FindChild(QStringLiteral("Pages")) : nullptr;
        if (!pages)
            continue;
        for (const auto& page : pages->Children()) {
            if (page->GetName() != QLatin1String("Page") || !rules.pageShown(page.get()))
                continue;
            const QString name = page->GetStrLeafValue(QString(), QStringLiteral("DisplayName"));
            list.entries.push_back({rules.dataText(name), page.get()});
        }
    }
    return list;
}

int FileIndexForPage(const std::vector<CSymbolFile*>& files, int page, int current) {
    int sum = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        sum += files[i]->m_nPages;
        if (sum > page)
            return int(i);
    }
    return current;
}

int StepPage(int current, int pageCount, bool forward) {
    if (pageCount <= 0)
        return current;
    return forward ? (current + 1) % pageCount : (current - 1 + pageCount) % pageCount;
}

int RememberedPageIndex(const std::vector<SymbolPageEntry>& entries,
                        const std::optional<QString>& remembered) {
    if (entries.empty())
        return -1;
    if (remembered) {
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i].title.compare(*remembered, Qt::CaseInsensitive) == 0)
                return int(i);
    }
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
