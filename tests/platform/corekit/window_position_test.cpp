#include "corekit/window_position.h"

#include <gtest/gtest.h>

TEST(WindowPosition, TextFormRoundTripsAndRejectsNonsense) {
    const QRect rect(-1200, 35, 640, 480);
    EXPECT_EQ(WindowPosition::Format(rect), "-1200,35,640,480");
    EXPECT_EQ(WindowPosition::Parse("-1200,35,640,480"), rect);
    EXPECT_EQ(WindowPosition::Parse(" 1, 2 ,3,4 "), QRect(1, 2, 3, 4));
    EXPECT_FALSE(WindowPosition::Parse("1,2,3"));
    EXPECT_FALSE(WindowPosition::Parse("1,2,3,4,5"));
    EXPECT_FALSE(WindowPosition::Parse("1,2,x,4"));
    EXPECT_FALSE(WindowPosition::Parse("1,2,0,4"));
    EXPECT_FALSE(WindowPosition::Parse(""));
}

TEST(WindowPosition, AWindowOnAScreenStaysWhereItIs) {
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    EXPECT_EQ(WindowPosition::FitOnScreens(QRect(2000, 100, 400, 300), screens), QRect(2000, 100, 400, 300));
    // Partly off the screen but with its title bar reachable: left alone.
    EXPECT_EQ(WindowPosition::FitOnScreens(QRect(1700, 900, 400, 300), screens), QRect(1700, 900, 400, 300));
    EXPECT_EQ(WindowPosition::FitOnScreens(QRect(5000, 5000, 10, 10), {}), QRect(5000, 5000, 10, 10));
}

TEST(WindowPosition, AWindowOfAScreenThatIsGoneComesBack) {
    const QList<QRect> screens{QRect(0, 0, 1920, 1080)};
    EXPECT_EQ(WindowPosition::FitOnScreens(QRect(2500, 200, 400, 300), screens), QRect(1520, 200, 400, 300));
    EXPECT_EQ(WindowPosition::FitOnScreens(QRect(-900, -700, 400, 300), screens), QRect(0, 0, 400, 300));
    // Larger than the screen: shrunk to it.
    EXPECT_EQ(WindowPosition::FitOnScreens(QRect(3000, 0, 2500, 1200), screens), QRect(0, 0, 1920, 1080));
}
