// orvane station diagram: why a station fails, as the wizard draws it beside its result: the
// exchanger's characteristic, the requested tap rate and the limit crossed, as PNG or SVG.

#include "cmd_station.h"

#include "stations/failure_diagram.h"

namespace orvane::cli::station {

int runDiagram(const ArgReader& args, CommandIo& io) {
    const auto file = args.value(QStringLiteral("-o"));
    if (!file) {
        io.err << "orvane station diagram: -o diagram.png or -o diagram.svg is needed\n";
        return UsageError;
    }
    if (!readyOutputFile(*file, io.err))
        return WorkFailed;
    MessagesToStream messages(io.err);
    Catalogues catalogs;
    WoSt::tWizardState wizard;
    WoSt::tDrawOptions options;
    if (const int status = prepareStation(args, io, "diagram", catalogs, wizard, options); status >= 0)
        return status;
    const WoSt::tFailureDiagram diagram = WoSt::FailureDiagramOf(wizard);
    QString error;
    if (!WoSt::WriteFailureDiagram(diagram, *file, QSize(480, 300), &error)) {
        io.err << *file << ": " << error << "\n";
        return WorkFailed;
    }
    io.err << "wrote " << *file << "\n";
    return Success;
}

} // namespace orvane::cli::station
