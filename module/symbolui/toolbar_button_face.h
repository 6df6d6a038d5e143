#pragma once

#include "orvane_export.h"

#include <QString>

class CNode;
class CSymbolFile;

// What a toolbar's symbol button shows, decided from the symbol and its file without a window.

// Where a toolbar looks for Revit families: only for files of a supplied folder, the folder of
// the Revit release and, for the main family, the folder of the oldest supported release.
struct ToolbarFamilyFolders {
    QString release;  // <file folder>/Symbols/Families/<release>/
    QString fallback; // <file folder>/Symbols/Families/2015/
};

struct ToolbarFaceContext {
    QString slidesFolder;       // "<file folder>/Slides/"
    int markCorner = 1;         // host variable "SYMBOLE_MARK_CORNER"
    int useButtonColour = 0;    // "SYMBOLE_USE_BUTTON_COLOR"
    quint32 buttonColour = 0;   // "SYMBOLE_BUTTON_COLOR", a Windows colour value (0x00BBGGRR)
    bool checkFamilies = false; // in Revit, for files of a supplied folder
    ToolbarFamilyFolders families;
};

struct ToolbarButtonFace {
    QString slideFile;  // empty, or the slide to show
    QString bitmapFile; // empty, or a ".bmp" picture to show instead
    int markCorner = 0;
    int scaleMark = 0;
    quint32 colour = 0; // colour index 0 of the button; 0 keeps the face's own
    bool missingFamily = false;
    QString toolTipKey; // the first value of "DisplayName", to be translated
};

// A Windows colour value for pure red, the mark of a missing family.
inline constexpr quint32 kMissingFamilyColour = 0x0000FF;

// The families folders for a symbol file's folder, or empty folders (no check) unless the folder
// lies in a supplied folder.
ORVANE_EXPORT ToolbarFamilyFolders FamilyFoldersFor(const QString& fileFolder, const QString& revitRelease,
                                                    bool& applies);

// The slide or bitmap path of a symbol: "SlideName", else "BlockName"; relative names are taken
// from the slides folder, and a name without extension gets ".sld".
ORVANE_EXPORT void ResolvePreview(const CNode* symbol, const QString& slidesFolder, QString& slideFile,
                                  QString& bitmapFile);

ORVANE_EXPORT ToolbarButtonFace ComputeToolbarButtonFace(const CNode* symbol, const CSymbolFile* file,
                                                         const ToolbarFaceContext& context);
