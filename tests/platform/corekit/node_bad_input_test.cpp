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
    ASSERT_GE(files.size(), 8);
    for (const QString& name : files) {
        CNode* root = nullptr;
        TreeReadError error;
        EXPECT_EQ(TreeItems::ReadFromFile(dir.filePath(name), root, 0, &error), 0) << qPrintable(name);
        EXPECT_EQ(root, nullptr);
        EXPECT_GT(error.line, 0) << qPrintable(name);
        EXPECT_FALSE(error.message.isEmpty()) << qPrintable(name);
    }
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
