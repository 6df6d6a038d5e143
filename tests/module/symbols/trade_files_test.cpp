#include "symbol_library_fixture.h"

namespace {

using orvane::test::SymbolLibraryTest;

using TradeFilesTest = SymbolLibraryTest;

QStringList namesOf(const std::vector<CSymbolFile*>& files) {
    QStringList names;
    for (const CSymbolFile* file : files)
        names << QFileInfo(file->m_path).fileName();
    return names;
}

TEST_F(TradeFilesTest, SuppliedAndUserFilesSortedByPath) {
    supplied(QStringLiteral("Heizung/b.inf"), symbolFile({"B"}));
    supplied(QStringLiteral("Heizung/a.infx"), symbolFile({"A"}));
    supplied(QStringLiteral("Sanitaer/s.inf"), symbolFile({"S"}));
    user(QStringLiteral("heizung/u.inf"), symbolFile({"U"}));
    supplied(QStringLiteral("Heizung/Toolbar_Heizung.inf"), symbolFile({"T"}));
    manager.CollectFiles();

    std::vector<CSymbolFile*> files;
    manager.GetFilesForTrade(QStringLiteral("H"), files, QString(), 0);
    EXPECT_EQ(namesOf(files), (QStringList{"a.infx", "b.inf", "u.inf"}))
        << "the user folder compares without case; toolbar files are left out";

    host.version = QStringLiteral("OrvaneDT");
    manager.GetFilesForTrade(QStringLiteral("H"), files, QString(), 0);
    EXPECT_EQ(namesOf(files), (QStringList{"Toolbar_Heizung.inf", "a.infx", "b.inf", "u.inf"}));

    manager.GetFilesForTrade(QStringLiteral("Sanitaer"), files, QString(), 0);
    EXPECT_EQ(namesOf(files), QStringList{"s.inf"}) << "an unknown code is the folder name";
    manager.GetFilesForTrade(QStringLiteral("K"), files, QString(), 0);
    EXPECT_TRUE(files.empty());
}

TEST_F(TradeFilesTest, FolderNamesFromHostVariablesAndSubfolders) {
    supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"A"}));
    host.catalogs.insert(QStringLiteral("TB"), folder.filePath(QStringLiteral("Support/Symbol Toolbars")));
    supplied(QStringLiteral("Heizung/liste.inf"),
             "Root { SymbolFile = \"<TB>Heizung\\\\Toolbar_\\\\leiste.inf\" }");
    supplied(QStringLiteral("Heizung/Toolbar_/leiste.inf"), symbolFile({"LEISTE"}));
    supplied(QStringLiteral("Gas/g.inf"), symbolFile({"G"}));
    host.variables.insert(QStringLiteral("Q3DB_SYMBOLTB_DIRNAME_H"), QStringLiteral("Gas"));
    manager.CollectFiles();

    std::vector<CSymbolFile*> files;
    manager.GetFilesForTrade(QStringLiteral("H"), files, QString(), 1);
    EXPECT_EQ(namesOf(files), QStringList{"g.inf"});
    manager.GetFilesForTrade(QStringLiteral("H"), files, QString(), 0);
    EXPECT_EQ(namesOf(files), (QStringList{"a.inf", "leiste.inf"}));
    manager.GetFilesForTrade(QStringLiteral("H"), files, QStringLiteral("Toolbar_"), 0);
    EXPECT_EQ(namesOf(files), QStringList{"leiste.inf"});
    manager.GetFilesForTrade(QStringLiteral("H"), files, QStringLiteral("ToolbarRevit_"), 0);
    EXPECT_TRUE(files.empty());
}

TEST_F(TradeFilesTest, FilesOfOneListFileStayTogether) {
    host.catalogs.insert(QStringLiteral("KAT"), folder.filePath(QStringLiteral("Katalog")));
    folder.write(QStringLiteral("Katalog/z1.inf"), symbolFile({"Z1"}));
    folder.write(QStringLiteral("Katalog/a1.inf"), symbolFile({"A1"}));
    supplied(QStringLiteral("Lueftung/m_liste.inf"),
             "Root { SymbolFile = \"<KAT>z1.inf\" SymbolFile = \"<KAT>a1.inf\" }");
    supplied(QStringLiteral("Lueftung/k.inf"), symbolFile({"K"}));
    supplied(QStringLiteral("Lueftung/x.inf"), symbolFile({"X"}));
    manager.CollectFiles();
    std::vector<CSymbolFile*> files;
    manager.GetFilesForTrade(QStringLiteral("L"), files, QString(), 1);
    EXPECT_EQ(namesOf(files), (QStringList{"k.inf", "a1.inf", "z1.inf", "x.inf"}));
}

