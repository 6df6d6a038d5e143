#include "hydraulics/circuit_model.h"
#include "hydraulics/schematic_builder.h"
#include "hydraulics/schematic_painter.h"

#include "image_compare.h"
#include "test_folder.h"

#include <QBuffer>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using namespace Hydraulics;

struct tCase {
    int type;
    int valve;
    QSize size;
};

// Every circuit type at the hidden, the closed, a quarter-open and the fully open valve, in
// a narrow area (where the base pen width stays at one pixel) and a wide one.
std::vector<tCase> AllCases() {
    std::vector<tCase> cases;
    for (const QSize size : {QSize(320, 200), QSize(800, 500)})
        for (int type = 0; type < kCircuitTypeCount; ++type)
            for (int valve : {-1, 0, 25, 100})
                cases.push_back({type, valve, size});
    return cases;
}

QString CaseName(const tCase& c) {
    return QStringLiteral("type%1_valve%2_%3x%4")
        .arg(c.type)
        .arg(c.valve < 0 ? "hidden" : QString::number(c.valve))
        .arg(c.size.width())
        .arg(c.size.height());
}

void PrintTo(const tCase& c, std::ostream* os) {
    *os << CaseName(c).toStdString();
}

class SchematicReference : public ::testing::TestWithParam<tCase> {};

TEST_P(SchematicReference, MatchesTheAcceptedImage) {
    const tCase c = GetParam();
    CHydraulicsModel model;
    model.SetCircuitType(c.type);
    model.SetValvePosition(c.valve);
    // The options differ between the cases so that each of them shows up in some picture.
    model.m_valveType = c.valve < 0 ? 0 : (c.type % 3);
    model.m_valveInSupply = c.valve == 100 ? 0 : 1;
    model.m_actuator = c.valve == 0 ? 0 : 1;
    model.m_checkValve = c.size.width() > 400 ? 1 : 0;
    model.m_throttle = c.size.width() > 400 ? 1 : 0;
    const QImage image = RenderSchematicImage(BuildSchematic(c.size, model));
    EXPECT_TRUE(orvane::test::MatchesReference(image, QStringLiteral("hydraulics/") + CaseName(c)));
}

INSTANTIATE_TEST_SUITE_P(AllTypes, SchematicReference, ::testing::ValuesIn(AllCases()),
                         [](const ::testing::TestParamInfo<tCase>& info) {
                             return CaseName(info.param).toStdString();
                         });

TEST(SchematicPainter, EmptyAreasPaintNothingAndDoNotFail) {
    CHydraulicsModel model;
    model.SetValvePosition(50);
    EXPECT_TRUE(RenderSchematicImage(BuildSchematic(QSize(0, 0), model)).isNull());
    const QImage one = RenderSchematicImage(BuildSchematic(QSize(1, 1), model));
    EXPECT_EQ(one.size(), QSize(1, 1));
    QBuffer buffer;
    EXPECT_FALSE(WriteSchematicSvg(BuildSchematic(QSize(0, 0), model), buffer));
}

TEST(SchematicPainter, PaintsIntoAnyPainterAndClearsFirst) {
    CHydraulicsModel model;
    model.SetValvePosition(25);
    const tSchematic s = BuildSchematic(QSize(200, 120), model, 0xFF102030);
    QImage image(200, 120, QImage::Format_ARGB32);
    image.fill(Qt::green);
    QPainter painter(&image);
    PaintSchematic(painter, s);
    painter.end();
    EXPECT_EQ(image.pixel(1, 1), 0xFF102030u);
    EXPECT_EQ(image.pixel(199, 1), 0xFF102030u);
    // The same list drawn by the image backend gives the same picture.
    EXPECT_EQ(image.convertToFormat(QImage::Format_ARGB32),
              RenderSchematicImage(s).convertToFormat(QImage::Format_ARGB32));
}

TEST(SchematicPainter, SvgHoldsTheLabelsAndColours) {
    CHydraulicsModel model;
    model.SetCircuitType(BeimischungKonstant);
    model.SetValvePosition(50);
    QBuffer buffer;
    ASSERT_TRUE(WriteSchematicSvg(BuildSchematic(QSize(400, 300), model), buffer));
    const QByteArray svg = buffer.data();
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 400 300\""));
    for (const char* text : {">30%<", ">60%<", ">40%<", ">100%<", ">M<"})
        EXPECT_TRUE(svg.contains(text)) << text;
    EXPECT_TRUE(svg.contains("#4d00b3"));               // the consumer supply: the mix of 0.3
    EXPECT_TRUE(svg.contains("font-family=\"Arial\"")); // the viewer picks the face
}

} // namespace
