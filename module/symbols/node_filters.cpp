#include "node_filters.h"

#include "symbol_library_context.h"
#include "symbols_host.h"

#include "corekit/node.h"

#include <functional>
#include <optional>

namespace NodeFilters {

namespace {

std::optional<QString>& cachedVersion() {
    static std::optional<QString> value;
    return value;
}

std::optional<QString>& cachedRegion() {
    static std::optional<QString> value;
    return value;
}

const QString& versionName() {
    auto& value = cachedVersion();
    if (!value)
        value = SymbolsHost::Get().VersionName();
    return *value;
}

// Users in Ukraine are served what is marked for Russia.
QString filterRegion(const QString& token) {
    return token == QStringLiteral("UKR") ? QStringLiteral("RUS") : token;
}

const QString& regionToken() {
    auto& value = cachedRegion();
    if (!value)
        value = filterRegion(SymbolsHost::Get().RegionToken());
    return *value;
}

int checkPage(const CNode* page, const QString& version, const std::function<QString()>& region) {
    if (!PassesVersionFilter(page, version))
        return 0;
    if (!page || !page->FindLeaf(QStringLiteral("Region")))
        return 1;
    return PassesRegionFilter(page, region()) ? 1 : 0;
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

void ForgetHostValues() {
    cachedVersion().reset();
    cachedRegion().reset();
}

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

// The region is asked of the host only for a page that has a region filter.
int CheckPageFilters(const CNode* page) {
    return checkPage(page, versionName(), [] { return regionToken(); });
}

int CheckPageFilters(const CNode* page, const SymbolFilterValues& values) {
    return checkPage(page, values.versionName, [&] { return filterRegion(values.regionToken); });
}

int CheckSymbolFilters(const CNode* symbol, const SymbolFilterValues& values) {
    return PassesVersionFilter(symbol, values.versionName) ? 1 : 0;
}

int CheckSymbolFilters(const CNode* symbol) {
    return PassesVersionFilter(symbol, versionName()) ? 1 : 0;
}

} // namespace NodeFilters
