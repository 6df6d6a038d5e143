#pragma once

#include <QString>
#include <QStringList>

// What the host was started with. Paths are absolute, resolved against the folder the host was
// started in.
struct HostOptions {
    QString installationDir;     // the installation folder (its "installation.inf" is read)
    QString settingsFile;        // empty: the user's settings file
    QString language;            // "de", "en" or empty (the usual choice)
    bool darkPalette = false;    // dark windows instead of the platform's own colours
    QString revitFolder;         // non-empty: act as Revit with its program in this folder
    QString tourDir;             // non-empty: run the scripted tour off-screen into this folder
    QString drawingFile;         // a drawing to open at start
    bool quitAfterStart = false; // leave as soon as the window is shown and filled (start-up timing)
};

struct HostOptionsResult {
    HostOptions options;
    QString error; // empty when the arguments were good
    bool helpRequested = false;
    QString helpText;
};

// Reads the command line (arguments[0] is the program). Without --installation the sample
// installation beside the program is used: share/OrvanePlanungUI/sample-installation next
// to the program's folder, as installed and as in the build tree.
HostOptionsResult ParseHostOptions(const QStringList& arguments, const QString& programFolder);

// The settings file the process works with; empty for the user's own. A tour changes settings as
// it goes (a page, a requirement), so it works on a file in its folder made anew for each run:
// a copy of --settings when one is named, else none. A run then neither changes the named file
// nor depends on an earlier run.
QString ChooseSettingsFile(const HostOptions& options);

// Makes the tour's folder and the settings file's folder when missing; empty when the run can
// write there, else what cannot be made, naming the path. Checked before the run starts, so that
// a tour does not run without its log and settings are not silently lost on leaving.
QString PrepareOutputPaths(const HostOptions& options);

QString DefaultInstallationDir(const QString& programFolder);
// The folder of the catalogue databases a build or an installation ships beside the program.
QString DefaultDatabaseDir(const QString& programFolder);
