#include "cli_test_support.h"
#include "test_folder.h"

#include "corekit/tree_items.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using orvane::test::FolderTest;
using orvane::test::runOrvane;

TEST(CliOverview, HelpAndUnknownCommands) {
    const auto help = runOrvane({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("tree")));
    EXPECT_EQ(runOrvane({}).status, 2);
    const auto unknown = runOrvane({QStringLiteral("frobnicate")});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("frobnicate")));
}

TEST_F(FolderTest, TreeConvertWritesTheFormTheExtensionAsksFor) {
    const QString in = folder.write(QStringLiteral("in.inf"), "Root {\n  K = \"a:b\"\n  Child {}\n}\n");
    const QString out = folder.filePath(QStringLiteral("out.infx"));
    ASSERT_EQ(runOrvane({QStringLiteral("tree"), QStringLiteral("convert"), in, out}).status, 0);
    EXPECT_TRUE(folder.read(QStringLiteral("out.infx")).startsWith("<?xml"));
    const auto printed = runOrvane({QStringLiteral("tree"), QStringLiteral("print"), out});
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.out, QStringLiteral("Root {\n  K = \"a:b\"\n  Child {}\n}\n"));
}

TEST_F(FolderTest, TreeErrorsNameFileLineAndColumn) {
    const QString bad = folder.write(QStringLiteral("bad.inf"), "Root {\n  K = \"x\\q\"\n}\n");
    const auto result = runOrvane({QStringLiteral("tree"), QStringLiteral("print"), bad});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.startsWith(bad + QStringLiteral(":2:9: "))) << qPrintable(result.err);
    EXPECT_EQ(runOrvane({QStringLiteral("tree"), QStringLiteral("print")}).status, 2);
    EXPECT_EQ(runOrvane({QStringLiteral("tree"), QStringLiteral("print"), QStringLiteral("--help")}).status,
              0);
    const QString out = folder.filePath(QStringLiteral("never.inf"));
    EXPECT_EQ(runOrvane({QStringLiteral("tree"), QStringLiteral("convert"), bad, out}).status, 1);
    EXPECT_FALSE(QFile::exists(out));
}

} // namespace
