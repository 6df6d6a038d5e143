#include "slide_bytes.h"
#include "slides/slide.h"
#include "slides/slide_decoder.h"
#include "slides/slide_writer.h"
#include "test_folder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using orvane::test::FolderTest;
using orvane::test::SlideBytes;

std::vector<SlidePoint> pointsOf(const QByteArray& bytes) {
    CSlide slide;
    EXPECT_EQ(slide.LoadFromData(bytes), 1);
    return slide.Points();
}

TEST(SlideReader, ChainedVectorsShareTheirCommonPoint) {
    // Two vectors where the second starts at the end of the first: move, line, line.
    const auto points = pointsOf(SlideBytes(100, 100).words({10, 20, 30, 40, 30, 40, 50, 60}).end().data());
    const std::vector<SlidePoint> expected{{10, 20, 0}, {30, 40, 7}, {50, 60, 7}};
    EXPECT_EQ(points, expected);
}

TEST(SlideReader, SolidFillAndColourZeroBreakTheFigure) {
    // A solid-fill record between chained vectors adds a move before the second one.
    const auto filled =
        pointsOf(SlideBytes(100, 100).words({10, 20, 30, 40, 0xFD00, 1, 2, 30, 40, 50, 60}).end().data());
    const std::vector<SlidePoint> expectFilled{{10, 20, 0}, {30, 40, 7}, {30, 40, 0}, {50, 60, 7}};
    EXPECT_EQ(filled, expectFilled);

    // Colour 0 turns lines into moves; colour records and unknown kinds change nothing else.
    const auto coloured = pointsOf(
        SlideBytes(100, 100).words({0xFF03, 1, 2, 3, 4, 0x8000, 0xFA11, 0xFF00, 3, 4, 5, 6}).end().data());
    const std::vector<SlidePoint> expectColoured{{1, 2, 0}, {3, 4, 3}, {5, 6, 0}};
    EXPECT_EQ(coloured, expectColoured);
}

TEST(SlideReader, OffsetRecordsAreRelativeToTheLastPointAndWrapAt16Bits) {
    // Vector (5,5)->(9,9) leaves (5,5) as the last point. The offset vector then goes from
    // (5-6, 5+2) = (65535, 7) to (5+1, 5-7) = (6, 65534); its from point becomes the last point.
    // The common-endpoint vector adds (+3, -8) to that: (65535+3, 7-8) wraps to (2, 65535).
    const auto points = pointsOf(SlideBytes(100, 100)
                                     .words({5, 5, 9, 9, 0xFBFA})
                                     .bytes({2, 1, 0xF9})
                                     .words({0xFE03})
                                     .bytes({0xF8})
                                     .end()
                                     .data());
    const std::vector<SlidePoint> expected{{5, 5, 0},     {9, 9, 7},     {65535, 7, 0},
                                           {6, 65534, 7}, {65535, 7, 0}, {2, 65535, 7}};
    EXPECT_EQ(points, expected);
}

TEST(SlideReader, EmptySlideAndCutShortSlides) {
    CSlide slide;
    EXPECT_EQ(slide.LoadFromData(SlideBytes(10, 10).end().data()), 1);
    EXPECT_TRUE(slide.IsLoaded());
    EXPECT_TRUE(slide.Points().empty());

    // The data ends inside the second vector: the first is kept, the half record is not.
    QByteArray cut = SlideBytes(10, 10).words({1, 2, 3, 4, 5, 6}).data();
    EXPECT_EQ(slide.LoadFromData(cut), 1);
    EXPECT_EQ(slide.Points().size(), 2u);
    EXPECT_EQ(DecodeSlide(cut).status, SlideDecodeStatus::CutShort);
    EXPECT_EQ(DecodeSlide(cut).stopOffset, kSlideHeaderSize + 8) << "where the cut record starts";
    EXPECT_EQ(DecodeSlide(SlideBytes(10, 10).words({1, 2, 3, 4}).end().data()).stopOffset,
              kSlideHeaderSize + 8)
        << "at the end record";
    cut.chop(1); // now inside the first word of the second record's partner words
    EXPECT_EQ(pointsOf(cut).size(), 2u);
    EXPECT_TRUE(pointsOf(SlideBytes(10, 10).words({0xFB01}).bytes({1, 1}).data()).empty());
    EXPECT_TRUE(pointsOf(SlideBytes(10, 10).words({0xFE01}).data()).empty());
    EXPECT_TRUE(pointsOf(SlideBytes(10, 10).words({0xFD00, 1}).data()).empty());
}

