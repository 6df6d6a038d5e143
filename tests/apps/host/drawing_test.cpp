// The drawing: undoable edits and its file.
#include "drawing.h"
#include "drawing_file.h"

#include "corekit/node.h"
#include "test_folder.h"

// A folder of its own for each test.
class HostDrawingFileTest : public orvane::test::FolderTest {};

namespace {

DrawingItem Symbol(const QString& block, QPointF at) {
    return DrawingItem{
        QStringLiteral("Symbol"), block, QStringLiteral("/s/") + block + QStringLiteral(".sld"), at, {}};
}

QStringList Blocks(const Drawing& drawing) {
    QStringList blocks;
    for (const auto& [id, item] : drawing.Items())
        blocks << item.blockName + QStringLiteral("@") + QString::number(item.position.x()) + u',' +
                      QString::number(item.position.y());
    return blocks;
}

} // namespace

TEST(HostDrawingTest, EveryEditIsUndoneAndRedoneInOrder) {
    Drawing drawing;
    const QList<int> pair = drawing.Insert({Symbol("A", {0, 0}), Symbol("B", {60, 0})}, "pair");
    drawing.Insert({Symbol("C", {5, 5})}, "one");
    drawing.Move({pair[0]}, {10, 20});
    drawing.Remove({pair[1], 999});
    const QStringList done = Blocks(drawing);
    EXPECT_EQ(done, QStringList({"A@10,20", "C@5,5"}));

    const QList<QStringList> history = {{"A@0,0", "B@60,0", "C@5,5"}, {"A@0,0", "B@60,0"}, {}};
    drawing.UndoStack().undo(); // remove
    drawing.UndoStack().undo(); // move
    EXPECT_EQ(Blocks(drawing), history[0]);
    drawing.UndoStack().undo();
    EXPECT_EQ(Blocks(drawing), history[1]);
    drawing.UndoStack().undo(); // the pair goes as one step
    EXPECT_EQ(Blocks(drawing), history[2]);
    for (int i = 0; i < 4; ++i)
        drawing.UndoStack().redo();
    EXPECT_EQ(Blocks(drawing), done);
}

TEST_F(HostDrawingFileTest, DrawingFileKeepsItemsAndStationNodesInBothForms) {
    Drawing drawing;
    DrawingItem station = Symbol("ST", {-1.5, 2.25});
    station.kind = "Station";
    station.slideFile = "C:\\odd:path\\st.sld";
    auto node = std::make_shared<CNode>("DrawStation");
    node->AddLeaf("CatId", "AUENHOF_WOST");
    station.data = node;
    drawing.Insert({Symbol("A", {1, 2}), station}, "x");
    for (const char* name : {"d.inf", "d.infx"}) {
        const QString path = folder.filePath(name);
        QString error;
        ASSERT_TRUE(DrawingFile::Save(drawing, path, &error)) << error.toStdString();
        Drawing read;
        ASSERT_TRUE(DrawingFile::Open(read, path, &error)) << error.toStdString();
        EXPECT_EQ(Blocks(read), Blocks(drawing));
        const DrawingItem& back = std::prev(read.Items().end())->second;
        EXPECT_EQ(back.kind, "Station");
        EXPECT_EQ(back.slideFile, station.slideFile);
        ASSERT_TRUE(back.data);
        EXPECT_EQ(back.data->GetStrLeafValue(QString(), "CatId"), "AUENHOF_WOST");
        EXPECT_EQ(read.UndoStack().count(), 0);
    }
}

TEST_F(HostDrawingFileTest, ABadDrawingFileLeavesTheDrawingAndSaysWhere) {
    const struct {
        const char* content;
        const char* expected;
    } cases[] = {
        {"Drawing {\n  Item {\n    X = \"1\"\n    Y = \"zwei\"\n  }\n}\n", "Element 1"},
        {"Other {\n}\n", "Drawing"},
        {"Drawing {\n  Item {\n", "bad.inf:"},
    };
    for (const auto& c : cases) {
        const QString path = folder.write("bad.inf", c.content);
        Drawing drawing;
        drawing.Insert({Symbol("KEEP", {0, 0})}, "x");
        QString error;
        EXPECT_FALSE(DrawingFile::Open(drawing, path, &error)) << c.content;
        EXPECT_TRUE(error.contains(c.expected)) << error.toStdString();
        EXPECT_EQ(Blocks(drawing), QStringList{"KEEP@0,0"});
    }
}
