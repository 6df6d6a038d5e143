#include "symbols_host.h"

namespace {

// Answers from the platform services.
class PlatformSymbolsHost final : public ISymbolsHost {
public:
    std::optional<QString> Variable(const QString&, int) override { return std::nullopt; }
    QString VersionName() override { return {}; }
    QString RegionToken() override { return {}; }
    QString DefaultFolder(int) override { return {}; }
    std::optional<QString> CatalogRoot(const QString&) override { return std::nullopt; }
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
