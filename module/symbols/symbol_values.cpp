#include "symbol_values.h"

#include "corekit/node.h"

#include <algorithm>
#include <climits>

namespace Symbols {

QString GetSymbolValue(const CNode* symbol, const QString& key) {
    const CLeaf* leaf = symbol ? symbol->FindLeaf(key) : nullptr;
    return leaf ? leaf->GetOnlyValue(u':') : QString();
}

int GetSymbolValueInt(const CNode* symbol, const QString& key, int defaultValue) {
    const CLeaf* leaf = symbol ? symbol->FindLeaf(key) : nullptr;
    QString first;
    if (!leaf || !leaf->GetFirstValue(first, u':'))
        return defaultValue;
    return IntegerOfText(first);
}

int IntegerOfText(const QString& text) {
    qsizetype at = 0;
    while (at < text.size() && text.at(at).isSpace())
        ++at;
    const bool negative = at < text.size() && text.at(at) == u'-';
    if (at < text.size() && (text.at(at) == u'-' || text.at(at) == u'+'))
        ++at;
    qint64 value = 0;
    for (; at < text.size() && text.at(at) >= u'0' && text.at(at) <= u'9'; ++at)
        value = std::min<qint64>(value * 10 + (text.at(at).unicode() - u'0'), qint64(INT_MAX) + 1);
    value = negative ? -value : value;
    return int(std::clamp<qint64>(value, INT_MIN, INT_MAX));
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
// written on either platform, and a drive ("C:") belongs to the folder even without a separator
// behind it.
QString shortFileName(const QString& path) {
    qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (path.size() > 1 && path.at(1) == u':')
        slash = std::max<qsizetype>(slash, 1);
    QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot > 0)
        name.truncate(dot);
    return name;
}

} // namespace

QString GetSymbolKey(QString blockName) {
    // A text nobody else holds is changed in place.
    QString upper = std::move(blockName).toUpper();
    if (upper.size() > 1) {
        const QChar second = upper.at(1);
        const bool windowsPath = second == u':' || second == QChar(0x00AE);
        // Our extension for Linux: an absolute path of this platform is keyed by its file name
        // too, so that data written here and on Windows share keys.
        const bool platformPath = upper.at(0) == u'/';
        if (windowsPath || platformPath)
            return shortFileName(upper);
    }
    return upper;
}

} // namespace Symbols
