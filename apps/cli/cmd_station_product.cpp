// orvane station: the requirement options and the product that check, draw and report share.

#include "cmd_station.h"

#include "stations/manager_catalogs.h"

#include <cmath>

namespace orvane::cli::station {
namespace {

// Reads a number option into `target`; false (with a message) when it is given but no number.
bool readNumber(const ArgReader& args, const char* option, double& target, CommandIo& io) {
    const auto text = args.value(QString::fromLatin1(option));
    if (!text)
        return true;
    bool ok = false;
    const double value = text->toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        io.err << "orvane station: " << option << " needs a number, not \"" << *text << "\"\n";
        return false;
    }
    target = value;
    return true;
}

} // namespace

bool readRequirements(const ArgReader& args, WoSt::tWizardState& wizard, CommandIo& io) {
    if (args.has(QStringLiteral("--fr")) && args.has(QStringLiteral("--hr"))) {
        io.err << "orvane station: give either --fr or --hr\n";
        return false;
    }
    WoSt::tReqTw& tw = wizard.reqTw;
    double nFbh = 0.0;
    if (!readNumber(args, "--tk", tw.tK, io) || !readNumber(args, "--tw", tw.tW, io) ||
        !readNumber(args, "--tvl", tw.tVL, io) || !readNumber(args, "--fr", tw.fr, io) ||
        !readNumber(args, "--hr", tw.hr, io) || !readNumber(args, "--nfbh", nFbh, io) ||
        !readNumber(args, "--hz-tvl", wizard.reqHz.tVL, io) ||
        !readNumber(args, "--hz-trl", wizard.reqHz.tRL, io))
        return false;
    if (args.has(QStringLiteral("--hr")))
        tw.fr = -1.0;
    if (nFbh < 0.0 || nFbh > 100.0 || nFbh != static_cast<int>(nFbh)) {
        io.err << "orvane station: --nfbh needs a whole number from 0 to 100\n";
        return false;
    }
    wizard.reqHz.nFbh = static_cast<int>(nFbh);
    return true;
}

// Walks the selection path down from the catalogue's root.
const WoSt::tSelLevel* nodeAt(const WoSt::tCatalog& catalog, const std::vector<int>& path) {
    const WoSt::tSelLevel* node = catalog.root.get();
    for (int i : path)
        node = node->children.at(static_cast<size_t>(i)).get();
    return node;
}

WoSt::tCatalog* openCatalog(const QString& key, Catalogues& catalogs, CommandIo& io) {
    WoSt::ManagerCatalogs source(catalogs.manager);
    if (WoSt::ListCatalogs(catalogs.list, key, source) == 0) {
        io.err << "orvane station: no station catalogue \"" << key << "\"\n";
        reportUnlisted(catalogs, io, key);
        return nullptr;
    }
    WoSt::tCatalog& catalog = *catalogs.list.front();
    return loadCatalog(catalog, io) ? &catalog : nullptr;
}

bool loadProductByKey(WoSt::tCatalog& catalog, const QString& key, WoSt::tWizardState& wizard,
                      CommandIo& io) {
    std::vector<int> path;
    if (!WoSt::FindProductPath(catalog, key, path) || path.empty()) {
        io.err << "orvane station: " << catalog.mmdKey << " has no product \"" << key << "\"\n";
        return false;
    }
    const WoSt::tSelLevel& node = *nodeAt(catalog, path);
    if (!node.children.empty()) {
        io.err << "orvane station: \"" << key << "\" is a group of the selection tree, not a product\n";
        return false;
    }
    wizard.catalog = &catalog;
    if (!wizard.product.accessories)
        wizard.product.accessories = WoSt::CatalogDb(catalog).NewMaterialList();
    if (!WoSt::LoadProduct(wizard.product, catalog, node)) {
        io.err << "orvane station: \"" << key << "\" is no station this check supports\n";
        return false;
    }
    return true;
}

} // namespace orvane::cli::station
