#pragma once

#include "orvane_export.h"

#include <QString>

class CNode;
struct SymbolFilterValues;

// Version and region filters on pages and symbols.
namespace NodeFilters {

// 1 when the page is shown: version filter, then region filter. The values come from the
// context of the manager or check that holds the page.
ORVANE_EXPORT int CheckPageFilters(const CNode* page, const SymbolFilterValues& values);
// 1 when the symbol is shown: version filter only.
ORVANE_EXPORT int CheckSymbolFilters(const CNode* symbol, const SymbolFilterValues& values);

// The two rules on given values, used by the checks above.
bool PassesVersionFilter(const CNode* node, const QString& versionName);
bool PassesRegionFilter(const CNode* node, const QString& regionToken);

} // namespace NodeFilters
