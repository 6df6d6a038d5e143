#include "command_line.h"

#include "host_text.h"

#include "corekit/text_utils.h"

namespace {
// The words of a typed line; a stretch in double quotes is one word as it stands, so that a
// path with blanks ("Zeichnung  ä.inf") arrives whole. An open quote runs to the end.
QStringList Words(const QString& line) {
    QStringList words;
    QString word;
    bool quoted = false, started = false;
    for (const QChar c : line) {
        if (c == u'"') {
            quoted = !quoted;
            started = true;
        } else if (c == u' ' && !quoted) {
            if (started)
                words << word;
            word.clear();
            started = false;
        } else {
            word += c;
            started = true;
        }
    }
    if (started)
        words << word;
    return words;
}

QString Canonical(const QString& name) {
    QString n = name.trimmed();
    if (n.startsWith(u'_'))
        n.remove(0, 1);
    return n.toUpper();
}
} // namespace

CommandLine::CommandLine(QObject* parent) : QObject(parent) {
    Register(QStringLiteral("HILFE"), HostText("Zeigt die Befehle des Hosts"), [this](const QStringList&) {
        for (const QString& line : HelpLines())
            Q_EMIT Output(line);
    });
}

void CommandLine::Register(const QString& name, const QString& help, Handler handler) {
    m_commands.push_back({Canonical(name), help, std::move(handler)});
}

bool CommandLine::IsKnown(const QString& name) const {
    return Find(name) != nullptr;
}

const CommandLine::Command* CommandLine::Find(const QString& name) const {
    const QString key = Canonical(name);
    for (const Command& command : m_commands)
        if (command.name == key)
            return &command;
    return nullptr;
}

void CommandLine::Paste(const QString& text) {
    QStringList parts = text.split(u'\r');
    // The terminator leaves an empty last part; an empty argument in between is kept.
    if (parts.size() > 1 && parts.last().isEmpty())
        parts.removeLast();
    if (parts.isEmpty() || parts.first().trimmed().isEmpty())
        return;
    // Shown as it came, carriage returns visible: the drawing host's and Revit's forms differ.
    Q_EMIT Output(HostText("Vom Modul: ") + QString(text).replace(u'\r', QStringLiteral("\\r")));
    const QString name = parts.takeFirst();
    m_pasting = true;
    Run(name, parts);
    m_pasting = false;
}

void CommandLine::Type(const QString& line) {
    QStringList words = Words(line);
    if (words.isEmpty())
        return;
    const QString name = words.takeFirst();
    Execute(name, words);
}

bool CommandLine::Execute(const QString& name, const QStringList& arguments) {
    Q_EMIT Output(QStringLiteral("> ") + (QStringList{name} + arguments).join(u' '));
    return Run(name, arguments);
}

bool CommandLine::Run(const QString& name, const QStringList& arguments) {
    const Command* command = Find(name);
    if (!command) {
        Q_EMIT Output(sformat(HostText("Unbekannter Befehl '%s' (HILFE zeigt die Befehle)."), name));
        return false;
    }
    // A command may register others while it runs; keep its handler apart from the list.
    const Handler handler = command->handler;
    handler(arguments);
    return true;
}

QStringList CommandLine::HelpLines() const {
    QStringList lines;
    for (const Command& command : m_commands)
        lines << command.name.leftJustified(14) + command.help;
    return lines;
}
