#pragma once

#include "process_choices.h"

#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvane::test {

// A fresh folder for one test, with the user settings redirected into it, so that no test
// reads or writes the real user's settings or depends on another test.
class TestFolder {
public:
    TestFolder();
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
    SettingsFileScope m_settings{settingsFile()};
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

// The real files made by others that lie beside the repository (../shared/testdata), or in
// the folder ORVANE_SHARED_TESTDATA names.
QString sharedTestDataPath(const QString& relative = QString());

// Whether the shared files must be there: under continuous integration (CI=true) a missing
// folder fails the tests that need it, so that a green run means they ran; elsewhere they
// are skipped.
bool sharedTestDataRequired();

} // namespace orvane::test

// Ends the test when the shared file or folder `relative` is missing: a skip, or a failure
// where the shared files are required.
#define ORVANE_REQUIRE_SHARED_TESTDATA(relative)                                                             \
    if (const QString orvaneShared = orvane::test::sharedTestDataPath(relative);                             \
        !QFileInfo::exists(orvaneShared)) {                                                                  \
        if (orvane::test::sharedTestDataRequired())                                                          \
            FAIL() << "the shared test data " << orvaneShared.toStdString() << " is missing (CI=true)";      \
        else                                                                                                 \
            GTEST_SKIP() << "the shared test data " << orvaneShared.toStdString() << " is missing";          \
    }
