#include "command_pane.h"

#include "command_line.h"
#include "host_text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CommandPane::CommandPane(CommandLine& commandLine, QWidget* parent)
    : QWidget(parent), m_commandLine(commandLine) {
    m_output = new QPlainTextEdit(this);
    m_output->setReadOnly(true);
    m_output->setMaximumBlockCount(5000);
    m_output->setAccessibleName(HostText("Befehlszeilenverlauf"));
    m_input = new QLineEdit(this);
    m_input->setPlaceholderText(HostText("Befehl eingeben (HILFE zeigt die Befehle)"));
    m_input->setAccessibleName(HostText("Befehlszeile"));
    m_input->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_output);
    layout->addWidget(m_input);
    connect(m_input, &QLineEdit::returnPressed, this, &CommandPane::OnReturn);
    connect(&commandLine, &CommandLine::Output, this, &CommandPane::AppendLine);
}

void CommandPane::AppendLine(const QString& line) {
    m_output->appendPlainText(line);
}

QString CommandPane::Text() const {
    return m_output->toPlainText();
}

void CommandPane::Clear() {
    m_output->clear();
}

void CommandPane::OnReturn() {
    const QString line = m_input->text().trimmed();
    m_input->clear();
    if (line.isEmpty())
        return;
    m_typed << line;
    m_historyPos = int(m_typed.size());
    m_commandLine.Type(line);
}

bool CommandPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_input && event->type() == QEvent::KeyPress && !m_typed.isEmpty()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            m_historyPos = std::clamp(m_historyPos + (key == Qt::Key_Up ? -1 : 1), 0, int(m_typed.size()));
            m_input->setText(m_historyPos < m_typed.size() ? m_typed[m_historyPos] : QString());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
