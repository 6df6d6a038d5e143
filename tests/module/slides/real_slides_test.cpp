// Slides made by other programs. The expected values were worked out from the bytes of the
// files (hex dumps read by hand and a separate throw-away decoder), not with this reader.

#include "slides/slide.h"
#include "slides/slide_decoder.h"

#include "test_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QString realSlidesFolder() {
    return orvane::test::sharedTestDataPath(QStringLiteral("slides-real"));
}

#define REQUIRE_REAL_SLIDES() ORVANE_REQUIRE_SHARED_TESTDATA(QStringLiteral("slides-real"))

SlideDecodeResult decodeFile(const QString& relative) {
    QFile file(QDir(realSlidesFolder()).filePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return DecodeSlide(file.readAll());
}

TEST(RealSlides, EveryFileLoadsCompletely) {
    REQUIRE_REAL_SLIDES();
    int count = 0;
    QDirIterator it(realSlidesFolder(), {QStringLiteral("*.sld")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        CSlide slide;
        EXPECT_EQ(slide.Load(QString(), path), 1) << qPrintable(path);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(DecodeSlide(file.readAll()).status, SlideDecodeStatus::Complete) << qPrintable(path);
        ++count;
    }
    EXPECT_EQ(count, 42);
}

TEST(RealSlides, RecordCountsMatchTheBytes) {
    REQUIRE_REAL_SLIDES();
    // Header sizes and record counts as listed for these files in the data's notes, which
    // were measured with the published record layout.
    struct Expected {
        const char* file;
        int width, height, vectors, offsets, common, fills, colours;
    };
    const Expected files[] = {
        {"mnasoft__MNAS_acad_utils/D_CHAMF.sld", 573, 413, 17, 89, 137, 0, 8},
        {"mnasoft__MNAS_acad_utils/LOPATKA.sld", 569, 407, 24, 589, 1153, 600, 15},
        {"team4eng__Civil_3D/SIGN_R1-1.sld", 1874, 829, 33, 0, 0, 3025, 612},
        {"ten0s__velisp/slide_dn.sld", 302, 252, 27, 0, 0, 0, 28},
        {"deanpjones__Autolisp/clock.sld", 1069, 609, 182, 0, 0, 0, 4},
    };
    for (const Expected& e : files) {
        const SlideDecodeResult r = decodeFile(QString::fromLatin1(e.file));
        ASSERT_EQ(r.status, SlideDecodeStatus::Complete) << e.file;
        EXPECT_FALSE(r.header.swapped);
        EXPECT_EQ(r.header.width, e.width) << e.file;
        EXPECT_EQ(r.header.height, e.height) << e.file;
        EXPECT_EQ(r.counts.vectors, e.vectors) << e.file;
        EXPECT_EQ(r.counts.offsetVectors, e.offsets) << e.file;
        EXPECT_EQ(r.counts.commonEndpoints, e.common) << e.file;
        EXPECT_EQ(r.counts.solidFills, e.fills) << e.file;
        EXPECT_EQ(r.counts.colors, e.colours) << e.file;
    }
}

TEST(RealSlides, SmallFilesGiveTheirPointsExactly) {
    REQUIRE_REAL_SLIDES();
    CSlide slide;
    // TICK_TOPO_CUT, records from offset 31: FF07 FF07, vector 0003 0195 074E 0195, FC00:
    // one line from (3, 405) to (1870, 405) in colour 7.
    ASSERT_EQ(
        slide.Load(QString(), realSlidesFolder() + QStringLiteral("/team4eng__Civil_3D/TICK_TOPO_CUT.sld")),
        1);
    EXPECT_EQ(slide.Points(), (std::vector<SlidePoint>{{3, 405, 0}, {1870, 405, 7}}));
    // SIGN_DTRA: vectors (0x211,0x335)->(0x541,0x19D) and (0x541,0x19D)->(0x211,5); the second
    // starts where the first ended, so three points.
    ASSERT_EQ(slide.Load(QString(), realSlidesFolder() + QStringLiteral("/team4eng__Civil_3D/SIGN_DTRA.sld")),
              1);
    EXPECT_EQ(slide.Points(), (std::vector<SlidePoint>{{529, 821, 0}, {1345, 413, 7}, {529, 5, 7}}));
    // SURV_MNS: a closed triangle of three chained vectors.
    ASSERT_EQ(slide.Load(QString(), realSlidesFolder() + QStringLiteral("/team4eng__Civil_3D/SURV_MNS.sld")),
              1);
    EXPECT_EQ(slide.Points(),
              (std::vector<SlidePoint>{{473, 3, 0}, {937, 806, 7}, {1400, 3, 7}, {473, 3, 7}}));
    // LOGO_COA_DYN is 33 bytes: the header and the end record, an empty slide.
    ASSERT_EQ(
        slide.Load(QString(), realSlidesFolder() + QStringLiteral("/team4eng__Civil_3D/LOGO_COA_DYN.sld")),
        1);
    EXPECT_TRUE(slide.Points().empty());
}

TEST(RealSlides, PointCountsAndSelectedPoints) {
    REQUIRE_REAL_SLIDES();
    CSlide slide;
    // slide_dn: 27 vectors each after a colour-5 record; only the last three chain into a
    // triangle, so 27 x 2 - 2 = 52 points. The first vector is 0029 00D4 0105 00D4.
    ASSERT_EQ(slide.Load(QString(), realSlidesFolder() + QStringLiteral("/ten0s__velisp/slide_dn.sld")), 1);
    ASSERT_EQ(slide.Points().size(), 52u);
    EXPECT_EQ(slide.Points()[0], (SlidePoint{41, 212, 0}));
    EXPECT_EQ(slide.Points()[1], (SlidePoint{261, 212, 5}));
    EXPECT_EQ(slide.Points()[51], (SlidePoint{36, 220, 5}));

    // D_CHAMF: colour 1, vector 00C3 0118 00D4 0105, colour 7, then the offset vector FB04 B4 06 B0
    // relative to (195, 280): from (199, 204) to (201, 200); then FEFC 02 from (199, 204) by
    // (-4, +2) to (195, 206).
    ASSERT_EQ(
        slide.Load(QString(), realSlidesFolder() + QStringLiteral("/mnasoft__MNAS_acad_utils/D_CHAMF.sld")),
        1);
    ASSERT_EQ(slide.Points().size(), 405u);
    EXPECT_EQ(slide.Points()[0], (SlidePoint{195, 280, 0}));
    EXPECT_EQ(slide.Points()[1], (SlidePoint{212, 261, 1}));
    EXPECT_EQ(slide.Points()[2], (SlidePoint{199, 204, 0}));
    EXPECT_EQ(slide.Points()[3], (SlidePoint{201, 200, 7}));
    EXPECT_EQ(slide.Points()[4], (SlidePoint{199, 204, 0}));
    EXPECT_EQ(slide.Points()[5], (SlidePoint{195, 206, 7}));

    ASSERT_EQ(
        slide.Load(QString(), realSlidesFolder() + QStringLiteral("/mnasoft__MNAS_acad_utils/LOPATKA.sld")),
        1);
    EXPECT_EQ(slide.Points().size(), 2652u);
    ASSERT_EQ(slide.Load(QString(), realSlidesFolder() + QStringLiteral("/deanpjones__Autolisp/clock.sld")),
              1);
    EXPECT_EQ(slide.Points().size(), 185u);
    EXPECT_EQ(slide.Points()[1], (SlidePoint{564, 308, 7}));
}

} // namespace
