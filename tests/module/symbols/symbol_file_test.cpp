#include "test_folder.h"

#include "symbols/symbol_file.h"
#include "symbols/symbol_library_context.h"
#include "symbols/symbol_values.h"

#include "corekit/tree_items.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

class SymbolFileTest : public orvane::test::FolderTest {
protected:
    SymbolFilterValues filters{QStringLiteral("Basic"), QStringLiteral("DEU")};
};

const char* const kTwoPages = R"(Root {
  Defaults {
    SlideName = "HZ_Standard"
    AskRotation = "1"
  }
  Pages {
    Page {
      DisplayName = "Pumpen"
      Symbol { BlockName = "HZ_Pumpe" Text = "Umwälzpumpe" }
      Symbol { BlockName = "HZ_Ventil" SlideName = "HZ_Ventil:2" }
    }
    Page { DisplayName = "Nur Pro" Version = "+Pro" }
    Page { DisplayName = "Ohne Österreich" Region = "-:AUT" }
  }
}
)";

TEST_F(SymbolFileTest, LoadCountsVisiblePagesAndFallsBackToDefaults) {
    CSymbolFile file(folder.write(QStringLiteral("Heizung/a.inf"), kTwoPages));
    ASSERT_EQ(file.Load(filters), 1);
    EXPECT_EQ(file.m_nPages, 2);
    EXPECT_EQ(file.m_bSupport, 0);
    ASSERT_NE(file.m_pDefaults, nullptr);
    EXPECT_TRUE(file.m_fileTime.isValid());

    const CNode* page = file.m_pRoot->FindChild(QStringLiteral("Pages"))->GetFirstChild();
    const CNode* pump = page->GetFirstChild();
    const CNode* valve = page->GetChild(1);
    EXPECT_EQ(file.GetSymbolValue(pump, QStringLiteral("SlideName")), QStringLiteral("HZ_Standard"));
    EXPECT_EQ(Symbols::GetSymbolValue(pump, QStringLiteral("SlideName")), QString());
    EXPECT_EQ(file.GetSymbolValue(valve, QStringLiteral("SlideName")), QStringLiteral("HZ_Ventil:2"));
    EXPECT_EQ(file.GetSymbolValue(pump, QStringLiteral("Command")), QString());
    EXPECT_EQ(file.GetSymbolValue(nullptr, QStringLiteral("SlideName")), QString());
    EXPECT_EQ(file.GetDefaultValue(QStringLiteral("AskRotation")), QStringLiteral("1"));
    EXPECT_EQ(file.GetDefaultValue(QStringLiteral("AskSize")), QString());
}

TEST_F(SymbolFileTest, FilesWithoutVisiblePagesOrUnreadableDoNotLoad) {
    filters.regionToken = QStringLiteral("AUT");
    CSymbolFile filtered(folder.write(QStringLiteral("f.inf"),
                                      "Root { SymbolFile = \"<KAT>x.inf\" Pages { Page { Version = \"Pro\" } "
                                      "Page { Region = \"-:AUT\" } } }"));
    EXPECT_EQ(filtered.Load(filters), 0);
    ASSERT_NE(filtered.m_pRoot, nullptr) << "a list file's entries must stay readable";
    EXPECT_NE(filtered.m_pRoot->FindLeaf(QStringLiteral("SymbolFile")), nullptr);
    EXPECT_EQ(filtered.m_nPages, 0);

    CSymbolFile noPages(folder.write(QStringLiteral("n.inf"), "Root { }"));
    EXPECT_EQ(noPages.Load(filters), 0);

    CSymbolFile corrupt(folder.write(QStringLiteral("c.inf"), "Root { Pages { Page { "));
    TreeReadError error;
    EXPECT_EQ(corrupt.Load(filters, &error), 0);
    EXPECT_EQ(corrupt.m_pRoot, nullptr);
    EXPECT_GT(error.line, 0);

    CSymbolFile missing(folder.filePath(QStringLiteral("missing.inf")));
    EXPECT_EQ(missing.Load(filters), 0);
}

TEST_F(SymbolFileTest, ReloadStartsFromAClearedObject) {
    const QString path = folder.write(QStringLiteral("a.inf"), kTwoPages);
    CSymbolFile file(path);
    ASSERT_EQ(file.Load(filters), 1);
    CSymbolFile parent(QStringLiteral("list.inf"));
    file.m_pParent = &parent;
    folder.write(QStringLiteral("a.inf"), "Root { Pages { Page { } } }");
    ASSERT_EQ(file.Load(filters), 1);
    EXPECT_EQ(file.m_nPages, 1);
    EXPECT_EQ(file.m_pDefaults, nullptr);
    EXPECT_EQ(file.m_pParent, nullptr);
    EXPECT_EQ(file.m_path, path);
}

