#include "corekit/registry.h"
#include "corekit/translation.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Test programs without windows: a core application, settings that never reach the user's own
// file even in a test that forgets to redirect them, and German unless a test asks otherwise.
int main(int argc, char** argv) {
    QTemporaryDir fallback;
    SetOrvaneSettingsFile(fallback.filePath(QStringLiteral("fallback.ini")));
    QCoreApplication app(argc, argv);
    CTranslationManager::GetInstance().SetLanguage(QStringLiteral("de"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
