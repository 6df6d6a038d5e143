#include "host_detection.h"

#include "corekit/dll_module.h"
#include "corekit/paths.h"
#include "corekit/text_utils.h"

#include <QDir>

namespace {
QString g_revitProgramFolder;
} // namespace

namespace HostDetection {

QString RevitVersionFromProgramFolder(const QString& programFolder) {
    const QString name = CDirPath(programFolder).GetDirName();
    QString version;
    if (!GetNotEmptyToken(name, QStringLiteral(" "), 1, version))
        return QString();
    return version == QLatin1String("Preview") ? QStringLiteral("2018") : version;
}

void SetRevitProgramFolder(const QString& folder) {
    g_revitProgramFolder = folder;
}

QString FindRevitProgram() {
    if (g_revitProgramFolder.isEmpty())
        return QString();
    return CDirPath(g_revitProgramFolder).GetPath() ^ QStringLiteral("Revit.exe");
}

HostKind DetectHost() {
    HostKind kind;
    const QString revitProgram = FindRevitProgram();
    if (revitProgram.isEmpty())
        return kind;
    // As for any program part: its descriptor knows the folder it lives in.
    CDllModule revit;
    revit.InitFromFile(revitProgram);
    kind.isRevit = true;
    kind.revitVersion = RevitVersionFromProgramFolder(revit.Get(CDllModule::kProgramDir));
    return kind;
}

} // namespace HostDetection
