#pragma once

#include "command_line.h"
#include "drawing.h"
#include "host_options.h"
#include "installation_report.h"

#include <QMainWindow>

class CNode;
class CommandPane;
class DrawingView;
class QDockWidget;
class QLabel;
class TreeViewer;

// The host's main window: the canvas in the middle, the command line below, the node trees
// the module returned on the right; menus and typed commands reach the same commands.
class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    HostWindow(const HostOptions& options, const InstallationReport& report, QWidget* parent = nullptr);
    ~HostWindow() override;

    Drawing& GetDrawing() { return m_drawing; }
    DrawingView* View() const { return m_view; }
    CommandLine& Commands() { return m_commands; }
    CommandPane* Pane() const { return m_pane; }
    TreeViewer* Trees() const { return m_trees; }
    const HostOptions& Options() const { return m_options; }
    // The module's docked symbols window; null when the module could not make it.
    QWidget* SymbolsWindow() const { return m_symbols; }

    // Runs the hydraulic circuit dialog; the returned node goes to the tree viewer.
    const CNode* RunHydraulics();
    // Runs the station wizard with the selected station, if any: a drawn station is placed at
    // the next click (a fetched one anew where it stood), "Löschen" deletes the selected one,
    // "Holen" reopens the wizard with the selected (or the only) station. The answer goes to the
    // tree viewer.
    const CNode* RunStationWizard();
    void ShowHostVariables();
    // Opens the symbol toolbar of a trade code ("USER": "Freie Symbole").
    void OpenToolbar(const QString& code);
    // Hides the host's panels and the toolbars with them, or shows them again.
    void HidePanels(bool hide);
    // Makes the docked symbols window and opens the toolbars of the last run; the module's
    // windows need the host's window on screen.
    void RestoreWindows();
    // Restarts the module as Revit with its program in `folder`, or as the drawing host.
    void ActAsRevit(const QString& folder);

    // Leaves the event loop once the shown window has painted its docked windows' content.
    void QuitWhenFilled();

    bool SaveDrawing(const QString& path);
    // Says a failure in the command pane and, when asked, hands its reason to `error` too.
    bool OpenDrawing(const QString& path, QString* error = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void RegisterCommands();
    void CreateMenus();
    void CreateToolbarMenu();
    // (Re)makes the symbols window in its dock, for the host kind the module runs as now.
    void CreateSymbolsWindow();
    void ShowInstallation(const InstallationReport& report);
    void BeginInsert(const QString& command);
    // "CreateSymbolBlock" (block) and "CreateSymbolSlide": the selection into the symbol library.
    void CreateSymbolFiles(bool block);
    void Say(const QString& line);
    void OnSave();
    void OnSaveAs();
    void OnOpen();
    void OnNew();
    void OnActAsRevit(bool on);
    void UpdateTitle();

    HostOptions m_options;
    Drawing m_drawing;
    CommandLine m_commands;
    DrawingView* m_view = nullptr;
    CommandPane* m_pane = nullptr;
    TreeViewer* m_trees = nullptr;
    QLabel* m_banner = nullptr;
    QDockWidget* m_symbolsDock = nullptr;
    QWidget* m_symbols = nullptr;
    QString m_drawingPath;
    QString m_revitFolder;
};
