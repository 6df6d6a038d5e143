#pragma once

#include "orvane_export.h"

#include <QString>

#include <optional>
#include <vector>

class CNode;
class CSymbolFile;
struct SymbolFilterValues;

// The pages a toolbar offers and the stepping between them, without any window.
namespace ToolbarPages {

// One entry of the pages list: the page's title as found in the data (the caller translates
// it), its node and the file that holds it.
struct Entry {
    QString title;
    CNode* page = nullptr;
    int fileIndex = -1;
};

// Every page of the files, in order, that passes the page filters on `filters`.
ORVANE_EXPORT std::vector<Entry> CollectPages(const std::vector<CSymbolFile*>& files,
                                              const SymbolFilterValues& filters);

// The index of the file that holds entry `selection`: the first file whose running count of
// shown pages exceeds it. `current` when there is no selection or no such file.
ORVANE_EXPORT int FileIndexOfSelection(const std::vector<CSymbolFile*>& files, std::optional<int> selection,
                                       int current);

// Forward or back from `selection` among `count` pages, wrapping at both ends; nothing without
// a selection or pages.
ORVANE_EXPORT std::optional<int> StepPage(std::optional<int> selection, int count, bool forward);

// The page to show at start: the stored index when it names a page, else the first page.
ORVANE_EXPORT int RestoredPageIndex(std::optional<int> stored, int count);

// The page's title key: the first value of "DisplayName", empty when absent.
ORVANE_EXPORT QString PageTitle(const CNode* page);

} // namespace ToolbarPages
