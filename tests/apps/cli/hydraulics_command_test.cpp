#include "cli_test_support.h"
#include "test_folder.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

using namespace orvane::test;

TEST_F(FolderTest, HydraulicsRenderWritesPngAndSvgOfTheAskedSize) {
    const QString png = folder.filePath("circuit.png");
    const auto result = runWords("hydraulics render --type 3 --valve 25 --size 320x200 -o", {png});
    ASSERT_EQ(result.status, 0) << qPrintable(result.err);
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(320, 200));
    EXPECT_EQ(image.pixel(2, 2), qRgb(240, 240, 240)); // the corner shows only the background
    EXPECT_EQ(image.pixel(128, 193), qRgb(255, 0, 0)); // the foot of the hot supply pipe

    ASSERT_EQ(runWords("hydraulics render --type 4 --valve 100 -o", {folder.filePath("circuit.svg")}).status,
              0);
    const QByteArray text = folder.read("circuit.svg");
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("10%"));
    EXPECT_TRUE(text.contains("#8dd6ff")); // the separator fill
}

TEST(HydraulicsCommand, PrimitivesAsJsonFollowTheOptions) {
    const auto result = runWords("hydraulics primitives --type 4 --valve 100 --size 400x300 --json");
    ASSERT_EQ(result.status, 0) << qPrintable(result.err);
    const QJsonObject root = QJsonDocument::fromJson(result.out.toUtf8()).object();
    EXPECT_EQ(root.value("width").toInt(), 400);
    bool separatorArrow = false;
    QStringList labels;
    for (const auto& value : root.value("primitives").toArray()) {
        const QJsonObject p = value.toObject();
        if (p.value("element") == "label")
            labels << p.value("text").toString();
        if (p.value("element") == "arrow" && p.value("angle").toDouble() == 90)
            separatorArrow = p.value("fill") == "#ffff0000";
    }
    EXPECT_TRUE(separatorArrow);
    EXPECT_EQ(labels, (QStringList{"100%", "10%", "110%", "100%"}));
    const QJsonArray up = root.value("up").toArray();
    ASSERT_EQ(up.size(), 4);
    EXPECT_DOUBLE_EQ(up[0].toDouble(), 120 - 9); // X(30) - 1.5 f at f = 6

    const auto plain = runWords("hydraulics primitives --type 6 --valve -1 --actuator 0");
    ASSERT_EQ(plain.status, 0);
    EXPECT_FALSE(plain.out.contains("actuator"));
    EXPECT_FALSE(plain.out.contains("arrow"));
    EXPECT_TRUE(plain.out.contains("control-valve polygon"));
}

} // namespace
