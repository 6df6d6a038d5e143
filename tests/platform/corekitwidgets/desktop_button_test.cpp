#include "corekit/widgets/desktop_button.h"

#include "test_folder.h"

#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <QTimer>
#include <QTimerEvent>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

using orvane::test::FolderTest;
using State = ButtonFace::State;

// Lets the highlight timer of a button run out now, as if its time had passed.
void RunOutHighlightTimer(CDesktopButton& button) {
    auto* timer = button.findChild<QTimer*>(QStringLiteral("highlightTimer"));
    ASSERT_TRUE(timer);
    ASSERT_TRUE(timer->isActive());
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

TEST(ButtonFace, LooksPickColoursOrGradientsByState) {
    ButtonFace face;
    ASSERT_TRUE(face.SetColor(ButtonFace::Face, 0x0000FF));
    ASSERT_TRUE(face.SetColor(ButtonFace::Hot, 0x00FF00));
    ASSERT_TRUE(face.SetColor(ButtonFace::Pressed, 0xFF0000));
    EXPECT_FALSE(face.SetColor(4, 0x123456));
    EXPECT_FALSE(face.SetGradientColor(3, 0, 0));
    EXPECT_FALSE(face.SetColor(-1, 0));
    EXPECT_EQ(face.fillFor(State::Normal).top, QColor(Qt::red)); // 0x0000FF is red: low byte first
    EXPECT_EQ(face.fillFor(State::Highlighted).top, QColor(Qt::green));
    EXPECT_EQ(face.fillFor(State::Pressed).bottom, QColor(Qt::blue));

    face.SetLook(2);
    ASSERT_TRUE(face.SetGradientColor(ButtonFace::HotGradient, 0xC8C138, 0xA39C13));
    EXPECT_EQ(face.look(), ButtonFace::Design);
    EXPECT_EQ(face.fillFor(State::Hot).top, QColor(0x38, 0xC1, 0xC8));
    EXPECT_EQ(face.fillFor(State::Highlighted).bottom, QColor(0x13, 0x9C, 0xA3));
    EXPECT_NE(face.fillFor(State::Normal).top, face.fillFor(State::Hot).top);
    face.SetLook(0);
    EXPECT_EQ(face.fillFor(State::Normal).top, QColor(Qt::red));
}

// What nobody set follows the window's palette, light or dark; a text on a face of one's own
// stands out against that face.
TEST(ButtonFace, UnsetColoursFollowThePalette) {
    const QColor light(0xEF, 0xEF, 0xEF), dark(0x35, 0x35, 0x35);
    for (const QColor& window : {light, dark}) {
        QPalette palette(window);
        palette.setColor(QPalette::ButtonText, window == dark ? QColor(0xE6, 0xE6, 0xE6) : QColor(Qt::black));
        const ButtonFace plain = ButtonFace().WithPalette(palette);
        EXPECT_EQ(plain.fillFor(State::Normal).top, window);
        EXPECT_EQ(plain.textColor(State::Normal), palette.color(QPalette::ButtonText));
        EXPECT_NE(plain.fillFor(State::Pressed).top, window);
        EXPECT_NE(plain.fillFor(State::Hot).top, window);

        CDesktopButton button;
        button.resize(24, 24);
        button.setPalette(palette);
        EXPECT_EQ(button.RenderToImage(1.0).pixelColor(12, 12), window);
    }
    ButtonFace own;
    own.SetColor(ButtonFace::Face, 0x202020);
    EXPECT_EQ(own.WithPalette(QPalette(QColor(0xEF, 0xEF, 0xEF))).textColor(State::Normal),
              QColor(Qt::white));
    own.SetColor(ButtonFace::Text, 0x0000FF);
    EXPECT_EQ(own.WithPalette(QPalette(dark)).textColor(State::Normal), QColor(Qt::red));
}

TEST(DesktopButton, TimedHighlightEndsByItselfOrWhenSwitchedOff) {
    CDesktopButton button;
    button.resize(40, 40);
    auto* timer = button.findChild<QTimer*>(QStringLiteral("highlightTimer"));
    ASSERT_TRUE(timer);
    button.WaitForModalDialog(1, 0); // until switched off: no timer
    EXPECT_EQ(button.CurrentState(), State::Highlighted);
    EXPECT_FALSE(timer->isActive());
    button.WaitForModalDialog(0, 0);
    EXPECT_FALSE(button.IsHighlighted());

    button.WaitForModalDialog(1, 5);
    EXPECT_TRUE(button.IsHighlighted());
    RunOutHighlightTimer(button);
    EXPECT_FALSE(button.IsHighlighted());
    // A new highlight restarts the time: the earlier short one must not end the long one.
    button.WaitForModalDialog(1, 5);
    button.WaitForModalDialog(1, 60000);
    EXPECT_EQ(timer->interval(), 60000);
    EXPECT_TRUE(timer->isActive());
    // Switching off stops the time, so a later run-out cannot end a new highlight early.
    button.WaitForModalDialog(0, 0);
    EXPECT_FALSE(timer->isActive());
}

TEST(DesktopButton, NeverBecomesTheDefaultButton) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* plain = new CDesktopButton(&dialog);
    auto* never = new CDesktopButton(&dialog);
    layout->addWidget(plain);
    layout->addWidget(never);
    never->SetNoDefaultButton(1);
    dialog.show();
    never->setFocus();
    QCoreApplication::processEvents();
    EXPECT_FALSE(never->autoDefault());
    EXPECT_FALSE(never->isDefault());
    never->setDefault(true);
    never->clearFocus();
    never->setFocus();
    QCoreApplication::processEvents();
    EXPECT_FALSE(never->isDefault());
}

