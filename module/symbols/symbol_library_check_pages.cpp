// The library check of a symbol file's root, its defaults and its pages.

#include "symbol_library_check.h"

#include "node_filters.h"

#include "corekit/node.h"

#include <memory>

namespace {

const QSet<QString>& pageKeys() {
    static const QSet<QString> keys = {"DisplayName", "SlideName", "SlideSize",
                                       "FixedLayout", "Version",   "Region"};
    return keys;
}

} // namespace

void SymbolLibraryCheck::CheckSymbolFile(const QString& path, const CNode& root) {
    CheckRoot(path, root);
    const CNode* pages = root.FindChild(QStringLiteral("Pages"));
    int visiblePages = 0;
    int pageIndex = 0;
    static const std::vector<std::unique_ptr<CNode>> none;
    for (const auto& page : pages ? pages->Children() : none) {
        const QString where = QStringLiteral("Pages/%1[%2]").arg(page->GetName()).arg(++pageIndex);
        visiblePages += CheckPage(path, where, *page) ? 1 : 0;
    }
    if (visiblePages == 0)
        Add(SymbolProblem::Warning, path, {},
            pageIndex == 0 ? QStringLiteral("file has no pages")
                           : QStringLiteral("every page is filtered out for version \"%1\" and region \"%2\"")
                                 .arg(m_filters.versionName, m_filters.regionToken));
}

// The root holds list-file entries, "Defaults" and "Pages" only; "Defaults" only symbol keys.
void SymbolLibraryCheck::CheckRoot(const QString& path, const CNode& root) {
    for (const auto& leaf : root.Leaves())
        if (leaf->GetKey() != QStringLiteral("SymbolFile"))
            Add(SymbolProblem::Error, path, {},
                QStringLiteral("unknown key \"%1\" on the root").arg(leaf->GetKey()));
    for (const auto& child : root.Children())
        if (child->GetName() != QStringLiteral("Defaults") && child->GetName() != QStringLiteral("Pages"))
            Add(SymbolProblem::Error, path, child->GetName(),
                QStringLiteral("unknown node \"%1\"").arg(child->GetName()));
    if (const CNode* defaults = root.FindChild(QStringLiteral("Defaults")))
        CheckKnownKeys(path, QStringLiteral("Defaults"), *defaults, SymbolKeys());
}

bool SymbolLibraryCheck::CheckPage(const QString& path, const QString& where, const CNode& page) {
    if (page.GetName() != QStringLiteral("Page")) {
        Add(SymbolProblem::Error, path, where, QStringLiteral("unknown node \"%1\"").arg(page.GetName()));
        return false;
    }
    CheckKnownKeys(path, where, page, pageKeys());
    if (const CLeaf* slide = page.FindLeaf(QStringLiteral("SlideName")))
        CheckSlide(path, where, slide->GetOnlyValue(u':'), true);
    int symbolIndex = 0;
    for (const auto& symbol : page.Children())
        CheckSymbol(path, where + QStringLiteral("/%1[%2]").arg(symbol->GetName()).arg(++symbolIndex),
                    *symbol);
    return NodeFilters::CheckPageFilters(&page, m_filters);
}
