#include "symbol_trade_files.h"

#include "symbol_folders.h"

#include "corekit/tree_items.h"

#include <QFile>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

// The visible entries of a folder, in name order; `error` says why it could not be listed.
QStringList entriesOf(const QString& folder, bool foldersOnly, QString& error) {
    QStringList names;
    std::error_code code;
    std::filesystem::directory_iterator it(QFile::encodeName(folder).toStdString(), code);
    for (; !code && it != std::filesystem::directory_iterator(); it.increment(code)) {
        const QString name = QFile::decodeName(it->path().filename().string().c_str());
        std::error_code kindCode;
        if (!name.startsWith(u'.') && (!foldersOnly || it->is_directory(kindCode)))
            names << name;
    }
    if (code)
        error = QStringLiteral("cannot be read: ") + QString::fromStdString(code.message());
    std::sort(names.begin(), names.end());
    return names;
}

bool isSymbolFileName(const QString& name) {
    return name.endsWith(QStringLiteral(".inf"), Qt::CaseInsensitive) ||
           name.endsWith(QStringLiteral(".infx"), Qt::CaseInsensitive);
}

} // namespace

namespace SymbolTradeFiles {

Listing List(const QString& toolbarFolder, bool supplied) {
    Listing listing;
    std::error_code code;
    if (toolbarFolder.isEmpty() ||
        !std::filesystem::is_directory(QFile::encodeName(toolbarFolder).toStdString(), code))
        return listing;
    for (const QString& trade : entriesOf(toolbarFolder, true, listing.error)) {
        TradeFolder folder{SymbolFolders::JoinFolder(toolbarFolder, trade), {}, {}, true};
        folder.searched = !supplied || SymbolFolders::SuppliedTradeFolders().contains(trade);
        if (folder.searched) {
            folder.names = entriesOf(folder.folder, false, folder.error);
            folder.names.removeIf([](const QString& name) { return !isSymbolFileName(name); });
        }
        listing.trades.push_back(std::move(folder));
    }
    return listing;
}

QString CannotBeRead(const TreeReadError& error) {
    const QString prefix = QStringLiteral("cannot be read");
    return error.message.startsWith(prefix) ? error.message : prefix + QStringLiteral(": ") + error.message;
}

} // namespace SymbolTradeFiles
