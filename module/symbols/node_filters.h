#pragma once

#include "orvane_export.h"

#include <QString>

class CNode;
struct SymbolFilterValues;

// Version and region filters on pages and symbols.
namespace NodeFilters {

// 1 when the page is shown: version filter, then region filter.
ORVANE_EXPORT int CheckPageFilters(const CNode* page);
// 1 when the symbol is shown: version filter only.
ORVANE_EXPORT int CheckSymbolFilters(const CNode* symbol);

// The same on given filter values, as the symbol file manager and the library check apply them.
int CheckPageFilters(const CNode* page, const SymbolFilterValues& values);
int CheckSymbolFilters(const CNode* symbol, const SymbolFilterValues& values);

// The version name and region token are fetched from the host once and kept; this forgets
// them so that the next check fetches again (a new host, a test).
void ForgetHostValues();

// The two rules on given values, used by the checks above.
bool PassesVersionFilter(const CNode* node, const QString& versionName);
bool PassesRegionFilter(const CNode* node, const QString& regionToken);

} // namespace NodeFilters
