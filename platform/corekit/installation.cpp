#include "installation.h"

#include "tree_items.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

namespace {

const QString kInstallDir = QStringLiteral("$(INSTALLDIR)");

// A folder given in the file: '\' accepted, relative folders taken from the root.
QString resolveFolder(const QString& root, const QString& value) {
    if (value.isEmpty())
        return QString();
    QString path = value;
    path.replace(kInstallDir, root);
    path.replace(u'\\', u'/');
    if (QDir::isRelativePath(path))
        path = QDir(root).filePath(path);
    return QDir::cleanPath(path);
}

} // namespace

COrvaneInstallation& COrvaneInstallation::GetInstance() {
    static COrvaneInstallation installation;
    return installation;
}

bool COrvaneInstallation::Load(const QString& path, QString* error) {
    CNode* raw = nullptr;
    TreeReadError readError;
    if (!TreeItems::ReadFromFile(path, raw, 0, &readError)) {
        if (error)
            *error = readError.ToString();
        return false;
    }
    std::unique_ptr<CNode> root(raw);
    if (root->GetName() != QLatin1String("Installation")) {
        if (error)
            *error = path + QStringLiteral(": the root node must be called Installation");
        return false;
    }

    Data data;
    data.filePath = QFileInfo(path).absoluteFilePath();
    data.root = QFileInfo(path).absolutePath();
    data.registryBasePath = root->GetStrLeafValue(QString(), "RegistryBasePath");
    data.versionName = root->GetStrLeafValue(QString(), "VersionName");
    data.region = root->GetStrLeafValue(QString(), "Region");
    data.program = resolveFolder(data.root, root->GetStrLeafValue("Folders", "Program"));
    data.support = resolveFolder(data.root, root->GetStrLeafValue("Folders", "Support"));
    data.standards = resolveFolder(data.root, root->GetStrLeafValue("Folders", "Standards"));
    data.libraries = resolveFolder(data.root, root->GetStrLeafValue("Folders", "Libraries"));
    data.catalogs = resolveFolder(data.root, root->GetStrLeafValue("Folders", "Catalogs"));
    if (const CNode* variables = root->FindChild("Variables")) {
        for (const auto& leaf : variables->Leaves()) {
            QString value = leaf->GetRawData();
            value.replace(kInstallDir, data.root);
            data.variables.append({leaf->GetKey(), value});
        }
    }
    m_data = std::move(data);
    m_loaded = true;
    return true;
}

void COrvaneInstallation::Clear() {
    m_data = Data();
    m_loaded = false;
}
