#pragma once

#include <QFile>
#include <QPointF>
#include <QString>

#include <functional>

class CNode;
class CRecordingUiServices;
class HostWindow;
class QWidget;

// The scripted walk through the host, off-screen: every step writes a numbered screenshot
// "NN-name.png" and a line "NN name: ok | FAILED: why" to "tour.log" in the folder; node trees
// the module returns are kept as "NN-name.inf", the drawing at the end as "drawing.inf".
class Tour {
public:
    Tour(HostWindow& window, const QString& folder);

    // Runs every step; 0 when all passed, 1 otherwise.
    int Run();

private:
    using Check = std::function<QString()>; // empty: passed; else why not

    void Step(const QString& name, const Check& check, QWidget* shot = nullptr);
    QString StepPath(const QString& name, const char* extension) const;
    void StepsHydraulics();
    void StepsCanvas();
    void StepHostVariables();
    void StepsStation();
    void StepsToolbars();
    void StepsSymbolsWindow();
    void StepRevit();
    // Clicks the first symbol of the symbols window and places it at `at`; empty when done.
    QString InsertFromWindow(QPointF at);
    // Runs the station wizard, pressing `buttons` in the windows it opens one after another.
    const CNode* RunStation(const QString& name, const QList<int>& buttons);

    HostWindow& m_window;
    QString m_folder;
    QFile m_log;
    int m_number = 0;
    int m_failed = 0;
    CRecordingUiServices* m_messages = nullptr;
};
