#include "slides/slide.h"
#include "slides/slide_writer.h"
#include "slides/symbol_button.h"

#include "image_compare.h"
#include "test_folder.h"

#include <QFileInfo>
#include <QIcon>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

using orvane::test::FolderTest;
using orvane::test::kLineDrawingTolerance;
using orvane::test::MatchesImage;
using orvane::test::MatchesReference;

// A valve-like figure: two triangles meeting in the middle, in blue and red, and a black stem.
void writeValve(const QString& path, int stemColour = 7) {
    CSlideWriter w(200, 100);
    w.SetColor(5);
    w.AddLine({0, 10}, {100, 50});
    w.AddLine({100, 50}, {0, 90});
    w.AddLine({0, 90}, {0, 10});
    w.SetColor(1);
    w.AddLine({200, 10}, {100, 50});
    w.AddLine({100, 50}, {200, 90});
    w.AddLine({200, 90}, {200, 10});
    w.SetColor(stemColour);
    w.AddLine({100, 50}, {100, 100});
    ASSERT_TRUE(w.WriteToFile(path));
}

class SymbolButtonTest : public FolderTest {
protected:
    void SetUp() override { g_cornerMarkColor = kDefaultCornerMarkColor; }
    void TearDown() override { g_cornerMarkColor = kDefaultCornerMarkColor; }
};

TEST_F(SymbolButtonTest, ReferenceImagesAtScaleOneAndTwo) {
    const QString valve = folder.filePath(QStringLiteral("valve.sld"));
    writeValve(valve);
    struct Case {
        const char* name;
        QSize size;
        int mark, scale;
        qreal ratio;
    };
    const Case cases[] = {
        {"button_36_plain", {36, 36}, 0, 0, 1.0},
        {"button_36_mark", {36, 36}, 1, 0, 1.0},
        {"button_72x36_scaled_mark", {72, 36}, 1, 1, 1.0},
        {"button_36_mark_x2", {36, 36}, 1, 0, 2.0},
        {"button_72x36_scaled_mark_x2", {72, 36}, 1, 1, 2.0},
    };
    for (const Case& c : cases) {
        CSymbolButton button;
        button.resize(c.size);
        button.SetSlideFile(valve);
        button.SetMarkCorner(c.mark, c.scale);
        EXPECT_TRUE(MatchesReference(button.RenderToImage(c.ratio),
                                     QStringLiteral("slides/%1").arg(QLatin1String(c.name)),
                                     kLineDrawingTolerance));
    }
    // The design look of the symbols window, with the highlight of a clicked button.
    CSymbolButton design;
    design.resize(48, 40);
    design.SetSlideFile(valve);
    design.SetUseXPLook(2);
    design.SetDrawRoundCorners(0);
    design.SetGradientColor(0, 0x9B9B9B, 0xC0C0C0);
    design.SetGradientColor(1, 0xC8C138, 0xA39C13);
    design.SetColor(3, 0x010000);
    design.SetMarkCorner(1, 1);
    EXPECT_TRUE(MatchesReference(design.RenderToImage(2.0), QStringLiteral("slides/button_design_x2"),
                                 kLineDrawingTolerance));
    design.WaitForModalDialog(1, 0);
    EXPECT_TRUE(MatchesReference(design.RenderToImage(1.0),
                                 QStringLiteral("slides/button_design_highlighted"), kLineDrawingTolerance));
}

// The slide's foreground lines (the stem) take the colour of the face's text, so that they
// show on a light and on a dark face alike.
TEST_F(SymbolButtonTest, ForegroundLinesStandOutOnLightAndDarkFaces) {
    const QString valve = folder.filePath(QStringLiteral("valve.sld"));
    writeValve(valve);
    for (const QColor& face : {QColor(0xEF, 0xEF, 0xEF), QColor(0x35, 0x35, 0x35)}) {
        QPalette palette(face);
        palette.setColor(QPalette::ButtonText,
                         face.lightness() < 128 ? QColor(0xE6, 0xE6, 0xE6) : QColor(Qt::black));
        CSymbolButton button;
        button.setPalette(palette);
        button.resize(36, 36);
        button.SetSlideFile(valve);
        const QImage image = button.RenderToImage(1.0);
        int contrast = 0;
        for (int x = 16; x < 20; ++x)
            for (int y = 2; y < 34; ++y)
                contrast = std::max(contrast, std::abs(qGray(image.pixel(x, y)) - qGray(face.rgb())));
        EXPECT_GT(contrast, 150) << face.name().toStdString();
    }
}

