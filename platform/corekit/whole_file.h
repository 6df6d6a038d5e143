#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QFile;

// Every reader that takes a file in one piece goes through here. Only a regular file is read
// (a link is followed to one), and never more than the reader's limit: a name that leads to a
// directory, a FIFO (which would wait for a writer) or a device (/dev/zero never ends), or a
// file larger than the reader expects, is refused before a byte is read.
struct WholeFileError {
    enum Kind { None, Missing, DanglingLink, Directory, NotRegular, TooLarge, Unreadable };
    Kind kind = None;
    QString file;
    QString message; // English, for maintainers and logs: "is a directory", "is larger than ..."

    // "file: message".
    QString ToString() const;
};

// Opens `path` for reading when it is a regular file of at most `maxBytes` bytes. The checks
// are made on the opened file itself, so a name swapped for something else in between is
// still caught. For readers that map a large file instead of reading it.
bool OpenRegularFile(const QString& path, qint64 maxBytes, QFile& file, WholeFileError* error = nullptr);

// The whole content of the regular file at `path`, at most `maxBytes` bytes (a file that grows
// beyond them while it is read is refused too); nothing, and `error` when given, otherwise.
std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 maxBytes,
                                        WholeFileError* error = nullptr);
// The rest of a file that OpenRegularFile opened, under the same limit.
std::optional<QByteArray> ReadOpenedFile(QFile& file, const QString& path, qint64 maxBytes,
                                         WholeFileError* error = nullptr);
