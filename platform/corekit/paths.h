#pragma once

#include <QDateTime>
#include <QString>

// Paths. Inside the code paths use '/'; values read from data (symbol files, file lists,
// host variables) may hold '\' and are normalised when they become a CFilePath or CDirPath,
// or pass through one of the functions here. A drive letter ("C:/...") counts as absolute so
// that paths written on another system keep their meaning.

class CDirPath;

// The text with '\' read as '/'.
QString NormalizeSeparators(const QString& path);

class CFilePath {
public:
    CFilePath() = default;
    CFilePath(const QString& path);
    CFilePath(const char* path) : CFilePath(QString::fromUtf8(path)) {}

    const QString& GetPath() const { return m_path; }
    operator const QString&() const { return m_path; }
    bool IsEmpty() const { return m_path.isEmpty(); }

    CDirPath GetDirPath() const;      // the folder part; empty for a bare name
    QString GetFileName() const;      // name with extension
    QString GetShortFileName() const; // name without folder and last extension
    QString GetFileExt() const;       // last extension without the dot; empty when none
    // Replaces (or adds) the last extension; an empty `ext` removes it.
    void SetFileExt(const QString& ext);
    bool IsFileExt(const QString& ext) const; // ignoring case; `ext` with or without dot
    bool IsAbsolute() const;
    // Removes "." and ".." parts and doubled separators.
    void Normalize();
    bool Exists() const;

private:
    QString m_path;
};

class CDirPath {
public:
    CDirPath() = default;
    CDirPath(const QString& path); // a trailing separator is dropped
    CDirPath(const char* path) : CDirPath(QString::fromUtf8(path)) {}

    const QString& GetPath() const { return m_path; }
    operator const QString&() const { return m_path; }
    bool IsEmpty() const { return m_path.isEmpty(); }

    // Appends sub folders ("Symbol Toolbars", "a\\b\\" alike).
    CDirPath& AppendDir(const QString& dir);
    QString GetDirName() const; // the folder's own name
    CDirPath GetParentDirPath() const;
    // The same folder after normalising both paths (case-sensitive, as the file system is).
    bool IsEqual(const CDirPath& other) const;
    bool Exists() const;

private:
    QString m_path;
};

// Joins two path parts with exactly one '/' between them; '\' in either is read as '/'.
QString operator^(const QString& left, const QString& right);
inline QString operator^(const CDirPath& left, const QString& right) {
    return left.GetPath() ^ right;
}

// `file` completed to a full path: a relative file is taken from `dir`, and `ext` is added
// when the file has no extension.
QString CompleteFilePath(const QString& file, const QString& dir, const QString& ext);
// `path` relative to the folder `base` (e.g. "Heizung/pump.sld", "../x.inf").
QString CalcRelativePath(const QString& path, const QString& base);
// Creates the folder and its missing parents; true when it exists afterwards.
bool CreateDirectoryRecursive(const QString& dir);
// The time the file was last written, invalid when there is no such file.
QDateTime GetFileTime(const QString& path);
