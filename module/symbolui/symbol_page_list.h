#pragma once

#include "orvane_export.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class CNode;
class CSymbolFile;
struct SymbolFilterValues;

// What the symbols window and the toolbars ask about pages and symbols besides the files
// themselves: which pages and symbols the filters show, and how data texts (display names)
// read in the user's language. Tests give their own answers; Platform() applies the filter
// values of a manager's context and the module's translations.
struct SymbolViewRules {
    std::function<bool(const CNode* page)> pageShown;
    std::function<bool(const CNode* symbol)> symbolShown;
    std::function<QString(const QString& text)> dataText;

    // The version and region filters on `filters` and the module's data translations.
    static SymbolViewRules Platform(const SymbolFilterValues& filters);
};

// The pages list of the symbols window and of the symbol toolbars, without any window. Both
// list the same pages and step and find files alike; they remember the page differently: the
// window by the name it shows, a toolbar by its index.

// One entry of the pages list: the page's title as found in the data (the caller translates
// it), its node and the index of the file that holds it.
struct SymbolPageEntry {
    QString title;
    CNode* page = nullptr;
    int fileIndex = -1;
};

// Every "Page" under "Pages" of every file, in order, that `pageShown` passes.
ORVANE_EXPORT std::vector<SymbolPageEntry> CollectPages(const std::vector<CSymbolFile*>& files,
                                                        const std::function<bool(const CNode*)>& pageShown);

// Pages over all files as the files count them (their visible pages).
int PageCountOf(const std::vector<CSymbolFile*>& files);

// The index of the file that holds page `page`: the first file whose running count of visible
// pages exceeds it. `current` when there is no page or no such file.
ORVANE_EXPORT int FileIndexOfPage(const std::vector<CSymbolFile*>& files, std::optional<int> page,
                                  int current);

// Forward or back from `selection` among `count` pages, wrapping at both ends; nothing without
// a selection or pages.
ORVANE_EXPORT std::optional<int> StepPage(std::optional<int> selection, int count, bool forward);

// The page's title key: the first value of "DisplayName", empty when absent.
ORVANE_EXPORT QString PageTitle(const CNode* page);

// A toolbar's page at start: the stored index when it names one of `count` pages, else the first.
ORVANE_EXPORT int RestoredPageIndex(std::optional<int> stored, int count);

// The window's page at start: the title equal to `remembered` (ignoring case), else the first;
// -1 without titles.
int RememberedPageIndex(const QStringList& titles, const std::optional<QString>& remembered);

// The remembered page name of the symbols window under the module's settings key, and
// writing it; the write answers false when the settings cannot be written.
std::optional<QString> ReadLastPageName(const QString& regPath);
bool WriteLastPageName(const QString& regPath, const QString& name);
