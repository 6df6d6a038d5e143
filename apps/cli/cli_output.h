#pragma once

#include <QJsonDocument>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace orvane::cli {

// A small option reader shared by the command groups: "--name value" options, "--flag"
// switches and plain arguments, in any order.
class ArgReader {
public:
    ArgReader(const QStringList& args, const QStringList& valueOptions, const QStringList& switches);

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    const QStringList& positional() const { return m_positional; }
    bool has(const QString& option) const;
    std::optional<QString> value(const QString& option) const;
    QString value(const QString& option, const QString& fallback) const;

private:
    QStringList m_positional;
    QStringList m_switchesSeen;
    QList<QPair<QString, QString>> m_values;
    QString m_error;
};

// Readies the place of a file a command writes: its folder is made when missing. False after
// telling on `err` why the file cannot go there, naming the path: a folder of that name, a
// folder that cannot be made (with the file in the way), or one of `inputs`, which the output
// would replace before it was ever read again.
bool readyOutputFile(const QString& path, QTextStream& err, const QStringList& inputs = {});

// Checks the path of a file a command reads, before it is read. False after telling on `err`
// what is wrong, naming the path: no name, a folder, a file taken for a folder (a trailing
// slash, or a file on the way), or nothing there.
bool readyInputFile(const QString& path, QTextStream& err);

// Writes a JSON document indented, followed by a line break.
void writeJson(QTextStream& out, const QJsonDocument& document);

} // namespace orvane::cli
