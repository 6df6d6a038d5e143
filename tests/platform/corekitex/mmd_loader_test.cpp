// ensureMMDLoaded: the catalogue's material database is attached under its key, loading the
// database library by name; a database kept apart from its catalogue is found in the database
// folders of the manager that read it.

#include "corekitex/catalog_manager.h"
#include "corekitex/mmd_loader.h"

#include "orvmat/catalogue_source.h"
#include "orvmat/database_writer.h"
#include "orvmat/session.h"

#include "test_folder.h"

#include <gtest/gtest.h>

namespace {

using orvane::test::FolderTest;

class MmdLoaderTest : public FolderTest {
protected:
    void TearDown() override { session().detach("ACME_MMD"); }

    void writeCatalogue(const char* database) {
        folder.write(QStringLiteral("catalogs/acme.inf"),
                     QByteArray("Catalog {\n  ID = \"ACME\"\n  Kinds = \"RS_HZ\"\n  MmdKey = \"ACME_MMD\"\n"
                                "  Database = \"") +
                         database + "\"\n}\n");
        manager.setCatalogFolder(folder.filePath(QStringLiteral("catalogs")));
    }

    // A small database whose version row tells which copy was attached.
    void buildDatabase(const QString& relative, const char* version) {
        orvmat::CatalogueSource source;
        orvmat::SourceError error;
        const std::string text =
            std::string("table Heizung.Wohnungsstationen.Logik\nrow Versionsnummer: \"") + version + "\"\n";
        ASSERT_TRUE(orvmat::readCatalogueSourceText(text, "acme.orvsrc", source, error));
        folder.write(relative + QStringLiteral(".placeholder"), "");
        ASSERT_TRUE(orvmat::writeDatabase(source, folder.filePath(relative).toStdString(), error))
            << error.toString();
    }

    orvCatalogInfo* catalogue() {
        QList<orvCatalogInfo*> list;
        const QString kind = QStringLiteral("RS_HZ");
        EXPECT_EQ(manager.getFilteredCatalogList(list, nullptr, nullptr, nullptr, kind, nullptr), 1);
        return list.isEmpty() ? nullptr : list.first();
    }

    // The session the loaded database library shares with this program.
    static orvmat::Session& session() { return orvmat::Session::GetInstance(); }

    // The version text of the attached database, empty when it cannot be read.
    static QString attachedVersion() {
        if (!session().select("ACME_MMD"))
            return QString();
        orvmat::Database& db = *session().current();
        const auto logik = db.findTable(0, "Heizung.Wohnungsstationen.Logik");
        const orvmat::Value* text = logik ? db.cell(*logik, db.idOfKey("Versionsnummer"), 0, 0) : nullptr;
        return text ? QString::fromStdString(text->text) : QString();
    }

    orvCatalogManager manager;
};

} // namespace

TEST_F(MmdLoaderTest, AttachesTheCatalogueDatabaseUnderItsKey) {
    buildDatabase(QStringLiteral("catalogs/ACME/acme.omdb"), "2");
    writeCatalogue("acme.omdb");

    orvCatalogInfo* info = catalogue();
    ASSERT_TRUE(info);
    EXPECT_FALSE(session().select("ACME_MMD")) << "not attached before it is asked for";
    EXPECT_EQ(ensureMMDLoaded(info, QStringLiteral("RS_HZ")), QStringLiteral("ACME_MMD"));
    EXPECT_EQ(attachedVersion(), QStringLiteral("2")) << session().lastError();
    const orvmat::Database* attached = session().current();

    // Asking again keeps the attached database (and so its handles).
    EXPECT_EQ(ensureMMDLoaded(info, QStringLiteral("RS_HZ")), QStringLiteral("ACME_MMD"));
    ASSERT_TRUE(session().select("ACME_MMD"));
    EXPECT_EQ(session().current(), attached);
}

TEST_F(MmdLoaderTest, AnswersTheKeyEvenWhenTheDatabaseIsMissing) {
    writeCatalogue("nowhere.omdb");
    orvCatalogInfo* info = catalogue();
    ASSERT_TRUE(info);
    EXPECT_EQ(ensureMMDLoaded(info, QStringLiteral("RS_HZ")), QStringLiteral("ACME_MMD"));
    EXPECT_FALSE(session().select("ACME_MMD")) << "nothing to select: the catalogue is skipped later";
    EXPECT_EQ(ensureMMDLoaded(nullptr, QStringLiteral("RS_HZ")), QString());
}

TEST_F(MmdLoaderTest, AKeylessCatalogueAttachesNothing) {
    folder.write(QStringLiteral("catalogs/plain.inf"),
                 "Catalog {\n  ID = \"PLAIN\"\n  Kinds = \"RS_HZ\"\n}\n");
    manager.setCatalogFolder(folder.filePath(QStringLiteral("catalogs")));
    orvCatalogInfo* info = catalogue();
    ASSERT_TRUE(info);
    EXPECT_EQ(ensureMMDLoaded(info, QStringLiteral("RS_HZ")), QString());
    EXPECT_EQ(catalogDatabaseFile(*info), QString());
}

TEST_F(MmdLoaderTest, ADatabaseMissingBesideItsCatalogueIsFoundInTheDatabasePath) {
    buildDatabase(QStringLiteral("built/second/acme.omdb"), "3");
    buildDatabase(QStringLiteral("built/third/acme.omdb"), "1");
    writeCatalogue("acme.omdb");
    manager.setDatabaseFolders({folder.filePath(QStringLiteral("built/first")),
                                folder.filePath(QStringLiteral("built/second")),
                                folder.filePath(QStringLiteral("built/third"))});
    orvCatalogInfo* info = catalogue();
    ASSERT_TRUE(info);
    EXPECT_EQ(catalogDatabaseFile(*info), folder.filePath(QStringLiteral("built/second/acme.omdb")));
    EXPECT_EQ(ensureMMDLoaded(info, QStringLiteral("RS_HZ")), QStringLiteral("ACME_MMD"));
    EXPECT_EQ(attachedVersion(), QStringLiteral("3")) << "the first folder that has it";

    // The catalogue's own copy wins once it is there.
    buildDatabase(QStringLiteral("catalogs/ACME/acme.omdb"), "2");
    EXPECT_EQ(catalogDatabaseFile(*info), folder.filePath(QStringLiteral("catalogs/ACME/acme.omdb")));
    EXPECT_EQ(ensureMMDLoaded(info, QStringLiteral("RS_HZ")), QStringLiteral("ACME_MMD"));
    EXPECT_EQ(attachedVersion(), QStringLiteral("2"));
}
