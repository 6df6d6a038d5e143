#pragma once

#include "symbols/symbols_host.h"

#include <QHash>
#include <QStringList>

namespace orvane::test {

// Host answers scripted by a test, given to a HostSymbolLibraryContext or a window's context.
class FakeSymbolsHost final : public ISymbolsHost {
public:
    std::optional<QString> Variable(const QString& name, int) override {
        if (!variables.contains(name))
            return std::nullopt;
        return variables.value(name);
    }
    QString VersionName() override { return version; }
    QString RegionToken() override { return region; }
    QString DefaultFolder(int kind) override { return defaultFolders.value(kind); }
    std::optional<QString> CatalogRoot(const QString& name) override {
        if (!catalogs.contains(name))
            return std::nullopt;
        return catalogs.value(name);
    }
    void ScanTranslations(const QString& folder) override { scannedFolders << folder; }

    QHash<QString, QString> variables;
    QHash<int, QString> defaultFolders;
    QHash<QString, QString> catalogs;
    QString version = QStringLiteral("Basic");
    QString region = QStringLiteral("DEU");
    QStringList scannedFolders;
};

} // namespace orvane::test
