#include "slides/slide_decoder.h"
#include "slides/slide_description.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(SlideDescription, ShapesBecomeLinesInTheirFolders) {
    const QString text = QStringLiteral("# sample\n"
                                        "folder Heizung\n"
                                        "slide Pumpe 200 100   # a pump\n"
                                        "color 1\n"
                                        "rect 10 10 50 40\n"
                                        "\tline 0 0 200 100\n"
                                        "end\n"
                                        "folder Sanitaer\n"
                                        "slide Ring\n"
                                        "circle 500 500 100\n"
                                        "fill\n"
                                        "arc 500 500 50 0 90\n"
                                        "end\n");
    std::vector<DescribedSlide> slides;
    SlideDescriptionError error;
    ASSERT_TRUE(ReadSlideDescription(text, slides, error)) << error.line << qPrintable(error.message);
    ASSERT_EQ(slides.size(), 2u);
    EXPECT_EQ(slides[0].folder, QStringLiteral("Heizung"));
    EXPECT_EQ(slides[0].name, QStringLiteral("Pumpe"));
    EXPECT_EQ(slides[0].writer.LineCount(), 5);
    const SlideDecodeResult pump = DecodeSlide(slides[0].writer.ToBytes());
    EXPECT_EQ(pump.header.width, 200);
    EXPECT_EQ(pump.header.height, 100);
    ASSERT_FALSE(pump.points.empty());
    EXPECT_EQ(pump.points.front(), (SlidePoint{10, 10, 0}));
    EXPECT_EQ(pump.points.back(), (SlidePoint{200, 100, 1}));

    EXPECT_EQ(slides[1].folder, QStringLiteral("Sanitaer"));
    const SlideDecodeResult ring = DecodeSlide(slides[1].writer.ToBytes());
    EXPECT_EQ(ring.header.width, 1000);
    EXPECT_EQ(ring.counts.solidFills, 1);
    // A full circle in chords of at most 10 degrees, closed on its first point.
    EXPECT_EQ(slides[1].writer.LineCount(), 36 + 9);
    EXPECT_EQ(ring.points[0], (SlidePoint{600, 500, 0}));
}

TEST(SlideDescription, IncludeRepeatsTheStatementsOfAnEarlierSlide) {
    const QString text = QStringLiteral("slide A 100 100\ncolor 1\nline 0 0 10 10\nend\n"
                                        "slide B 100 100\ninclude A\ncolor 5\nline 50 50 60 60\nend\n"
                                        "slide C 100 100\ninclude B\nend\n");
    std::vector<DescribedSlide> slides;
    SlideDescriptionError error;
    ASSERT_TRUE(ReadSlideDescription(text, slides, error)) << error.line << qPrintable(error.message);
    ASSERT_EQ(slides.size(), 3u);
    const std::vector<SlidePoint> expected{{0, 0, 0}, {10, 10, 1}, {50, 50, 0}, {60, 60, 5}};
    EXPECT_EQ(DecodeSlide(slides[1].writer.ToBytes()).points, expected);
    EXPECT_EQ(DecodeSlide(slides[2].writer.ToBytes()).points, expected); // includes nest
}

TEST(SlideDescription, ErrorsNameTheLine) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"line 1 2 3 4\n", 1, "outside a slide"},
        {"slide A\nline 1 2 3\nend\n", 2, "needs 4 numbers"},
        {"slide A\n\nrect 1 2 3 x\nend\n", 3, "numbers from 0 to 32767"},
        {"slide A\ncolor 1\ntriangle 1 2\nend\n", 3, "unknown statement"},
        {"slide A\npoly 1 2 3\nend\n", 2, "pairs of numbers"},
        {"slide A\nline 1 2 3 40000\nend\n", 2, "numbers from 0 to 32767"},
        {"slide A\ncolor 300\nend\n", 2, "colour numbers are 0 to 255, not 300"},
        {"slide A\nline 1 2 3 4\n", 3, "has no end"},
        {"slide A\nslide B\n", 2, "slide inside a slide"},
        {"slide A\ncircle 100 100 101\nend\n", 2, "outside the coordinates"}, // below 0
        {"slide A\ninclude A\nend\n", 2, "earlier slide"},                    // itself
        {"slide A\nend\nslide B\ninclude Z\nend\n", 4, "earlier slide"},      // unknown
    };
    for (const auto& [text, line, message] : cases) {
        std::vector<DescribedSlide> slides;
        SlideDescriptionError error;
        EXPECT_FALSE(ReadSlideDescription(QString::fromUtf8(text), slides, error)) << text;
        EXPECT_EQ(error.line, line) << text;
        EXPECT_TRUE(error.message.contains(QString::fromUtf8(message))) << qPrintable(error.message);
    }
}

} // namespace
