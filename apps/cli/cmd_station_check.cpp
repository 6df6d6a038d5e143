// orvane station check: one product against drinking-water and floor-heating requirements,
// as the station wizard checks it.

#include "cmd_station.h"

#include "stations/manager_catalogs.h"
#include "stations/station_text.h"

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

// The result fields of the wizard use CR LF between rows; a terminal wants plain line breaks.
QString lines(QString text) {
    return text.replace(WoSt::kCrLf, QStringLiteral("\n"));
}

void printCheck(const WoSt::tWizardState& w, QTextStream& out) {
    const WoSt::tCheckDisplay& d = w.display;
    out << w.product.name << "\n\n" << lines(d.result) << "\n\n" << lines(d.twSummary) << "\n";
    if (!d.hzSummary.isEmpty())
        out << "\n" << lines(d.hzSummary) << "\n";
    if (d.drawEnabled)
        out << QStringLiteral(
                   "\nDesign point: %1/%2 °C, supply %3 °C, primary return %4 °C, primary flow %5 l/h\n")
                   .arg(w.design.tK, 0, 'f', 1)
                   .arg(w.design.tW, 0, 'f', 1)
                   .arg(w.design.tVL, 0, 'f', 1)
                   .arg(w.design.tRLPrim, 0, 'f', 1)
                   .arg(w.design.vPrim, 0, 'f', 1);
}

// Walks the selection path down from the catalogue's root.
const WoSt::tSelLevel* nodeAt(const WoSt::tCatalog& catalog, const std::vector<int>& path) {
    const WoSt::tSelLevel* node = catalog.root.get();
    for (int i : path)
        node = node->children.at(static_cast<size_t>(i)).get();
    return node;
}

} // namespace

int runCheck(const ArgReader& args, CommandIo& io) {
    const auto catalogKey = args.value(QStringLiteral("--catalog"));
    const auto productKey = args.value(QStringLiteral("--product"));
    if (!catalogKey || !productKey) {
        io.err << "orvane station check: --catalog KEY and --product KEY are needed\n";
        return UsageError;
    }
    WoSt::tWizardState wizard;
    if (!readRequirements(args, wizard, io))
        return UsageError;
    int status = Success;
    if (!useCatalogFolder(args, io, status))
        return status;
    MessagesToStream messages(io.err);
    WoSt::ManagerCatalogs source;
    WoSt::tCatalogList catalogs;
    if (WoSt::ListCatalogs(catalogs, *catalogKey, source) == 0) {
        io.err << "orvane station: no station catalogue \"" << *catalogKey << "\"\n";
        reportUnlisted(catalogs, io, *catalogKey);
        return WorkFailed;
    }
    WoSt::tCatalog& catalog = *catalogs.front();
    if (!loadCatalog(catalog, io))
        return WorkFailed;
    std::vector<int> path;
    if (!WoSt::FindProductPath(catalog, *productKey, path) || path.empty()) {
        io.err << "orvane station: " << catalog.mmdKey << " has no product \"" << *productKey << "\"\n";
        return WorkFailed;
    }
    const WoSt::tSelLevel& node = *nodeAt(catalog, path);
    if (!node.children.empty()) {
        io.err << "orvane station: \"" << *productKey
               << "\" is a group of the selection tree, not a product\n";
        return WorkFailed;
    }
    wizard.catalog = &catalog;
    wizard.product.accessories = WoSt::MaterialDb().NewMaterialList();
    if (!WoSt::LoadProduct(wizard.product, catalog, node)) {
        io.err << "orvane station: \"" << *productKey << "\" is no station this check supports\n";
        return WorkFailed;
    }
    WoSt::UpdateTwSummary(wizard);
    if (args.has(QStringLiteral("--json")))
        writeJson(io.out, QJsonDocument(checkJson(wizard)));
    else
        printCheck(wizard, io.out);
    return wizard.display.drawEnabled ? Success : WorkFailed;
}

} // namespace orvane::cli::station
