#include "test_folder.h"

#include "symbols/symbol_file.h"
#include "symbols/symbol_file_manager.h"
#include "symbols/symbol_folders.h"
#include "symbols/symbol_library_context.h"
#include "symbols/symbols_host.h"

#include "frame/app.h"

#include "corekit/installation.h"
#include "corekit/translation.h"
#include "corekit/vars_mgr.h"
#include "corekitex/catalog_manager.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The module's translation module for one test: a fresh one reading data translations of
// `language`, or none; the previous module and language come back afterwards.
class TranslationModuleScope {
public:
    explicit TranslationModuleScope(const QString& language)
        : m_language(language), m_previous(g_pTranslationModule) {
        g_pTranslationModule =
            language.isEmpty()
                ? nullptr
                : CTranslationManager::GetInstance().AddModule(QStringLiteral("SymbolsHostTest"));
    }
    ~TranslationModuleScope() { g_pTranslationModule = m_previous; }

private:
    orvane::test::LanguageScope m_language;
    CTranslationModule* m_previous;
};

// The library on the platform's own services: host variables, version, region, default
// folders and catalogues come from an installation file, as in the host.
class PlatformHostTest : public orvane::test::FolderTest {
protected:
    void load(const QByteArray& installation) {
        const QString path = folder.write(QStringLiteral("installation.inf"), installation);
        ASSERT_TRUE(COrvaneInstallation::GetInstance().Load(path));
        forgetHostState();
    }
    ~PlatformHostTest() override {
        COrvaneInstallation::GetInstance().Clear();
        forgetHostState();
    }
    static void forgetHostState() {
        COrvaneVarsMgr::GetInstance().Reset();
        orvCatalogManager::getInstance()->reload();
    }
    QString symbolFile(const QString& relative, const char* pageLeaves, const char* blockName) {
        return folder.write(relative, QByteArray("Root { Pages { Page { ") + pageLeaves +
                                          " Symbol { BlockName = \"" + blockName + "\" } } } }");
    }

    // The context the host's own manager is built over.
    const HostSymbolLibraryContext hostContext{SymbolsHost::Get()};
};

TEST_F(PlatformHostTest, CollectsFromTheInstallationsFoldersWithItsFilterValues) {
    load("Installation { VersionName = \"OrvaneLT\" Region = \"AUT\"\n"
         "  Variables { SYMBOLE_PATH = \"$(INSTALLDIR)\" Q3DB_SYMBOLTB_DIRNAME_H = \"Heizung_AT\" } }\n");
    symbolFile("Support/Symbol Toolbars/Heizung/a.inf", "Version = \"-OrvaneLT\"", "NUR_DT");
    symbolFile("Support/Symbol Toolbars/Heizung/b.inf", "Region = \"+:AUT\"", "NUR_AT");
    CSymbolFileManager manager(hostContext);
    manager.CollectFiles();
    EXPECT_EQ(manager.LookupSymbol(QStringLiteral("NUR_DT")), nullptr);
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("NUR_AT")), nullptr);

    std::vector<CSymbolFile*> files;
    manager.GetFilesForTrade(QStringLiteral("H"), files, QString(), 1);
    EXPECT_TRUE(files.empty()) << "the trade folder comes from the host variable";
    manager.GetFilesForTrade(QStringLiteral("H"), files, QString(), 0);
    EXPECT_EQ(files.size(), 1u);
}

TEST_F(PlatformHostTest, TheInstallationsVersionAndRegionFilterTheSymbols) {
    load("Installation { VersionName = \"OrvanePro\" Region = \"UKR\" Variables { SYMBOLE_PATH = "
         "\"$(INSTALLDIR)\" } }\n");
    symbolFile("Support/Symbol Toolbars/Gas/pro.inf", "Version = \"+OrvanePro\"", "PRO");
    symbolFile("Support/Symbol Toolbars/Gas/rus.inf", "Region = \"+:RUS\"", "RUS");
    symbolFile("Support/Symbol Toolbars/Gas/ohne_rus.inf", "Region = \"-:RUS\"", "OHNE_RUS");
    CSymbolFileManager manager(hostContext);
    manager.CollectFiles();
    EXPECT_EQ(SymbolsHost::Get().VersionName(), QStringLiteral("OrvanePro"));
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("PRO")), nullptr);
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("RUS")), nullptr) << "UKR sees what is marked for RUS";
    EXPECT_EQ(manager.LookupSymbol(QStringLiteral("OHNE_RUS")), nullptr);
}

TEST_F(PlatformHostTest, DefaultFoldersWhenTheBasePathIsMissingOrDoesNotExist) {
    for (const char* basePath : {"", "Variables { SYMBOLE_PATH = \"$(INSTALLDIR)/fehlt\" }"}) {
        SCOPED_TRACE(basePath);
        load(QByteArray("Installation { Folders { Support = \"Mitgeliefert\" Standards = \"Eigene\" } ") +
             basePath + " }\n");
        symbolFile("Mitgeliefert/Symbol Toolbars/Gas/g.inf", "", "G");
        symbolFile("Eigene/Symbol Toolbars/User/u.inf", "", "U");
        CSymbolFileManager manager(hostContext);
        manager.CollectFiles();
        EXPECT_NE(manager.LookupSymbol(QStringLiteral("G")), nullptr);
        EXPECT_NE(manager.LookupSymbol(QStringLiteral("U")), nullptr);
        ASSERT_NE(manager.GetUserSettingsFile(1), nullptr);
        EXPECT_EQ(manager.GetUserSettingsFile(0)->m_path,
                  folder.filePath(QStringLiteral("Eigene/Symbol Toolbars/UserSettings.inf")));
    }
}

