// What the host makes of the canvas selection when the properties dialog asks for a block or a
// slide.
#include "drawing_file.h"
#include "symbol_creation.h"

#include "slides/slide.h"
#include "slides/slide_writer.h"
#include "test_folder.h"

class HostSymbolCreationTest : public orvane::test::FolderTest {};

namespace {

// Lines from the slide's start point to a point with a colour.
int Lines(const CSlide& slide) {
    int lines = 0;
    for (const SlidePoint& p : slide.Points())
        lines += p.color > 0 ? 1 : 0;
    return lines;
}

} // namespace

TEST_F(HostSymbolCreationTest, TheSelectionBecomesTheBlockAndItsSlide) {
    // A slide with one diagonal from its bottom left corner, in colour 1.
    CSlideWriter diagonal(1000, 1000);
    diagonal.SetColor(1);
    diagonal.AddLine({0, 0}, {1000, 1000});
    const QString slide = folder.filePath("diagonal.sld");
    ASSERT_TRUE(diagonal.WriteToFile(slide));
    Drawing drawing;
    // Items 1 and 3 show the slide, item 2 has none (a crossed box of 6 lines); 4 is far away.
    const QList<int> ids = drawing.Insert({{"Symbol", "A", slide, {0, 0}, {}},
                                           {"Symbol", "B", "", {96, 0}, {}},
                                           {"Symbol", "C", slide, {0, 48}, {}},
                                           {"Symbol", "D", slide, {4000, 0}, {}}},
                                          "x");
    const struct {
        QList<int> selected; // indices into ids
        bool block;
        const char* blockPath;
        const char* slidePath;
        bool ok;
        int blockItems; // 0: no block file
        int slideLines; // 0: no slide file
        QSize slideSize;
        const char* said;
    } cases[] = {
        {{0, 1}, true, "1/Symbols/X.dwg", "1/Slides/X.sld", true, 2, 1 + 6, {3000, 1000}, "1/Slides/X.sld"},
        {{0, 1}, true, "2/Symbols/X.dwg", "", true, 2, 0, {}, "es bleibt"},
        {{2}, false, "", "3\\Slides\\Y.sld", true, 0, 1, {1000, 1000}, "3/Slides/Y.sld"},
        {{0, 3}, false, "", "4/far.sld", true, 0, 2, {32000, 379}, "far.sld"},
        {{}, true, "5/X.dwg", "5/X.sld", false, 0, 0, {}, "Nichts ausgewählt"},
        {{0}, true, "", "6/X.sld", false, 0, 0, {}, "SYMBOLS_BLOCKFILE"},
        {{0}, false, "", "", false, 0, 0, {}, "SYMBOLS_SLIDEFILE"},
        {{0}, false, "", "diagonal.sld/below-a-file.sld", false, 0, 0, {}, "below-a-file.sld"},
    };
    for (int i = 0; i < int(std::size(cases)); ++i) {
        const auto& c = cases[i];
        QList<int> selected;
        for (int index : c.selected)
            selected << ids[index];
        const auto path = [&](const char* relative) {
            return *relative ? folder.filePath(relative) : QString();
        };
        bool ok = false;
        const QString said =
            SymbolCreation::Create(drawing, selected, {c.block, path(c.blockPath), path(c.slidePath)}, &ok)
                .join('\n');
        EXPECT_EQ(ok, c.ok) << i << said.toStdString();
        EXPECT_TRUE(said.contains(c.said)) << i << said.toStdString();
        // Nothing is written where nothing was asked for.
        Drawing block;
        EXPECT_EQ(*c.blockPath && DrawingFile::Open(block, path(c.blockPath)), c.blockItems > 0) << i;
        EXPECT_EQ(int(block.Items().size()), c.blockItems) << i;
        const QString written = QString(path(c.slidePath)).replace('\\', '/');
        CSlide read;
        EXPECT_EQ(*c.slidePath && read.Load(QString(), written) != 0, c.slideLines > 0) << i;
        EXPECT_EQ(Lines(read), c.slideLines) << i;
        if (c.slideLines > 0) {
            EXPECT_EQ(QSize(read.m_width, read.m_height), c.slideSize) << i;
        }
    }
    // The block's items stand around the centre of their squares: its base point.
    const QList<DrawingItem> pair = SymbolCreation::BlockItems(drawing, {ids[0], ids[1]});
    ASSERT_EQ(pair.size(), 2);
    EXPECT_EQ(pair[0].position, QPointF(-48, 0));
    EXPECT_EQ(pair[1].position, QPointF(48, 0));
    // The diagonal keeps its direction: from the bottom left corner of the item's square up.
    CSlide one;
    ASSERT_TRUE(one.LoadFromData(SymbolCreation::SlideOf({pair[0]}).ToBytes()));
    EXPECT_EQ(one.Points(), (std::vector<SlidePoint>{{0, 0, 0}, {1000, 1000, 1}}));
}
