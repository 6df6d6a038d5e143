// Saves replace a file whole or not at all, and clean up after earlier saves that were killed
// between writing their temporary file and renaming it, touching nothing else.

#include "corekit/atomic_save.h"
#include "corekit/node.h"
#include "test_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using orvane::test::FolderTest;

QStringList entries(const orvane::test::TestFolder& folder) {
    return QDir(folder.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

bool saveTree(const QString& path, const char* value) {
    CNode root(QStringLiteral("Root"));
    root.AddLeaf(QStringLiteral("K"), value);
    return root.WriteToFile(path, false, true);
}

// A save that is killed after writing and before its rename, in a child process.
void killedSave(const QString& path) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AtomicSave file(path);
        const bool written = file.open(QIODevice::WriteOnly) && file.write("half a tr") == 9 && file.flush();
        _exit(written ? 0 : 1); // no destructor runs, as after a kill
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(FolderTest, NextSaveRemovesWhatKilledSavesLeftAndNothingElse) {
    const QString tree = folder.write(QStringLiteral("tree.inf"), "old");
    killedSave(tree);
    const QStringList firstLeft = entries(folder);
    ASSERT_EQ(firstLeft.size(), 2) << "a leftover beside the file";
    folder.write(firstLeft[1], "first");
    killedSave(tree); // it removed the first one's leftover before leaving its own
    const QStringList secondLeft = entries(folder);
    ASSERT_EQ(secondLeft.size(), 2);
    ASSERT_EQ(folder.read(secondLeft[1]), "half a tr");
    // Names like a leftover's but not one of ours, or not of this file, or not a plain file.
    const QStringList kept = {QStringLiteral("tree.inf.AbC123"),
                              QStringLiteral("tree.inf.orvane-save-AbC12"),
                              QStringLiteral("tree.inf.orvane-save-AbC1234"),
                              QStringLiteral("tree.inf.orvane-save-AbC12_"),
                              QStringLiteral("other.inf.orvane-save-AbC123"),
                              QStringLiteral("xtree.inf.orvane-save-AbC123")};
    for (const QString& name : kept)
        folder.write(name, "keep");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("tree.inf.orvane-save-Dir123")));
    const QString elsewhere = folder.write(QStringLiteral("sub/elsewhere"), "keep");
    ASSERT_TRUE(QFile::link(elsewhere, folder.filePath(QStringLiteral("tree.inf.orvane-save-Lnk123"))));
    // A save still running holds its file locked: it stays.
    const QString running = folder.write(QStringLiteral("tree.inf.orvane-save-Run123"), "busy");
    QFile held(running);
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    ASSERT_EQ(flock(held.handle(), LOCK_EX | LOCK_NB), 0);

    ASSERT_TRUE(saveTree(tree, "new"));
    QStringList expected = kept;
    expected << QStringLiteral("sub") << QStringLiteral("tree.inf")
             << QStringLiteral("tree.inf.orvane-save-Dir123") << QStringLiteral("tree.inf.orvane-save-Lnk123")
             << QStringLiteral("tree.inf.orvane-save-Run123");
    expected.sort();
    EXPECT_EQ(entries(folder), expected);
    EXPECT_EQ(folder.read(QStringLiteral("sub/elsewhere")), "keep");
    EXPECT_TRUE(folder.read(QStringLiteral("tree.inf")).contains("new"));
}

// What a save leaves: the new file with the old one's permissions, a link kept as a link, and
// nothing beside when it is cancelled or fails.
TEST_F(FolderTest, SaveReplacesTheFileItselfOrNothing) {
    const QString tree = folder.write(QStringLiteral("data/tree.inf"), "old");
    ASSERT_TRUE(QFile::setPermissions(tree, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QFile::Permissions permissions = QFile::permissions(tree);
    const QString link = folder.filePath(QStringLiteral("link.inf"));
    ASSERT_TRUE(QFile::link(tree, link));
    ASSERT_TRUE(saveTree(link, "new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(folder.read(QStringLiteral("data/tree.inf")).contains("new"));
    EXPECT_EQ(QFile::permissions(tree), permissions);

    {
        AtomicSave cancelled(tree);
        ASSERT_TRUE(cancelled.open(QIODevice::WriteOnly));
        cancelled.write("never");
        cancelled.cancelWriting();
        EXPECT_FALSE(cancelled.commit());
        AtomicSave dropped(tree);
        ASSERT_TRUE(dropped.open(QIODevice::WriteOnly));
        dropped.write("never either");
    }
    AtomicSave readOnly(tree);
    EXPECT_FALSE(readOnly.open(QIODevice::ReadWrite));
    EXPECT_EQ(QDir(folder.filePath(QStringLiteral("data"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("tree.inf")});
    EXPECT_TRUE(folder.read(QStringLiteral("data/tree.inf")).contains("new"));
}

} // namespace
