#include "cli_output.h"

#include <QDir>
#include <QFileInfo>

namespace orvane::cli {

ArgReader::ArgReader(const QStringList& args, const QStringList& valueOptions, const QStringList& switches) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QStringLiteral("-")) || arg == QStringLiteral("-")) {
            m_positional << arg;
        } else if (valueOptions.contains(arg)) {
            if (i + 1 >= args.size()) {
                m_error = QStringLiteral("option %1 needs a value").arg(arg);
                return;
            }
            m_values.append({arg, args[++i]});
        } else if (switches.contains(arg)) {
            m_switchesSeen << arg;
        } else {
            m_error = QStringLiteral("unknown option %1").arg(arg);
            return;
        }
    }
}

bool ArgReader::has(const QString& option) const {
    if (m_switchesSeen.contains(option))
        return true;
    for (const auto& [name, value] : m_values)
        if (name == option)
            return true;
    return false;
}

std::optional<QString> ArgReader::value(const QString& option) const {
    std::optional<QString> found;
    for (const auto& [name, value] : m_values)
        if (name == option)
            found = value; // the last one given wins
    return found;
}

QString ArgReader::value(const QString& option, const QString& fallback) const {
    return value(option).value_or(fallback);
}

namespace {

// What stands where a folder on the way to `folder` should be: the first of it and the folders
// above it that exists, when it is no folder; empty otherwise.
QString fileInTheWay(QString folder) {
    for (;;) {
        const QFileInfo at(folder);
        if (at.exists())
            return at.isDir() ? QString() : at.filePath();
        if (at.path() == folder)
            return {};
        folder = at.path();
    }
}

} // namespace

bool readyOutputFile(const QString& path, QTextStream& err, const QStringList& inputs) {
    if (path.isEmpty()) {
        err << "the output file name is empty\n";
        return false;
    }
    const QFileInfo file(path);
    if (file.isDir() || path.endsWith(u'/')) {
        err << path << ": is a folder; a file name is needed\n";
        return false;
    }
    for (const QString& input : inputs)
        if (file.exists() && file.canonicalFilePath() == QFileInfo(input).canonicalFilePath()) {
            err << path << ": is the input " << input << " too; the output would replace it\n";
            return false;
        }
    if (!QDir().mkpath(file.absolutePath())) {
        const QString blocker = fileInTheWay(file.path());
        err << path << ": cannot be written: its folder " << file.path() << " cannot be made"
            << (blocker.isEmpty() ? QString() : QStringLiteral(" (%1 is a file)").arg(blocker)) << "\n";
        return false;
    }
    return true;
}

bool readyInputFile(const QString& path, QTextStream& err) {
    if (path.isEmpty()) {
        err << "the input file name is empty\n";
        return false;
    }
    const QFileInfo file(path);
    if (file.isDir()) {
        err << path << ": is a folder; a file name is needed\n";
        return false;
    }
    if (file.exists())
        return true;
    QString named = path;
    while (named.size() > 1 && named.endsWith(u'/'))
        named.chop(1);
    // "file/" names the file itself as a folder; "file/name" a folder on the way.
    const QString blocker = fileInTheWay(named != path ? named : QFileInfo(named).path());
    if (blocker.isEmpty())
        err << path << ": no such file\n";
    else
        err << path << ": cannot be read: " << blocker << " is a file, not a folder\n";
    return false;
}

void writeJson(QTextStream& out, const QJsonDocument& document) {
    out << QString::fromUtf8(document.toJson(QJsonDocument::Indented));
}

} // namespace orvane::cli
