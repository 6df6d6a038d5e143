// orvane station: the station catalogues and the design check of the station wizard. This
// file reads the options and hands each verb to its own file.

#include "cmd_station.h"

#include <optional>

namespace orvane::cli {
namespace {

const char* const kStationHelp =
    "Usage: orvane station list --catalogs DIR [--databases DBDIR] [--json]\n"
    "       orvane station check --catalogs DIR [--databases DBDIR] --catalog KEY --product KEY\n"
    "                            [--tk C] [--tw C] [--tvl C] [--fr L/MIN | --hr W]\n"
    "                            [--nfbh N --hz-tvl C --hz-trl C] [--json]\n"
    "       orvane station check --all --catalogs DIR [--databases DBDIR] --catalog KEY [requirements]\n"
    "                            [--json]\n"
    "       orvane station draw --catalogs DIR [--databases DBDIR] --catalog KEY --product KEY\n"
    "                           [requirements] [--heat-meter FLOW,DP] [--water-meter FLOW,DP]\n"
    "                           [--accessories KEY=QTY,...] [--mirror] [--ztyp N] [--scheme-net]\n"
    "                           [--xml] [-o FILE]\n"
    "       orvane station report (the options of draw) -o report.html|report.pdf\n"
    "       orvane station diagram (the options of draw) -o diagram.png|diagram.svg\n\n"
    "list   the station catalogues in DIR with their data version and selection trees\n"
    "check  checks a product against drinking-water and floor-heating requirements as the\n"
    "       station wizard does; prints the result text (or the error), the two summaries and\n"
    "       the design point. Exit status 0 when the station passes, 1 when it does not or\n"
    "       cannot be checked. With --all every product of the catalogue is checked and a table\n"
    "       lists them, those that pass first (least primary flow first); exit status 0 when\n"
    "       at least one passes.\n"
    "draw   the node the wizard hands the host after \"Zeichnen\" (DrawStation), in the node\n"
    "       tree's text form (--xml: XML) on standard output or in FILE; the station must pass\n"
    "       its check. Meters: nominal flow m³/h and pressure loss mbar; --ztyp as the host's\n"
    "       input (default 1), --scheme-net as an input with \"SchemeNetType\".\n"
    "report the check report: requirements, product, result, design point, pressure losses,\n"
    "       pumps and material list, as HTML or PDF (by the name of FILE); also for a station\n"
    "       that fails, which the report then says. Exit status 0 when it was written.\n"
    "diagram why a station fails: the exchanger's characteristic (tap rate against primary\n"
    "       flow), the requested tap rate on it and the limit it crossed.\n\n"
    "DIR    the catalogue folder of an installation: its catalogue descriptors (*.inf); the\n"
    "       station catalogues are those of the kind RS_HZ\n"
    "DBDIR  a folder where catalogue databases missing beside their catalogue are looked for,\n"
    "       such as the databases a build makes from the sample installation's catalogue sources\n"
    "KEY    a catalogue's material-database key; a product's key (selection row or article set)\n"
    "Temperatures in °C, tap rate in l/min, heat output in W; unset values keep the wizard's\n"
    "defaults (10 °C cold, 50 °C hot, 65 °C supply, 12 l/min).\n";

int runStation(const QStringList& all, CommandIo& io) {
    if (all.isEmpty() || wantsHelp(all)) {
        (all.isEmpty() ? io.err : io.out) << kStationHelp;
        return all.isEmpty() ? UsageError : Success;
    }
    const QString verb = all.first();
    const ArgReader args(
        all.mid(1),
        {QStringLiteral("--catalogs"), QStringLiteral("--databases"), QStringLiteral("--catalog"),
         QStringLiteral("--product"), QStringLiteral("--tk"), QStringLiteral("--tw"), QStringLiteral("--tvl"),
         QStringLiteral("--fr"), QStringLiteral("--hr"), QStringLiteral("--nfbh"), QStringLiteral("--hz-tvl"),
         QStringLiteral("--hz-trl"), QStringLiteral("--heat-meter"), QStringLiteral("--water-meter"),
         QStringLiteral("--accessories"), QStringLiteral("--ztyp"), QStringLiteral("-o")},
        {QStringLiteral("--json"), QStringLiteral("--all"), QStringLiteral("--mirror"),
         QStringLiteral("--scheme-net"), QStringLiteral("--xml")});
    if (!args.ok() || !args.positional().isEmpty()) {
        io.err << "orvane station: "
               << (args.ok() ? QStringLiteral("unexpected argument ") + args.positional().first()
                             : args.error())
               << "\n"
               << kStationHelp;
        return UsageError;
    }
    if (verb == QStringLiteral("list"))
        return station::runList(args, io);
    if (verb == QStringLiteral("check"))
        return station::runCheck(args, io);
    if (verb == QStringLiteral("draw"))
        return station::runDraw(args, io);
    if (verb == QStringLiteral("report"))
        return station::runReport(args, io);
    if (verb == QStringLiteral("diagram"))
        return station::runDiagram(args, io);
    io.err << "orvane station: unknown command \"" << verb << "\"\n" << kStationHelp;
    return UsageError;
}

const CommandRegistration registration{
    {QStringLiteral("station"),
     QStringLiteral("list station catalogues, check stations against requirements, draw nodes"), runStation}};

} // namespace
} // namespace orvane::cli
