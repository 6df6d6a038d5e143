#pragma once

#include <QWidget>

class CommandLine;
class QLineEdit;
class QPlainTextEdit;

// The command-line pane: every line the command line puts out, and a field for typed commands
// (Up and Down walk through the ones typed before).
class CommandPane : public QWidget {
    Q_OBJECT
public:
    CommandPane(CommandLine& commandLine, QWidget* parent = nullptr);

    void AppendLine(const QString& line);
    QString Text() const;
    void Clear();
    QLineEdit* Input() const { return m_input; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnReturn();

    CommandLine& m_commandLine;
    QPlainTextEdit* m_output;
    QLineEdit* m_input;
    QStringList m_typed;
    int m_historyPos = 0;
};
