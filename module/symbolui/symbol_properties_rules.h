#pragma once

#include <QString>

#include <set>

class CSymbolEditContext;

// The rules of the symbol properties dialog that need no window: its control numbers, which
// controls an edit locks, the object snap boxes, the file choosers' folders and names, the
// paths of "erzeugen <", and the order in which OK stores the fields.
namespace SymbolProperties {

enum ControlId {
    IDC_BLOCKNAME = 1974,
    IDC_BROWSE_BLOCK = 1975,
    IDC_CREATE_BLOCK = 1998,
    IDC_USE_BLOCK_PAIR = 1993,
    IDC_SECOND_BLOCK = 1992,
    IDC_BROWSE_SECOND = 1994,
    IDC_ATTRIBUTE1 = 1995,
    IDC_ATTRIBUTE2 = 1996,
    IDC_SLIDENAME = 1976,
    IDC_BROWSE_SLIDE = 1977,
    IDC_CREATE_SLIDE = 1972,
    IDC_DISPLAYNAME = 1978,
    IDC_ABBREVIATION = 1997,
    IDC_TEXT = 1979,
    IDC_COMMAND = 2001,
    IDC_USED_IN_CALCULATIONS = 1973,
    IDC_ASK_ROTATION = 1982,
    IDC_ASK_SIZE = 1991,
    IDC_USE_SYMBOL_FACTOR = 1989,
    IDC_EXPLODE = 1990,
    IDC_ADJUST_LAYER = 1983,
    IDC_ASK_ATTRIBUTES = 1981,
    IDC_USE_MEDIUM = 2003,
    IDC_LAYER_COMPONENT = 2049,
    IDC_OSNAP_CURRENT = 1980,
    IDC_OSNAP_NEAREST = 1986,
    IDC_OSNAP_END = 1984,
    IDC_OSNAP_MID = 1985,
    IDC_OSNAP_INTERSECTION = 1988,
    IDC_OSNAP_POINT = 2000,
    IDC_NO_Z_PART = 1987,
};

// The controls an edit disables and makes read-only.
struct ControlLocks {
    std::set<int> disabled;
    std::set<int> readOnly;
};
// An override edit (supplied file, no master mode) leaves only the texts, two check boxes and
// the object snap; Revit has no block pairs, insert options, calculations or block creation.
ControlLocks LocksFor(bool overrideEdit, bool revit);

// The object snap boxes of a mask; only bits 0 to 10 count, and none of them set means the
// host's current setting.
struct OsnapBoxes {
    bool current = true;
    bool nearest = false;      // 512
    bool end = false;          // 1
    bool mid = false;          // 2
    bool intersection = false; // 32
    bool point = false;        // 8
};
OsnapBoxes OsnapFromMask(int mask);
int MaskFromOsnap(const OsnapBoxes& boxes);

// Where a "..." button looks: its folder (ending in '/'), extension and filter.
struct BrowseTarget {
    QString folder;
    QString extension;
    QString filter;
};
// `button` is one of the three "..." buttons; `base` the symbol file's folder ending in '/'.
BrowseTarget BrowseTargetFor(int button, const QString& base, bool revit, const QString& revitVersion);
// The start name of the chooser: the field's text in the folder with the extension.
QString ProposedFile(const QString& text, const BrowseTarget& target);
// What goes into the field for a chosen file: in the offered folder its name (without the
// offered extension), elsewhere its path relative to that folder.
QString NameForChosenFile(const QString& path, const BrowseTarget& target);

// The full path of a block or slide field: relative names in `folder`, the extension added
// when the name has none.
QString CompletedPath(const QString& text, const QString& folder, const QString& extension);

// Everything OK stores, as the controls hold it.
struct FieldValues {
    QString block, secondBlock, attribute1, attribute2, slide, displayName, abbreviation, text, command,
        layerComponent;
    bool useBlockPair = false, askRotation = false, askSize = false, useSymbolFactor = false, explode = false,
         adjustLayer = false, askAttributes = false, useMedium = false, usedInCalculations = false,
         noZPart = false;
    OsnapBoxes osnap;
};
// Stores the fields through the edit, in the dialog's order; a slide named like the block is
// the default and is not kept.
void StoreFields(CSymbolEditContext& edit, const FieldValues& values);

} // namespace SymbolProperties
