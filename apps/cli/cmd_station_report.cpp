// orvane station report: the check report of a station for given choices, as HTML or PDF.

#include "cmd_station.h"

#include "stations/station_report.h"

#include "corekit/node.h"

namespace orvane::cli::station {

int runReport(const ArgReader& args, CommandIo& io) {
    const auto file = args.value(QStringLiteral("-o"));
    if (!file) {
        io.err << "orvane station report: -o report.html or -o report.pdf is needed\n";
        return UsageError;
    }
    if (!readyOutputFile(*file, io.err))
        return WorkFailed;
    MessagesToStream messages(io.err);
    Catalogues catalogs;
    WoSt::tWizardState wizard;
    WoSt::tDrawOptions options;
    if (const int status = prepareStation(args, io, "report", catalogs, wizard, options); status >= 0)
        return status;
    const auto draw = wizard.display.drawEnabled ? WoSt::CreateDrawNode(wizard, options) : nullptr;
    QString error;
    if (!WoSt::WriteStationReport(wizard, draw.get(), *file, &error)) {
        io.err << *file << ": " << error << "\n";
        return WorkFailed;
    }
    io.err << "wrote " << *file << "\n";
    return Success;
}

} // namespace orvane::cli::station
