#include "symbol_library_fixture.h"

#include <QDir>

namespace {

using orvane::test::SymbolLibraryTest;

using CollectTest = SymbolLibraryTest;

TEST_F(CollectTest, SearchesTradeFoldersOfTheSuppliedFolderAndEveryUserFolder) {
    const QString heizung = supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"HZ_Pumpe"}));
    const QString schemata = folder.filePath(QStringLiteral("Support/Symbol Toolbars/Schemata/s.INFX"));
    CSymbolFile xml(schemata);
    ASSERT_EQ(xml.Create(), 1);
    supplied(QStringLiteral("Fremd/f.inf"), symbolFile({"FREMD"}));
    supplied(QStringLiteral("heizung/lower.inf"), symbolFile({"LOWER"}));
    supplied(QStringLiteral("Heizung/notes.info"), symbolFile({"INFO"}));
    supplied(QStringLiteral("Heizung/top.txt"), symbolFile({"TXT"}));
    supplied(QStringLiteral("a.inf"), symbolFile({"TOPLEVEL"}));
    const QString own = user(QStringLiteral("Meine Symbole/m.inf"), symbolFile({"MEIN"}));
    user(QStringLiteral(".versteckt/v.inf"), symbolFile({"HIDDEN"}));

    manager.CollectFiles();
    QStringList loaded = manager.FilePaths();
    loaded.sort();
    QStringList expected = {heizung, own, schemata};
    expected.sort();
    EXPECT_EQ(loaded, expected);
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("hz_pumpe")), nullptr);
    EXPECT_EQ(manager.LookupSymbol(QStringLiteral("FREMD")), nullptr);
    EXPECT_EQ(manager.m_bIndexChanged, 1);
    EXPECT_TRUE(
        host.scannedFolders.contains(folder.filePath(QStringLiteral("Support/Symbol Toolbars/Heizung/"))));
    EXPECT_FALSE(
        host.scannedFolders.contains(folder.filePath(QStringLiteral("Support/Symbol Toolbars/Fremd/"))));
}

TEST_F(CollectTest, OncePerModuleLifeUnlessMasterMode) {
    const QString a = supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"EINS"}));
    manager.CollectFiles();
    manager.m_bIndexChanged = 0;
    supplied(QStringLiteral("Heizung/b.inf"), symbolFile({"ZWEI"}));
    folder.write(QStringLiteral("Support/Symbol Toolbars/Heizung/a.inf"), symbolFile({"NEU"}));
    touchLater(a);
    manager.CollectFiles();
    EXPECT_EQ(manager.FilePaths().size(), 1);
    EXPECT_EQ(manager.LookupSymbol(QStringLiteral("NEU")), nullptr);
    EXPECT_EQ(manager.m_bIndexChanged, 0);

    host.variables.insert(QStringLiteral("Q3DB_MASTERMODE"), QStringLiteral("1"));
    manager.CollectFiles();
    EXPECT_EQ(manager.FilePaths().size(), 2);
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("NEU")), nullptr);
    EXPECT_EQ(manager.LookupSymbol(QStringLiteral("EINS")), nullptr);
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("ZWEI")), nullptr);
}

TEST_F(CollectTest, LaterFilesWinAndKeysComeFromPaths) {
    supplied(QStringLiteral("Heizung/a.inf"),
             "Root { Pages { Page { Symbol { BlockName = \"C:\\\\Blocks\\\\Pumpe.dwg\" Text = \"a\" } "
             "Symbol { BlockName = \"\" Text = \"leer\" } } } }");
    supplied(QStringLiteral("Heizung/b.inf"),
             "Root { Pages { Page { Symbol { BlockName = \"PUMPE\" Text = \"b\" } } } }");
    manager.CollectFiles();
    EXPECT_EQ(textOf(QStringLiteral("C:\\X\\Pumpe.dwg")), QStringLiteral("b"));
    EXPECT_EQ(textOf(QStringLiteral("pumpe")), QStringLiteral("b"));
    EXPECT_EQ(manager.IndexSize(), 1);
    EXPECT_EQ(manager.LookupSymbol(QString()), nullptr);
}

using ReloadTest = SymbolLibraryTest;

