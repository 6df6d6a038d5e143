#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Widget tests run on Qt's offscreen platform unless a platform is asked for explicitly.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir fallback;
    qputenv("ORVANE_SETTINGS_FILE", fallback.filePath(QStringLiteral("fallback.ini")).toUtf8());
    qputenv("ORVANE_LANGUAGE", "de");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
