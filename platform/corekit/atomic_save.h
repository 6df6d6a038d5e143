#pragma once

#include <QFile>
#include <QString>

// Writes a file so that it is replaced whole or not at all: what is written goes to a
// temporary file beside it, "NAME.orvane-save-XXXXXX" (six letters or digits), which commit()
// renames over NAME. A save that is killed before that leaves the temporary file behind; the
// next save of NAME removes such leftovers: names of exactly that form, regular files only,
// and only when no running save still holds them (each save keeps its file locked).
// A link is followed, so that the file it points to is replaced and the link stays.
class AtomicSave : public QFile {
public:
    explicit AtomicSave(const QString& path);
    ~AtomicSave() override; // an uncommitted save is cancelled
    AtomicSave(const AtomicSave&) = delete;
    AtomicSave& operator=(const AtomicSave&) = delete;

    // Opens the temporary file for writing (only QIODevice::WriteOnly is accepted). The new
    // file gets the permissions of the one it replaces.
    bool open(OpenMode mode) override;
    // Puts what was written in place of NAME; false, with NAME unchanged, when a write failed
    // or the rename did not happen.
    bool commit();
    // Throws away what was written; NAME stays as it was.
    void cancelWriting();

    // The start of every temporary file name of a save of `path`.
    static QString TemporaryPrefix(const QString& path);

private:
    void discard();

    QString m_target;
    QString m_temporary;
};
