// The one whole-file reader: only regular files, never more than the limit, and a message
// that says what is wrong. Every place that reads a file whole relies on these refusals.

#include "corekit/tree_items.h"
#include "corekit/whole_file.h"
#include "test_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using Kind = WholeFileError::Kind;

// Makes the name to read below `folder` and answers its path.
using Make = QString (*)(const orvane::test::TestFolder& folder);

QString link(const orvane::test::TestFolder& folder, const QString& target) {
    const QString path = folder.filePath(QStringLiteral("link.inf"));
    EXPECT_TRUE(QFile::link(target, path));
    return path;
}

struct Case {
    const char* what;
    Make make;
    qint64 maxBytes;
    Kind kind;
    const char* says; // part of the message; the bytes read when kind is None
};

const Case kCases[] = {
    {"fits exactly", [](const auto& f) { return f.write("a.inf", "0123456789"); }, 10, Kind::None,
     "0123456789"},
    {"empty", [](const auto& f) { return f.write("a.inf", ""); }, 10, Kind::None, ""},
    {"one byte too many", [](const auto& f) { return f.write("a.inf", "0123456789A"); }, 10, Kind::TooLarge,
     "is larger than 10 bytes"},
    {"link to a file", [](const auto& f) { return link(f, f.write("a.inf", "x")); }, 10, Kind::None, "x"},
    {"directory", [](const auto& f) { return f.path(); }, 10, Kind::Directory, "is a directory"},
    {"FIFO",
     [](const auto& f) {
         const QString path = f.filePath(QStringLiteral("fifo.inf"));
         EXPECT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
         return path;
     },
     10, Kind::NotRegular, "is not a regular file (FIFO)"},
    {"link to an endless device", [](const auto& f) { return link(f, QStringLiteral("/dev/zero")); }, 10,
     Kind::NotRegular, "is not a regular file (character device)"},
    {"dangling link", [](const auto& f) { return link(f, f.filePath(QStringLiteral("gone"))); }, 10,
     Kind::DanglingLink, "is a dangling link"},
    {"missing", [](const auto& f) { return f.filePath(QStringLiteral("none.inf")); }, 10, Kind::Missing,
     "does not exist"},
    // A file of /proc says it is empty, yet has more to read than the limit.
    {"longer than it says", [](const auto&) { return QStringLiteral("/proc/self/status"); }, 10,
     Kind::TooLarge, "is larger than 10 bytes"},
};

TEST(WholeFile, ReadsOnlyRegularFilesWithinTheLimit) {
    for (const Case& c : kCases) {
        const orvane::test::TestFolder folder;
        const QString path = c.make(folder);
        WholeFileError error;
        const auto bytes = ReadWholeFile(path, c.maxBytes, &error);
        EXPECT_EQ(error.kind, c.kind) << c.what;
        if (c.kind == Kind::None) {
            EXPECT_EQ(bytes, QByteArray(c.says)) << c.what;
            continue;
        }
        EXPECT_FALSE(bytes) << c.what;
        EXPECT_EQ(error.ToString(), path + QStringLiteral(": ") + QLatin1String(c.says)) << c.what;
    }
}

// The tree reader goes through the same checks on both of its ways in: a file small enough to
// be read and one large enough to be mapped.
TEST(WholeFile, TreeReaderRefusesWhatIsNoRegularFileOrTooLarge) {
    const orvane::test::TestFolder folder;
    const QString huge = folder.write(QStringLiteral("huge.inf"), "");
    ASSERT_TRUE(QFile::resize(huge, NodeFormats::kMaxFileBytes + 1)); // sparse: costs no space
    const QString zero = link(folder, QStringLiteral("/dev/zero"));
    const struct {
        QString path;
        const char* says;
    } cases[] = {{zero, "is not a regular file (character device)"},
                 {huge, "is larger than 268435456 bytes"},
                 {folder.path(), "is a directory"}};
    for (const auto& c : cases) {
        CNode* root = nullptr;
        TreeReadError error;
        EXPECT_EQ(TreeItems::ReadFromFile(c.path, root, 0, &error), 0);
        EXPECT_EQ(root, nullptr);
        EXPECT_EQ(error.ToString(), c.path + QStringLiteral(": ") + QLatin1String(c.says));
    }
}

} // namespace
