#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class CNode;
class CSymbolFile;
class ISymbolsHost;

// What a symbol button shows: its preview file, colours, corner mark and help document,
// decided from the symbol, the host variables and the desktop design.

// The preview: a slide, a bitmap, or nothing (no "SlideName" or "BlockName", or an empty one).
struct SymbolPreview {
    enum Kind { None, Slide, Bitmap };
    Kind kind = None;
    QString path;
};

// "SlideName", else "BlockName": an absolute path as it is, else in `slidesFolder`; a name
// without extension gets ".sld"; a ".bmp" is shown as a bitmap.
SymbolPreview PreviewOf(const CNode& symbol, const QString& slidesFolder);

// The folder of a file's slides: its own folder + "Slides/".
QString SlidesFolderOf(const CSymbolFile& file);

using ColorRef = std::uint32_t; // 0x00BBGGRR

// The host variables "SYMBOLE_MARK_CORNER", "SYMBOLE_USE_BUTTON_COLOR" and
// "SYMBOLE_BUTTON_COLOR", and whether the desktop design's colours apply.
struct SymbolColourSettings {
    int markCorner = 1;
    int useButtonColour = 0;
    ColorRef buttonColour = 0;
    bool designApplies = false;

    // The variables as `host` has them (defaults 1, 0, 0).
    static SymbolColourSettings FromHost(ISymbolsHost& host, bool designApplies);
};

// Colours of the design look: the face gradient and the corner mark.
inline constexpr ColorRef kDesignFaceFrom = 0x9B9B9B;
inline constexpr ColorRef kDesignFaceTo = 0xC0C0C0;
inline constexpr ColorRef kDesignCornerMark = 0x754907;

// How one button looks: with the design its face is the gradient first → second, without it
// the plain colour first. Symbols used in calculations carry the corner mark (when the host
// wants it) and, when the host asks, the button colour.
struct SymbolButtonLook {
    int markCorner = 0;
    bool gradient = false;
    ColorRef first = 0;
    ColorRef second = 0;
};

SymbolButtonLook LookOf(bool usedInCalculations, const SymbolColourSettings& settings);
// Whether the symbol is used in calculations ("UsedInCalculations" with the file's defaults).
bool UsedInCalculations(const CSymbolFile& file, const CNode& symbol);

// The help document of a symbol ("HelpUrl" beside the file), when it names a file that exists.
std::optional<QString> HelpDocumentOf(const CSymbolFile& file, const CNode& symbol);
// The plain tooltip: the translated "DisplayName", empty when the symbol has none.
QString DisplayNameOf(const CNode& symbol);
