// Hostile input for the tree readers: files kept under tests/data/trees/bad, and systematic
// damage to a valid file. Every read must fail cleanly or succeed; none may crash, hang or read
// past the data (the sanitizer build runs these too).

#include "corekit/tree_items.h"
#include "test_folder.h"

#include <QDir>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(NodeBadInput, EveryKeptBadFileFailsWithAPosition) {
    const QDir dir(orvane::test::testDataPath(QStringLiteral("trees/bad")));
    const QStringList files = dir.entryList(QDir::Files);
    ASSERT_GE(files.size(), 10);
    for (const QString& name : files) {
        CNode* root = nullptr;
        TreeReadError error;
        EXPECT_EQ(TreeItems::ReadFromFile(dir.filePath(name), root, 0, &error), 0) << qPrintable(name);
        EXPECT_EQ(root, nullptr);
        EXPECT_GT(error.line, 0) << qPrintable(name);
        EXPECT_FALSE(error.message.isEmpty()) << qPrintable(name);
    }
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
void damageAndRead(bool xml) {
    const QByteArray good = validTree(xml);
    for (qsizetype length = 0; length < good.size(); ++length) {
        TreeReadError error;
        std::unique_ptr<CNode> root(xml ? NodeFormats::ReadXml(good.left(length), &error)
                                        : NodeFormats::ReadText(good.left(length), &error));
        if (!root) {
            EXPECT_FALSE(error.message.isEmpty());
        }
    }
    QRandomGenerator random(20261206);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bad = good;
        const int changes = 1 + int(random.bounded(4));
        for (int c = 0; c < changes; ++c)
            bad[random.bounded(int(bad.size()))] = char(random.bounded(256));
        TreeReadError error;
        std::unique_ptr<CNode> root(xml ? NodeFormats::ReadXml(bad, &error)
                                        : NodeFormats::ReadText(bad, &error));
        if (!root) {
            EXPECT_FALSE(error.message.isEmpty());
        }
    }
}

TEST(NodeBadInput, DamagedTextFormNeverCrashes) {
    damageAndRead(false);
}
TEST(NodeBadInput, DamagedXmlFormNeverCrashes) {
    damageAndRead(true);
}

} // namespace
