// orvane station list: the station catalogues of a folder with their selection trees.

#include "cmd_station.h"

#include "stations/manager_catalogs.h"

namespace orvane::cli::station {
namespace {

void printTree(QTextStream& out, const WoSt::tCatalog& catalog, const WoSt::tSelLevel& node, int depth) {
    for (const auto& child : node.children) {
        out << QString(2 * depth, QLatin1Char(' ')) << child->name << "  [" << keyOf(catalog, child->row);
        if (child->articleSetRef)
            out << " -> " << keyOf(catalog, child->articleSetRef);
        out << "]\n";
        printTree(out, catalog, *child, depth + 1);
    }
}

QJsonObject catalogJson(const WoSt::tCatalog& catalog, bool loaded) {
    QJsonObject entry{{QStringLiteral("key"), catalog.mmdKey},
                      {QStringLiteral("name"), catalog.info.displayName},
                      {QStringLiteral("version"), catalog.version},
                      {QStringLiteral("usable"), loaded}};
    if (loaded) {
        entry.insert(QStringLiteral("url"), catalog.url);
        entry.insert(QStringLiteral("tree"), treeJson(catalog, *catalog.root));
    }
    return entry;
}

} // namespace

int runList(const ArgReader& args, CommandIo& io) {
    int status = Success;
    Catalogues listed;
    if (!useCatalogFolder(args, io, status, listed))
        return status;
    MessagesToStream messages(io.err);
    WoSt::ManagerCatalogs source(listed.manager);
    WoSt::ListCatalogs(listed.list, QString(), source);
    bool allLoaded = reportUnlisted(listed, io) == 0;
    const WoSt::tCatalogList& catalogs = listed.list;
    const bool json = args.has(QStringLiteral("--json"));
    QJsonArray all;
    for (const auto& catalog : catalogs) {
        const bool loaded = loadCatalog(*catalog, io);
        allLoaded = allLoaded && loaded;
        if (json) {
            all.append(catalogJson(*catalog, loaded));
            continue;
        }
        io.out << catalog->mmdKey << "  " << catalog->info.displayName << "  (data version "
               << catalog->version << (loaded ? ")" : ", not usable)") << "\n";
        if (loaded)
            printTree(io.out, *catalog, *catalog->root, 1);
    }
    if (json)
        writeJson(io.out, QJsonDocument(QJsonObject{{QStringLiteral("catalogs"), all}}));
    else if (catalogs.empty())
        io.out << "no station catalogues\n";
    return allLoaded ? Success : WorkFailed;
}

} // namespace orvane::cli::station
