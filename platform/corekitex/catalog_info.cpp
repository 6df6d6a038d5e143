#include "catalog_info.h"

#include "corekit/paths.h"
#include "corekit/tree_items.h"

#include <QFileInfo>

#include <memory>

namespace {

QStringList valuesOf(const CNode& node, const QString& key) {
    QStringList values;
    const CLeaf* leaf = node.FindLeaf(key);
    QString value;
    if (leaf && leaf->GetFirstValue(value)) {
        do {
            if (!value.trimmed().isEmpty())
                values << value.trimmed();
        } while (leaf->GetNextValue(value));
    }
    return values;
}

QString absoluteIn(const QString& folder, const QString& path) {
    if (path.isEmpty())
        return QString();
    CFilePath file(path);
    if (!file.IsAbsolute())
        file = CFilePath(folder ^ file.GetPath());
    file.Normalize();
    return file.GetPath();
}

} // namespace

orvCatalogInfo* orvCatalogInfo::FromDescriptor(const QString& path, QString* error) {
    CNode* raw = nullptr;
    TreeReadError readError;
    if (!TreeItems::ReadFromFile(path, raw, 0, &readError)) {
        if (error)
            *error = readError.ToString();
        return nullptr;
    }
    std::unique_ptr<CNode> root(raw);
    const QString id = root->GetStrLeafValue(QString(), "ID").trimmed();
    if (root->GetName() != QLatin1String("Catalog") || id.isEmpty()) {
        if (error)
            *error = path + QStringLiteral(": a catalogue descriptor needs a Catalog node with an ID");
        return nullptr;
    }
    std::unique_ptr<orvCatalogInfo> info(new orvCatalogInfo);
    const QString folder = QFileInfo(path).absolutePath();
    info->m_id = id;
    info->m_descriptorPath = QFileInfo(path).absoluteFilePath();
    info->m_displayName = root->GetStrLeafValue(QString(), "DisplayName");
    if (info->m_displayName.isEmpty())
        info->m_displayName = id;
    const QString rootPath = root->GetStrLeafValue(QString(), "RootPath");
    info->m_rootPath = CDirPath(absoluteIn(folder, rootPath.isEmpty() ? id : rootPath)).GetPath();
    info->m_mmdKey = root->GetStrLeafValue(QString(), "MmdKey");
    info->m_databaseName = root->GetStrLeafValue(QString(), "Database").trimmed();
    info->m_databasePath = absoluteIn(info->m_rootPath, info->m_databaseName);
    info->m_kinds = valuesOf(*root, "Kinds");
    info->m_regions = valuesOf(*root, "Regions");
    return info.release();
}

bool orvCatalogInfo::hasKind(const QString& kind) const {
    return m_kinds.contains(kind.trimmed(), Qt::CaseInsensitive);
}
