// Hostile input for the tree readers: files kept under tests/data/trees/bad, and systematic
// damage to a valid file. Every read must fail cleanly or succeed; none may crash, hang or read
// past the data (the sanitizer build runs these too).

#include "corekit/mapped_read_guard.h"
#include "corekit/tree_items.h"
#include "test_folder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <csignal>

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace {

// Each kept file, where its fault stands and what the reader must call it.
const struct {
    const char* file;
    int line;
    int column;
    const char* says;
} kBadFiles[] = {
    {"bad-escape.infx", 1, 65, "malformed escape"},
    {"binary.inf", 1, 1, "a NUL byte"},
    {"deep-1002-levels.inf", 1, 2003, "nested too deeply"},
    {"deep-1002-levels.infx", 2, 15031, "nested too deeply"},
    {"invalid-utf8.inf", 2, 8, "invalid UTF-8 (byte 0xc3)"},
    {"stray-brace.inf", 1, 6, "'{' expected"},
    // The '}' too many stands 70 lines before the end, where the braces stop matching.
    {"stray-closing-brace.inf", 19, 7, "stray '}': it closes the node 'Page' of line 3"},
    {"text-nul-byte.inf", 21, 29, "a NUL byte"},
    {"truncated.inf", 4, 21, "not closed on its line"},
    {"unbalanced.inf", 2, 5, "the node 'A' is not closed"},
    {"unbalanced.infx", 6, 1, "Premature end"},
    {"unknown-escape.inf", 2, 8, "unknown escape"},
    // The XML reader's own report put this byte on line 1.
    {"xml-invalid-byte.infx", 44, 50, "invalid UTF-8 (byte 0xff)"},
    {"xml-nul-byte.infx", 44, 50, "a NUL byte"},
};

TEST(NodeBadInput, EveryKeptBadFileFailsWhereItsFaultStands) {
    const QDir dir(orvane::test::testDataPath(QStringLiteral("trees/bad")));
    EXPECT_EQ(dir.entryList(QDir::Files).size(), std::size(kBadFiles)) << "every kept file has its entry";
    for (const auto& bad : kBadFiles) {
        CNode* root = nullptr;
        TreeReadError error;
        EXPECT_EQ(TreeItems::ReadFromFile(dir.filePath(QLatin1String(bad.file)), root, 0, &error), 0)
            << bad.file;
        EXPECT_EQ(root, nullptr);
        EXPECT_EQ(QStringLiteral("%1:%2").arg(error.line).arg(error.column),
                  QStringLiteral("%1:%2").arg(bad.line).arg(bad.column))
            << bad.file;
        EXPECT_TRUE(error.message.contains(QLatin1String(bad.says)))
            << bad.file << ": " << qPrintable(error.message);
    }
}

// A large file is mapped while it is read; another program that cuts it short meanwhile must
// make the read fail, not end this one with SIGBUS. Here a thread cuts it as soon as the
// mapping shows in /proc/self/maps, while the reader is still going through the bytes.
TEST(NodeBadInput, FileCutShortWhileMappedFailsTheRead) {
    const orvane::test::TestFolder folder;
    QByteArray text = "Root {\n";
    while (text.size() < (8 << 20))
        text += "  Symbol { BlockName = \"HZ_PUMP_0001\" }\n";
    const QString path = folder.write(QStringLiteral("big.inf"), text + "}\n");
    const QByteArray name = QFile::encodeName(path);
    std::atomic<bool> cut = false;
    std::thread cutter([&] {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < until) {
            QFile maps(QStringLiteral("/proc/self/maps"));
            if (maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name)) {
                cut = ::truncate(name.constData(), 0) == 0;
                return;
            }
        }
    });
    CNode* root = nullptr;
    TreeReadError error;
    const int read = TreeItems::ReadFromFile(path, root, 0, &error);
    cutter.join();
    ASSERT_TRUE(cut) << "the file was never seen mapped";
    EXPECT_EQ(read, 0);
    EXPECT_EQ(root, nullptr);
    EXPECT_EQ(error.ToString(), path + QStringLiteral(": was cut short while it was read"));
}

// A change the reader does not run into, here a file grown after it was mapped, shows only in
// the file's size once the read is done.
TEST(NodeBadInput, MappedFileThatChangedSizeFailsTheRead) {
    const orvane::test::TestFolder folder;
    const QString path = folder.write(QStringLiteral("tree.inf"), "Root {\n  K = \"v\"\n}\n");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const qint64 size = file.size();
    uchar* mapped = file.map(0, size);
    ASSERT_TRUE(mapped);
    EXPECT_TRUE(std::unique_ptr<CNode>(TreeItems::ReadMapped(file, mapped, size)));
    folder.write(QStringLiteral("tree.inf"), "Root {\n  K = \"v\"\n}\n# grown\n");
    TreeReadError error;
    EXPECT_FALSE(std::unique_ptr<CNode>(TreeItems::ReadMapped(file, mapped, size, &error)));
    EXPECT_EQ(error.message, QStringLiteral("was cut short while it was read"));
    file.unmap(mapped);
}

