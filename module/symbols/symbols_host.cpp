#include "symbols_host.h"

#include "corekit/installation.h"
#include "corekit/vars_mgr.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Answers from the platform services and the installation.
class PlatformSymbolsHost final : public ISymbolsHost {
public:
    std::optional<QString> Variable(const QString& name, int saveType) override {
        QString value;
        if (!COrvaneVarsMgr::GetInstance().get(name, value, saveType))
            return std::nullopt;
        return value;
    }
    QString VersionName() override { return COrvaneInstallation::Current().VersionName(); }
    QString RegionToken() override { return COrvaneInstallation::Current().Region(); }
    QString DefaultFolder(int kind) override {
        if (kind == 6)
            return COrvaneInstallation::Current().SupportFolder();
        if (kind == 7)
            return COrvaneInstallation::Current().StandardsFolder();
        return {};
    }
    // Until the catalogue manager is part of the platform, a catalogue is the folder of that
    // name in the installation's "Catalogs" folder.
    std::optional<QString> CatalogRoot(const QString& name) override {
        const QString root = COrvaneInstallation::Current().RootFolder();
        if (root.isEmpty() || name.isEmpty() || name.contains(u'/') || name.contains(u'\\'))
            return std::nullopt;
        const QString folder = QDir(root).filePath(QStringLiteral("Catalogs/") + name);
        if (!QFileInfo(folder).isDir())
            return std::nullopt;
        return folder;
    }
    void ScanTranslations(const QString&) override {}
};

ISymbolsHost*& installed() {
    static ISymbolsHost* host = nullptr;
    return host;
}

} // namespace

namespace SymbolsHost {

ISymbolsHost& Get() {
    static PlatformSymbolsHost platform;
    ISymbolsHost* host = installed();
    return host ? *host : platform;
}

void Install(ISymbolsHost* host) { installed() = host; }

int VariableInt(const QString& name, int saveType, int defaultValue) {
    const auto text = Get().Variable(name, saveType);
    if (!text)
        return defaultValue;
    bool ok = false;
    const int value = text->trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

QString VariableText(const QString& name, int saveType) { return Get().Variable(name, saveType).value_or(QString()); }

} // namespace SymbolsHost
