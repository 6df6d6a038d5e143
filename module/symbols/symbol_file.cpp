#include "symbol_file.h"

#include "node_filters.h"

#include "corekit/tree_items.h"

#include <QFileInfo>

CSymbolFile::CSymbolFile(const QString& path) : m_path(path) {}

CSymbolFile::~CSymbolFile() {
    Clear();
}

void CSymbolFile::Clear() {
    m_pRoot.reset();
    m_pDefaults = nullptr;
    m_nPages = 0;
    m_bSupport = 0;
    m_fileTime = QDateTime();
    m_pParent = nullptr;
}

int CSymbolFile::Create() {
    m_pDefaults = nullptr;
    m_pRoot = std::make_unique<CNode>(QStringLiteral("Root"));
    CNode* page = m_pRoot->AddChild(QStringLiteral("Pages"))->AddChild(QStringLiteral("Page"));
    page->AddLeaf(QStringLiteral("DisplayName"), QString(), 0);
    m_nPages = 1;
    return Save();
}

bool CSymbolFile::IsSupportPath(const QString& path) {
    return path.indexOf(QStringLiteral("/Support/")) > 0 || path.indexOf(QStringLiteral("\\Support\\")) > 0;
}

int CSymbolFile::Load(const SymbolFilterValues& filters, TreeReadError* error) {
    Clear();
    CNode* root = nullptr;
    const int read = TreeItems::ReadFromFile(m_path, root, 0, error);
    m_pRoot.reset(root);
    if (!read)
        return 0;
    if (IsSupportPath(m_path))
        m_bSupport = 1;
    if (const CNode* pages = m_pRoot->FindChild(QStringLiteral("Pages"))) {
        const QString page = QStringLiteral("Page");
        for (const CNode* p = pages->FindChild(page); p; p = pages->FindChild(page, p))
            m_nPages += NodeFilters::CheckPageFilters(p, filters);
    }
    if (m_nPages == 0)
        return 0;
    m_pDefaults = m_pRoot->FindChild(QStringLiteral("Defaults"));
    m_fileTime = QFileInfo(m_path).lastModified();
    return 1;
}

int CSymbolFile::Save() const {
    if (!m_pRoot)
        return 0;
    const QString ext = QFileInfo(m_path).suffix().toLower();
    const bool xml = ext.endsWith(u'x');
    return m_pRoot->WriteToFile(m_path, xml, !xml, true, 0, u':') ? 1 : 0;
}

QString CSymbolFile::GetSymbolValue(const CNode* symbol, const QString& key) const {
    if (!symbol)
        return {};
    if (const CLeaf* leaf = symbol->FindLeaf(key))
        return leaf->GetOnlyValue(u':');
    return GetDefaultValue(key);
}

QString CSymbolFile::GetDefaultValue(const QString& key) const {
    const CLeaf* leaf = m_pDefaults ? m_pDefaults->FindLeaf(key) : nullptr;
    return leaf ? leaf->GetRawData() : QString();
}
