#pragma once

#include "drawing.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class CNode;
class QWidget;

// Every call of the host into the module, through the module's exported entry points only.
namespace ModuleBridge {

// Starts the module, as the drawing host or, with a non-empty folder, as Revit with its
// program in that folder. Calling it again restarts the module as the other host.
bool Start(const QString& revitFolder);
void Stop();

// Every text the module pastes to the command line goes to `receiver` (one receiver).
void SetPasteReceiver(std::function<void(const QString&)> receiver);

// "Hydraulische Schaltungen": the "HydData" node, or null after "Schließen".
std::unique_ptr<CNode> RunHydraulics();
// The station wizard: "DrawStation", "DeleteStation", "GetStation" or null.
std::unique_ptr<CNode> RunStationWizard(const CNode* input, QWidget* parent);

// The items of the module's current symbol ("SymbolProps"), or an empty list with the reason.
// `justClicked`: the symbol's button was clicked right now, so it still exists and its slide
// is the one to draw; otherwise the slide is found from the symbol's values.
QList<DrawingItem> CurrentSymbolItems(QString& why, bool justClicked);
// The items of the indexed symbol of a block name (the host's own insert by name).
QList<DrawingItem> ItemsForBlock(const QString& blockName, QString& why);

// The path of the symbol file that holds the indexed symbol of a block name; empty when none.
QString SymbolFilePath(const QString& blockName);

// The symbol toolbars: the trade codes with a toolbar ("USER": the planner's own symbols) and
// their translated titles. Opening goes through the host commands: in the drawing host the
// current trade (host variable "CUR_GLOBAL_GEWERK_KZL") is set first, in Revit the command
// name ends in the trade letter.
QStringList ToolbarCodes();
QString ToolbarTitle(const QString& code);
void OpenToolbar(const QString& code, bool revit);
int OpenToolbarCount();
// The open toolbar windows, in the order they were opened.
QList<QWidget*> Toolbars();
void RestoreToolbars();
void ShowToolbars(bool show);
// Records the open toolbars for the next start and closes them (before the host window goes).
void StoreAndCloseToolbars();

// The docked symbols window, made as a child of `parent`; null when it cannot be made. Its
// Options button runs `options` (1: the options changed, the window fills its page again).
QWidget* CreateSymbolsWindow(QWidget* parent, long long (*options)(QWidget*));
// Tells the symbols window that the host's symbol file lists may have changed.
void RefreshSymbolsWindow(QWidget* window);

// Collects the symbol files again (in master mode all of them, else the library keeps what it
// has and reloads files that changed); answers how many the library holds.
int RefreshSymbols();

// True when the material database library can be loaded.
bool MaterialLibraryFound();

} // namespace ModuleBridge
