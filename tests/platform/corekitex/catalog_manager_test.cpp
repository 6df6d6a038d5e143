#include "corekitex/catalog_manager.h"

#include "corekit/installation.h"

#include "test_folder.h"

#include <QDir>
#include <QFileInfo>

using orvane::test::FolderTest;

class CatalogManagerTest : public FolderTest {
protected:
    void SetUp() override {
        folder.write("Kataloge/10_acme.inf", R"(Catalog {
  ID = "ACME_WOST"
  DisplayName = "Acme Wohnungsstationen"
  Kinds = "RS_HZ:RS_TW"
  RootPath = "Hersteller\\Acme\\"
  MmdKey = "ACME"
  Database = "Daten\\acme.orvmat"
  Regions = "DEU:AUT"
}
)");
        folder.write("Kataloge/20_beta.inf", R"(Catalog {
  ID = "BETA"
  Kinds = "rs_hz"
  RootPath = "/srv/beta"
  MmdKey = "BETA_MMD"
  Database = "/srv/db/beta.orvmat"
}
)");
        folder.write("Kataloge/30_pumps.inf",
                     "Catalog { ID = \"PUMPEN\" DisplayName = \"Pumpen\" Kinds = \"PUMP\" }\n");
        folder.write("Kataloge/40_noid.inf", "Catalog { DisplayName = \"Ohne Kennung\" }\n");
        folder.write("Kataloge/50_twice.inf", "Catalog { ID = \"acme_wost\" }\n");
        folder.write("Kataloge/60_broken.inf", "Catalog { ID = \"X\"\n");
        folder.write("Kataloge/readme.txt", "not a descriptor");
        manager()->setCatalogFolder(folder.filePath("Kataloge"));
    }
    void TearDown() override { manager()->setCatalogFolder(QString()); }
    static orvCatalogManager* manager() { return orvCatalogManager::getInstance(); }
    QString base() const { return QDir(folder.path()).filePath("Kataloge"); }
};

TEST_F(CatalogManagerTest, ReadsEveryGoodDescriptorAndTellsAboutTheOthers) {
    const QList<orvCatalogInfo*> all = manager()->getAllCatalogs();
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all[0]->getStrID(), "ACME_WOST");
    EXPECT_EQ(all[1]->getStrID(), "BETA");
    EXPECT_EQ(all[2]->getStrID(), "PUMPEN");
    const QStringList errors = manager()->getLoadErrors();
    ASSERT_EQ(errors.size(), 3);
    EXPECT_TRUE(errors[0].contains("40_noid.inf"));
    EXPECT_TRUE(errors[1].contains("50_twice.inf"));
    EXPECT_TRUE(errors[2].contains("60_broken.inf"));
}

TEST_F(CatalogManagerTest, DescriptorValuesWithPathsResolved) {
    const orvCatalogInfo* acme = manager()->findCatalogInfo("ACME_WOST");
    ASSERT_NE(acme, nullptr);
    EXPECT_EQ(acme->getStrDisplayName(), "Acme Wohnungsstationen");
    EXPECT_EQ(acme->getStrRootPath(), base() + "/Hersteller/Acme");
    EXPECT_EQ(acme->getStrDatabasePath(), base() + "/Hersteller/Acme/Daten/acme.orvmat");
    EXPECT_EQ(acme->getStrMmdKey(), "ACME");
    EXPECT_EQ(acme->getKinds(), QStringList({"RS_HZ", "RS_TW"}));
    EXPECT_EQ(acme->getRegions(), QStringList({"DEU", "AUT"}));

    const orvCatalogInfo* pumps = manager()->findCatalogInfo("PUMPEN");
    ASSERT_NE(pumps, nullptr);
    EXPECT_EQ(pumps->getStrRootPath(), base() + "/PUMPEN") << "the root defaults to the identifier";
    EXPECT_EQ(pumps->getStrDatabasePath(), "");
    EXPECT_EQ(manager()->findCatalogInfo("BETA")->getStrDisplayName(), "BETA");
}

