#include "find_files.h"

#include "paths.h"

#include <QDir>

CFindFiles::CFindFiles(const QString& folder, const QString& pattern, int flag)
    : m_folder(CDirPath(folder).GetPath()) {
    QDir dir(m_folder);
    const QDir::Filters kind = flag == 0 ? QDir::Dirs | QDir::NoDotAndDotDot : QDir::Files;
    dir.setFilter(kind | QDir::Hidden | QDir::System);
    dir.setNameFilters({pattern.isEmpty() ? QStringLiteral("*") : pattern});
    dir.setSorting(QDir::Name);
    m_names = dir.entryList();
}

int CFindFiles::GetNext(QString& name) {
    if (m_next >= m_names.size())
        return 0;
    name = m_names[m_next++];
    return 1;
}

QString CFindFiles::GetFilePath() const {
    return m_next == 0 ? QString() : m_folder ^ m_names[m_next - 1];
}