TEST(SlideReader, BadDataGivesZeroAndAClearedSlide) {
    CSlide slide;
    ASSERT_EQ(slide.LoadFromData(SlideBytes(10, 10).words({1, 2, 3, 4}).end().data()), 1);
    QByteArray wrongId = SlideBytes(10, 10).end().data();
    wrongId[4] = 'c';
    const QByteArray header = SlideBytes(10, 10).data();
    for (const QByteArray& bad : {QByteArray(), QByteArray("AutoCAD"), QByteArray("AutoCAD Slide\r\n"),
                                  header.left(30), wrongId, QByteArray(64, '\0')}) {
        EXPECT_EQ(slide.LoadFromData(bad), 0) << bad.size();
        EXPECT_FALSE(slide.IsLoaded());
        EXPECT_TRUE(slide.Points().empty());
        EXPECT_EQ(slide.m_width, 0);
    }
    // A header alone, without a single record word, is a slide cut short with nothing in it.
    EXPECT_EQ(slide.LoadFromData(header), 1);
    EXPECT_TRUE(slide.Points().empty());
}

TEST(SlideReader, HugeHeaderSizesAreKeptAsTheyAre) {
    CSlide slide;
    ASSERT_EQ(slide.LoadFromData(SlideBytes(0xFFFF, 0xFFFF).words({0x7FFF, 0xFFFF, 0, 0}).end().data()), 1);
    EXPECT_EQ(slide.m_width, 65535);
    const std::vector<SlidePoint> expected{{32767, 65535, 0}, {0, 0, 7}};
    EXPECT_EQ(slide.Points(), expected);
}

TEST_F(FolderTest, NameRuleAppendsTheExtensionOnlyWhenNoneIsThere) {
    EXPECT_EQ(SlideFilePathFor(QStringLiteral("abc")), QStringLiteral("abc.SLD"));
    EXPECT_EQ(SlideFilePathFor(QStringLiteral("abc.sld")), QStringLiteral("abc.sld"));
    EXPECT_EQ(SlideFilePathFor(QStringLiteral("ABC.SLD")), QStringLiteral("ABC.SLD"));
    EXPECT_EQ(SlideFilePathFor(QStringLiteral("abc.Sld")), QStringLiteral("abc.Sld.SLD"));

    const QByteArray bytes = SlideBytes(10, 10).words({1, 2, 3, 4}).end().data();
    folder.write(QStringLiteral("upper.SLD"), bytes);
    folder.write(QStringLiteral("lower.sld"), bytes);
    CSlide slide;
    EXPECT_EQ(slide.Load(QString(), folder.filePath(QStringLiteral("upper"))), 1);
    EXPECT_EQ(slide.Load(QString(), folder.filePath(QStringLiteral("lower.sld"))), 1);
    // Data written on systems that ignore case may name lower.sld as "lower".
    EXPECT_EQ(slide.Load(QString(), folder.filePath(QStringLiteral("lower"))), 1);
    EXPECT_EQ(slide.Load(QString(), folder.filePath(QStringLiteral("missing"))), 0);
    EXPECT_EQ(slide.Load(QString(), QString()), 0);
    EXPECT_EQ(slide.Load(QStringLiteral("lib.slb"), folder.filePath(QStringLiteral("lower.sld"))), 0);
    EXPECT_FALSE(slide.IsLoaded());
}

TEST_F(FolderTest, PathsLongerThanTheLimitAreNotRead) {
    const QByteArray bytes = SlideBytes(10, 10).words({1, 2, 3, 4}).end().data();
    // Pad the name so that with ".SLD" appended the path has exactly 259 and then 260 characters.
    const QString base = folder.path() + QLatin1Char('/');
    const QString fits = base + QString(259 - 4 - base.size(), QLatin1Char('a'));
    ASSERT_GT(fits.size() - base.size(), 0);
    folder.write(fits.mid(base.size()) + QStringLiteral(".SLD"), bytes);
    folder.write(fits.mid(base.size()) + QStringLiteral("b.SLD"), bytes);
    CSlide slide;
    EXPECT_EQ(slide.Load(QString(), fits), 1);
    EXPECT_EQ(slide.Load(QString(), fits + QLatin1Char('b')), 0);
}

TEST(SlideReader, ClearAndForegroundColour) {
    CSlide slide;
    EXPECT_EQ(slide.ForegroundColor(), 0xFFFFFFu);
    EXPECT_FALSE(slide.IsLoaded());
    slide.SetForegroundColor(0x123456);
    ASSERT_EQ(slide.LoadFromData(SlideBytes(10, 20).words({1, 2, 3, 4}).end().data()), 1);
    slide.Clear();
    EXPECT_FALSE(slide.IsLoaded());
    EXPECT_TRUE(slide.Points().empty());
    EXPECT_EQ(slide.m_width, 0);
    EXPECT_EQ(slide.m_height, 0);
    EXPECT_EQ(slide.ForegroundColor(), 0x123456u);
}

