// orvane-host: a demo CAD host around the planning module.
#include "host_options.h"
#include "host_palette.h"
#include "host_text.h"
#include "host_window.h"
#include "installation_copy.h"
#include "installation_report.h"
#include "module_bridge.h"
#include "qt_translation.h"
#include "tour.h"

#include "corekit/registry.h"
#include "corekit/translation.h"
#include "corekitex/catalog_manager.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QTranslator>

#include <cstdio>
#include <memory>

namespace {

QString ProgramFolder(const char* argv0) {
    // The real folder of the program, also when started through a link.
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return QFileInfo(self.isEmpty() ? QString::fromLocal8Bit(argv0) : self).absolutePath();
}

QStringList Arguments(int argc, char** argv) {
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

// The settings file and the language the user may name in the environment, read here only. They
// hold from the start, so that the help text and errors about the options are already in that
// language; the command line overrides them.
void ApplyEnvironment() {
    SetOrvaneSettingsFile(qEnvironmentVariable("ORVANE_SETTINGS_FILE"));
    CTranslationManager::GetInstance().SetLanguage(qEnvironmentVariable("ORVANE_LANGUAGE"));
}

// The settings and the catalogue databases are chosen for the whole process before anything
// reads them.
void ApplyToProcess(const HostOptions& options, const QString& programFolder) {
    const QString settings = ChooseSettingsFile(options);
    if (!settings.isEmpty())
        SetOrvaneSettingsFile(settings);
    // The module's catalogue manager finds the databases a build or an installation made
    // from the catalogue sources there.
    const QString databases = DefaultDatabaseDir(programFolder);
    if (QFileInfo(databases).isDir())
        orvCatalogManager::getInstance()->setDatabaseFolders({databases});
    if (!options.tourDir.isEmpty() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace

int main(int argc, char** argv) {
    ApplyEnvironment();
    const QString programFolder = ProgramFolder(argv[0]);
    const HostOptionsResult parsed = ParseHostOptions(Arguments(argc, argv), programFolder);
    if (parsed.helpRequested) {
        std::fputs(qPrintable(parsed.helpText), stdout);
        return 0;
    }
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "orvane-host: %s\n", qPrintable(parsed.error));
        return 2;
    }
    HostOptions options = parsed.options;
    if (const QString error = PrepareOutputPaths(options); !error.isEmpty()) {
        std::fprintf(stderr, "orvane-host: %s\n", qPrintable(error));
        return 1;
    }
    ApplyToProcess(options, programFolder);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvane-host"));
    if (options.darkPalette)
        QApplication::setPalette(DarkPalette());
    // Picked again, as the settings file, and with it the user's language, may have changed.
    CTranslationManager& translation = CTranslationManager::GetInstance();
    translation.SetLanguage(options.language.isEmpty() ? translation.RequestedLanguage() : options.language);
    // Without Qt's translations installed its own buttons stay English; the host still runs.
    const std::unique_ptr<QTranslator> qtTexts = InstallQtTranslation(translation.Language());

    if (!options.tourDir.isEmpty() && QFileInfo(options.installationDir).isDir()) {
        // The tour edits symbols and writes blocks and slides: into a copy of its own.
        const QString copy = QDir(options.tourDir).filePath(QStringLiteral("installation"));
        // Without the copy the tour does not run: it would change the installation itself.
        QString error;
        if (!CopyInstallation(options.installationDir, copy, &error)) {
            std::fprintf(stderr, "orvane-host: %s\n", qPrintable(error));
            return 1;
        }
        options.installationDir = copy;
    }
    if (!options.tourDir.isEmpty()) {
        // Pictures that stay the same from run to run: one font, a cursor that does not blink.
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        QApplication::setCursorFlashTime(0);
    }
    InstallationReport report = LoadInstallation(options.installationDir);
    ModuleBridge::Start(options.revitFolder);
    if (!ModuleBridge::MaterialLibraryFound())
        report.problems << HostText(
            "Die Bibliothek der Materialdatenbank (OrvMat) wurde neben dem Modul nicht "
            "gefunden: keine Wohnungsstationen.");
    for (const QString& problem : report.problems)
        std::fprintf(stderr, "orvane-host: %s\n", qPrintable(problem));

    int result = 0;
    {
        HostWindow window(options, report);
        QString drawingError;
        if (!options.drawingFile.isEmpty() && !window.OpenDrawing(options.drawingFile, &drawingError))
            std::fprintf(stderr, "orvane-host: %s\n", qPrintable(drawingError));
        if (!options.tourDir.isEmpty()) {
            result = Tour(window, options.tourDir).Run();
        } else {
            window.show();
            window.RestoreWindows();
            if (options.quitAfterStart)
                window.QuitWhenFilled();
            result = QApplication::exec();
        }
    }
    ModuleBridge::Stop();
    return result;
}