// The guard alone: a fault inside its range reads zeros and is noted; one outside every guard
// still ends the program, as it would without the guard's handler (with SIGBUS, or through the
// sanitizer's own handler, which was there before).
TEST(NodeBadInputDeathTest, MappedReadGuardTakesOnlyFaultsInsideItsRange) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const orvane::test::TestFolder folder;
    const QString path = folder.filePath(QStringLiteral("pages.bin"));
    // The first byte of a mapped file of two pages, read after the file was cut to nothing.
    const auto readAfterCut = [&](bool guarded, bool* faulted) {
        folder.write(QStringLiteral("pages.bin"), QByteArray(8192, 'x'));
        QFile file(path);
        uchar* mapped = file.open(QIODevice::ReadOnly) ? file.map(0, file.size()) : nullptr;
        char other = 0;
        const MappedReadGuard guard(guarded ? static_cast<void*>(mapped) : &other, 8192);
        EXPECT_EQ(::truncate(QFile::encodeName(path).constData(), 0), 0);
        const uchar first = *static_cast<volatile uchar*>(mapped);
        *faulted = guard.Faulted();
        return first;
    };
    bool faulted = false;
    EXPECT_EQ(readAfterCut(true, &faulted), 0);
    EXPECT_TRUE(faulted);
    EXPECT_DEATH(readAfterCut(false, &faulted), "");
}

// A chain of `depth` nodes below one root; each level holds one short leaf.
std::unique_ptr<CNode> chain(int depth) {
    auto root = std::make_unique<CNode>(QStringLiteral("a"));
    CNode* node = root.get();
    for (int i = 0; i < depth; ++i) {
        node = node->AddChild(QStringLiteral("a"));
        node->AddLeaf(QStringLiteral("k"), QStringLiteral("v"));
    }
    return root;
}

// What the writers write at the deepest allowed level reads back, in both forms, and the
// indentation keeps the file a small multiple of its content.
TEST(NodeBadInput, DeepestAllowedTreeRoundTripsInLinearSize) {
    const auto tree = chain(NodeFormats::kMaxDepth);
    for (const bool xml : {false, true}) {
        const QByteArray bytes = xml ? NodeFormats::WriteXml(*tree) : NodeFormats::WriteText(*tree);
        // Three short lines a level; indentation without a cap would add ~3000 bytes a level.
        EXPECT_LT(bytes.size(), 120 * NodeFormats::kMaxDepth) << xml;
        TreeReadError error;
        std::unique_ptr<CNode> back(xml ? NodeFormats::ReadXml(bytes, &error)
                                        : NodeFormats::ReadText(bytes, &error));
        ASSERT_TRUE(back) << qPrintable(error.ToString());
        EXPECT_EQ(NodeFormats::TreeDepth(*back), NodeFormats::kMaxDepth);
    }
    QString text;
    EXPECT_TRUE(tree->WriteToString(text));
}

// One level more is refused by the writers too, and a very deep tree in memory is destroyed
// without running out of stack.
TEST(NodeBadInput, TooDeepTreeIsNotWrittenAndDestroysWithoutRecursion) {
    QString text;
    EXPECT_FALSE(chain(NodeFormats::kMaxDepth + 1)->WriteToString(text));
    EXPECT_TRUE(text.isEmpty());
    const orvane::test::TestFolder folder;
    EXPECT_FALSE(chain(NodeFormats::kMaxDepth + 1)
                     ->WriteToFile(folder.filePath(QStringLiteral("deep.inf")), false, true));
    EXPECT_EQ(NodeFormats::TreeDepth(*chain(300000)), 300000);
}

QByteArray validTree(bool xml) {
    CNode root(QStringLiteral("Root"));
    CNode* page = root.AddChild(QStringLiteral("Pages"))->AddChild(QStringLiteral("Page"));
    page->AddLeaf(QStringLiteral("DisplayName"), QStringLiteral("Größe \"A\" \\ \n"));
    for (int i = 0; i < 5; ++i) {
        CNode* symbol = page->AddChild(QStringLiteral("Symbol"));
        symbol->AddLeaf(QStringLiteral("BlockName"), QStringLiteral("B%1").arg(i));
        symbol->AddLeaf(QStringLiteral("Odd key"), QString(QChar(0x01)));
    }
    return xml ? NodeFormats::WriteXml(root) : NodeFormats::WriteText(root);
}

// Truncation at every length and seeded random byte damage: the outcome does not matter,
// only that reading ends normally. The seed is fixed so a failure can be reproduced.
TEST(NodeBadInput, DamagedTextAndXmlFormsNeverCrash) {
    for (const bool xml : {false, true}) {
        const QByteArray good = validTree(xml);
        QList<QByteArray> damaged;
        for (qsizetype length = 0; length < good.size(); ++length)
            damaged << good.left(length);
        QRandomGenerator random(20261206);
        for (int round = 0; round < 2000; ++round) {
            QByteArray bad = good;
            for (int changes = 1 + int(random.bounded(4)); changes > 0; --changes)
                bad[random.bounded(int(bad.size()))] = char(random.bounded(256));
            damaged << bad;
        }
        for (const QByteArray& bytes : damaged) {
            TreeReadError error;
            std::unique_ptr<CNode> root(xml ? NodeFormats::ReadXml(bytes, &error)
                                            : NodeFormats::ReadText(bytes, &error));
            if (!root) {
                EXPECT_FALSE(error.message.isEmpty()) << xml;
            }
        }
    }
}

} // namespace
