#include "test_folder.h"

#include "symbols/node_filters.h"
#include "symbols/symbol_file.h"
#include "symbols/symbol_file_manager.h"
#include "symbols/symbols_host.h"

#include "corekit/installation.h"
#include "corekit/vars_mgr.h"

#include <gtest/gtest.h>

namespace {

// The library on the platform's own services: host variables and filter values come from an
// installation file, as in the host.
class PlatformHostTest : public orvane::test::FolderTest {
protected:
    void load(const QByteArray& installation) {
        const QString path = folder.write(QStringLiteral("installation.inf"), installation);
        ASSERT_TRUE(COrvaneInstallation::Current().Load(path));
        COrvaneVarsMgr::GetInstance().Reset();
        NodeFilters::ForgetHostValues();
    }
    ~PlatformHostTest() override {
        COrvaneInstallation::Current().Clear();
        COrvaneVarsMgr::GetInstance().Reset();
        NodeFilters::ForgetHostValues();
    }
};

TEST_F(PlatformHostTest, CollectsFromTheInstallationsFoldersWithItsFilterValues) {
    load("Installation { VersionName = \"OrvaneLT\" Region = \"AUT\"\n"
         "  Variables { SYMBOLE_PATH = \"$(INSTALLDIR)\" Q3DB_SYMBOLTB_DIRNAME_H = \"Heizung_AT\" } }\n");
    folder.write(QStringLiteral("Support/Symbol Toolbars/Heizung/a.inf"),
                 "Root { Pages { Page { Version = \"-OrvaneLT\" Symbol { BlockName = \"NUR_DT\" } } } }");
    folder.write(QStringLiteral("Support/Symbol Toolbars/Heizung/b.inf"),
                 "Root { Pages { Page { Region = \"+:AUT\" Symbol { BlockName = \"NUR_AT\" } } } }");
    CSymbolFileManager manager;
    manager.CollectFiles();
    EXPECT_EQ(manager.LookupSymbol(QStringLiteral("NUR_DT")), nullptr);
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("NUR_AT")), nullptr);

    std::vector<CSymbolFile*> files;
    manager.GetFilesForTrade(QStringLiteral("H"), files, QString(), 1);
    EXPECT_TRUE(files.empty()) << "the trade folder comes from the host variable";
    manager.GetFilesForTrade(QStringLiteral("H"), files, QString(), 0);
    EXPECT_EQ(files.size(), 1u);
}

TEST_F(PlatformHostTest, DefaultFoldersWhenNoBasePathIsSet) {
    load("Installation { Folders { Support = \"Mitgeliefert\" Standards = \"Eigene\" } }\n");
    folder.write(QStringLiteral("Mitgeliefert/Symbol Toolbars/Gas/g.inf"), "Root { Pages { Page { Symbol { BlockName = \"G\" } } } }");
    folder.write(QStringLiteral("Eigene/Symbol Toolbars/User/u.inf"), "Root { Pages { Page { Symbol { BlockName = \"U\" } } } }");
    CSymbolFileManager manager;
    manager.CollectFiles();
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("G")), nullptr);
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("U")), nullptr);
    ASSERT_NE(manager.GetUserSettingsFile(1), nullptr);
    EXPECT_EQ(manager.GetUserSettingsFile(0)->m_path,
              folder.filePath(QStringLiteral("Eigene/Symbol Toolbars/UserSettings.inf")));
}

} // namespace

namespace {

TEST_F(PlatformHostTest, ListFilesNameCataloguesOfTheInstallation) {
    load("Installation { Variables { SYMBOLE_PATH = \"$(INSTALLDIR)\" } }\n");
    folder.write(QStringLiteral("Catalogs/HERSTELLER/Symbole/h.inf"), "Root { Pages { Page { Symbol { BlockName = \"H\" } } } }");
    folder.write(QStringLiteral("Support/Symbol Toolbars/Heizung/liste.inf"),
                 "Root { SymbolFile = \"<HERSTELLER>Symbole\\\\h.inf\" SymbolFile = \"<../Support>x.inf\" }");
    CSymbolFileManager manager;
    manager.CollectFiles();
    EXPECT_NE(manager.LookupSymbol(QStringLiteral("H")), nullptr);
    EXPECT_EQ(manager.m_mapFiles.size(), 1);
}

} // namespace
