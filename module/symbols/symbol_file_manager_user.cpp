// The user settings file "UserSettings.inf": the user's overrides of supplied symbols.

#include "symbol_file_manager.h"

#include "symbol_file.h"
#include "symbol_folders.h"
#include "symbol_library_context.h"
#include "symbol_values.h"

#include "corekit/node.h"

#include <QFile>
#include <QFileInfo>

#include <memory>

namespace {

const QString& userSettingsName() {
    static const QString name = QStringLiteral("UserSettings.inf");
    return name;
}

// Moves an unreadable file aside so that writing a new one loses nothing; false when it
// could not be moved.
bool moveAside(const QString& path) {
    for (int n = 1; n < 1000; ++n) {
        const QString backup = path + (n == 1 ? QStringLiteral(".bak") : QStringLiteral(".bak%1").arg(n));
        if (!QFileInfo::exists(backup))
            return QFile::rename(path, backup);
    }
    return false;
}

CNode* firstPage(CNode* root, bool create) {
    if (!root)
        return nullptr;
    CNode* pages = root->FindChild(QStringLiteral("Pages"));
    if (!pages && create)
        pages = root->AddChild(QStringLiteral("Pages"));
    CNode* page = pages ? pages->FindChild(QStringLiteral("Page")) : nullptr;
    if (!page && pages && create)
        page = pages->AddChild(QStringLiteral("Page"));
    return page;
}

} // namespace

QString CSymbolFileManager::UserSettingsPath() const {
    const QString folder = m_context.ToolbarFolders().user;
    return folder.isEmpty() ? QString() : folder + userSettingsName();
}

void CSymbolFileManager::LoadUserSettings(const QString& path) {
    auto file = std::make_unique<CSymbolFile>(path);
    if (!file->Load(m_context.Filters())) {
        // The old file is kept beside as a backup; when even that fails, or the user
        // settings are only looked at, it is left alone and no user settings are held.
        if (!m_userSettingsReadOnly && moveAside(path))
            GetUserSettingsFile(1);
        return;
    }
    m_pUserSettings = std::move(file);
    IndexUserSettings();
}

void CSymbolFileManager::IndexUserSettings() {
    m_mapUserSymbols.clear();
    CNode* page = firstPage(m_pUserSettings ? m_pUserSettings->m_pRoot.get() : nullptr, false);
    if (!page)
        return;
    std::vector<CNode*> empty;
    for (CNode* symbol = page->FindChild(QStringLiteral("Symbol")); symbol;
         symbol = page->FindChild(QStringLiteral("Symbol"), symbol)) {
        const CLeaf* blockName = symbol->FindLeaf(QStringLiteral("BlockName"));
        if (!blockName)
            continue;
        if (symbol->NrOfLeaves() > 1) {
            if (!blockName->GetRawData().isEmpty())
                m_mapUserSymbols.insert(Symbols::GetSymbolKey(blockName->GetOnlyValue(u':')), symbol);
        } else {
            empty.push_back(symbol);
        }
    }
    for (CNode* symbol : empty)
        page->DeleteChild(symbol, false);
    // A failed write keeps the clean-up in memory; the next save tries again.
    if (!empty.empty() && !m_userSettingsReadOnly)
        m_pUserSettings->Save();
}

CSymbolFile* CSymbolFileManager::GetUserSettingsFile(int create) {
    if (m_pUserSettings || !create)
        return m_pUserSettings.get();
    const QString path = UserSettingsPath();
    if (path.isEmpty())
        return nullptr;
    // Never write over overrides that were not read yet.
    if (QFileInfo::exists(path)) {
        LoadUserSettings(path);
        if (m_pUserSettings || QFileInfo::exists(path))
            return m_pUserSettings.get();
    }
    m_pUserSettings = std::make_unique<CSymbolFile>(path);
    // A failed write still leaves the new tree in memory; saving later reports the failure.
    m_pUserSettings->Create();
    return m_pUserSettings.get();
}

CNode* CSymbolFileManager::GetUserSymbol(const QString& blockName, int create) {
    CSymbolFile* file = GetUserSettingsFile(create);
    CNode* page = firstPage(file ? file->m_pRoot.get() : nullptr, create != 0);
    if (!page)
        return nullptr;
    CNode* symbol =
        page->FindChildByAttributeValue(QStringLiteral("Symbol"), QStringLiteral("BlockName"), blockName);
    if (!symbol && create) {
        symbol = page->AddChild(QStringLiteral("Symbol"));
        symbol->AddLeaf(QStringLiteral("BlockName"), blockName, 0);
        // Files reloaded from now on get this override too.
        if (!blockName.isEmpty())
            m_mapUserSymbols.insert(Symbols::GetSymbolKey(blockName), symbol);
    }
    return symbol;
}
