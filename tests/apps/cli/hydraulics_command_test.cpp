#include "cli_test_support.h"
#include "test_folder.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

using orvane::test::FolderTest;
using orvane::test::runOrvane;

QStringList Args(const char* line) {
    return QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts);
}

TEST_F(FolderTest, HydraulicsRenderWritesPngAndSvgOfTheAskedSize) {
    const QString png = folder.filePath(QStringLiteral("circuit.png"));
    const auto result = runOrvane(Args("hydraulics render --type 3 --valve 25 --size 320x200 -o") << png);
    ASSERT_EQ(result.status, 0) << qPrintable(result.err);
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(320, 200));
    EXPECT_EQ(image.pixel(2, 2), qRgb(240, 240, 240)); // the corner shows only the background
    EXPECT_EQ(image.pixel(128, 193), qRgb(255, 0, 0)); // the foot of the hot supply pipe

    const QString svg = folder.filePath(QStringLiteral("circuit.svg"));
    ASSERT_EQ(runOrvane(Args("hydraulics render --type 4 --valve 100 -o") << svg).status, 0);
    const QByteArray text = folder.read(QStringLiteral("circuit.svg"));
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("10%"));
    EXPECT_TRUE(text.contains("#8dd6ff")); // the separator fill
}

TEST(HydraulicsCommand, PrimitivesAsJsonFollowTheOptions) {
    const auto result = runOrvane(Args("hydraulics primitives --type 4 --valve 100 --size 400x300 --json"));
    ASSERT_EQ(result.status, 0) << qPrintable(result.err);
    const QJsonObject root = QJsonDocument::fromJson(result.out.toUtf8()).object();
    EXPECT_EQ(root.value(QStringLiteral("width")).toInt(), 400);
    bool separatorArrow = false;
    QStringList labels;
    for (const auto& value : root.value(QStringLiteral("primitives")).toArray()) {
        const QJsonObject p = value.toObject();
        if (p.value(QStringLiteral("element")) == QStringLiteral("label"))
            labels << p.value(QStringLiteral("text")).toString();
        if (p.value(QStringLiteral("element")) == QStringLiteral("arrow") &&
            p.value(QStringLiteral("angle")).toDouble() == 90)
            separatorArrow = p.value(QStringLiteral("fill")) == QStringLiteral("#ffff0000");
    }
    EXPECT_TRUE(separatorArrow);
    EXPECT_EQ(labels, (QStringList{QStringLiteral("100%"), QStringLiteral("10%"), QStringLiteral("110%"),
                                   QStringLiteral("100%")}));
    const QJsonArray up = root.value(QStringLiteral("up")).toArray();
    ASSERT_EQ(up.size(), 4);
    EXPECT_DOUBLE_EQ(up[0].toDouble(), 120 - 9); // X(30) - 1.5 f at f = 6

    const auto plain = runOrvane(Args("hydraulics primitives --type 6 --valve -1 --actuator 0"));
    ASSERT_EQ(plain.status, 0);
    EXPECT_FALSE(plain.out.contains(QStringLiteral("actuator")));
    EXPECT_FALSE(plain.out.contains(QStringLiteral("arrow")));
    EXPECT_TRUE(plain.out.contains(QStringLiteral("control-valve polygon")));
}

TEST_F(FolderTest, HydraulicsRejectsWrongCalls) {
    const QString out = folder.filePath(QStringLiteral("x.png"));
    for (const char* bad : {"hydraulics render --type 7 -o", "hydraulics render --valve 101 -o",
                            "hydraulics render --valve-type -3 -o", "hydraulics render --check 2 -o",
                            "hydraulics render --type abc -o", "hydraulics render --size 0x0 -o",
                            "hydraulics render --size 12 -o", "hydraulics render --json -o"}) {
        const auto result = runOrvane(Args(bad) << out);
        EXPECT_EQ(result.status, 2) << bad;
        EXPECT_FALSE(result.err.isEmpty()) << bad;
    }
    EXPECT_EQ(runOrvane(Args("hydraulics render --type 1")).status, 2); // no -o
    EXPECT_EQ(runOrvane(Args("hydraulics render -o") << folder.filePath("x.bmp")).status, 2);
    EXPECT_EQ(runOrvane(Args("hydraulics draw")).status, 2);
    EXPECT_EQ(runOrvane(Args("hydraulics")).status, 2);
    const auto help = runOrvane(Args("hydraulics --help"));
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--valve-type")));
    // A folder that does not exist cannot take the file: the work fails.
    EXPECT_EQ(runOrvane(Args("hydraulics render -o") << folder.filePath("missing/dir/x.png")).status, 1);
    EXPECT_FALSE(QFile::exists(out));
}

} // namespace
