#include "cli_test_support.h"
#include "test_folder.h"

#include "slides/slide_writer.h"

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

using namespace orvane::test;

// A 100 x 50 slide: a red line along the bottom edge and a chained white line up the right edge.
class SlideCommandTest : public FolderTest {
protected:
    QString writeSample(bool swapped = false) {
        CSlideWriter writer(100, 50);
        writer.SetSwapped(swapped);
        writer.SetColor(1);
        writer.AddLine({0, 0}, {100, 0});
        writer.SetColor(7);
        writer.AddFullVector({100, 0}, {100, 50});
        const QString path = folder.filePath("sample.sld");
        EXPECT_TRUE(writer.WriteToFile(path));
        return path;
    }
};

TEST_F(SlideCommandTest, InfoCountsRecordsAndNamesTheByteOrder) {
    const QString path = writeSample(true);
    const auto text = runOrvane({"slide", "info", path});
    ASSERT_EQ(text.status, 0) << qPrintable(text.err);
    EXPECT_TRUE(text.out.contains("100 x 50"));
    EXPECT_TRUE(text.out.contains("big-endian"));

    const auto json = runOrvane({"slide", "info", path, "--json"});
    ASSERT_EQ(json.status, 0);
    const QJsonObject info = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(info.value("width").toInt(), 100);
    EXPECT_EQ(info.value("points").toInt(), 3);
    EXPECT_EQ(info.value("byteOrder").toString(), "big-endian");
    EXPECT_TRUE(info.value("identification").toString().startsWith("AutoCAD Slide"));
    const QJsonObject records = info.value("records").toObject();
    // The first line starts at the reader's initial last point, so it is a common-endpoint record.
    EXPECT_EQ(records.value("commonEndpoint").toInt(), 1);
    EXPECT_EQ(records.value("vector").toInt(), 1);
    EXPECT_EQ(records.value("colour").toInt(), 2);
    EXPECT_TRUE(info.value("complete").toBool());
}

TEST_F(SlideCommandTest, PointsListsEveryPointInFileOrder) {
    const auto result = runOrvane({"slide", "points", writeSample()});
    ASSERT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "0 0 0\n100 0 1\n100 50 7\n");
}

TEST_F(SlideCommandTest, RenderDrawsPngAndSvg) {
    const QString path = writeSample();
    const QString png = folder.filePath("out.png");
    const auto result =
        runOrvane({"slide", "render", path, "-o", png, "--size", "101x51", "--bg", "#000080"});
    ASSERT_EQ(result.status, 0) << qPrintable(result.err);
    const QImage image(png);
    ASSERT_EQ(image.size(), QSize(101, 51));
    EXPECT_EQ(image.pixelColor(50, 50), QColor(Qt::red));    // the bottom line, y flipped
    EXPECT_EQ(image.pixelColor(100, 25), QColor(Qt::white)); // colour 7 in the default foreground
    EXPECT_EQ(image.pixelColor(50, 25), QColor(0, 0, 0x80));

    // 21 x 41 stretched: scales 0.2 and 0.8, the right edge runs the full height; kept aspect
    // would give it only 10 pixels in the middle.
    for (bool stretch : {true, false}) {
        QStringList args{"slide", "render", path, "-o", png, "--size", "21x41", "--fg", "lime"};
        if (stretch)
            args << "--stretch";
        ASSERT_EQ(runOrvane(args).status, 0);
        const QImage drawn(png);
        EXPECT_EQ(drawn.pixelColor(20, 5), stretch ? QColor(Qt::green) : QColor(Qt::black)) << stretch;
        EXPECT_EQ(drawn.pixelColor(20, 20), QColor(Qt::green)) << stretch;
    }

    ASSERT_EQ(runOrvane({"slide", "render", path, "-o", folder.filePath("out.svg")}).status, 0);
    EXPECT_TRUE(folder.read("out.svg").contains("<svg"));
}

// Damaged files are refused naming the check they fail, or read with a warning about what
// was left out; the regression slides lie in tests/data/slides.
TEST_F(SlideCommandTest, DamagedFilesAreRefusedOrWarnedAbout) {
    folder.write("empty.sld", "");
    ASSERT_TRUE(QFile::link("/dev/zero", folder.filePath("zero.sld")));
    const QString svg = folder.filePath("out.svg");
    struct Case {
        QString file;
        QStringList verb;
        int status;
        QString message;
    };
    const Case cases[] = {
        {testDataPath("slides/not-a-slide.sld"),
         {"info"},
         1,
         "not-a-slide.sld: not a slide file: it does not start with the slide identification "
         "(found \"not a slide at al\")"},
        {folder.filePath("empty.sld"), {"points"}, 1, "empty.sld: not a slide file: the file is empty"},
        {testDataPath("slides/header-cut-short.sld"),
         {"render", "-o", svg},
         1,
         "header-cut-short.sld: not a slide file: the header is cut short: 22 of 31 bytes"},
        {folder.filePath("none.sld"), {"points"}, 1, "none.sld: does not exist"},
        // A link to an endless device was read for ever, as a slide and as a description.
        {folder.filePath("zero.sld"), {"info"}, 1, "zero.sld: is not a regular file (character device)"},
        {folder.filePath("zero.sld"),
         {"build", "-o", folder.filePath("out")},
         1,
         "zero.sld: is not a regular file (character device)"},
        {testDataPath("slides/cut-mid-record.sld"),
         {"points"},
         0,
         "warning: " + testDataPath("slides/cut-mid-record.sld") +
             ": cut at byte 31 before the end record; 0 points read so far"},
        {testDataPath("slides/huge-header.sld"),
         {"render", "-o", svg},
         0,
         "the header's size 59395 x 59395 is larger than 20000 x 20000; rendering at 20000 x 20000"},
    };
    for (const Case& c : cases) {
        const auto result = runOrvane(QStringList{"slide", c.verb.first(), c.file} + c.verb.mid(1));
        EXPECT_EQ(result.status, c.status) << qPrintable(c.file);
        EXPECT_TRUE(result.err.contains(c.message)) << qPrintable(result.err);
    }
    EXPECT_TRUE(folder.read("out.svg").contains("viewBox=\"0 0 20000 20000\""));
}

TEST_F(SlideCommandTest, BuildWritesEverySlideOfADescription) {
    const QString desc =
        folder.write("slides.txt", "folder Heizung\nslide Pumpe\ncircle 500 500 400\n"
                                   "end\nfolder Gas\nslide Hahn 200 100\nline 0 0 200 100\nend\n");
    const QString outDir = folder.filePath("out");
    const auto result = runOrvane({"slide", "build", desc, "-o", outDir});
    ASSERT_EQ(result.status, 0) << qPrintable(result.err);
    EXPECT_EQ(result.out, "Heizung/Pumpe.sld\nGas/Hahn.sld\n");
    EXPECT_EQ(runOrvane({"slide", "points", outDir + "/Gas/Hahn.sld"}).out, "0 0 0\n200 100 7\n");

    const auto failed =
        runOrvane({"slide", "build", testDataPath("slides/colour-out-of-range.txt"), "-o", outDir});
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(failed.err.contains("colour-out-of-range.txt:3: colour numbers are 0 to 255, not 300"))
        << qPrintable(failed.err);
}

} // namespace
