#include "corekit/registry.h"
#include "corekit/translation.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Widget tests run on Qt's offscreen platform unless a platform is asked for explicitly, in
// German, with settings that never reach the user's own file.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir fallback;
    SetOrvaneSettingsFile(fallback.filePath(QStringLiteral("fallback.ini")));
    QApplication app(argc, argv);
    CTranslationManager::GetInstance().SetLanguage(QStringLiteral("de"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
