#include "installation_copy.h"

#include "host_text.h"

#include "corekit/text_utils.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace {

// The path with links resolved where it exists; a folder still to be made as given.
QString RealPath(const QString& absolute) {
    const QString real = QFileInfo(absolute).canonicalFilePath();
    return real.isEmpty() ? absolute : real;
}

bool Within(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder + u'/');
}

} // namespace

bool CopyInstallation(const QString& from, const QString& to, QString* error) {
    const auto say = [error](const QString& text, const QString& path) {
        if (error)
            *error = sformat(text, path);
        return false;
    };
    const auto fail = [&say](const QString& path) {
        return say(HostText("Die Installation konnte nicht kopiert werden: %s"), path);
    };
    // Both named from their absolute paths: the entries of a relative source (as typed on the
    // command line) would otherwise keep their relative names and nest below the copy.
    const QDir source(QDir::cleanPath(QFileInfo(from).absoluteFilePath()));
    const QDir target(QDir::cleanPath(QFileInfo(to).absoluteFilePath()));
    if (!source.exists())
        return fail(source.path());
    // Emptying the target first would delete the source, or the copy would copy itself.
    const QString root = source.canonicalPath();
    if (Within(RealPath(target.path()), root) || Within(root, RealPath(target.path())))
        return say(HostText("Die Installation und ihre Kopie liegen ineinander: %s"), target.path());
    if ((target.exists() && !QDir(target).removeRecursively()) || !QDir().mkpath(target.path()))
        return fail(target.path());
    // A link stays a link: the trades' slide folders link to one folder of the installation, and
    // the copy's links point into the copy. A link out of the installation keeps its target.
    QDirIterator entries(source.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
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
