#include "commands_entry.h"

#include "corekit/registry.h"
#include "corekit/translation.h"

#include <cstdio>
#include <cstdlib>

namespace orvane::cli {
namespace {

// Qt reports its fallback for a missing runtime folder on every start of a GUI application
// without a session (scripts, CI); the tool uses no runtime folder, so the note is dropped.
QtMessageHandler g_defaultHandler = nullptr;

void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    g_defaultHandler(type, context, message);
}

} // namespace

void runCommands(int& argc, char** argv, MakeApplication make) {
    g_defaultHandler = qInstallMessageHandler(messageHandler);
    // The settings file and the language the user may name in the environment; read here only.
    SetOrvaneSettingsFile(qEnvironmentVariable("ORVANE_SETTINGS_FILE"));
    CTranslationManager::GetInstance().SetLanguage(qEnvironmentVariable("ORVANE_LANGUAGE"));
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const std::unique_ptr<QCoreApplication> app =
        make(findCommandGroup(args.value(0)), args.mid(1), argc, argv);
    int status = 0;
    {
        QTextStream out(stdout);
        QTextStream err(stderr);
        CommandIo io{out, err};
        status = runCli(args, io);
    }
    // Everything is written and every file saved: the process ends without tearing down the
    // application, its fonts and the libraries one by one.
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

} // namespace orvane::cli
