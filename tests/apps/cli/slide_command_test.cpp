#include "cli_test_support.h"
#include "test_folder.h"

#include "slides/slide_writer.h"

#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

using orvane::test::FolderTest;
using orvane::test::runOrvane;

// A 100 x 50 slide: a red line along the bottom edge and a chained white line up the right edge.
QString writeSample(const orvane::test::TestFolder& folder, bool swapped = false) {
    CSlideWriter writer(100, 50);
    writer.SetSwapped(swapped);
    writer.SetColor(1);
    writer.AddLine({0, 0}, {100, 0});
    writer.SetColor(7);
    writer.AddFullVector({100, 0}, {100, 50});
    const QString path = folder.filePath(QStringLiteral("sample.sld"));
    EXPECT_TRUE(writer.WriteToFile(path));
    return path;
}

TEST_F(FolderTest, SlideInfoCountsRecordsAndNamesTheByteOrder) {
    const QString path = writeSample(folder, true);
    const auto text = runOrvane({QStringLiteral("slide"), QStringLiteral("info"), path});
    ASSERT_EQ(text.status, 0) << qPrintable(text.err);
    EXPECT_TRUE(text.out.contains(QStringLiteral("100 x 50")));
    EXPECT_TRUE(text.out.contains(QStringLiteral("big-endian")));

    const auto json =
        runOrvane({QStringLiteral("slide"), QStringLiteral("info"), path, QStringLiteral("--json")});
    ASSERT_EQ(json.status, 0);
    const QJsonObject info = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(info.value(QStringLiteral("width")).toInt(), 100);
    EXPECT_EQ(info.value(QStringLiteral("points")).toInt(), 3);
    EXPECT_EQ(info.value(QStringLiteral("byteOrder")).toString(), QStringLiteral("big-endian"));
    EXPECT_TRUE(
        info.value(QStringLiteral("identification")).toString().startsWith(QStringLiteral("AutoCAD Slide")));
    const QJsonObject records = info.value(QStringLiteral("records")).toObject();
    // The first line starts at the reader's initial last point, so it is a common-endpoint record.
    EXPECT_EQ(records.value(QStringLiteral("commonEndpoint")).toInt(), 1);
    EXPECT_EQ(records.value(QStringLiteral("vector")).toInt(), 1);
    EXPECT_EQ(records.value(QStringLiteral("colour")).toInt(), 2);
    EXPECT_TRUE(info.value(QStringLiteral("complete")).toBool());
}

TEST_F(FolderTest, SlidePointsListsEveryPointInFileOrder) {
    const auto result = runOrvane({QStringLiteral("slide"), QStringLiteral("points"), writeSample(folder)});
    ASSERT_EQ(result.status, 0);
    EXPECT_EQ(result.out, QStringLiteral("0 0 0\n100 0 1\n100 50 7\n"));
}

TEST_F(FolderTest, SlideRenderDrawsPngAndSvg) {
    const QString path = writeSample(folder);
    const QString png = folder.filePath(QStringLiteral("out.png"));
    const auto result =
        runOrvane({QStringLiteral("slide"), QStringLiteral("render"), path, QStringLiteral("-o"), png,
                   QStringLiteral("--size"), QStringLiteral("101x51"), QStringLiteral("--bg"),
                   QStringLiteral("#000080")});
    ASSERT_EQ(result.status, 0) << qPrintable(result.err);
    const QImage image(png);
    ASSERT_EQ(image.size(), QSize(101, 51));
    EXPECT_EQ(image.pixelColor(50, 50), QColor(Qt::red));    // the bottom line, y flipped
    EXPECT_EQ(image.pixelColor(100, 25), QColor(Qt::white)); // colour 7 in the default foreground
    EXPECT_EQ(image.pixelColor(50, 25), QColor(0, 0, 0x80));

    // 21 x 41 stretched: scales 0.2 and 0.8, the right edge runs the full height; kept aspect
    // would give it only 10 pixels in the middle.
    for (bool stretch : {true, false}) {
        QStringList args{QStringLiteral("slide"),
                         QStringLiteral("render"),
                         path,
                         QStringLiteral("-o"),
                         png,
                         QStringLiteral("--size"),
                         QStringLiteral("21x41"),
                         QStringLiteral("--fg"),
                         QStringLiteral("lime")};
        if (stretch)
            args << QStringLiteral("--stretch");
        ASSERT_EQ(runOrvane(args).status, 0);
        const QImage drawn(png);
        EXPECT_EQ(drawn.pixelColor(20, 5), stretch ? QColor(Qt::green) : QColor(Qt::black)) << stretch;
        EXPECT_EQ(drawn.pixelColor(20, 20), QColor(Qt::green)) << stretch;
    }

    const QString svg = folder.filePath(QStringLiteral("out.svg"));
    ASSERT_EQ(runOrvane({QStringLiteral("slide"), QStringLiteral("render"), path, QStringLiteral("-o"), svg})
                  .status,
              0);
    EXPECT_TRUE(folder.read(QStringLiteral("out.svg")).contains("<svg"));
}

