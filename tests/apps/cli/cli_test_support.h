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

// Runs "orvane" with the blank-separated words of `line`, then `more` (paths with blanks).
CliResult runWords(const QString& line, const QStringList& more = {});

// "station VERB" on the sample catalogues: their descriptors in the sample installation,
// their databases where the build made them from the sources.
QStringList sampleStation(const QString& verb, const QStringList& args = {});

} // namespace orvane::test
