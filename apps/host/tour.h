#pragma once

#include <QFile>
#include <QImage>
#include <QPointF>
#include <QString>

#include <functional>

class CNode;
class CRecordingUiServices;
class HostWindow;
class QWidget;

// The scripted walk through the host, off-screen: every step writes a numbered screenshot
// "NN-name.png" and a line "NN name: ok [what it found] | FAILED: why" to "tour.log" in the
// folder; node trees the module returns are kept as "NN-name.inf", the drawing at the end as
// "drawing.inf". The tour changes the installation's files (a symbol's properties, a created
// block and slide): it runs on a copy.
class Tour {
public:
    Tour(HostWindow& window, const QString& folder);

    // Runs every step; 0 when all passed, 1 otherwise.
    int Run();

private:
    using Check = std::function<QString()>; // empty: passed; else why not

    void Step(const QString& name, const Check& check, QWidget* shot = nullptr);
    QString StepPath(const QString& name, const char* extension) const;
    // Saves a picture of the step beside its screenshot: "NN-<step>-<what>.png".
    void SaveShot(QWidget* widget, const QString& what) const;
    void StepMainWindow();
    void StepsHydraulics();
    void StepsCanvas();
    void StepHostVariables();
    void StepsStation();
    void StepStationFails();
    void StepsToolbars();
    void StepsSymbolsWindow();
    void StepSearch();
    void StepQuickFind();
    void StepSymbolOptions();
    void StepsSymbolEdit();
    void StepsSymbolCreation();
    void StepRevit();
    // Clicks the first symbol of the symbols window and places it at `at`; empty when done.
    QString InsertFromWindow(QPointF at);
    // The wizard's check as it shows it: failed (a diagram beside the result) and the result's lines.
    struct StationCheck {
        bool failed = true;
        QString result;
    };
    static StationCheck CheckOf(QWidget* wizard);
    // Runs the station wizard, pressing `buttons` in the windows it opens one after another;
    // `check` receives what the first window showed.
    const CNode* RunStation(const QList<int>& buttons, StationCheck* check = nullptr);
    // Right-clicks the symbol button named `symbol` on page `page` of the symbols window and runs
    // `edit` on its properties dialog; empty when done, else why not.
    QString EditSymbol(const QString& page, const QString& symbol, const std::function<void(QWidget*)>& edit);

    HostWindow& m_window;
    QString m_folder;
    QFile m_log;
    int m_number = 0;
    int m_failed = 0;
    QString m_stepName;
    QString m_found;  // what the running step found, for its log line
    QImage m_picture; // the running step's picture when it is more than the window
    CRecordingUiServices* m_messages = nullptr;
};
