#include "symbol_button_setup.h"

#include "frame/app.h"
#include "symbols/symbol_file.h"
#include "symbols/symbol_values.h"
#include "symbols/symbols_host.h"

#include "corekit/node.h"
#include "corekit/paths.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString folderOf(const CSymbolFile& file) {
    const CDirPath dir = CFilePath(file.m_path).GetDirPath();
    return dir.IsEmpty() ? QString() : dir.GetPath() + u'/';
}

QString firstValue(const CNode& node, const QString& key) {
    return node.GetStrLeafValue(QString(), key);
}

} // namespace

SymbolPreview PreviewOf(const CNode& symbol, const QString& slidesFolder) {
    const CLeaf* leaf = symbol.FindLeaf(QStringLiteral("SlideName"));
    if (!leaf)
        leaf = symbol.FindLeaf(QStringLiteral("BlockName"));
    QString name;
    if (!leaf || !leaf->GetFirstValue(name) || name.isEmpty())
        return {};
    CFilePath path(name);
    if (!path.IsAbsolute())
        path = CFilePath(slidesFolder + path.GetPath());
    if (!path.GetPath().contains(u'.')) {
        path = CFilePath(path.GetPath() + QStringLiteral(".sld"));
    } else {
        path.Normalize();
        if (path.GetFileExt().isEmpty())
            path = CFilePath(path.GetPath() + QStringLiteral(".sld"));
    }
    return {path.IsFileExt(QStringLiteral("bmp")) ? SymbolPreview::Bitmap : SymbolPreview::Slide,
            path.GetPath()};
}

QString SlidesFolderOf(const CSymbolFile& file) {
    return folderOf(file) + QStringLiteral("Slides/");
}

SymbolColourSettings SymbolColourSettings::FromHost(ISymbolsHost& host, bool designApplies) {
    SymbolColourSettings settings;
    settings.markCorner = SymbolsHost::VariableInt(host, QStringLiteral("SYMBOLE_MARK_CORNER"), 0, 1);
    settings.useButtonColour =
        SymbolsHost::VariableInt(host, QStringLiteral("SYMBOLE_USE_BUTTON_COLOR"), 0, 0);
    settings.buttonColour =
        ColorRef(SymbolsHost::VariableInt(host, QStringLiteral("SYMBOLE_BUTTON_COLOR"), 0, 0));
    settings.designApplies = designApplies;
    return settings;
}

SymbolButtonLook LookOf(bool usedInCalculations, const SymbolColourSettings& settings) {
    SymbolButtonLook look;
    look.gradient = settings.designApplies;
    look.first = settings.designApplies ? kDesignFaceFrom : 0;
    look.second = settings.designApplies ? kDesignFaceTo : 0;
    if (usedInCalculations) {
        look.markCorner = settings.markCorner;
        if (settings.useButtonColour != 0)
            look.first = look.second = settings.buttonColour;
    }
    return look;
}

bool UsedInCalculations(const CSymbolFile& file, const CNode& symbol) {
    return Symbols::IntegerOfText(file.GetSymbolValue(&symbol, QStringLiteral("UsedInCalculations"))) != 0;
}

std::optional<QString> HelpDocumentOf(const CSymbolFile& file, const CNode& symbol) {
    const CLeaf* leaf = symbol.FindLeaf(QStringLiteral("HelpUrl"));
    if (!leaf)
        return std::nullopt;
    CFilePath help(folderOf(file) + leaf->GetRawData());
    help.Normalize();
    if (!QFileInfo(help.GetPath()).isFile())
        return std::nullopt;
    return help.GetPath();
}

QString DisplayNameOf(const CNode& symbol) {
    if (!symbol.FindLeaf(QStringLiteral("DisplayName")))
        return {};
    return ModuleDataText(firstValue(symbol, QStringLiteral("DisplayName")));
}
