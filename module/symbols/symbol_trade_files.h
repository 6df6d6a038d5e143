#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct TreeReadError;

// The trade folders of a symbol toolbar folder and the symbol files in them, as the symbol
// file manager collects them and the library check looks at them.
namespace SymbolTradeFiles {

struct TradeFolder {
    QString folder;       // ends with '/'
    QStringList names;    // entries named "*.inf" or "*.infx" (any case), in name order
    QString error;        // why the folder could not be listed; empty when it could
    bool searched = true; // false for a folder of the supplied folder that is no trade folder
};

// Every visible subfolder of `toolbarFolder`, in name order. The names are those of entries
// of every kind (a folder, a link that leads nowhere, a FIFO) so that a reader can say what
// is wrong with one that is no symbol file. Nothing when `toolbarFolder` is no folder; an
// error when it is one that cannot be listed.
struct Listing {
    std::vector<TradeFolder> trades;
    QString error;
};
Listing List(const QString& toolbarFolder, bool supplied);

// "cannot be read: <why>", as the library check and the tool word a file that could not be
// read.
QString CannotBeRead(const TreeReadError& error);

} // namespace SymbolTradeFiles
