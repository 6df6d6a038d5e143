#include "whole_file.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString WholeFileError::ToString() const {
    return file + QStringLiteral(": ") + message;
}

namespace {

bool fail(WholeFileError* error, const QString& path, WholeFileError::Kind kind, const QString& message) {
    if (error)
        *error = {kind, path, message};
    return false;
}

bool failErrno(WholeFileError* error, const QString& path, int code) {
    return fail(error, path, WholeFileError::Unreadable,
                QStringLiteral("cannot be read: ") + qt_error_string(code));
}

QString notRegularMessage(mode_t mode) {
    const char* what = S_ISFIFO(mode)   ? "FIFO"
                       : S_ISCHR(mode)  ? "character device"
                       : S_ISBLK(mode)  ? "block device"
                       : S_ISSOCK(mode) ? "socket"
                                        : "special file";
    return QStringLiteral("is not a regular file (%1)").arg(QLatin1String(what));
}

// What is wrong with a file of this kind and size, or false when nothing is.
bool refuse(const struct stat& st, const QString& path, qint64 maxBytes, WholeFileError* error) {
    if (S_ISDIR(st.st_mode))
        return !fail(error, path, WholeFileError::Directory, QStringLiteral("is a directory"));
    if (!S_ISREG(st.st_mode))
        return !fail(error, path, WholeFileError::NotRegular, notRegularMessage(st.st_mode));
    if (st.st_size > maxBytes)
        return !fail(error, path, WholeFileError::TooLarge,
                     QStringLiteral("is larger than %1 bytes").arg(maxBytes));
    return false;
}

} // namespace

bool OpenRegularFile(const QString& path, qint64 maxBytes, QFile& file, WholeFileError* error) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    // Looked at before opening, so that no device is ever opened (opening one may act).
    if (::stat(name.constData(), &st) != 0) {
        const int code = errno;
        struct stat link {};
        if (code == ENOENT && ::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode))
            return fail(error, path, WholeFileError::DanglingLink, QStringLiteral("is a dangling link"));
        if (code == ENOENT)
            return fail(error, path, WholeFileError::Missing, QStringLiteral("does not exist"));
        return failErrno(error, path, code);
    }
    if (refuse(st, path, maxBytes, error))
        return false;
    // Non-blocking, so that a FIFO put in its place meanwhile does not wait for a writer; the
    // flag means nothing for the regular file that the second look below insists on.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failErrno(error, path, errno);
    if (::fstat(fd, &st) != 0) {
        const int code = errno;
        ::close(fd);
        return failErrno(error, path, code);
    }
    if (refuse(st, path, maxBytes, error)) {
        ::close(fd);
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(error, path, WholeFileError::Unreadable,
                    QStringLiteral("cannot be read: ") + file.errorString());
    }
    return true;
}

std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 maxBytes, WholeFileError* error) {
    QFile file;
    if (!OpenRegularFile(path, maxBytes, file, error))
        return std::nullopt;
    return ReadOpenedFile(file, path, maxBytes, error);
}

std::optional<QByteArray> ReadOpenedFile(QFile& file, const QString& path, qint64 maxBytes,
                                         WholeFileError* error) {
    // Read until the end, which may come later than the size said (a file that grows, or one
    // of /proc that says 0); one byte more than allowed is enough to refuse it.
    const qint64 limit = maxBytes + 1;
    QByteArray bytes(qsizetype(std::min(file.size(), maxBytes) + 1), Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled >= limit)
                break;
            bytes.resize(qsizetype(std::min<qint64>(limit, qint64(filled) * 2)));
        }
        const qint64 got = file.read(bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            fail(error, path, WholeFileError::Unreadable,
                 QStringLiteral("cannot be read: ") + file.errorString());
            return std::nullopt;
        }
        if (got == 0)
            break;
        filled += qsizetype(got);
    }
    bytes.truncate(filled);
    if (bytes.size() > maxBytes) {
        fail(error, path, WholeFileError::TooLarge, QStringLiteral("is larger than %1 bytes").arg(maxBytes));
        return std::nullopt;
    }
    return bytes;
}
