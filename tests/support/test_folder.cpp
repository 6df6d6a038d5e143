#include "test_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orvane::test {

TestFolder::TestFolder() {
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

QString TestFolder::write(const QString& relative, const QByteArray& content) const {
    const QString full = filePath(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write test file");
    file.write(content);
    return full;
}

QByteArray TestFolder::read(const QString& relative) const {
    QFile file(filePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString testDataPath(const QString& relative) {
    QString base = qEnvironmentVariable("ORVANE_TEST_DATA");
    if (base.isEmpty())
        base = QStringLiteral(ORVANE_SOURCE_DIR "/tests/data");
    return QDir(base).filePath(relative);
}

QString sampleInstallationPath(const QString& relative) {
    const QString base = QStringLiteral(ORVANE_SOURCE_DIR "/data/sample-installation");
    return relative.isEmpty() ? base : QDir(base).filePath(relative);
}

QString sharedTestDataPath(const QString& relative) {
    QString base = qEnvironmentVariable("ORVANE_SHARED_TESTDATA");
    if (base.isEmpty())
        base = QStringLiteral(ORVANE_SOURCE_DIR "/../shared/testdata");
    return relative.isEmpty() ? QDir::cleanPath(base) : QDir::cleanPath(QDir(base).filePath(relative));
}

bool sharedTestDataRequired() {
    return qEnvironmentVariable("CI").compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0;
}

} // namespace orvane::test
