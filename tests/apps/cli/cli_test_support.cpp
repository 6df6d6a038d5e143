#include "cli_test_support.h"

#include "cli_command.h"
#include "test_folder.h"

namespace orvane::test {

CliResult runOrvane(const QStringList& args) {
    CliResult result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    cli::CommandIo io{out, err};
    result.status = cli::runCli(args, io);
    out.flush();
    err.flush();
    return result;
}

CliResult runWords(const QString& line, const QStringList& more) {
    return runOrvane(line.split(u' ', Qt::SkipEmptyParts) + more);
}

QStringList sampleStation(const QString& verb, const QStringList& args) {
    return QStringList{"station",     verb,
                       "--catalogs",  sampleInstallationPath("Catalogs"),
                       "--databases", ORVANE_SAMPLE_DATABASES} +
           args;
}

} // namespace orvane::test