TEST(DesktopButton, FacesPaintTheirLookAndState) {
    CDesktopButton button;
    button.resize(30, 20);
    button.SetColor(0, 0x0000FF);
    QImage classic = button.RenderToImage(1.0);
    EXPECT_EQ(classic.pixelColor(15, 10), QColor(Qt::red));
    // Raised: the palette's light upper-left edge, its dark lower-right edge.
    EXPECT_EQ(classic.pixel(0, 0), button.palette().color(QPalette::Light).rgb());
    EXPECT_EQ(classic.pixel(29, 19), button.palette().color(QPalette::Dark).rgb());

    button.SetUseXPLook(2);
    button.SetGradientColor(0, 0x000000, 0xFFFFFF);
    button.SetColor(3, 0x010000);
    const QImage design = button.RenderToImage(1.0);
    EXPECT_LT(design.pixelColor(15, 2).lightness(), 60);   // dark at the top
    EXPECT_GT(design.pixelColor(15, 17).lightness(), 190); // light at the bottom
    // Round corners leave the outermost corner pixel unpainted; square ones draw the frame there.
    EXPECT_LT(qAlpha(design.pixel(0, 0)), 128);
    button.SetDrawRoundCorners(0);
    EXPECT_EQ(button.RenderToImage(1.0).pixelColor(0, 0), QColor(0, 0, 1));

    const QImage normal = button.RenderToImage(1.0);
    button.WaitForModalDialog(1, 0);
    EXPECT_NE(button.RenderToImage(1.0), normal);

    const QImage twice = button.RenderToImage(2.0);
    EXPECT_EQ(twice.size(), QSize(60, 40));
    EXPECT_EQ(twice.devicePixelRatio(), 2.0);
}

TEST_F(FolderTest, BitmapFileReplacesTheFacePicture) {
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    const QString file = folder.filePath(QStringLiteral("ArrowLeft.bmp"));
    ASSERT_TRUE(picture.save(file, "BMP"));

    CDesktopButton button;
    button.resize(24, 24);
    button.SetBitmapFile(file, 0x0F00);
    ASSERT_TRUE(button.HasBitmap());
    EXPECT_EQ(button.RenderToImage(1.0).pixelColor(12, 12), QColor(0, 0, 255));
    button.setEnabled(false);
    button.SetBitmapFile(file, CDesktopButton::kBitmapNormal); // not in the disabled state
    EXPECT_NE(button.RenderToImage(1.0).pixelColor(12, 12), QColor(0, 0, 255));
    button.SetBitmapFile(QString(), 0x0F00);
    EXPECT_FALSE(button.HasBitmap());
    button.SetBitmapFile(folder.filePath(QStringLiteral("missing.bmp")), 0x0F00);
    EXPECT_FALSE(button.HasBitmap());
}

} // namespace
