#include "node_filters.h"

#include "symbol_library_context.h"

#include "corekit/node.h"

namespace NodeFilters {

namespace {

// Users in Ukraine are served what is marked for Russia.
QString filterRegion(const QString& token) {
    return token == QStringLiteral("UKR") ? QStringLiteral("RUS") : token;
}

// An occurrence counts when the name ends there: at the end of the text or before ':'.
bool containsVersion(const QString& raw, const QString& name) {
    qsizetype at = raw.indexOf(name, 0, Qt::CaseSensitive);
    while (at >= 0) {
        const qsizetype behind = at + name.size();
        if (behind == raw.size() || raw.at(behind) == u':')
            return true;
        at = raw.indexOf(name, at + 1, Qt::CaseSensitive);
    }
    return false;
}

} // namespace

bool PassesVersionFilter(const CNode* node, const QString& name) {
    const CLeaf* leaf = node ? node->FindLeaf(QStringLiteral("Version")) : nullptr;
    if (!leaf)
        return true;
    const QString& raw = leaf->GetRawData();
    const bool hide = raw.startsWith(u'-');
    return containsVersion(raw, name) != hide;
}

bool PassesRegionFilter(const CNode* node, const QString& token) {
    if (!node)
        return true;
    const QString key = QStringLiteral("Region");
    for (const CLeaf* leaf = node->FindLeaf(key); leaf; leaf = node->FindLeaf(key, leaf)) {
        QString sign;
        QString region;
        leaf->GetValue(1, sign, u':');
        leaf->GetValue(2, region, u':');
        if (sign == QStringLiteral("-") && region == token)
            return false;
        if (sign == QStringLiteral("+") && region != token)
            return false;
    }
    return true;
}

int CheckPageFilters(const CNode* page, const SymbolFilterValues& values) {
    if (!PassesVersionFilter(page, values.versionName))
        return 0;
    if (!page || !page->FindLeaf(QStringLiteral("Region")))
        return 1;
    return PassesRegionFilter(page, filterRegion(values.regionToken)) ? 1 : 0;
}

int CheckSymbolFilters(const CNode* symbol, const SymbolFilterValues& values) {
    return PassesVersionFilter(symbol, values.versionName) ? 1 : 0;
}

} // namespace NodeFilters
