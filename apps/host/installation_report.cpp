#include "installation_report.h"

#include "host_text.h"

#include "corekit/installation.h"
#include "corekit/text_utils.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace {

int CountFiles(const QString& folder, const QStringList& patterns, QDirIterator::IteratorFlags flags) {
    int count = 0;
    QDirIterator it(folder, patterns, QDir::Files, flags);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

} // namespace

InstallationReport LoadInstallation(const QString& folder) {
    InstallationReport report;
    const QString root = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (!QFileInfo(root).isDir()) {
        report.problems << sformat(HostText("Der Installationsordner %s existiert nicht: keine Symbole, "
                                            "keine Kataloge, keine Wohnungsstationen."),
                                   QDir::toNativeSeparators(root));
        return report;
    }
    const QString file = root + QStringLiteral("/installation.inf");
    QString error;
    COrvaneInstallation& installation = COrvaneInstallation::GetInstance();
    if (!installation.Load(file, &error)) {
        report.problems << sformat(HostText("Die Installationsdatei %s kann nicht gelesen werden: %s"),
                                   QDir::toNativeSeparators(file), error);
        return report;
    }
    report.loaded = true;

    const QString symbols = installation.SupportFolder() + QStringLiteral("/Symbol Toolbars");
    report.symbolFiles = CountFiles(symbols, {QStringLiteral("*.inf"), QStringLiteral("*.infx")},
                                    QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
    if (report.symbolFiles == 0)
        report.problems << sformat(HostText("Keine Symboldateien in %s: das Symbolfenster und die "
                                            "Symbolleisten bleiben leer."),
                                   QDir::toNativeSeparators(symbols));

    const QString catalogs = installation.CatalogFolder();
    report.catalogs = CountFiles(catalogs, {QStringLiteral("*.inf")}, QDirIterator::NoIteratorFlags);
    if (report.catalogs == 0)
        report.problems << sformat(HostText("Keine Kataloge in %s: der Wohnungsstationen-Assistent hat "
                                            "keine Produkte."),
                                   QDir::toNativeSeparators(catalogs));
    return report;
}