TEST_F(ReloadTest, ChangedFilesAreReloadedAndRemovedFilesLeaveTheIndex) {
    const QString path = supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"ALT", "BLEIBT"}));
    manager.CollectFiles();
    CSymbolFile* file = fileAt(path);
    ASSERT_NE(file, nullptr);
    manager.m_bIndexChanged = 0;
    // Holders are told before each reload, while the old tree is still indexed.
    std::vector<qsizetype> toldAt;
    const int notice = manager.NotifyBeforeTreesGo([&] { toldAt.push_back(manager.IndexSize()); });

    EXPECT_EQ(manager.AddFile(path, nullptr), 1) << "unchanged";
    EXPECT_EQ(manager.m_bIndexChanged, 0);
    EXPECT_TRUE(toldAt.empty());

    folder.write(QStringLiteral("Support/Symbol Toolbars/Heizung/a.inf"), symbolFile({"NEU", "BLEIBT"}));
    touchLater(path);
    EXPECT_EQ(manager.AddFile(path, nullptr), 1);
    EXPECT_EQ(fileAt(path), file) << "the same object is reloaded";
    EXPECT_EQ(manager.LookupSymbol(QStringLiteral("ALT")), nullptr);
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("NEU")), nullptr);
    EXPECT_EQ(manager.m_bIndexChanged, 1);

    folder.write(QStringLiteral("Support/Symbol Toolbars/Heizung/a.inf"), "Root { Pages { Page { Symbol {");
    touchLater(path, 20);
    EXPECT_EQ(manager.AddFile(path, nullptr), 0);
    EXPECT_EQ(manager.LookupSymbol(QStringLiteral("NEU")), nullptr);
    EXPECT_EQ(manager.LookupSymbol(QStringLiteral("BLEIBT")), nullptr);
    EXPECT_EQ(fileAt(path), file) << "the object stays for the windows that hold it";

    folder.write(QStringLiteral("Support/Symbol Toolbars/Heizung/a.inf"), symbolFile({"WIEDER"}));
    EXPECT_EQ(manager.AddFile(path, nullptr), 1) << "a failed reload is tried again";
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("WIEDER")), nullptr);
    EXPECT_EQ(toldAt, (std::vector<qsizetype>{2, 2, 0}));

    ASSERT_TRUE(QFile::remove(path));
    manager.m_bIndexChanged = 0;
    EXPECT_EQ(manager.AddFile(path, nullptr), 0);
    EXPECT_EQ(manager.LookupSymbol(QStringLiteral("WIEDER")), nullptr);
    EXPECT_EQ(manager.m_bIndexChanged, 1);
    EXPECT_EQ(fileAt(path), file);
    EXPECT_EQ(manager.AddFile(folder.filePath(QStringLiteral("nie.inf")), nullptr), 0);
    EXPECT_EQ(toldAt.size(), 3u) << "a removed file keeps its tree: nobody is told";
    manager.StopNotifying(notice);
}

TEST_F(ReloadTest, IndexEntriesForEditedNamesDoNotOutliveTheirTree) {
    const QString path = supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"PUMPE"}));
    manager.CollectFiles();
    CNode* pump = manager.LookupSymbol(QStringLiteral("PUMPE"));
    Symbols::SetSymbolValue(pump, QStringLiteral("BlockName"), QStringLiteral("PUMPE2"));
    manager.SetIndexEntry(QStringLiteral("PUMPE2"), pump);
    touchLater(path);
    ASSERT_EQ(manager.AddFile(path, nullptr), 1);
    EXPECT_EQ(manager.LookupSymbol(QStringLiteral("PUMPE2")), nullptr);
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("PUMPE")), nullptr);
}

using ListFileTest = SymbolLibraryTest;

