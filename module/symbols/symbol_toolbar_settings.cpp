#include "symbol_toolbar_settings.h"

#include "corekit/registry.h"

#include <QHash>

namespace SymbolToolbarSettings {

QString RegistryKey(const QString& moduleKey, bool revit) {
    return moduleKey + (revit ? QStringLiteral("Dialogs\\DlgSymbolToolbarRevit")
                              : QStringLiteral("Dialogs\\DlgSymbolToolbar"));
}

QStringList CodesToRestore(const QString& key) {
    QStringList names;
    RegEnumValues(HKEY_CURRENT_USER, key, names);
    QStringList codes;
    for (const QString& name : names) {
        if (name.indexOf(QLatin1String("_WndPos"), 1) < 1)
            continue;
        const QStringList parts = name.split(u'_', Qt::SkipEmptyParts);
        const QString code = parts.value(0);
        if (code.isEmpty() || codes.contains(code))
            continue;
        DWORD show = 1;
        // A value that is missing or not a number counts as never closed.
        if (!RegQueryValueW(HKEY_CURRENT_USER, key, ShowValue(code), show) || show != 0)
            codes << code;
    }
    return codes;
}

void SetShown(const QString& key, const QString& code, bool shown) {
    RegSetValueW(HKEY_CURRENT_USER, key, ShowValue(code), DWORD(shown ? 1 : 0));
}

QString TitleKey(const QString& code) {
    static const QHash<QString, QString> keys = {
        {QStringLiteral("H"), QStringLiteral("@Gewerk@Heizung")},
        {QStringLiteral("S"), QStringLiteral("@Gewerk@Sanitär")},
        {QStringLiteral("L"), QStringLiteral("@Gewerk@Lüftung")},
        {QStringLiteral("E"), QStringLiteral("@Gewerk@Elektro")},
        {QStringLiteral("A"), QStringLiteral("@Gewerk@Architektur")},
        {QStringLiteral("B"), QStringLiteral("@Gewerk@Brandschutz")},
        {QStringLiteral("G"), QStringLiteral("@Gewerk@Gas")},
        {QStringLiteral("K"), QStringLiteral("@Gewerk@Kälte")},
        {QStringLiteral("USER"), QStringLiteral("Freie Symbole")},
    };
    return keys.value(code, code);
}

} // namespace SymbolToolbarSettings
