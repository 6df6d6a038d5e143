#include "symbol_library_fixture.h"

#include "corekit/tree_items.h"

#include <QDir>

namespace {

using orvane::test::SymbolLibraryTest;

using UserSettingsTest = SymbolLibraryTest;

const char* const kOverrides = R"(Root {
  Pages {
    Page {
      Symbol { BlockName = "HZ_Pumpe" Text = "meine Pumpe" Osnap = "33" }
      Symbol { BlockName = "HZ_Leer" }
      Symbol { BlockName = "C:\\Blocks\\HZ_Ventil.dwg" Text = "mein Ventil" }
    }
  }
}
)";

TEST_F(UserSettingsTest, OverridesApplyOnIndexingAndEmptyOnesAreCleanedUp) {
    supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"HZ_Pumpe", "HZ_Leer", "HZ_VENTIL"}));
    folder.write(QStringLiteral("User-Standards/Symbol Toolbars/UserSettings.inf"), kOverrides);
    manager.CollectFiles();

    EXPECT_EQ(textOf(QStringLiteral("HZ_PUMPE")), QStringLiteral("meine Pumpe"));
    EXPECT_EQ(
        Symbols::GetSymbolValue(manager.LookupSymbol(QStringLiteral("HZ_PUMPE")), QStringLiteral("Osnap")),
        QStringLiteral("33"));
    EXPECT_EQ(textOf(QStringLiteral("HZ_VENTIL")), QStringLiteral("mein Ventil")) << "keys from paths";
    EXPECT_EQ(textOf(QStringLiteral("HZ_LEER")), QStringLiteral("aus Datei"));
    EXPECT_EQ(manager.UserSymbolCount(), 2);

    CNode* root = nullptr;
    ASSERT_TRUE(TreeItems::ReadFromFile(userSettingsPath(), root));
    std::unique_ptr<CNode> owner(root);
    EXPECT_EQ(root->FindChild(QStringLiteral("Pages"))->GetFirstChild()->NrOfChildren(), 2)
        << "an override holding only the block name is removed on disk";
}

TEST_F(UserSettingsTest, CorruptFileIsKeptAsBackupAndReplaced) {
    supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"HZ_Pumpe"}));
    const QByteArray corrupt = "Root { Pages { Page { Symbol { BlockName = \"HZ_Pumpe\" Text = \"x";
    folder.write(QStringLiteral("User-Standards/Symbol Toolbars/UserSettings.inf"), corrupt);
    manager.CollectFiles();
    ASSERT_NE(manager.GetUserSettingsFile(0), nullptr);
    EXPECT_EQ(folder.read(QStringLiteral("User-Standards/Symbol Toolbars/UserSettings.inf.bak")), corrupt);
    CSymbolFile fresh(userSettingsPath());
    EXPECT_EQ(fresh.Load(context.Filters()), 1);
    EXPECT_EQ(textOf(QStringLiteral("HZ_PUMPE")), QStringLiteral("aus Datei"));
}

TEST_F(UserSettingsTest, CreatingNeverWritesOverAFileNotReadYet) {
    folder.write(QStringLiteral("User-Standards/Symbol Toolbars/UserSettings.inf"), kOverrides);
    CNode* existing = manager.GetUserSymbol(QStringLiteral("HZ_Pumpe"), 0);
    EXPECT_EQ(existing, nullptr) << "without create nothing is read or made";
    existing = manager.GetUserSymbol(QStringLiteral("HZ_Pumpe"), 1);
    ASSERT_NE(existing, nullptr);
    EXPECT_EQ(Symbols::GetSymbolValue(existing, QStringLiteral("Text")), QStringLiteral("meine Pumpe"));

    CNode* added = manager.GetUserSymbol(QStringLiteral("NEU"), 1);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->NrOfLeaves(), 1);
    EXPECT_EQ(manager.GetUserSymbol(QStringLiteral("NEU"), 0), added);
    EXPECT_EQ(manager.GetUserSymbol(QStringLiteral("neu"), 0), nullptr) << "block names compare exactly";
}

TEST_F(UserSettingsTest, UnwritableFileKeepsTheOverridesInMemory) {
    // A file where the folder should be makes every write fail, whoever runs the test.
    folder.write(QStringLiteral("User-Standards/Symbol Toolbars/UserSettings.inf"), kOverrides);
    CNode* user = manager.GetUserSymbol(QStringLiteral("HZ_Pumpe"), 1);
    ASSERT_NE(user, nullptr);
    Symbols::SetSymbolValue(user, QStringLiteral("Text"), QStringLiteral("neu"));
    const QString blocker = folder.filePath(QStringLiteral("User-Standards/Symbol Toolbars"));
    const QString moved = folder.filePath(QStringLiteral("User-Standards/weg"));
    ASSERT_TRUE(QDir().rename(blocker, moved));
    folder.write(QStringLiteral("User-Standards/Symbol Toolbars"), "kein Ordner");
    EXPECT_EQ(manager.GetUserSettingsFile(0)->Save(), 0);
    EXPECT_EQ(Symbols::GetSymbolValue(user, QStringLiteral("Text")), QStringLiteral("neu"));
    EXPECT_TRUE(folder.read(QStringLiteral("User-Standards/weg/UserSettings.inf")).contains("meine Pumpe"));
    EXPECT_FALSE(folder.read(QStringLiteral("User-Standards/weg/UserSettings.inf")).contains("neu"));
}

} // namespace
