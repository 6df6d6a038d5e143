#pragma once

#include "orvane_export.h"

#include <QString>
#include <QStringList>

// What the symbol toolbars keep in the user's settings, one set of values per trade code
// under one key: "<code>_WndPos" (the window's place, written by the window; its presence means
// the toolbar was opened at least once), "<code>_Show" (1 open, 0 closed by the planner) and
// "<code>_PageIndex" (the page last shown).
namespace SymbolToolbarSettings {

// The key of the toolbar values below the module's settings key ("...\\OrvanePlanungUI20\\").
ORVANE_EXPORT QString RegistryKey(const QString& moduleKey, bool revit);

inline QString PositionValue(const QString& code) {
    return code + QStringLiteral("_WndPos");
}
inline QString ShowValue(const QString& code) {
    return code + QStringLiteral("_Show");
}
inline QString PageIndexValue(const QString& code) {
    return code + QStringLiteral("_PageIndex");
}

// The trades to open at start, in the order of their value names: every code with a stored
// position and no "_Show" of 0. A name's code is its first non-empty part before '_'; a code
// is listed once.
ORVANE_EXPORT QStringList CodesToRestore(const QString& key);

ORVANE_EXPORT void SetShown(const QString& key, const QString& code, bool shown);

// The translation key of a trade's toolbar title; any other code is its own title.
ORVANE_EXPORT QString TitleKey(const QString& code);

} // namespace SymbolToolbarSettings
