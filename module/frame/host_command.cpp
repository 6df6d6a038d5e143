#include "host_command.h"

#include <string>

QString FormatHostCommand(const QString& command, const QString& argument) {
    if (!argument.isEmpty())
        return command + u'\r' + argument + u'\r';
    if (theApp.m_isAcadHost == 1)
        return command + u'\r';
    return command;
}

void PasteToCommandLine(const QString& text, int a, int b) {
    if (!g_pfnPasteToCommandLine)
        return;
    const std::wstring wide = text.toStdWString();
    g_pfnPasteToCommandLine(wide.c_str(), a, b);
}

namespace DlgSymbols {
void SetOrvanePasteToCommandLineFunc(PasteToCommandLineFunc func) {
    g_pfnPasteToCommandLine = func;
}
} // namespace DlgSymbols
