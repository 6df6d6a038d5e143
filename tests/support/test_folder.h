#pragma once

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvane::test {

// A fresh folder for one test, with the user settings redirected into it, so that no test
// reads or writes the real user's settings or depends on another test.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& relative) const { return m_dir.filePath(relative); }
    QString settingsFile() const { return filePath(QStringLiteral("settings/user.ini")); }

    // Writes a file (UTF-8) below the folder, creating sub folders; returns its full path.
    QString write(const QString& relative, const QByteArray& content) const;
    QByteArray read(const QString& relative) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previousSettings;
    bool m_hadPreviousSettings = false;
};

// Base fixture for tests that need a folder of their own.
class FolderTest : public ::testing::Test {
protected:
    TestFolder folder;
};

// The tests' own data shipped in the source tree (tests/data).
QString testDataPath(const QString& relative);

// The sample installation shipped in the source tree (data/sample-installation).
QString sampleInstallationPath(const QString& relative = QString());

} // namespace orvane::test
