#include "symbol_values.h"

#include "corekit/node.h"

namespace Symbols {

QString GetSymbolValue(const CNode* symbol, const QString& key) {
    const CLeaf* leaf = symbol ? symbol->FindLeaf(key) : nullptr;
    return leaf ? leaf->GetOnlyValue(u':') : QString();
}

int GetSymbolValueInt(const CNode* symbol, const QString& key, int defaultValue) {
    const CLeaf* leaf = symbol ? symbol->FindLeaf(key) : nullptr;
    int value = defaultValue;
    if (!leaf || !leaf->GetFirstValue(value, u':', true))
        return defaultValue;
    return value;
}

void SetSymbolValueInt(CNode* symbol, const QString& key, int value) {
    if (!symbol)
        return;
    if (CLeaf* leaf = symbol->FindLeaf(key))
        leaf->SetFirstValue(QString::number(value), u':');
    else
        symbol->AddLeaf(key, value, 0);
}

void SetSymbolValue(CNode* symbol, const QString& key, const QString& text) {
    if (!symbol)
        return;
    if (CLeaf* leaf = symbol->FindLeaf(key))
        leaf->SetOnlyValue(text, u':');
    else if (!text.isEmpty())
        symbol->AddLeaf(key, text, 0);
}

void DeleteSymbolValue(CNode* symbol, const QString& key) {
    if (!symbol)
        return;
    if (CLeaf* leaf = symbol->FindLeaf(key))
        symbol->DeleteLeaf(leaf, false);
}

void CopySymbolValues(const CNode* source, CNode* target) {
    if (!source || !target || source == target)
        return;
    for (const auto& leaf : source->Leaves()) {
        if (CLeaf* existing = target->FindLeaf(leaf->GetKey()))
            existing->SetRawData(leaf->GetRawData());
        else
            target->AddLeaf(leaf->GetKey(), leaf->GetRawData(), 1);
    }
}

namespace {

// The file name without folder and extension; both separators count, as names come from data
// written on either platform.
QString shortFileName(const QString& path) {
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot > 0)
        name.truncate(dot);
    return name;
}

} // namespace

QString GetSymbolKey(const QString& blockName) {
    const QString upper = blockName.toUpper();
    if (upper.size() > 1) {
        const QChar second = upper.at(1);
        const bool windowsPath = second == u':' || second == QChar(0x00AE);
        const bool platformPath = upper.at(0) == u'/';
        if (windowsPath || platformPath)
            return shortFileName(upper);
    }
    return upper;
}

} // namespace Symbols
