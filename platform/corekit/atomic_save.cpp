#include "atomic_save.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kRandomLength = 6;
const char kRandomChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// The file a save of `path` replaces: through a link to what it points to.
QString resolvedTarget(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

bool isLeftoverName(const QString& name, const QString& prefix) {
    if (name.size() != prefix.size() + kRandomLength || !name.startsWith(prefix))
        return false;
    for (qsizetype i = prefix.size(); i < name.size(); ++i)
        if (!QLatin1StringView(kRandomChars).contains(name[i]))
            return false;
    return true;
}

// Removes what killed saves of the same file left; a file a running save holds stays.
void removeLeftovers(const QString& target) {
    const QFileInfo info(target);
    const QString prefix = AtomicSave::TemporaryPrefix(target);
    const QDir dir = info.absoluteDir();
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& name : names) {
        if (!isLeftoverName(name, prefix))
            continue;
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
        ::close(fd);
    }
}

// Creates a new temporary file beside `target`, locked for as long as it is open.
int createTemporary(const QString& target, QString& name) {
    const QString prefix = QFileInfo(target).absoluteDir().filePath(AtomicSave::TemporaryPrefix(target));
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix;
        for (int i = 0; i < kRandomLength; ++i)
            name +=
                QLatin1Char(kRandomChars[QRandomGenerator::global()->bounded(int(sizeof kRandomChars) - 1)]);
        const int fd =
            ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

} // namespace

AtomicSave::AtomicSave(const QString& path) : m_target(resolvedTarget(path)) {}

AtomicSave::~AtomicSave() {
    discard();
}

QString AtomicSave::TemporaryPrefix(const QString& path) {
    return QFileInfo(path).fileName() + QStringLiteral(".orvane-save-");
}

bool AtomicSave::open(OpenMode mode) {
    if (isOpen() || (mode & ~QIODevice::Unbuffered) != QIODevice::WriteOnly) {
        setErrorString(QStringLiteral("a save is opened once, for writing only"));
        return false;
    }
    removeLeftovers(m_target);
    const int fd = createTemporary(m_target, m_temporary);
    if (fd < 0) {
        setErrorString(qt_error_string(errno));
        m_temporary.clear();
        return false;
    }
    struct stat st {};
    if (::stat(QFile::encodeName(m_target).constData(), &st) == 0)
        ::fchmod(fd, st.st_mode & 07777);
    if (!QFile::open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        discard();
        return false;
    }
    return true;
}

bool AtomicSave::commit() {
    if (!isOpen() || m_temporary.isEmpty())
        return false;
    // Renamed while still open, so that the lock keeps other saves' clean-up off it.
    const bool ok =
        error() == QFileDevice::NoError && flush() && ::fsync(handle()) == 0 &&
        ::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_target).constData()) == 0;
    if (!ok) {
        const QString reason = error() != QFileDevice::NoError ? errorString() : qt_error_string(errno);
        discard();
        setErrorString(reason);
        return false;
    }
    m_temporary.clear();
    close();
    return true;
}

void AtomicSave::cancelWriting() {
    discard();
}

void AtomicSave::discard() {
    if (isOpen())
        close();
    if (!m_temporary.isEmpty())
        ::unlink(QFile::encodeName(m_temporary).constData());
    m_temporary.clear();
}
