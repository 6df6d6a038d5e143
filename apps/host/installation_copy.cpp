#include "installation_copy.h"

#include "host_text.h"

#include "corekit/text_utils.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

bool CopyInstallation(const QString& from, const QString& to, QString* error) {
    const auto fail = [error](const QString& path) {
        if (error)
            *error = sformat(HostText("Die Installation konnte nicht kopiert werden: %s"), path);
        return false;
    };
    QDir target(to);
    if (target.exists() && !target.removeRecursively())
        return fail(to);
    const QDir source(from);
    if (!source.exists() || !QDir().mkpath(to))
        return fail(source.exists() ? to : from);
    // A link stays a link: the trades' slide folders link to one folder of the installation, and
    // the copy's links point into the copy. A link out of the installation keeps its target.
    const QString root = QFileInfo(from).canonicalFilePath();
    QDirIterator entries(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        const QString copy = target.filePath(source.relativeFilePath(entry.filePath()));
        if (!QDir().mkpath(QFileInfo(copy).absolutePath()))
            return fail(copy);
        bool copied = false;
        if (entry.isSymLink()) {
            const QString to = entry.canonicalFilePath();
            const bool inside = to.startsWith(root + u'/');
            const QString linkFolder = QFileInfo(entry.absolutePath()).canonicalFilePath();
            copied = QFile::link(inside ? QDir(linkFolder).relativeFilePath(to) : to, copy);
        } else if (entry.isDir()) {
            copied = QDir().mkpath(copy);
        } else {
            // An installed share folder may be read-only; the copy is there to be changed.
            copied =
                QFile::copy(entry.filePath(), copy) &&
                QFile::setPermissions(copy, QFile::permissions(copy) | QFile::WriteOwner | QFile::ReadOwner);
        }
        if (!copied)
            return fail(entry.filePath());
    }
    return true;
}
