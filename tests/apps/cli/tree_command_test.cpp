#include "cli_test_support.h"
#include "test_folder.h"

#include <gtest/gtest.h>

namespace {

using namespace orvane::test;

TEST_F(FolderTest, TreeConvertWritesTheFormTheExtensionAsksFor) {
    const QString in = folder.write("in.inf", "Root {\n  K = \"a:b\"\n  Child {}\n}\n");
    const QString out = folder.filePath("out.infx");
    ASSERT_EQ(runOrvane({"tree", "convert", in, out}).status, 0);
    EXPECT_TRUE(folder.read("out.infx").startsWith("<?xml"));
    const auto printed = runOrvane({"tree", "print", out});
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.out, "Root {\n  K = \"a:b\"\n  Child {}\n}\n");
}

TEST_F(FolderTest, TreeErrorsNameFileLineAndColumn) {
    const QString bad = folder.write("bad.inf", "Root {\n  K = \"x\\q\"\n}\n");
    const auto result = runOrvane({"tree", "print", bad});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.startsWith(bad + ":2:9: ")) << qPrintable(result.err);
    const QString out = folder.filePath("never.inf");
    EXPECT_EQ(runOrvane({"tree", "convert", bad, out}).status, 1);
    EXPECT_FALSE(QFile::exists(out));
}

} // namespace