TEST(SlideReader, DamagedSlidesAreReadWithinTheirBytes) {
    // Damage a slide that uses every record kind in many ways (a fixed seed keeps the cases
    // the same in every run); the sanitizer run checks that no byte outside the data is read.
    CSlideWriter writer(400, 300);
    writer.SetColor(3);
    writer.AddLine({10, 10}, {300, 200});
    writer.AddLine({10, 10}, {40, 30});
    writer.AddLine({45, 35}, {20, 5});
    writer.AddSolidFill({1, 2});
    writer.AddOtherRecord(0x85);
    writer.AddLine({20, 5}, {399, 299});
    const QByteArray good = writer.ToBytes();
    std::mt19937 random(20261206);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes = good;
        const int flips = 1 + int(random() % 6);
        for (int i = 0; i < flips; ++i)
            bytes[int(kSlideHeaderSize + random() % (bytes.size() - kSlideHeaderSize))] =
                char(random() & 0xFF);
        if (round % 3 == 0)
            bytes.truncate(int(random() % bytes.size()));
        const SlideDecodeResult r = DecodeSlide(bytes);
        // Every record is at least one word and adds at most two points.
        EXPECT_LE(qsizetype(r.points.size()), std::max<qsizetype>(0, bytes.size() - kSlideHeaderSize))
            << round;
        if (!r.usable()) {
            EXPECT_TRUE(r.points.empty()) << round;
        }
    }
}

TEST(SlideReader, LongRunsOfOneKindAreCountedWhole) {
    // Thousands of two- and three-byte records in a row, more than any counter the reader
    // keeps between additions can hold.
    CSlideWriter writer(500, 400);
    for (int i = 0; i < 3000; ++i)
        writer.SetColor(1 + i % 2);
    for (int i = 0; i < 2500; ++i)
        writer.AddOtherRecord(0x90);
    for (int i = 0; i < 2000; ++i)
        writer.AddLine({100 + i % 2, 100}, {100 + (i + 1) % 2, 100});
    const SlideDecodeResult decoded = DecodeSlide(writer.ToBytes());
    ASSERT_EQ(decoded.status, SlideDecodeStatus::Complete);
    EXPECT_EQ(decoded.counts.colors, 3000);
    EXPECT_EQ(decoded.counts.others, 2500);
    EXPECT_EQ(decoded.counts.vectors + decoded.counts.offsetVectors + decoded.counts.commonEndpoints, 2000);
}

TEST(SlideWriter, WrittenSlidesReadBackInBothByteOrders) {
    for (bool swapped : {false, true}) {
        CSlideWriter writer(500, 400);
        writer.SetSwapped(swapped);
        writer.SetColor(1);
        writer.AddLine({100, 100}, {400, 300}); // far from the last point: full vector
        writer.AddLine({100, 100}, {150, 120}); // from the last point: common endpoint
        writer.AddLine({160, 130}, {120, 90});  // near it: offset vector
        writer.SetColor(5);
        writer.AddSolidFill({0, 0});
        writer.AddOtherRecord(0x90);
        writer.AddLine({120, 90}, {30000, 10});
        const QByteArray bytes = writer.ToBytes();
        // The test number and every record word high byte first when swapped.
        EXPECT_EQ(bytes.mid(29, 3), swapped ? QByteArray("\x12\x34\xFF") : QByteArray("\x34\x12\x01"));
        const SlideDecodeResult decoded = DecodeSlide(bytes);
        ASSERT_EQ(decoded.status, SlideDecodeStatus::Complete);
        EXPECT_EQ(decoded.header.swapped, swapped);
        EXPECT_EQ(decoded.header.width, 500);
        EXPECT_EQ(decoded.header.height, 400);
        EXPECT_EQ(decoded.counts.vectors, 2);
        EXPECT_EQ(decoded.counts.commonEndpoints, 1);
        EXPECT_EQ(decoded.counts.offsetVectors, 1);
        EXPECT_EQ(decoded.counts.solidFills, 1);
        EXPECT_EQ(decoded.counts.others, 1);
        EXPECT_EQ(decoded.counts.colors, 2);
        const std::vector<SlidePoint> expected{{100, 100, 0}, {400, 300, 1}, {100, 100, 0}, {150, 120, 1},
                                               {160, 130, 0}, {120, 90, 1},  {120, 90, 0},  {30000, 10, 5}};
        EXPECT_EQ(decoded.points, expected);
        EXPECT_EQ(DecodeSlide(writer.ToBytes(false)).status, SlideDecodeStatus::CutShort);
    }
}

} // namespace
