#include "test_folder.h"

#include "shellui/color_scheme.h"
#include "shellui/desktop_design.h"
#include "shellui/image_list.h"

#include <QDir>
#include <QGuiApplication>
#include <QPalette>

namespace {

using orvane::test::FolderTest;

TEST_F(FolderTest, DesignsAreTheClassicLookAndOneFolderEach) {
    QDir(folder.path()).mkpath(QStringLiteral("Designs/Blau"));
    QDir(folder.path()).mkpath(QStringLiteral("Designs/Anthrazit"));
    const CDesktopDesignManager designs(folder.filePath(QStringLiteral("Designs")));
    ASSERT_EQ(designs.DesignCount(), 3);
    EXPECT_FALSE(designs.GetDesign(0)->UsesDesignColours());
    EXPECT_TRUE(designs.GetDesign(1)->UsesDesignColours());
    EXPECT_EQ(designs.GetDesign(-1), designs.GetDesign(1)) << "the first folder design is current";
    EXPECT_EQ(designs.GetDesign(1)->GetPropertyStr(CDesktopDesignBase::kImageFolder, nullptr),
              folder.filePath(QStringLiteral("Designs/Anthrazit")));
    EXPECT_EQ(designs.GetDesign(2)->GetPropertyStr(CDesktopDesignBase::kName, nullptr),
              QStringLiteral("Blau"));
    EXPECT_EQ(designs.GetDesign(3), nullptr);
    EXPECT_EQ(designs.GetDesign(-2), nullptr);

    const CDesktopDesignManager none(folder.filePath(QStringLiteral("fehlt")));
    EXPECT_EQ(none.DesignCount(), 1);
    EXPECT_EQ(none.GetDesign(-1), none.GetDesign(0));
    EXPECT_EQ(none.GetDesign(1), nullptr);
    const QString fallback = QStringLiteral("x");
    EXPECT_EQ(none.GetDesign(0)->GetPropertyStr(CDesktopDesignBase::kImageFolder, &fallback), fallback);
    EXPECT_EQ(none.GetDesign(0)->GetPropertyStr(CDesktopDesignBase::kImageFolder, nullptr), QString());
}

TEST(ColorScheme, SuffixFollowsThePalette) {
    using ShellUI::ColorScheme;
    EXPECT_EQ(ShellUI::AddColorSchemeSuffix(QStringLiteral("ImgList_Symbols"), ColorScheme::Dark),
              QStringLiteral("ImgList_Symbols_Dark"));
    EXPECT_EQ(ShellUI::AddColorSchemeSuffix(QStringLiteral("ImgList_Symbols"), ColorScheme::Light),
              QStringLiteral("ImgList_Symbols"));

    const QPalette before = QGuiApplication::palette();
    QGuiApplication::setPalette(QPalette(QColor(30, 30, 30)));
    EXPECT_EQ(ShellUI::AddColorSchemeSuffix(QStringLiteral("A")), QStringLiteral("A_Dark"));
    QGuiApplication::setPalette(QPalette(QColor(240, 240, 240)));
    EXPECT_EQ(ShellUI::AddColorSchemeSuffix(QStringLiteral("A")), QStringLiteral("A"));
    QGuiApplication::setPalette(before);
}

TEST_F(FolderTest, ImageListCutsAStripAndClearsMagenta) {
    QImage strip(40, 16, QImage::Format_RGB32);
    strip.fill(qRgb(255, 0, 255));
    strip.setPixel(17, 3, qRgb(10, 20, 30));
    const QString file = folder.filePath(QStringLiteral("strip.bmp"));
    ASSERT_TRUE(strip.save(file));

    const ShellUI::CImageList list = ShellUI::LoadImageList(file, 16, 16);
    ASSERT_EQ(list.Count(), 2) << "a partial last image is dropped";
    EXPECT_EQ(list.Image(1).size(), QSize(16, 16));
    EXPECT_EQ(list.Image(1).pixel(1, 3), qRgb(10, 20, 30));
    EXPECT_EQ(qAlpha(list.Image(0).pixel(0, 0)), 0);
    EXPECT_TRUE(list.Image(2).isNull());
    EXPECT_EQ(ShellUI::LoadImageList(folder.filePath(QStringLiteral("fehlt.bmp")), 16, 16).Count(), 0);
}

} // namespace
