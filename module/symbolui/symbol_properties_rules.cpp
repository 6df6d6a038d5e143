#include "symbol_properties_rules.h"

#include "frame/app.h"
#include "symbols/symbol_edit_context.h"
#include "symbols/symbol_file.h"
#include "symbols/symbol_values.h"

#include "corekit/paths.h"
#include "corekit/text_utils.h"

namespace SymbolProperties {

ControlLocks LocksFor(bool overrideEdit, bool revit) {
    ControlLocks locks;
    if (overrideEdit) {
        locks.disabled = {IDC_CREATE_BLOCK,        IDC_BROWSE_BLOCK,   IDC_CREATE_SLIDE, IDC_BROWSE_SLIDE,
                          IDC_BROWSE_SECOND,       IDC_USE_BLOCK_PAIR, IDC_ASK_ROTATION, IDC_ASK_SIZE,
                          IDC_USE_SYMBOL_FACTOR,   IDC_EXPLODE,        IDC_ADJUST_LAYER, IDC_ASK_ATTRIBUTES,
                          IDC_USED_IN_CALCULATIONS};
        locks.readOnly = {IDC_BLOCKNAME,  IDC_SLIDENAME,       IDC_SECOND_BLOCK, IDC_ATTRIBUTE1,
                          IDC_ATTRIBUTE2, IDC_LAYER_COMPONENT, IDC_COMMAND};
    }
    if (revit) {
        locks.disabled.insert({IDC_CREATE_BLOCK, IDC_CREATE_SLIDE, IDC_BROWSE_SECOND, IDC_USE_BLOCK_PAIR,
                               IDC_ASK_ROTATION, IDC_ASK_SIZE, IDC_USE_SYMBOL_FACTOR, IDC_EXPLODE,
                               IDC_ADJUST_LAYER, IDC_ASK_ATTRIBUTES, IDC_USED_IN_CALCULATIONS});
        locks.readOnly.insert(
            {IDC_SECOND_BLOCK, IDC_ATTRIBUTE1, IDC_ATTRIBUTE2, IDC_LAYER_COMPONENT, IDC_COMMAND});
    }
    return locks;
}

OsnapBoxes OsnapFromMask(int mask) {
    OsnapBoxes boxes;
    boxes.current = (mask & 0x7FF) == 0;
    if (!boxes.current) {
        boxes.nearest = mask & 512;
        boxes.end = mask & 1;
        boxes.mid = mask & 2;
        boxes.intersection = mask & 32;
        boxes.point = mask & 8;
    }
    return boxes;
}

int MaskFromOsnap(const OsnapBoxes& boxes) {
    if (boxes.current)
        return 0;
    return (boxes.end ? 1 : 0) + (boxes.mid ? 2 : 0) + (boxes.point ? 8 : 0) + (boxes.intersection ? 32 : 0) +
           (boxes.nearest ? 512 : 0);
}

BrowseTarget BrowseTargetFor(int button, const QString& base, bool revit, const QString& revitVersion) {
    const QString all = ModuleText("Alle Dateien");
    if (button == IDC_BROWSE_SLIDE)
        return {base + QStringLiteral("Slides/"), QStringLiteral("sld"),
                sformat(QStringLiteral("%s (*.%s);;%s (*)"), ModuleText("Slide-Dateien"), "sld", all)};
    if (button == IDC_BROWSE_BLOCK && revit)
        return {base + QStringLiteral("Symbols/Families/") + revitVersion + u'/', QStringLiteral("rfa"),
                sformat(QStringLiteral("Family-%s (*.%s);;%s (*)"), ModuleText("Dateien"), "rfa", all)};
    return {base + QStringLiteral("Symbols/"), QStringLiteral("dwg"),
            sformat(QStringLiteral("%s (*.%s);;%s (*)"), ModuleText("Zeichnungsdateien"), "dwg", all)};
}

QString CompletedPath(const QString& text, const QString& folder, const QString& extension) {
    CFilePath path(text);
    if (!path.IsAbsolute())
        path = CFilePath(folder + path.GetPath());
    if (path.GetFileExt().isEmpty())
        path.SetFileExt(extension);
    return path.GetPath();
}

QString ProposedFile(const QString& text, const BrowseTarget& target) {
    return CompletedPath(text, target.folder, target.extension);
}

QString NameForChosenFile(const QString& chosen, const BrowseTarget& target) {
    const CFilePath path(chosen);
    if (path.GetDirPath().IsEqual(CDirPath(target.folder)))
        return path.IsFileExt(target.extension) ? path.GetShortFileName() : path.GetFileName();
    return CalcRelativePath(path.GetPath(), target.folder);
}

void StoreFields(CSymbolEditContext& edit, const FieldValues& v) {
    const std::pair<const char*, const QString*> texts[] = {
        {"BlockName", &v.block},
        {"SecondBlockName", &v.secondBlock},
        {"AttributeName1", &v.attribute1},
        {"AttributeName2", &v.attribute2},
        {"DisplayName", &v.displayName},
        {"Abbreviation", &v.abbreviation},
        {"Text", &v.text},
        {"Command", &v.command},
        {"LayerComponent", &v.layerComponent},
    };
    for (const auto& [key, value] : texts)
        edit.StoreValue(QString::fromLatin1(key), *value);
    const std::pair<const char*, bool> checks[] = {
        {"UseBlockPair", v.useBlockPair},
        {"AskRotation", v.askRotation},
        {"AskSize", v.askSize},
        {"UseSymbolFactor", v.useSymbolFactor},
        {"Explode", v.explode},
        {"AdjustLayer", v.adjustLayer},
        {"AskAttributes", v.askAttributes},
        {"UseMedium", v.useMedium},
    };
    for (const auto& [key, checked] : checks)
        edit.StoreIntValue(QString::fromLatin1(key), checked ? 1 : 0);

    const QString slideKey = QStringLiteral("SlideName");
    if (v.slide.compare(v.block, Qt::CaseInsensitive) != 0 || edit.m_pSymbol->FindLeaf(slideKey))
        edit.StoreValue(slideKey, v.slide);
    if (v.block.compare(edit.m_pSymbolFile->GetSymbolValue(edit.m_pSymbol, slideKey), Qt::CaseInsensitive) ==
        0)
        Symbols::DeleteSymbolValue(edit.m_pSymbol, slideKey);

    edit.StoreIntValue(QStringLiteral("Osnap"), MaskFromOsnap(v.osnap));
    edit.StoreIntValue(QStringLiteral("UsedInCalculations"), v.usedInCalculations ? 1 : 0);
    edit.StoreIntValue(QStringLiteral("NoZPart"), v.noZPart ? 1 : 0);
}

} // namespace SymbolProperties
