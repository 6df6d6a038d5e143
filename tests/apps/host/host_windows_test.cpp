// The host's windows on the offscreen platform: each control a user can focus or press has an
// accessible name and is reached by Tab.

#include "host_variables_dialog.h"
#include "host_window.h"
#include "installation_copy.h"
#include "keyboard_access.h"
#include "module_bridge.h"
#include "qt_translation.h"
#include "symbol_options_dialog.h"
#include "test_folder.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

TEST(HostQtTranslationTest, QtsOwnButtonsFollowTheChosenLanguage) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(folder + "/qtbase_de.qm"))
        GTEST_SKIP() << "Qt's German translations are not installed (scripts/setup installs them)";
    const struct {
        const char* language;
        bool installed;
        const char* cancel;
    } cases[] = {{"de", true, "Abbrechen"}, {"xx", false, "Cancel"}, {"", false, "Cancel"}};
    for (const auto& c : cases) {
        const std::unique_ptr<QTranslator> translator = InstallQtTranslation(c.language);
        EXPECT_EQ(translator != nullptr, c.installed) << c.language;
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), c.cancel) << c.language;
    }
}

using namespace orvane::test;

// The host on a copy of the sample installation, with the module started as the drawing host.
class HostWindowsTest : public FolderTest {
protected:
    void SetUp() override {
        options.installationDir = folder.filePath("installation");
        ASSERT_TRUE(CopyInstallation(sampleInstallationPath(), options.installationDir));
        report = LoadInstallation(options.installationDir);
        ASSERT_TRUE(ModuleBridge::Start(QString()));
    }
    void TearDown() override { ModuleBridge::Stop(); }

    HostOptions options;
    InstallationReport report;
};

TEST_F(HostWindowsTest, EveryControlHasANameAndIsReachedByTab) {
    struct Window {
        const char* name;
        std::function<std::unique_ptr<QWidget>()> open;
        std::vector<AccessException> exceptions;
    };
    const Window windows[] = {
        {"main window",
         [&] {
             auto window = std::make_unique<HostWindow>(options, report);
             window->show();
             window->RestoreWindows();
             // The symbols window fills its first page once the event loop turns.
             EXPECT_TRUE(QTest::qWaitFor(
                 [&] { return window->SymbolsWindow()->findChildren<QAbstractButton*>().size() > 6; }));
             return std::unique_ptr<QWidget>(std::move(window));
         },
         {{"QDockWidgetTitleButton",
           "Qt's buttons on a pane's title; the menu Ansicht shows and hides every pane"}}},
        {"symbol options", [] { return std::unique_ptr<QWidget>(new SymbolOptionsDialog); }, {}},
        {"host variables", [] { return std::unique_ptr<QWidget>(new HostVariablesDialog); }, {}},
    };
    for (const Window& w : windows) {
        const std::unique_ptr<QWidget> window = w.open();
        window->show();
        const QStringList faults = AccessFaults(*window, w.exceptions);
        EXPECT_TRUE(faults.isEmpty()) << w.name << ":\n  " << faults.join("\n  ").toStdString();
    }
}

} // namespace
