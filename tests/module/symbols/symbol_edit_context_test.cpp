#include "symbol_library_fixture.h"

#include "symbols/symbol_edit_context.h"

namespace {

using orvane::test::SymbolLibraryTest;

const char* const kWithDefaults = R"(Root {
  Defaults { AskRotation = "1" Osnap = "0" }
  Pages {
    Page {
      Symbol { BlockName = "HZ_Pumpe" DisplayName = "Pumpe" AskRotation = "0" Text = "alt" }
    }
  }
}
)";

class EditContextTest : public SymbolLibraryTest {
protected:
    // Collects the installation and answers the file and its first symbol.
    std::pair<CSymbolFile*, CNode*> load(const QString& path) {
        manager.CollectFiles();
        CSymbolFile* file = fileAt(path);
        EXPECT_NE(file, nullptr);
        if (!file)
            return {nullptr, nullptr};
        return {file, file->m_pRoot->FindChild(QStringLiteral("Pages"))->GetFirstChild()->GetFirstChild()};
    }
    QString leafOf(const CNode* node, const char* key) {
        const CLeaf* leaf = node ? node->FindLeaf(QString::fromUtf8(key)) : nullptr;
        return leaf ? leaf->GetRawData() : QStringLiteral("<none>");
    }
};

TEST_F(EditContextTest, InPlaceEditOfAUserFile) {
    const QString path = user(QStringLiteral("User/eigen.inf"), kWithDefaults);
    auto [file, symbol] = load(path);
    CSymbolEditContext edit(file, symbol, &manager);
    ASSERT_TRUE(edit.IsInPlaceEdit());

    edit.StoreValue(QStringLiteral("Abbreviation"), QString());
    EXPECT_EQ(leafOf(symbol, "Abbreviation"), QStringLiteral("<none>"));
    edit.StoreValue(QStringLiteral("Text"), QString());
    EXPECT_EQ(leafOf(symbol, "Text"), QString());

    edit.StoreIntValue(QStringLiteral("AskRotation"), 1);
    EXPECT_EQ(leafOf(symbol, "AskRotation"), QStringLiteral("<none>")) << "equal to the default";
    edit.StoreIntValue(QStringLiteral("AskSize"), 0);
    EXPECT_EQ(leafOf(symbol, "AskSize"), QStringLiteral("0")) << "no default: stored";
    edit.StoreIntValue(QStringLiteral("Osnap"), 33);
    EXPECT_EQ(leafOf(symbol, "Osnap"), QStringLiteral("33"));

    Symbols::SetSymbolValue(symbol, QStringLiteral("BlockName"), QStringLiteral("HZ_Pumpe_Neu"));
    ASSERT_EQ(edit.SaveEditedSymbol(), 1);
    EXPECT_EQ(manager.LookupSymbol(QStringLiteral("HZ_PUMPE_NEU")), symbol);
    EXPECT_FALSE(QFile::exists(userSettingsPath()));
    CSymbolFile back(path);
    ASSERT_EQ(back.Load(context.Filters()), 1);
    const CNode* saved = back.m_pRoot->FindChild(QStringLiteral("Pages"))->GetFirstChild()->GetFirstChild();
    EXPECT_EQ(leafOf(saved, "AskRotation"), QStringLiteral("<none>"));
    EXPECT_EQ(leafOf(saved, "Osnap"), QStringLiteral("33"));
}

