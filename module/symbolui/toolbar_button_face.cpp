#include "toolbar_button_face.h"

#include "symbols/symbol_file.h"
#include "symbols/symbol_folders.h"
#include "symbols/symbol_values.h"

#include "corekit/node.h"
#include "corekit/paths.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString FirstValue(const CNode* symbol, const QString& key) {
    const CLeaf* leaf = symbol ? symbol->FindLeaf(key) : nullptr;
    QString value;
    if (leaf)
        leaf->GetFirstValue(value, u':');
    return value;
}

bool IsAbsoluteName(const QString& name) {
    // A drive letter comes from data written on Windows.
    return QDir::isAbsolutePath(name) || (name.size() > 2 && name[1] == u':' && name[0].isLetter());
}

bool FamilyExists(const QString& name, const QString& folder) {
    return QFileInfo::exists(
        CompleteFilePath(SymbolFolders::NormalizeSeparators(name), folder, QStringLiteral("rfa")));
}

} // namespace

ToolbarFamilyFolders FamilyFoldersFor(const QString& fileFolder, const QString& revitRelease, bool& applies) {
    const QString folder = SymbolFolders::NormalizeSeparators(fileFolder);
    applies = folder.contains(QLatin1String("/Support/"), Qt::CaseInsensitive);
    if (!applies)
        return {};
    const QString families = SymbolFolders::JoinFolder(folder, QStringLiteral("Symbols/Families"));
    return {SymbolFolders::JoinFolder(families, revitRelease),
            SymbolFolders::JoinFolder(families, QStringLiteral("2015"))};
}

void ResolvePreview(const CNode* symbol, const QString& slidesFolder, QString& slideFile,
                    QString& bitmapFile) {
    slideFile.clear();
    bitmapFile.clear();
    const CLeaf* leaf = symbol ? symbol->FindLeaf(QStringLiteral("SlideName")) : nullptr;
    if (!leaf && symbol)
        leaf = symbol->FindLeaf(QStringLiteral("BlockName"));
    if (!leaf)
        return;
    // A path with a drive letter holds the value separator; such a name is the whole value.
    QString name = leaf->GetOnlyValue();
    if (!IsAbsoluteName(name))
        leaf->GetFirstValue(name, u':');
    if (name.isEmpty())
        return;
    name = SymbolFolders::NormalizeSeparators(name);
    QString path = IsAbsoluteName(name) ? name : slidesFolder + name;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".sld");
    if (QFileInfo(path).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
        bitmapFile = path;
    else
        slideFile = path;
}

ToolbarButtonFace ComputeToolbarButtonFace(const CNode* symbol, const CSymbolFile* file,
                                           const ToolbarFaceContext& context) {
    ToolbarButtonFace face;
    ResolvePreview(symbol, context.slidesFolder, face.slideFile, face.bitmapFile);

    const QString used = file ? file->GetSymbolValue(symbol, QStringLiteral("UsedInCalculations"))
                              : Symbols::GetSymbolValue(symbol, QStringLiteral("UsedInCalculations"));
    if (Symbols::IntegerOfText(used) != 0) {
        face.markCorner = context.markCorner;
        face.scaleMark = 1;
        face.colour = context.useButtonColour > 0 ? context.buttonColour : 0;
    }

    if (context.checkFamilies && symbol) {
        const QString block = FirstValue(symbol, QStringLiteral("BlockName"));
        if (symbol->FindLeaf(QStringLiteral("BlockName")) && !FamilyExists(block, context.families.release) &&
            !FamilyExists(block, context.families.fallback))
            face.missingFamily = true;
        const QString second = FirstValue(symbol, QStringLiteral("SecondBlockName"));
        if (symbol->FindLeaf(QStringLiteral("SecondBlockName")) &&
            !FamilyExists(second, context.families.release))
            face.missingFamily = true;
        if (face.missingFamily)
            face.colour = kMissingFamilyColour;
    }
    face.toolTipKey = FirstValue(symbol, QStringLiteral("DisplayName"));
    return face;
}
