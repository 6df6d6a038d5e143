// orvane station draw: the node the wizard hands the host after "Zeichnen", for given
// choices, in the node tree's text form (or written to a file).

#include "cmd_station.h"

#include "stations/station_output.h"

#include "corekit/node.h"

namespace orvane::cli::station {
namespace {

// "FLOW,DP" of a meter into the wizard; false after telling what is wrong.
bool readMeter(const ArgReader& args, const char* option, double& flow, double& dp, CommandIo& io) {
    const auto text = args.value(QString::fromLatin1(option));
    if (!text)
        return true;
    if (WoSt::ParseMeterData(*text, flow, dp) && flow >= 0.0 && dp >= 0.0)
        return true;
    io.err << "orvane station: " << option << " needs FLOW,DP (m³/h, mbar), not \"" << *text << "\"\n";
    return false;
}

// "KEY=QTY,KEY=QTY" into the product's accessory list; false after telling what is wrong.
bool readAccessories(const ArgReader& args, WoSt::tWizardState& wizard, CommandIo& io) {
    const auto text = args.value(QStringLiteral("--accessories"));
    if (!text)
        return true;
    WoSt::MaterialDatabase& db = WoSt::CatalogDb(*wizard.catalog);
    for (const QString& item : text->split(u',', Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(u'=');
        bool ok = parts.size() == 2;
        const double quantity = ok ? parts[1].toDouble(&ok) : 0.0;
        const WoSt::RowId article = ok ? db.IdOfKey(parts[0].trimmed()) : 0;
        if (!ok || article == 0 || quantity <= 0.0) {
            io.err << "orvane station: --accessories: \"" << item
                   << "\" is no KEY=QUANTITY of an article of the catalogue\n";
            return false;
        }
        wizard.product.accessories->Add(quantity, article, 0);
    }
    return true;
}

bool writeNode(const CNode& node, const ArgReader& args, CommandIo& io) {
    if (const auto file = args.value(QStringLiteral("-o"))) {
        if (!readyOutputFile(*file, io.err))
            return false;
        if (node.WriteToFile(*file, args.has(QStringLiteral("--xml")), !args.has(QStringLiteral("--xml")),
                             true)) {
            io.err << "wrote " << *file << "\n";
            return true;
        }
        io.err << *file << ": cannot be written\n";
        return false;
    }
    QString text;
    node.WriteToString(text, args.has(QStringLiteral("--xml")));
    io.out << text;
    return true;
}

} // namespace

int prepareStation(const ArgReader& args, CommandIo& io, const char* verb, Catalogues& catalogs,
                   WoSt::tWizardState& wizard, WoSt::tDrawOptions& options) {
    const auto catalogKey = args.value(QStringLiteral("--catalog"));
    const auto productKey = args.value(QStringLiteral("--product"));
    if (!catalogKey || !productKey) {
        io.err << "orvane station " << verb << ": --catalog KEY and --product KEY are needed\n";
        return UsageError;
    }
    bool zOk = true;
    options.zTyp = args.value(QStringLiteral("--ztyp"), QStringLiteral("1")).toInt(&zOk);
    options.mirror = args.has(QStringLiteral("--mirror")) ? 1 : 0;
    options.schemeNetType = args.has(QStringLiteral("--scheme-net"));
    if (!zOk)
        io.err << "orvane station: --ztyp needs a whole number\n";
    if (!zOk || !readRequirements(args, wizard, io) ||
        !readMeter(args, "--heat-meter", wizard.heatMeterFlow, wizard.heatMeterDp, io) ||
        !readMeter(args, "--water-meter", wizard.waterMeterFlow, wizard.waterMeterDp, io))
        return UsageError;
    int status = Success;
    if (!useCatalogFolder(args, io, status, catalogs))
        return status;
    WoSt::tCatalog* catalog = openCatalog(*catalogKey, catalogs, io);
    if (!catalog || !loadProductByKey(*catalog, *productKey, wizard, io))
        return WorkFailed;
    if (!readAccessories(args, wizard, io))
        return UsageError;
    // The check also fills the design point the node carries.
    WoSt::UpdateTwSummary(wizard);
    return -1;
}

int runDraw(const ArgReader& args, CommandIo& io) {
    MessagesToStream messages(io.err);
    Catalogues catalogs;
    WoSt::tWizardState wizard;
    WoSt::tDrawOptions options;
    if (const int status = prepareStation(args, io, "draw", catalogs, wizard, options); status >= 0)
        return status;
    // The wizard draws only a station that passes its check.
    if (!wizard.display.drawEnabled) {
        io.err << wizard.product.name << ": " << wizard.display.result << "\n";
        return WorkFailed;
    }
    const auto node = WoSt::CreateDrawNode(wizard, options);
    return node && writeNode(*node, args, io) ? Success : WorkFailed;
}

} // namespace orvane::cli::station
