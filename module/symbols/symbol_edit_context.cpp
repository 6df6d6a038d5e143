#include "symbol_edit_context.h"

#include "symbol_file.h"
#include "symbol_file_manager.h"
#include "symbol_library_context.h"
#include "symbol_values.h"

#include "corekit/node.h"

#include <vector>

namespace {

const QString& blockNameKey() {
    static const QString key = QStringLiteral("BlockName");
    return key;
}

} // namespace

CSymbolEditContext::CSymbolEditContext(CSymbolFile* file, CNode* symbol, CSymbolFileManager* manager)
    : m_pSymbolFile(file), m_pSymbol(symbol),
      m_manager(manager ? manager : CSymbolFileManager::GetInstance()) {
    m_masterMode = m_manager->Context().MasterMode() ? 1 : 0;
}

bool CSymbolEditContext::IsInPlaceEdit() const {
    return !m_pSymbolFile || m_pSymbolFile->m_bSupport == 0 || m_masterMode != 0;
}

QString CSymbolEditContext::ValueOf(const QString& key) const {
    return m_pSymbolFile ? m_pSymbolFile->GetSymbolValue(m_pSymbol, key)
                         : Symbols::GetSymbolValue(m_pSymbol, key);
}

void CSymbolEditContext::StoreValue(const QString& key, const QString& text) {
    if (IsInPlaceEdit()) {
        Symbols::SetSymbolValue(m_pSymbol, key, text);
        return;
    }
    if (ValueOf(key) == text)
        return;
    const QString blockName = ValueOf(blockNameKey());
    CNode* user = m_manager->GetUserSymbol(blockName, 1);
    if (!user)
        return;
    std::vector<CNode*> nodes;
    m_manager->FindSymbols(blockName, nodes);
    nodes.push_back(user);
    for (CNode* node : nodes) {
        if (CLeaf* leaf = node->FindLeaf(key))
            leaf->SetOnlyValue(text, u':');
        else
            node->AddLeaf(key, text, 0);
    }
}

void CSymbolEditContext::StoreIntValue(const QString& key, int value) {
    const QString text = QString::number(value);
    const QString fileDefault = m_pSymbolFile ? m_pSymbolFile->GetDefaultValue(key) : QString();
    if (fileDefault.isEmpty() || fileDefault != text) {
        StoreValue(key, text);
        return;
    }
    Symbols::DeleteSymbolValue(m_pSymbol, key);
    if (IsInPlaceEdit())
        return;
    if (CNode* user = m_manager->GetUserSymbol(ValueOf(blockNameKey()), 0))
        Symbols::DeleteSymbolValue(user, key);
}

int CSymbolEditContext::SaveEditedSymbol() {
    if (IsInPlaceEdit()) {
        m_manager->SetIndexEntry(ValueOf(blockNameKey()), m_pSymbol);
        return m_pSymbolFile ? m_pSymbolFile->Save() : 0;
    }
    CSymbolFile* userSettings = m_manager->GetUserSettingsFile(1);
    return userSettings ? userSettings->Save() : 0;
}
