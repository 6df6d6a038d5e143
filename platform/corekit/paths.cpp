#include "paths.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool hasDriveLetter(const QString& path) {
    return path.size() >= 2 && path[1] == u':' && path[0].isLetter() && (path.size() == 2 || path[2] == u'/');
}

QString withoutTrailingSeparator(QString path) {
    while (path.size() > 1 && path.endsWith(u'/') && !(path.size() == 3 && hasDriveLetter(path)))
        path.chop(1);
    return path;
}

// The index of the dot that starts the extension of the last part, or -1.
qsizetype extensionDot(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > slash + 1 ? dot : -1;
}

} // namespace

QString NormalizeSeparators(const QString& path) {
    QString result = path;
    result.replace(u'\\', u'/');
    return result;
}

CFilePath::CFilePath(const QString& path) : m_path(NormalizeSeparators(path)) {}

CDirPath CFilePath::GetDirPath() const {
    const qsizetype slash = m_path.lastIndexOf(u'/');
    if (slash < 0)
        return CDirPath();
    return CDirPath(slash == 0 ? QStringLiteral("/") : m_path.left(slash));
}

QString CFilePath::GetFileName() const {
    return m_path.mid(m_path.lastIndexOf(u'/') + 1);
}

QString CFilePath::GetShortFileName() const {
    const QString name = GetFileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.left(dot) : name;
}

QString CFilePath::GetFileExt() const {
    const qsizetype dot = extensionDot(m_path);
    return dot < 0 ? QString() : m_path.mid(dot + 1);
}

void CFilePath::SetFileExt(const QString& ext) {
    const qsizetype dot = extensionDot(m_path);
    if (dot >= 0)
        m_path.truncate(dot);
    QString bare = ext;
    if (bare.startsWith(u'.'))
        bare.remove(0, 1);
    if (!bare.isEmpty())
        m_path += u'.' + bare;
}

bool CFilePath::IsFileExt(const QString& ext) const {
    QString bare = ext;
    if (bare.startsWith(u'.'))
        bare.remove(0, 1);
    return GetFileExt().compare(bare, Qt::CaseInsensitive) == 0 && !bare.isEmpty();
}

bool CFilePath::IsAbsolute() const {
    return m_path.startsWith(u'/') || hasDriveLetter(m_path);
}

void CFilePath::Normalize() {
    if (!m_path.isEmpty())
        m_path = QDir::cleanPath(m_path);
}

bool CFilePath::Exists() const {
    return !m_path.isEmpty() && QFileInfo::exists(m_path);
}

CDirPath::CDirPath(const QString& path) : m_path(withoutTrailingSeparator(NormalizeSeparators(path))) {}

CDirPath& CDirPath::AppendDir(const QString& dir) {
    m_path = withoutTrailingSeparator(m_path ^ dir);
    return *this;
}

QString CDirPath::GetDirName() const {
    if (m_path == u"/")
        return QString();
    return m_path.mid(m_path.lastIndexOf(u'/') + 1);
}

CDirPath CDirPath::GetParentDirPath() const {
    const qsizetype slash = m_path.lastIndexOf(u'/');
    if (slash < 0 || m_path == u"/")
        return CDirPath();
    return CDirPath(slash == 0 ? QStringLiteral("/") : m_path.left(slash));
}

bool CDirPath::IsEqual(const CDirPath& other) const {
    if (m_path.isEmpty() || other.m_path.isEmpty())
        return m_path.isEmpty() && other.m_path.isEmpty();
    return QDir::cleanPath(m_path) == QDir::cleanPath(other.m_path);
}

bool CDirPath::Exists() const {
    return !m_path.isEmpty() && QFileInfo(m_path).isDir();
}

QString operator^(const QString& left, const QString& right) {
    QString a = NormalizeSeparators(left);
    QString b = NormalizeSeparators(right);
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    while (a.endsWith(u'/'))
        a.chop(1);
    while (b.startsWith(u'/'))
        b.remove(0, 1);
    return a + u'/' + b;
}

QString CompleteFilePath(const QString& file, const QString& dir, const QString& ext) {
    CFilePath path(file);
    if (!path.IsAbsolute() && !dir.isEmpty())
        path = CFilePath(dir ^ path.GetPath());
    if (path.GetFileExt().isEmpty() && !ext.isEmpty())
        path.SetFileExt(ext);
    path.Normalize();
    return path.GetPath();
}

QString CalcRelativePath(const QString& path, const QString& base) {
    return QDir(QDir::cleanPath(NormalizeSeparators(base)))
        .relativeFilePath(QDir::cleanPath(NormalizeSeparators(path)));
}

bool CreateDirectoryRecursive(const QString& dir) {
    const QString path = NormalizeSeparators(dir);
    return !path.isEmpty() && QDir().mkpath(path);
}

QDateTime GetFileTime(const QString& path) {
    const QFileInfo info(NormalizeSeparators(path));
    return info.exists() ? info.lastModified() : QDateTime();
}
