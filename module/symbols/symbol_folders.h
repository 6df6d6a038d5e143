#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class ISymbolLibraryContext;

// Where symbol files live: the symbol toolbar folders, the trade folders in them and paths
// that name a catalogue. Folder texts here always use '/' and end with '/'.
namespace SymbolFolders {

struct ToolbarFolders {
    QString supplied; // <supplied folder>/Symbol Toolbars/
    QString user;     // <user folder>/Symbol Toolbars/ (also holds "UserSettings.inf")
};

// The subfolder of a trade code: the context's name for it when `useVariable` is set and it
// names one, else "H" → "Heizung" and so on; an unknown code is its own folder name.
QString TradeFolderName(const ISymbolLibraryContext& context, const QString& code, bool useVariable);
// The only subfolders of the supplied folder that are searched.
const QStringList& SuppliedTradeFolders();

// "<name>rest" → the catalogue's root folder joined with rest, normalised; nothing for any
// other text or an unknown catalogue.
std::optional<QString> ResolveCatalogPath(const ISymbolLibraryContext& context, const QString& text);

// Joins a folder and a relative part with '/', turning '\' into '/', and ends the result
// with '/'.
QString JoinFolder(const QString& folder, const QString& part);
// '\' (from data written elsewhere) turned into '/'.
QString NormalizeSeparators(const QString& path);
// The file name without folder and extension.
QString ShortFileName(const QString& path);

} // namespace SymbolFolders