TEST_F(CatalogManagerTest, FindsByIdentifierIgnoringCaseAndAngleBrackets) {
    EXPECT_EQ(manager()->findCatalogInfo("<acme_wost>"), manager()->findCatalogInfo("ACME_WOST"));
    EXPECT_EQ(manager()->findCatalogInfo("<Beta"), manager()->findCatalogInfo("BETA"));
    EXPECT_EQ(manager()->findCatalogInfo("Acme"), nullptr);
    EXPECT_EQ(manager()->findCatalogInfo(""), nullptr);
}

TEST_F(CatalogManagerTest, FiltersByKindAndTheOptionalConditions) {
    QList<orvCatalogInfo*> list;
    EXPECT_EQ(manager()->getFilteredCatalogList(list, nullptr, nullptr, nullptr, "RS_HZ", nullptr), 2);
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0]->getStrID(), "ACME_WOST");
    EXPECT_EQ(list[1]->getStrID(), "BETA");

    const QString region = "CHE";
    EXPECT_EQ(manager()->getFilteredCatalogList(list, nullptr, &region, nullptr, "RS_HZ", nullptr), 1);
    EXPECT_EQ(list[0]->getStrID(), "BETA") << "a catalogue without regions is offered everywhere";

    const QString filter = "wohnungs";
    EXPECT_EQ(manager()->getFilteredCatalogList(list, nullptr, nullptr, &filter, QString(), nullptr), 1);
    EXPECT_EQ(list[0]->getStrID(), "ACME_WOST");

    const QStringList ids{"pumpen", "beta"};
    EXPECT_EQ(manager()->getFilteredCatalogList(list, &ids, nullptr, nullptr, QString(), nullptr), 2);
    const QString key = "beta_mmd";
    EXPECT_EQ(manager()->getFilteredCatalogList(list, nullptr, nullptr, nullptr, "RS_HZ", &key), 1);
    EXPECT_EQ(list[0]->getStrID(), "BETA");
    EXPECT_EQ(manager()->getFilteredCatalogList(list, nullptr, nullptr, nullptr, "RS_KL", nullptr), 0);
    EXPECT_TRUE(list.isEmpty());
}

TEST_F(CatalogManagerTest, TheInstallationNamesTheFolderAndReloadSeesChanges) {
    manager()->setCatalogFolder(QString());
    ASSERT_TRUE(COrvaneInstallation::GetInstance().Load(folder.write(
        "inst/installation.inf", "Installation { Folders { Catalogs = \"..\\\\Kataloge\" } }\n")));
    EXPECT_EQ(manager()->getCatalogFolder(), base());
    EXPECT_EQ(manager()->getAllCatalogs().size(), 3);

    folder.write("Kataloge/35_neu.inf", "Catalog { ID = \"NEU\" Kinds = \"RS_HZ\" }\n");
    EXPECT_EQ(manager()->findCatalogInfo("NEU"), nullptr) << "kept until reload";
    manager()->reload();
    EXPECT_NE(manager()->findCatalogInfo("NEU"), nullptr);
    COrvaneInstallation::GetInstance().Clear();
}

TEST(SampleCatalogues, TheSampleInstallationKnowsItsManufacturerCatalogue) {
    ASSERT_TRUE(
        COrvaneInstallation::GetInstance().Load(orvane::test::sampleInstallationPath("installation.inf")));
    orvCatalogManager::getInstance()->reload();
    const orvCatalogInfo* valves = orvCatalogManager::getInstance()->findCatalogInfo("<ORV_HZ_ARMATUREN>");
    ASSERT_NE(valves, nullptr);
    EXPECT_TRUE(QFileInfo::exists(valves->getStrRootPath() + "/Symbole/Hersteller_Armaturen.inf"));
    EXPECT_TRUE(orvCatalogManager::getInstance()->getLoadErrors().isEmpty());
    COrvaneInstallation::GetInstance().Clear();
    orvCatalogManager::getInstance()->reload();
}
