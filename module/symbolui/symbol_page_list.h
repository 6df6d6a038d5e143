#pragma once

#include <QString>

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

// One entry of the pages list: the page's translated display name and its node.
struct SymbolPageEntry {
    QString title;
    CNode* page = nullptr;
};

// The pages of a window's symbol files, in file order.
struct SymbolPageList {
    std::vector<SymbolPageEntry> entries;
    // Pages over all files as the files count them (their visible pages); page stepping
    // and the file index count with this number.
    int pageCount = 0;
};

// Every shown "Page" under "Pages" of every file, in order.
SymbolPageList BuildPageList(const std::vector<CSymbolFile*>& files, const SymbolViewRules& rules);

// The index of the file that holds page `page`: the first file whose running sum of pages
// exceeds it. `current` when no file does (or there are no files).
int FileIndexForPage(const std::vector<CSymbolFile*>& files, int page, int current);

// The page after (or before) `current` among `pageCount` pages, wrapping at both ends;
// `current` unchanged when there are no pages.
int StepPage(int current, int pageCount, bool forward);

// The entry to show first: the one named `remembered` (ignoring case), else the first; -1
// for an empty list.
int RememberedPageIndex(const std::vector<SymbolPageEntry>& entries,
                        const std::optional<QString>& remembered);

// The remembered page name of the symbols window under the module's settings key, and
// writing it; the write answers false when the settings cannot be written.
std::optional<QString> ReadLastPageName(const QString& regPath);
bool WriteLastPageName(const QString& regPath, const QString& name);