TEST_F(EditContextTest, OverrideEditMirrorsIntoEveryLoadedSymbol) {
    const QString path = supplied(QStringLiteral("Heizung/a.inf"), kWithDefaults);
    const QString second = supplied(QStringLiteral("Sanitaer/b.inf"), symbolFile({"HZ_Pumpe"}));
    user(QStringLiteral("User/c.inf"), symbolFile({"HZ_Pumpe", "ANDERE"}));
    auto [file, symbol] = load(path);
    const QByteArray onDisk = folder.read(QStringLiteral("Support/Symbol Toolbars/Heizung/a.inf"));
    CSymbolEditContext edit(file, symbol, &manager);
    ASSERT_FALSE(edit.IsInPlaceEdit());

    edit.StoreValue(QStringLiteral("DisplayName"), QStringLiteral("Pumpe"));
    EXPECT_EQ(manager.GetUserSettingsFile(0), nullptr) << "an unchanged value creates no override";

    edit.StoreValue(QStringLiteral("Text"), QStringLiteral("neu"));
    std::vector<CNode*> all;
    manager.FindSymbols(QStringLiteral("HZ_Pumpe"), all);
    ASSERT_EQ(all.size(), 3u);
    for (const CNode* node : all)
        EXPECT_EQ(leafOf(node, "Text"), QStringLiteral("neu"));
    CNode* override = manager.GetUserSymbol(QStringLiteral("HZ_Pumpe"), 0);
    ASSERT_NE(override, nullptr);
    EXPECT_EQ(leafOf(override, "Text"), QStringLiteral("neu"));

    edit.StoreValue(QStringLiteral("Command"), QString());
    EXPECT_EQ(leafOf(override, "Command"), QStringLiteral("<none>")) << "empty is what it was";
    edit.StoreValue(QStringLiteral("DisplayName"), QString());
    EXPECT_EQ(leafOf(override, "DisplayName"), QString());
    for (const CNode* node : all)
        EXPECT_EQ(leafOf(node, "DisplayName"), QString()) << "an override adds empty values too";

    edit.StoreIntValue(QStringLiteral("Osnap"), 2);
    EXPECT_EQ(leafOf(override, "Osnap"), QStringLiteral("2"));
    edit.StoreIntValue(QStringLiteral("Osnap"), 0);
    EXPECT_EQ(leafOf(override, "Osnap"), QStringLiteral("<none>"));
    EXPECT_EQ(leafOf(symbol, "Osnap"), QStringLiteral("<none>"));

    ASSERT_EQ(edit.SaveEditedSymbol(), 1);
    EXPECT_EQ(folder.read(QStringLiteral("Support/Symbol Toolbars/Heizung/a.inf")), onDisk);

    // Collected afresh, the supplied value comes back from disk and the override is applied.
    CSymbolFileManager again(context);
    again.CollectFiles();
    const CNode* reloaded =
        again.FindFile(second)->m_pRoot->FindChild(QStringLiteral("Pages"))->GetFirstChild()->GetFirstChild();
    EXPECT_EQ(leafOf(reloaded, "Text"), QStringLiteral("neu"));
}

TEST_F(EditContextTest, MasterModeEditsSupportFilesInPlace) {
    const QString path = supplied(QStringLiteral("Heizung/a.inf"), kWithDefaults);
    host.variables.insert(QStringLiteral("Q3DB_MASTERMODE"), QStringLiteral("1"));
    auto [file, symbol] = load(path);
    CSymbolEditContext edit(file, symbol, &manager);
    EXPECT_EQ(edit.m_masterMode, 1);
    ASSERT_TRUE(edit.IsInPlaceEdit());
    edit.StoreValue(QStringLiteral("Text"), QStringLiteral("Meister"));
    ASSERT_EQ(edit.SaveEditedSymbol(), 1);
    EXPECT_TRUE(folder.read(QStringLiteral("Support/Symbol Toolbars/Heizung/a.inf")).contains("Meister"));
    EXPECT_FALSE(QFile::exists(userSettingsPath()));
}

TEST_F(EditContextTest, FailedSavesAnswerZeroAndKeepTheEdit) {
    const QString path = supplied(QStringLiteral("Heizung/a.inf"), kWithDefaults);
    auto [file, symbol] = load(path);
    CSymbolEditContext edit(file, symbol, &manager);
    // A file where the user folder should be: the user settings file cannot be made.
    folder.write(QStringLiteral("User-Standards/Symbol Toolbars"), "kein Ordner");
    edit.StoreValue(QStringLiteral("Text"), QStringLiteral("neu"));
    EXPECT_EQ(edit.SaveEditedSymbol(), 0);
    EXPECT_EQ(leafOf(symbol, "Text"), QStringLiteral("neu"));

    host.variables.insert(QStringLiteral("Q3DB_MASTERMODE"), QStringLiteral("1"));
    CSymbolEditContext master(file, symbol, &manager);
    master.StoreValue(QStringLiteral("Text"), QStringLiteral("Meister"));
    const QByteArray before = folder.read(QStringLiteral("Support/Symbol Toolbars/Heizung/a.inf"));
    file->m_path = folder.filePath(QStringLiteral("User-Standards/Symbol Toolbars/a.inf"));
    EXPECT_EQ(master.SaveEditedSymbol(), 0);
    EXPECT_EQ(folder.read(QStringLiteral("Support/Symbol Toolbars/Heizung/a.inf")), before);
    EXPECT_EQ(leafOf(symbol, "Text"), QStringLiteral("Meister"));
    file->m_path = path;
}

} // namespace
