#include "cli_output.h"

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

void writeJson(QTextStream& out, const QJsonDocument& document) {
    out << QString::fromUtf8(document.toJson(QJsonDocument::Indented));
}

} // namespace orvane::cli