TEST(SymbolFilePaths, SupportFolderCountsOnlyAfterTheFirstCharacter) {
    EXPECT_TRUE(CSymbolFile::IsSupportPath(QStringLiteral("/opt/orvane/Support/Symbol Toolbars/H/a.inf")));
    EXPECT_TRUE(CSymbolFile::IsSupportPath(QStringLiteral("C:\\Orvane\\Support\\Symbol Toolbars\\a.inf")));
    EXPECT_FALSE(CSymbolFile::IsSupportPath(QStringLiteral("/Support/a.inf")));
    EXPECT_FALSE(CSymbolFile::IsSupportPath(QStringLiteral("\\Support\\a.inf")));
    EXPECT_FALSE(CSymbolFile::IsSupportPath(QStringLiteral("/opt/SupportFiles/a.inf")));
    EXPECT_FALSE(CSymbolFile::IsSupportPath(QStringLiteral("/opt/support/a.inf")));
}

TEST_F(SymbolFileTest, SupportFlagIsSetByLoad) {
    CSymbolFile file(folder.write(QStringLiteral("Support/Symbol Toolbars/Gas/g.inf"), kTwoPages));
    ASSERT_EQ(file.Load(filters), 1);
    EXPECT_EQ(file.m_bSupport, 1);
}

TEST_F(SymbolFileTest, CreateAndSaveChooseTheFormByExtension) {
    const auto created = [&](const char* name) {
        CSymbolFile file(folder.filePath(QString::fromUtf8(name)));
        EXPECT_EQ(file.Create(), 1);
        EXPECT_EQ(file.m_nPages, 1);
        return folder.read(QString::fromUtf8(name));
    };
    EXPECT_TRUE(created("u.INFX").startsWith("<?xml"));
    EXPECT_TRUE(created("u.infx").startsWith("<?xml"));
    EXPECT_FALSE(created("u.inf").startsWith("<?xml"));
    EXPECT_FALSE(created("noext").startsWith("<?xml"));

    CSymbolFile back(folder.filePath(QStringLiteral("u.INFX")));
    ASSERT_EQ(back.Load(filters), 1);
    const CNode* page = back.m_pRoot->FindChild(QStringLiteral("Pages"))->FindChild(QStringLiteral("Page"));
    ASSERT_NE(page, nullptr);
    ASSERT_NE(page->FindLeaf(QStringLiteral("DisplayName")), nullptr);
    EXPECT_TRUE(page->FindLeaf(QStringLiteral("DisplayName"))->GetRawData().isEmpty());
}

TEST_F(SymbolFileTest, FailedSaveKeepsFileOnDiskAndEditInMemory) {
    const QString path = folder.write(QStringLiteral("s.inf"), kTwoPages);
    CSymbolFile file(path);
    ASSERT_EQ(file.Load(filters), 1);
    CNode* pump = file.m_pRoot->FindChild(QStringLiteral("Pages"))->GetFirstChild()->GetFirstChild();
    Symbols::SetSymbolValue(pump, QStringLiteral("Text"), QStringLiteral("Geändert"));

    // A folder in the way of the atomic rename makes the write fail, whoever runs the test.
    CSymbolFile blocked(folder.filePath(QStringLiteral("s.inf/inner.inf")));
    blocked.m_pRoot = std::move(file.m_pRoot);
    EXPECT_EQ(blocked.Save(), 0);
    file.m_pRoot = std::move(blocked.m_pRoot);

    QDir().mkpath(folder.filePath(QStringLiteral("d.inf")));
    CSymbolFile intoFolder(folder.filePath(QStringLiteral("d.inf")));
    EXPECT_EQ(intoFolder.Create(), 0);
    EXPECT_NE(intoFolder.m_pRoot, nullptr) << "the new tree stays in memory";

    EXPECT_EQ(folder.read(QStringLiteral("s.inf")), QByteArray(kTwoPages));
    EXPECT_EQ(Symbols::GetSymbolValue(pump, QStringLiteral("Text")), QStringLiteral("Geändert"));
    ASSERT_EQ(file.Save(), 1);
    CSymbolFile reread(path);
    ASSERT_EQ(reread.Load(filters), 1);
    const CNode* again = reread.m_pRoot->FindChild(QStringLiteral("Pages"))->GetFirstChild()->GetFirstChild();
    EXPECT_EQ(Symbols::GetSymbolValue(again, QStringLiteral("Text")), QStringLiteral("Geändert"));

    CSymbolFile empty(folder.filePath(QStringLiteral("never.inf")));
    EXPECT_EQ(empty.Save(), 0);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("never.inf"))));
}

} // namespace
