#pragma once

#include "app.h"
#include "orvane_export.h"

#include <QString>

// The host's command line: the module hands work to the host by pasting command texts.

// The text for the host's command line: "command\rargument\r" with an argument; without one
// "command\r" in the drawing host and the bare command in Revit (theApp decides).
QString FormatHostCommand(const QString& command, const QString& argument = QString());

// Hands `text` to the host's registered callback; does nothing before the host registered one.
// Every caller passes a = 0 and b = 1.
void PasteToCommandLine(const QString& text, int a = 0, int b = 1);

namespace DlgSymbols {
// The host registers its paste-to-command-line callback here (null unregisters).
ORVANE_EXPORT void SetOrvanePasteToCommandLineFunc(PasteToCommandLineFunc func);
} // namespace DlgSymbols