// The drawing a button keeps is made at device pixels for the painter's ratio, whatever it is,
// and paints exactly what the slide drawn anew gives; a new size, ratio or slide makes it again.
TEST_F(SymbolButtonTest, KeptDrawingPaintsWhatTheSlideDrawnAnewPaintsAtEveryRatio) {
    const QString valve = folder.filePath(QStringLiteral("valve.sld"));
    const QString redStem = folder.filePath(QStringLiteral("red_stem.sld"));
    writeValve(valve);
    writeValve(redStem, 1);
    CSymbolButton kept;
    CSymbolButton anew;
    anew.SetKeepDrawing(false);
    const struct {
        QSize size;
        qreal ratio;
        const QString& slide;
    } steps[] = {
        {{36, 36}, 2.0, valve},   {{36, 36}, 2.0, valve},   {{48, 40}, 2.0, valve},
        {{48, 40}, 2.0, redStem}, {{48, 40}, 1.5, redStem}, {{48, 40}, 1.0, redStem},
    };
    for (const auto& step : steps) {
        for (CSymbolButton* button : {&kept, &anew}) {
            button->resize(step.size);
            if (button->SlideFile() != step.slide)
                button->SetSlideFile(step.slide);
        }
        const QString name = QStringLiteral("slides/kept_%1x%2_x%3_%4")
                                 .arg(step.size.width())
                                 .arg(step.size.height())
                                 .arg(step.ratio)
                                 .arg(QFileInfo(step.slide).baseName());
        EXPECT_TRUE(
            MatchesImage(kept.RenderToImage(step.ratio), anew.RenderToImage(step.ratio), name, {0, 0.0}));
        EXPECT_EQ(kept.KeptDrawing().devicePixelRatio(), step.ratio) << qPrintable(name);
        EXPECT_EQ(kept.KeptDrawing().size(), (step.size - QSize(2, 2)) * step.ratio + QSize(2, 2))
            << qPrintable(name);
        EXPECT_TRUE(anew.KeptDrawing().isNull());
    }
}

TEST_F(SymbolButtonTest, ScreenPaintingMatchesTheRenderedImage) {
    const QString valve = folder.filePath(QStringLiteral("valve.sld"));
    writeValve(valve);
    CSymbolButton button;
    button.resize(36, 36);
    button.SetSlideFile(valve);
    button.SetMarkCorner(1, 0);
    const QImage grabbed = button.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage rendered =
        button.RenderToImage(grabbed.devicePixelRatio()).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(grabbed.size(), rendered.size());
    // The grab paints over the window background where the face leaves pixels uncovered.
    EXPECT_EQ(grabbed.pixel(18, 18), rendered.pixel(18, 18));
    EXPECT_EQ(grabbed.pixel(1, 1), rendered.pixel(1, 1));
}

TEST_F(SymbolButtonTest, CornerMarkFillsATriangleInItsColour) {
    CSymbolButton button;
    button.resize(36, 36);
    button.SetSlideFile(folder.filePath(QStringLiteral("missing.sld"))); // plain face, mark only
    EXPECT_FALSE(button.Slide().IsLoaded());
    const QColor face = button.RenderToImage(1.0).pixelColor(18, 18);
    button.SetMarkCorner(1, 0);
    QImage image = button.RenderToImage(1.0);
    const QColor mark(0x67, 0x88, 0xA0);
    // Three strokes from the client area's corner (1, 1): pixels with x + y <= 4.
    for (int y = 1; y <= 4; ++y)
        for (int x = 1; x <= 4; ++x)
            EXPECT_EQ(image.pixelColor(x, y) == mark, x + y <= 4) << x << "," << y;
    EXPECT_EQ(image.pixelColor(18, 18), face);

    g_cornerMarkColor = 0x0000FF;
    button.SetMarkCorner(1, 1);
    button.resize(72, 36);
    image = button.RenderToImage(1.0);
    // 70 + 34 gives five strokes: the fifth reaches (5, 1) and (1, 5).
    EXPECT_EQ(image.pixelColor(5, 1), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(1, 5), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(6, 1), QColor(Qt::red));
}

TEST_F(SymbolButtonTest, SlideFileIsReadAgainOnEverySetAndOnTheIconSignal) {
    const QString path = folder.filePath(QStringLiteral("changing.sld"));
    writeValve(path);
    CSymbolButton button;
    button.resize(36, 36);
    button.SetSlideFile(path);
    ASSERT_TRUE(button.Slide().IsLoaded());
    const size_t before = button.Slide().Points().size();

    CSlideWriter smaller(10, 10);
    smaller.AddLine({0, 0}, {10, 10});
    ASSERT_TRUE(smaller.WriteToFile(path));
    button.SetSlideFile(path);
    EXPECT_EQ(button.Slide().Points().size(), 2u);
    EXPECT_NE(before, 2u);

    writeValve(path);
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    button.setWindowIcon(QIcon(icon));
    EXPECT_EQ(button.Slide().Points().size(), before);

    button.SetSlideFile(QString());
    EXPECT_FALSE(button.Slide().IsLoaded());
    EXPECT_TRUE(button.SlideFile().isEmpty());
}

} // namespace
