#include "symbol_insertion.h"

#include "symbols/symbol_file.h"
#include "symbols/symbol_values.h"

#include "corekit/node.h"
#include "corekit/paths.h"

namespace {

bool isBlockPair(const CSymbolFile& file, const CNode& symbol) {
    return Symbols::IntegerOfText(file.GetSymbolValue(&symbol, QStringLiteral("UseBlockPair"))) >= 1;
}

QString folderOf(const CSymbolFile& file) {
    const CDirPath dir = CFilePath(file.m_path).GetDirPath();
    return dir.IsEmpty() ? QString() : dir.GetPath() + u'/';
}

} // namespace

QStringList SymbolClickCommands(const CSymbolFile& file, const CNode& symbol) {
    QStringList commands;
    const QString command = file.GetSymbolValue(&symbol, QStringLiteral("Command"));
    if (!command.isEmpty())
        commands << command;
    if (!file.GetSymbolValue(&symbol, QStringLiteral("BlockName")).isEmpty()) {
        const bool pair =
            Symbols::IntegerOfText(file.GetSymbolValue(&symbol, QStringLiteral("UseBlockPair"))) != 0;
        commands << (pair ? QStringLiteral("InsPair") : QStringLiteral("InsertSymbol"));
    }
    return commands;
}

QString CurrentSymbolValue(const CSymbolFile* file, const CNode* symbol, const QString& key) {
    if (!file || !symbol)
        return {};
    return file->GetSymbolValue(symbol, key);
}

std::unique_ptr<CNode> MakeSymbolProps(const CSymbolFile* file, const CNode* symbol,
                                       const HostDetection::HostKind& host) {
    if (!file || !symbol)
        return nullptr;
    auto props = std::make_unique<CNode>(QStringLiteral("SymbolProps"));
    const auto copy = [&](const char* key) {
        const QString name = QString::fromLatin1(key);
        props->AddLeaf(name, file->GetSymbolValue(symbol, name), 0);
    };
    for (const char* key :
         {"BlockName", "UseSymbolFactor", "AskRotation", "AskSize", "Explode", "AdjustLayer", "AskAttributes",
          "UseMedium", "NoZPart", "Osnap", "LayerComponent"})
        copy(key);
    if (!host.isRevit) {
        props->AddLeaf(QStringLiteral("SymbolsDir"), folderOf(*file) + QStringLiteral("Symbols/"), 0);
    } else {
        props->AddLeaf(QStringLiteral("FamiliesDir"),
                       folderOf(*file) + QStringLiteral("Symbols/Families/") + host.revitVersion, 0);
        copy("SystemType");
    }
    if (isBlockPair(*file, *symbol)) {
        copy("SecondBlockName");
        copy("AttributeName1");
        copy("AttributeName2");
    }
    return props;
}
