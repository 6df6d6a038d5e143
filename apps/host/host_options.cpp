#include "host_options.h"

#include "host_text.h"

#include "corekit/text_utils.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QString ShareFolder(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/OrvanePlanungUI"));
}

// A path as typed ("x", "./x/", "../x") made absolute against the folder the host was started
// in, once: what later works with it (a copy, a tour that changes folders, messages) sees one
// full path. Empty stays empty.
QString Resolved(const QString& typed) {
    return typed.isEmpty() ? typed : QDir::cleanPath(QFileInfo(typed).absoluteFilePath());
}
} // namespace

QString DefaultInstallationDir(const QString& programFolder) {
    return ShareFolder(programFolder) + QStringLiteral("/sample-installation");
}

QString DefaultDatabaseDir(const QString& programFolder) {
    return ShareFolder(programFolder) + QStringLiteral("/catalogs");
}

HostOptionsResult ParseHostOptions(const QStringList& arguments, const QString& programFolder) {
    QCommandLineParser parser;
    parser.setApplicationDescription(HostText("Demo-Host des Planungsmoduls"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  HostText("Diese Hilfe zeigen"));
    const QCommandLineOption installation(QStringLiteral("installation"),
                                          HostText("Installationsordner (Vorgabe: die Beispielinstallation)"),
                                          QStringLiteral("DIR"));
    const QCommandLineOption settings(QStringLiteral("settings"), HostText("Einstellungsdatei des Benutzers"),
                                      QStringLiteral("FILE"));
    const QCommandLineOption language(QStringLiteral("language"), HostText("Sprache: de oder en"),
                                      QStringLiteral("de|en"));
    const QCommandLineOption palette(QStringLiteral("palette"),
                                     HostText("Farben der Fenster: light (die des Systems) oder dark"),
                                     QStringLiteral("light|dark"));
    const QCommandLineOption revit(QStringLiteral("revit"),
                                   HostText("Als Revit laufen, mit diesem Programmordner"),
                                   QStringLiteral("DIR"));
    const QCommandLineOption tour(
        QStringLiteral("tour"),
        HostText("Den Rundgang ohne Bildschirm ausführen, Bilder und Protokoll in DIR"),
        QStringLiteral("DIR"));
    const QCommandLineOption quit(
        QStringLiteral("quit-after-start"),
        HostText("Beenden, sobald das Fenster gefüllt gezeigt wird (Startzeit messen)"));
    parser.addOptions({help, installation, settings, language, palette, revit, tour, quit});
    parser.addPositionalArgument(QStringLiteral("drawing"), HostText("Zeichnung, die geöffnet wird"),
                                 QStringLiteral("[DRAWING]"));

    HostOptionsResult result;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        result.helpRequested = true;
        result.helpText = parser.helpText();
        return result;
    }
    HostOptions& o = result.options;
    o.installationDir = Resolved(parser.isSet(installation) ? parser.value(installation)
                                                            : DefaultInstallationDir(programFolder));
    o.settingsFile = Resolved(parser.value(settings));
    o.language = parser.value(language);
    const QString paletteName = parser.value(palette);
    o.darkPalette = paletteName == u"dark";
    o.revitFolder = Resolved(parser.value(revit));
    o.tourDir = Resolved(parser.value(tour));
    o.quitAfterStart = parser.isSet(quit);
    for (const QCommandLineOption* path : {&installation, &settings, &revit, &tour})
        if (parser.isSet(*path) && parser.value(*path).isEmpty())
            result.error = sformat(HostText("--%s braucht einen Pfad."), path->names().first());
    if (!o.language.isEmpty() && o.language != u"de" && o.language != u"en")
        result.error = sformat(HostText("Unbekannte Sprache '%s' (de oder en)."), o.language);
    if (!paletteName.isEmpty() && paletteName != u"light" && !o.darkPalette)
        result.error = sformat(HostText("Unbekannte Farben '%s' (light oder dark)."), paletteName);
    const QStringList drawings = parser.positionalArguments();
    if (drawings.size() > 1)
        result.error = HostText("Höchstens eine Zeichnung angeben.");
    else if (!drawings.isEmpty())
        o.drawingFile = Resolved(drawings.first());
    return result;
}

QString ChooseSettingsFile(const HostOptions& options) {
    if (options.tourDir.isEmpty())
        return options.settingsFile.isEmpty() ? QString()
                                              : QFileInfo(options.settingsFile).absoluteFilePath();
    QDir().mkpath(options.tourDir);
    const QString own = QFileInfo(QDir(options.tourDir), QStringLiteral("settings.ini")).absoluteFilePath();
    QFile::remove(own);
    if (!options.settingsFile.isEmpty())
        QFile::copy(options.settingsFile, own); // a named file that is not there: start from none
    return own;
}

QString PrepareOutputPaths(const HostOptions& options) {
    if (!options.tourDir.isEmpty() && !QDir().mkpath(options.tourDir))
        return sformat(HostText("Der Ordner des Rundgangs %s kann nicht angelegt werden."), options.tourDir);
    const QFileInfo settings(options.settingsFile);
    if (!options.settingsFile.isEmpty() && (settings.isDir() || !QDir().mkpath(settings.absolutePath())))
        return sformat(HostText("Die Einstellungsdatei %s kann nicht angelegt werden."),
                       options.settingsFile);
    return {};
}
