#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// The host's command line: commands pasted by the module ("InsertSymbol\r", "command\r
// argument\r", in Revit the bare command) and lines typed by the planner ("TOOLBAR H") run
// the same registered commands. Names are matched ignoring case and a leading '_' (the
// language-neutral prefix of drawing-host commands).
class CommandLine : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const QStringList& arguments)>;

    explicit CommandLine(QObject* parent = nullptr);

    void Register(const QString& name, const QString& help, Handler handler);
    bool IsKnown(const QString& name) const;
    // True while a command pasted by the module runs (the module's window was just clicked).
    bool IsPasting() const { return m_pasting; }

    // A text the module pasted: the command, then its argument, each ended by '\r'.
    void Paste(const QString& text);
    // A line the planner typed: the command and its arguments separated by blanks; an argument
    // in double quotes may hold blanks (a path).
    void Type(const QString& line);
    // Runs a command; false (and a message) when no command of that name is registered.
    bool Execute(const QString& name, const QStringList& arguments);

    // "NAME  help" for every command, in registration order.
    QStringList HelpLines() const;

Q_SIGNALS:
    // A line for the command-line pane: echoed commands, messages of the commands.
    void Output(const QString& line);

private:
    struct Command {
        QString name;
        QString help;
        Handler handler;
    };
    const Command* Find(const QString& name) const;
    bool Run(const QString& name, const QStringList& arguments);

    QList<Command> m_commands;
    bool m_pasting = false;
};
