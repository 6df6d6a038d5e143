#include "cli_test_support.h"

#include "cli_command.h"

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

} // namespace orvane::test