TEST_F(ListFileTest, EntriesResolveThroughCataloguesOnly) {
    host.catalogs.insert(QStringLiteral("HERSTELLER"),
                         folder.filePath(QStringLiteral("Kataloge/Hersteller")));
    const QString listed =
        folder.write(QStringLiteral("Kataloge/Hersteller/Symbole/pumpen.inf"), symbolFile({"HST_PUMPE"}));
    folder.write(QStringLiteral("Kataloge/Hersteller/plain.inf"), symbolFile({"PLAIN"}));
    const QString list =
        supplied(QStringLiteral("Heizung/liste.inf"),
                 "Root {\n"
                 "  SymbolFile = \"<HERSTELLER>Symbole\\\\pumpen.inf\"\n"
                 "  SymbolFile = \"" +
                     folder.filePath(QStringLiteral("Kataloge/Hersteller/plain.inf")).toUtf8() +
                     "\"\n"
                     "  SymbolFile = \"<UNBEKANNT>plain.inf\"\n"
                     "  SymbolFile = \"<HERSTELLER>fehlt.inf\"\n"
                     "}\n");
    manager.CollectFiles();
    CSymbolFile* file = fileAt(listed);
    ASSERT_NE(file, nullptr);
    ASSERT_NE(file->m_pParent, nullptr);
    EXPECT_EQ(file->m_pParent->m_path, list);
    EXPECT_FALSE(manager.FilePaths().contains(list)) << "a list file is no symbol file";
    EXPECT_EQ(manager.LookupSymbol(QStringLiteral("PLAIN")), nullptr);
    EXPECT_EQ(manager.FilePaths().size(), 1);

    // The listed file belongs to the trade of its list file.
    std::vector<CSymbolFile*> files;
    manager.GetFilesForTrade(QStringLiteral("H"), files, QString(), 0);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], file);

    // Collecting again in master mode keeps the parent alive and the same.
    host.variables.insert(QStringLiteral("Q3DB_MASTERMODE"), QStringLiteral("1"));
    CSymbolFile* parent = file->m_pParent;
    manager.CollectFiles();
    EXPECT_EQ(fileAt(listed)->m_pParent, parent);
    EXPECT_EQ(parent->m_path, list);
}

TEST_F(ListFileTest, SelfListingAndLoopsEndWithoutHanging) {
    host.catalogs.insert(QStringLiteral("TB"), folder.filePath(QStringLiteral("Support/Symbol Toolbars")));
    supplied(QStringLiteral("Heizung/selbst.inf"), "Root { SymbolFile = \"<TB>Heizung/selbst.inf\" }");
    supplied(QStringLiteral("Gas/a.inf"),
             "Root { SymbolFile = \"<TB>Gas/b.inf\" SymbolFile = \"<TB>Gas/ok.infx\" }");
    supplied(QStringLiteral("Gas/b.inf"), "Root { SymbolFile = \"<TB>Gas/a.inf\" }");
    supplied(QStringLiteral("Gas/ok.infx"), symbolFile({"OK"}));
    manager.CollectFiles();
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("OK")), nullptr);
    EXPECT_EQ(manager.FilePaths().size(), 1);
    EXPECT_EQ(manager.AddFile(folder.filePath(QStringLiteral("Support/Symbol Toolbars/Heizung/selbst.inf")),
                              nullptr),
              0);
}

// The file where loading starts counts as the first; the 32nd file of a chain still loads, the
// 33rd does not.
TEST_F(ListFileTest, DeepChainsStopAtAFixedDepth) {
    host.catalogs.insert(QStringLiteral("K"), folder.filePath(QStringLiteral("kette")));
    for (int i = 0; i < 200; ++i)
        folder.write(QStringLiteral("kette/%1.inf").arg(i),
                     QStringLiteral("Root { SymbolFile = \"<K>%1.inf\" }").arg(i + 1).toUtf8());
    folder.write(QStringLiteral("kette/200.inf"), symbolFile({"ENDE"}));
    for (const auto& [start, loads] : {std::pair(160, 0), std::pair(168, 0), std::pair(169, 1)}) {
        EXPECT_EQ(manager.AddFile(folder.filePath(QStringLiteral("kette/%1.inf").arg(start)), nullptr), loads)
            << start;
        EXPECT_EQ(manager.LookupSymbol(QStringLiteral("ENDE")) != nullptr, loads == 1) << start;
    }
}

