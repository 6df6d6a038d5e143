#pragma once

#include <QString>

#include <optional>

// What the symbol library asks of the host and the installation: host variables, the suite's
// version and region, the default folders and the catalogues. The library reads them only
// through this interface, so that the command-line tool and the tests can give their own
// answers; the default implementation asks the platform services.
class ISymbolsHost {
public:
    virtual ~ISymbolsHost() = default;

    // A host variable as text; nothing when it does not exist.
    virtual std::optional<QString> Variable(const QString& name, int saveType) = 0;
    virtual QString VersionName() = 0;
    virtual QString RegionToken() = 0;
    // The module's default folder of a kind (6: supplied, 7: standards).
    virtual QString DefaultFolder(int kind) = 0;
    // The root folder of a catalogue; nothing when the catalogue is unknown.
    virtual std::optional<QString> CatalogRoot(const QString& name) = 0;
    // Lets the translation service learn the data texts of a folder.
    virtual void ScanTranslations(const QString& folder) = 0;
};

namespace SymbolsHost {

// The platform services: what the module's process-wide objects are built on. Everything
// below them is given its host or context by whoever makes it.
ISymbolsHost& Get();

// An integer variable of `host`, `defaultValue` when missing or not a number.
int VariableInt(ISymbolsHost& host, const QString& name, int saveType, int defaultValue);
QString VariableText(ISymbolsHost& host, const QString& name, int saveType);
// The same of the platform services.
int VariableInt(const QString& name, int saveType, int defaultValue);
QString VariableText(const QString& name, int saveType);

// The root folder of a catalogue as the catalogue manager knows it; nothing when it does not.
std::optional<QString> CatalogManagerRoot(const QString& name);

} // namespace SymbolsHost