TEST_F(PlatformHostTest, CataloguePathsResolveThroughTheCatalogueManager) {
    load("Installation { Folders { Catalogs = \"Kataloge\" } Variables { SYMBOLE_PATH = \"$(INSTALLDIR)\" } "
         "}\n");
    folder.write(QStringLiteral("Kataloge/HERSTELLER.inf"),
                 "Catalog { ID = \"HERSTELLER\" RootPath = \"Daten/Hz\" }");
    const QString listed = symbolFile("Kataloge/Daten/Hz/Symbole/h.inf", "", "H");
    // A folder named like a catalogue is none without its descriptor.
    symbolFile("Kataloge/OHNE/o.inf", "", "O");
    const QString list =
        folder.write(QStringLiteral("Support/Symbol Toolbars/Heizung/liste.inf"),
                     "Root { SymbolFile = \"<hersteller>Symbole\\\\..\\\\Symbole\\\\h.inf\"\n"
                     "  SymbolFile = \"<OHNE>o.inf\" SymbolFile = \"<../Support>x.inf\" }");

    EXPECT_EQ(SymbolFolders::ResolveCatalogPath(hostContext, QStringLiteral("<HERSTELLER>Symbole\\h.inf")),
              listed);
    EXPECT_EQ(SymbolFolders::ResolveCatalogPath(hostContext, QStringLiteral("<Hersteller>Symbole/h.inf")),
              listed)
        << "any case";
    EXPECT_FALSE(SymbolFolders::ResolveCatalogPath(hostContext, QStringLiteral("<OHNE>o.inf")));
    EXPECT_FALSE(SymbolFolders::ResolveCatalogPath(hostContext, QStringLiteral("<>o.inf")));

    CSymbolFileManager manager(hostContext);
    manager.CollectFiles();
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("H")), nullptr);
    EXPECT_EQ(manager.LookupSymbol(QStringLiteral("O")), nullptr);
    ASSERT_EQ(manager.FilePaths().size(), 1);
    const CSymbolFile* file = manager.FindFile(listed);
    ASSERT_NE(file, nullptr) << "the path is normalised";
    ASSERT_NE(file->m_pParent, nullptr);
    EXPECT_EQ(file->m_pParent->m_path, list);
}

TEST_F(PlatformHostTest, TranslationsBesideTheTradeFoldersAreScanned) {
    TranslationModuleScope english("en");
    const auto ts = [&](const QString& relative, const char* source, const char* translation) {
        folder.write(relative, QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                                          "<TS version=\"2.1\" language=\"en\"><context><name>Daten</name>\n"
                                          "<message><source>") +
                                   source + "</source><translation>" + translation +
                                   "</translation></message></context></TS>\n");
    };
    load("Installation { Variables { SYMBOLE_PATH = \"$(INSTALLDIR)\" } }\n");
    ts(QStringLiteral("Support/Symbol Toolbars/Heizung/Seiten_en.ts"), "Ventile", "Valves");
    ts(QStringLiteral("Support/Symbol Toolbars/Schemata/Seiten_en.ts"), "Schemata", "Diagrams");
    ts(QStringLiteral("Support/Symbol Toolbars/Fremd/Seiten_en.ts"), "Fremd", "Foreign");
    ts(QStringLiteral("Support/Symbol Toolbars/Heizung/Toolbar_/Seiten_en.ts"), "Leiste", "Toolbar");
    ts(QStringLiteral("User-Standards/Symbol Toolbars/Meine/Seiten_en.ts"), "Eigene", "Own");

    CSymbolFileManager manager(hostContext);
    manager.CollectFiles();
    EXPECT_EQ(ModuleDataText(QStringLiteral("Ventile")), QStringLiteral("Valves"));
    EXPECT_EQ(ModuleDataText(QStringLiteral("Schemata")), QStringLiteral("Diagrams"));
    EXPECT_EQ(ModuleDataText(QStringLiteral("Eigene")), QStringLiteral("Own"))
        << "every user folder is scanned";
    EXPECT_EQ(ModuleDataText(QStringLiteral("Fremd")), QStringLiteral("Fremd"))
        << "not a trade of the supplied folder";
    EXPECT_EQ(ModuleDataText(QStringLiteral("Leiste")), QStringLiteral("Leiste"))
        << "only the trade folders themselves";
}

TEST_F(PlatformHostTest, WithoutATranslationModuleFilesAreStillCollected) {
    TranslationModuleScope none({});
    load("Installation { Variables { SYMBOLE_PATH = \"$(INSTALLDIR)\" } }\n");
    symbolFile("Support/Symbol Toolbars/Kaelte/k.inf", "", "K");
    CSymbolFileManager manager(hostContext);
    manager.CollectFiles();
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("K")), nullptr);
}

} // namespace