// A list file first reached at the bottom of a deep chain, where its entries are cut off, still
// loads its entries when a shorter path reaches it later: the order of entries does not matter.
TEST_F(ListFileTest, WhatLoadsDoesNotDependOnTheOrderOfEntries) {
    host.catalogs.insert(QStringLiteral("K"), folder.filePath(QStringLiteral("k")));
    for (int i = 0; i < 29; ++i) // oben, 0 to 29 and mitte make 32 files: ziel is cut off
        folder.write(QStringLiteral("k/%1.inf").arg(i),
                     QStringLiteral("Root { SymbolFile = \"<K>%1.inf\" }").arg(i + 1).toUtf8());
    folder.write(QStringLiteral("k/29.inf"), "Root { SymbolFile = \"<K>mitte.inf\" }");
    folder.write(QStringLiteral("k/mitte.inf"), "Root { SymbolFile = \"<K>ziel.inf\" }");
    folder.write(QStringLiteral("k/ziel.inf"), symbolFile({"ZIEL"}));
    for (const bool deepFirst : {true, false}) {
        manager.Reset();
        const QByteArray deep = "SymbolFile = \"<K>0.inf\"\n", near = "SymbolFile = \"<K>mitte.inf\"\n";
        const QString top = folder.write(QStringLiteral("k/oben.inf"),
                                         "Root {\n" + (deepFirst ? deep + near : near + deep) + "}\n");
        EXPECT_EQ(manager.AddFile(top, nullptr), 1);
        EXPECT_NE(manager.LookupSymbol(QStringLiteral("ZIEL")), nullptr) << deepFirst;
    }
}

// Every level names both list files of the next one: expanding each list file once per path
// to it would take 2^24 steps.
TEST_F(ListFileTest, ListFilesSharedByManyPathsAreExpandedOnce) {
    host.catalogs.insert(QStringLiteral("K"), folder.filePath(QStringLiteral("leiter")));
    constexpr int kLevels = 24;
    for (int level = 0; level < kLevels; ++level)
        for (const char* side : {"a", "b"})
            folder.write(QStringLiteral("leiter/%1%2.inf").arg(level).arg(side),
                         QStringLiteral("Root { SymbolFile = \"<K>%1a.inf\" SymbolFile = \"<K>%1b.inf\" }")
                             .arg(level + 1)
                             .toUtf8());
    folder.write(QStringLiteral("leiter/%1a.inf").arg(kLevels), symbolFile({"UNTEN"}));
    const QString bottom = folder.filePath(QStringLiteral("leiter/%1a.inf").arg(kLevels));
    const QString top = supplied(QStringLiteral("Heizung/oben.inf"), "Root { SymbolFile = \"<K>0a.inf\" }");
    manager.CollectFiles();
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("UNTEN")), nullptr);
    ASSERT_EQ(manager.FilePaths().size(), 1);
    ASSERT_NE(fileAt(bottom), nullptr);
    ASSERT_NE(fileAt(bottom)->m_pParent, nullptr);
    EXPECT_EQ(fileAt(bottom)->m_pParent->m_path,
              folder.filePath(QStringLiteral("leiter/%1a.inf").arg(kLevels - 1)));
    // A later call reads the list files again and finds the same.
    EXPECT_EQ(manager.AddFile(top, nullptr), 1);
}

TEST_F(SymbolLibraryTest, ResetForgetsEverything) {
    supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"A"}));
    folder.write(QStringLiteral("User-Standards/Symbol Toolbars/UserSettings.inf"),
                 "Root { Pages { Page { Symbol { BlockName = \"A\" Text = \"x\" } } } }");
    manager.CollectFiles();
    ASSERT_NE(manager.GetUserSettingsFile(0), nullptr);
    manager.Reset();
    EXPECT_TRUE(manager.FilePaths().isEmpty());
    EXPECT_TRUE(manager.IndexSize() == 0);
    EXPECT_TRUE(manager.UserSymbolCount() == 0);
    EXPECT_EQ(manager.GetUserSettingsFile(0), nullptr);
    EXPECT_EQ(manager.m_bIndexChanged, 0);
    manager.CollectFiles();
    EXPECT_EQ(manager.FilePaths().size(), 1) << "after a reset files are collected again";
}

TEST_F(SymbolLibraryTest, FindSymbolsComparesTheRawBlockNameExactly) {
    supplied(QStringLiteral("Heizung/a.inf"), symbolFile({"Pumpe", "PUMPE"}));
    supplied(QStringLiteral("Sanitaer/b.inf"), symbolFile({"Pumpe"}));
    manager.CollectFiles();
    std::vector<CNode*> nodes;
    manager.FindSymbols(QStringLiteral("Pumpe"), nodes);
    EXPECT_EQ(nodes.size(), 2u);
    nodes.clear();
    manager.FindSymbols(QStringLiteral("pumpe"), nodes);
    EXPECT_TRUE(nodes.empty());
}

} // namespace
