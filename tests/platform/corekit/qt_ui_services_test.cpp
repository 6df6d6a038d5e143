#include "corekit/document_policy.h"
#include "corekit/widgets/qt_ui_services.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// This program runs with a core application only, like the command-line tool: the Qt services
// must not try to build widgets there (Qt aborts), but answer as the silent services do.
TEST(QtUiServicesWithoutWidgets, AnswerCautiouslyInsteadOfAborting) {
    CQtUiServices services;

    EXPECT_EQ(services.MessageBox(QStringLiteral("Text"), QStringLiteral("Titel"), UiButtons::YesNo,
                                  UiIcon::Question),
              IDNO);
    EXPECT_EQ(
        services.MessageBox(QStringLiteral("Text"), QStringLiteral("Titel"), UiButtons::Ok, UiIcon::Stop),
        IDOK);

    QString value = QStringLiteral("Vorschlag");
    EXPECT_FALSE(services.InputBox(QStringLiteral("Titel"), QStringLiteral("Name:"), value));
    EXPECT_EQ(value, QStringLiteral("Vorschlag"));

    EXPECT_TRUE(services.GetOpenFileName(QStringLiteral("Titel"), QString(), QStringLiteral("*")).isEmpty());
    // An approved document still cannot be handed to a desktop that is not there.
    QTemporaryDir dir;
    QFile sheet(dir.filePath(QStringLiteral("blatt.pdf")));
    ASSERT_TRUE(sheet.open(QIODevice::WriteOnly));
    sheet.write("%PDF-1.4\n%%EOF\n");
    sheet.close();
    EXPECT_FALSE(services.OpenWithDefaultHandler(sheet.fileName(), {QStringLiteral("Test"), dir.path()}));
}

TEST(QtUiServicesWithoutWidgets, FallbackInstalledByTheModuleIsUsable) {
    CQtUiServices::InstallAsFallback();
    EXPECT_EQ(UiMessageBox(QStringLiteral("Text"), QStringLiteral("Titel"), UiButtons::YesNo), IDNO);
    SetFallbackUiServices(nullptr);
}
