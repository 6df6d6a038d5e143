#pragma once

#include <QString>
#include <QStringList>

namespace orvane::test {

// What one run of the command-line tool printed and answered.
struct CliResult {
    int status = -1;
    QString out;
    QString err;
};

// Runs "orvane ARGS..." in this process.
CliResult runOrvane(const QStringList& args);

} // namespace orvane::test
