// orvane station check: one product against drinking-water and floor-heating requirements,
// as the station wizard checks it.

#include "cmd_station.h"

#include "stations/station_text.h"

namespace orvane::cli::station {
namespace {

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

} // namespace

int runCheck(const ArgReader& args, CommandIo& io) {
    if (args.has(QStringLiteral("--all")))
        return runCheckAll(args, io);
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
    Catalogues catalogs;
    if (!useCatalogFolder(args, io, status, catalogs))
        return status;
    MessagesToStream messages(io.err);
    WoSt::tCatalog* catalog = openCatalog(*catalogKey, catalogs, io);
    if (!catalog || !loadProductByKey(*catalog, *productKey, wizard, io))
        return WorkFailed;
    WoSt::UpdateTwSummary(wizard);
    if (args.has(QStringLiteral("--json")))
        writeJson(io.out, QJsonDocument(checkJson(wizard)));
    else
        printCheck(wizard, io.out);
    return wizard.display.drawEnabled ? Success : WorkFailed;
}

} // namespace orvane::cli::station
