#include "slides/slide.h"
#include "slides/slide_writer.h"

#include "image_compare.h"
#include "test_folder.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using orvane::test::kLineDrawingTolerance;
using orvane::test::MatchesReference;

// A small house in several colours: walls in colour 7, roof red, door green, window blue.
CSlide house() {
    CSlideWriter w(400, 300);
    w.SetColor(7);
    w.AddLine({50, 0}, {350, 0});
    w.AddLine({350, 0}, {350, 180});
    w.AddLine({350, 180}, {50, 180});
    w.AddLine({50, 180}, {50, 0});
    w.SetColor(1);
    w.AddLine({30, 170}, {200, 300});
    w.AddLine({200, 300}, {370, 170});
    w.SetColor(3);
    w.AddLine({90, 0}, {90, 110});
    w.AddLine({90, 110}, {150, 110});
    w.AddLine({150, 110}, {150, 0});
    w.SetColor(5);
    w.AddLine({220, 80}, {300, 80});
    w.AddLine({300, 80}, {300, 140});
    w.AddLine({300, 140}, {220, 140});
    w.AddLine({220, 140}, {220, 80});
    CSlide slide;
    slide.LoadFromData(w.ToBytes());
    return slide;
}

QImage draw(const CSlide& slide, QSize size, int stretch, QColor background = Qt::black) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    // The highest coordinates land on the rectangle's width and height: keep them inside.
    slide.Draw(painter, QRect(0, 0, size.width() - 1, size.height() - 1), stretch);
    return image;
}

TEST(SlideImages, KeptAndStretchedAspect) {
    const CSlide slide = house();
    ASSERT_TRUE(slide.IsLoaded());
    EXPECT_TRUE(MatchesReference(draw(slide, {120, 120}, 0), QStringLiteral("slides/house_kept"),
                                 kLineDrawingTolerance));
    EXPECT_TRUE(MatchesReference(draw(slide, {160, 60}, 1), QStringLiteral("slides/house_stretched"),
                                 kLineDrawingTolerance));
}

TEST(SlideImages, ForegroundColourAndEmptySizes) {
    CSlide slide = house();
    slide.SetForegroundColor(0x00FFFF); // yellow for colour 7
    const QImage image = draw(slide, {401, 301}, 0);
    // Drawn at scale 1: the bottom wall (y 0) lies on row 300, the door's left side in column 90.
    EXPECT_EQ(image.pixelColor(200, 300), QColor(Qt::yellow));
    EXPECT_EQ(image.pixelColor(90, 250), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(200, 250), QColor(Qt::black));

    // A header of width or height 0 draws nothing and does not fail.
    CSlideWriter flat(0, 100);
    flat.AddLine({0, 0}, {0, 100});
    CSlide empty;
    ASSERT_EQ(empty.LoadFromData(flat.ToBytes()), 1);
    QImage untouched(50, 50, QImage::Format_RGB32);
    untouched.fill(Qt::black);
    QPainter painter(&untouched);
    EXPECT_EQ(empty.Draw(painter, QRect(0, 0, 50, 50), 0), 1);
    painter.end();
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(untouched.pixelColor(x, y), QColor(Qt::black));
}

TEST(SlideImages, RealSlides) {
    ORVANE_REQUIRE_SHARED_TESTDATA(QStringLiteral("slides-real"));
    const QString folder = orvane::test::sharedTestDataPath(QStringLiteral("slides-real"));
    const struct {
        const char* file;
        const char* reference;
    } slides[] = {{"ten0s__velisp/slide_dn.sld", "slides/real_slide_dn"},
                  {"mnasoft__MNAS_acad_utils/D_CHAMF.sld", "slides/real_d_chamf"},
                  {"mnasoft__MNAS_acad_utils/LOPATKA.sld", "slides/real_lopatka"}};
    for (const auto& s : slides) {
        CSlide slide;
        ASSERT_EQ(slide.Load(QString(), QDir(folder).filePath(QLatin1String(s.file))), 1) << s.file;
        EXPECT_TRUE(
            MatchesReference(draw(slide, {240, 180}, 0), QLatin1String(s.reference), kLineDrawingTolerance));
    }
}

} // namespace
