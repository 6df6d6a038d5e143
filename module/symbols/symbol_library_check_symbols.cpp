// The library check of one symbol: its keys, its block name against the other files', and
// the slide and help document it names.

#include "symbol_library_check.h"

#include "symbol_folders.h"
#include "symbol_values.h"

#include "corekit/node.h"

#include <QDir>
#include <QFileInfo>

const QSet<QString>& SymbolLibraryCheck::SymbolKeys() {
    static const QSet<QString> keys = {"BlockName",
                                       "SecondBlockName",
                                       "UseBlockPair",
                                       "AttributeName1",
                                       "AttributeName2",
                                       "SlideName",
                                       "DisplayName",
                                       "Abbreviation",
                                       "Text",
                                       "Command",
                                       "LayerComponent",
                                       "HelpUrl",
                                       "AskRotation",
                                       "AskSize",
                                       "AskAttributes",
                                       "UseSymbolFactor",
                                       "Explode",
                                       "AdjustLayer",
                                       "UseMedium",
                                       "UsedInCalculations",
                                       "NoZPart",
                                       "Osnap",
                                       "ButtonSizeWidthFactor",
                                       "ButtonSizeHeightFactor",
                                       "Pos",
                                       "HideButton",
                                       "NewRow",
                                       "Version",
                                       "Region",
                                       "SystemType"};
    return keys;
}

void SymbolLibraryCheck::CheckKnownKeys(const QString& path, const QString& where, const CNode& node,
                                        const QSet<QString>& known) {
    for (const auto& leaf : node.Leaves())
        if (!known.contains(leaf->GetKey()))
            Add(SymbolProblem::Error, path, where, QStringLiteral("unknown key \"%1\"").arg(leaf->GetKey()));
}

// A page holds only symbols, and a symbol only known keys. False for a child that is no symbol,
// whose contents are then not looked at.
bool SymbolLibraryCheck::CheckSymbolKeys(const QString& path, const QString& where, const CNode& symbol) {
    if (symbol.GetName() != QStringLiteral("Symbol")) {
        Add(SymbolProblem::Error, path, where, QStringLiteral("unknown node \"%1\"").arg(symbol.GetName()));
        return false;
    }
    CheckKnownKeys(path, where, symbol, SymbolKeys());
    return true;
}

void SymbolLibraryCheck::CheckSymbol(const QString& path, const QString& where, const CNode& symbol) {
    if (!CheckSymbolKeys(path, where, symbol))
        return;
    CheckBlockName(path, where, symbol);
    CheckSymbolDocuments(path, where, symbol);
}

// Block names are indexed by their key over all files; a second file with the same key
// replaces the first one's symbol.
void SymbolLibraryCheck::CheckBlockName(const QString& path, const QString& where, const CNode& symbol) {
    const QString blockName = Symbols::GetSymbolValue(&symbol, QStringLiteral("BlockName"));
    if (blockName.isEmpty())
        return;
    const QString key = Symbols::GetSymbolKey(blockName);
    const QString first = m_blockNames.value(key);
    if (first.isEmpty())
        m_blockNames.insert(key, path);
    else if (first != path)
        Add(SymbolProblem::Warning, path, where,
            QStringLiteral("block name \"%1\" is also used in %2; the file indexed later wins")
                .arg(blockName, QFileInfo(path).dir().relativeFilePath(first)));
}

// The symbol's slide (its own name, else the block name's) and its help document.
void SymbolLibraryCheck::CheckSymbolDocuments(const QString& path, const QString& where,
                                              const CNode& symbol) {
    QString slide;
    const CLeaf* slideLeaf = symbol.FindLeaf(QStringLiteral("SlideName"));
    const CLeaf* nameLeaf = slideLeaf ? slideLeaf : symbol.FindLeaf(QStringLiteral("BlockName"));
    if (nameLeaf)
        nameLeaf->GetValue(1, slide, u':');
    if (!slide.isEmpty())
        CheckSlide(path, where, slide, false);
    const QString help = Symbols::GetSymbolValue(&symbol, QStringLiteral("HelpUrl"));
    if (help.isEmpty())
        return;
    const QString document = QFileInfo(path).dir().filePath(SymbolFolders::NormalizeSeparators(help));
    if (!QFileInfo(document).isFile())
        Add(SymbolProblem::Warning, path, where, QStringLiteral("help document missing: %1").arg(help));
}