TEST_F(FolderTest, SlideCommandsRejectBadCallsAndBadFiles) {
    const QString path = writeSample(folder);
    const QString bad =
        folder.write(QStringLiteral("bad.sld"), "not a slide at all, but long enough to have a header");
    EXPECT_EQ(runOrvane({QStringLiteral("slide")}).status, 2);
    EXPECT_EQ(runOrvane({QStringLiteral("slide"), QStringLiteral("--help")}).status, 0);
    EXPECT_EQ(runOrvane({QStringLiteral("slide"), QStringLiteral("render"), QStringLiteral("--help")}).status,
              0);
    EXPECT_EQ(runOrvane({QStringLiteral("slide"), QStringLiteral("frob")}).status, 2);
    EXPECT_EQ(runOrvane({QStringLiteral("slide"), QStringLiteral("info")}).status, 2);
    EXPECT_EQ(runOrvane({QStringLiteral("slide"), QStringLiteral("info"), bad}).status, 1);
    EXPECT_EQ(runOrvane({QStringLiteral("slide"), QStringLiteral("points"),
                         folder.filePath(QStringLiteral("none"))})
                  .status,
              1);
    const QString out = folder.filePath(QStringLiteral("x.png"));
    EXPECT_EQ(runOrvane({QStringLiteral("slide"), QStringLiteral("render"), path}).status, 2);
    EXPECT_EQ(runOrvane({QStringLiteral("slide"), QStringLiteral("render"), path, QStringLiteral("-o"),
                         folder.filePath(QStringLiteral("x.gif"))})
                  .status,
              2);
    EXPECT_EQ(runOrvane({QStringLiteral("slide"), QStringLiteral("render"), path, QStringLiteral("-o"), out,
                         QStringLiteral("--size"), QStringLiteral("0x5")})
                  .status,
              2);
    EXPECT_EQ(
        runOrvane({QStringLiteral("slide"), QStringLiteral("render"), bad, QStringLiteral("-o"), out}).status,
        1);
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(FolderTest, SlideBuildWritesEverySlideOfADescription) {
    const QString desc = folder.write(QStringLiteral("slides.txt"),
                                      "folder Heizung\nslide Pumpe\ncircle 500 500 400\n"
                                      "end\nfolder Gas\nslide Hahn 200 100\nline 0 0 200 100\nend\n");
    const QString outDir = folder.filePath(QStringLiteral("out"));
    const auto result =
        runOrvane({QStringLiteral("slide"), QStringLiteral("build"), desc, QStringLiteral("-o"), outDir});
    ASSERT_EQ(result.status, 0) << qPrintable(result.err);
    EXPECT_EQ(result.out, QStringLiteral("Heizung/Pumpe.sld\nGas/Hahn.sld\n"));
    const auto points = runOrvane(
        {QStringLiteral("slide"), QStringLiteral("points"), outDir + QStringLiteral("/Gas/Hahn.sld")});
    EXPECT_EQ(points.out, QStringLiteral("0 0 0\n200 100 7\n"));

    const QString broken = folder.write(QStringLiteral("broken.txt"), "slide A\nline 1 2\nend\n");
    const auto failed =
        runOrvane({QStringLiteral("slide"), QStringLiteral("build"), broken, QStringLiteral("-o"), outDir});
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(failed.err.contains(QStringLiteral(":2: "))) << qPrintable(failed.err);
}

} // namespace