TEST_F(TradeFilesTest, SymbolsOfATradeWithFactorsFiltersAndOverrides) {
    host.version = QStringLiteral("Basic");
    supplied(
        QStringLiteral("Heizung/a.inf"),
        "Root { Defaults { UseSymbolFactor = \"1\" } Pages {\n"
        "  Page { Symbol { BlockName = \"EINS\" } Symbol { BlockName = \"PRO\" Version = \"+Pro\" } }\n"
        "  Page { Version = \"+Pro\" Symbol { BlockName = \"AUF_PRO_SEITE\" UseSymbolFactor = \"0\" } }\n"
        "  Page { Symbol { BlockName = \"\" } Symbol { Text = \"ohne Namen\" } } } }");
    supplied(QStringLiteral("Heizung/b.inf"),
             "Root { Pages { Page { Symbol { BlockName = \"Eins\" Text = \"b\" } } } }");
    folder.write(QStringLiteral("User-Standards/Symbol Toolbars/UserSettings.inf"),
                 "Root { Pages { Page { Symbol { BlockName = \"AUF_PRO_SEITE\" Text = \"eigen\" } } } }");
    manager.CollectFiles();

    QHash<QString, CNode*> symbols;
    manager.GetSymbolsForTrade(QStringLiteral("H"), symbols);
    QStringList keys = symbols.keys();
    keys.sort();
    EXPECT_EQ(keys, (QStringList{"AUF_PRO_SEITE", "EINS"})) << "pages are not filtered, symbols are";
    EXPECT_GE(symbols.capacity(), 311);
    EXPECT_EQ(Symbols::GetSymbolValue(symbols.value(QStringLiteral("EINS")), QStringLiteral("Text")),
              QStringLiteral("b"));
    EXPECT_EQ(
        Symbols::GetSymbolValue(symbols.value(QStringLiteral("EINS")), QStringLiteral("UseSymbolFactor")),
        QStringLiteral("0"))
        << "file b has no default factor";
    const CNode* first = manager.LookupSymbol(QStringLiteral("PRO"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Symbols::GetSymbolValue(first, QStringLiteral("UseSymbolFactor")), QString())
        << "filtered symbols are left as they are";
    const CNode* onPro = symbols.value(QStringLiteral("AUF_PRO_SEITE"));
    EXPECT_EQ(Symbols::GetSymbolValue(onPro, QStringLiteral("UseSymbolFactor")), QStringLiteral("0"));
    EXPECT_EQ(Symbols::GetSymbolValue(onPro, QStringLiteral("Text")), QStringLiteral("eigen"));
}

TEST_F(TradeFilesTest, ListedFilesInListOrder) {
    const QString a = supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"A"}));
    const QString b = supplied(QStringLiteral("Sanitaer/b.inf"), symbolFile({"B"}));
    const QString u = user(QStringLiteral("User/u.inf"), symbolFile({"U"}));
    host.catalogs.insert(QStringLiteral("KAT"), folder.filePath(QStringLiteral("Katalog")));
    const QString k = folder.write(QStringLiteral("Katalog/k.inf"), symbolFile({"K"}));
    manager.CollectFiles();

    std::vector<CSymbolFile*> files;
    manager.GetListedFiles(QStringLiteral("SANITAER\\B.INF;;<KAT>k.inf;Heizung/a.inf;fehlt.inf;"),
                           QStringLiteral("user\\u.inf;Heizung\\a.inf"), files);
    ASSERT_EQ(files.size(), 4u);
    EXPECT_EQ(files[0]->m_path, b);
    EXPECT_EQ(files[1]->m_path, k);
    EXPECT_EQ(files[2]->m_path, a);
    EXPECT_EQ(files[3]->m_path, u) << "supplied files do not fill user entries";
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("K")), nullptr);

    manager.GetListedFiles(QString(), QString(), files);
    EXPECT_TRUE(files.empty());
}

} // namespace
