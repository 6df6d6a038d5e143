#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Test programs without windows: a core application, and settings that never reach the
// user's own file even in a test that forgets to redirect them.
int main(int argc, char** argv) {
    QTemporaryDir fallback;
    qputenv("ORVANE_SETTINGS_FILE", fallback.filePath(QStringLiteral("fallback.ini")).toUtf8());
    qputenv("ORVANE_LANGUAGE", "de");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
