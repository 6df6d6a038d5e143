#include "hydraulics/circuit_model.h"
#include "hydraulics/schematic_builder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace Hydraulics;

CHydraulicsModel Model(int type, int valve) {
    CHydraulicsModel model;
    model.SetCircuitType(type);
    model.SetValvePosition(valve);
    return model;
}

std::vector<tPrimitive> Of(const tSchematic& s, Element element) {
    std::vector<tPrimitive> found;
    std::copy_if(s.primitives.begin(), s.primitives.end(), std::back_inserter(found),
                 [&](const tPrimitive& p) { return p.element == element; });
    return found;
}

QStringList Labels(const tSchematic& s) {
    QStringList texts;
    for (const auto& p : Of(s, Element::Label))
        texts << p.text;
    return texts;
}

// The label drawn at a point, or an empty text.
QString LabelAt(const tSchematic& s, QPointF at) {
    for (const auto& p : Of(s, Element::Label))
        if (std::abs(p.points[0].x() - at.x()) < 1e-9 && std::abs(p.points[0].y() - at.y()) < 1e-9)
            return p.text;
    return {};
}

// The pipe that runs along x from y1 to y2 (pixels).
const tPrimitive* PipeAt(const tSchematic& s, QPointF from, QPointF to) {
    for (const auto& p : s.primitives)
        if (p.element == Element::Pipe && p.points[0] == from && p.points[1] == to)
            return &p;
    return nullptr;
}

const QSize kSize(400, 300);
double X(double p) {
    return kSize.width() * p / 100;
}
double Y(double p) {
    return kSize.height() - kSize.height() * p / 100;
}

// The pictures of the reference images are wider than this: there the base pen width grows.
TEST(SchematicUnits, BasePenWidthStaysAtOneBelow267Pixels) {
    const auto narrow = BuildSchematic(QSize(266, 300), Model(0, 10));
    for (const auto& pipe : Of(narrow, Element::Pipe))
        EXPECT_DOUBLE_EQ(pipe.penWidth, 2.0); // base width stays at 1 below 267 pixels
    const auto pump = Of(narrow, Element::Pump);
    ASSERT_FALSE(pump.empty());
    EXPECT_DOUBLE_EQ(pump.front().penWidth, 1.5);
    EXPECT_EQ(*pump.front().fill, kDefaultBackground);
}

TEST(SchematicUnits, RoundingAndMixedColour) {
    EXPECT_EQ(RoundHalfUp(2.5), 3);
    EXPECT_EQ(RoundHalfUp(-9.5), -9);
    EXPECT_EQ(RoundHalfUp(-10.1), -10);
    EXPECT_EQ(MixedColour(0.25), qRgba(64, 0, 191, 255));
    EXPECT_EQ(MixedColour(1.0), kHot);
    EXPECT_EQ(MixedColour(0.0), kCold);
}

TEST(SchematicHidden, NoArrowsNoLabelsRedMixAndOutlinedDownTriangle) {
    for (int type = 0; type < kCircuitTypeCount; ++type) {
        const auto s = BuildSchematic(kSize, Model(type, -1));
        EXPECT_TRUE(Of(s, Element::FlowArrow).empty()) << type;
        EXPECT_TRUE(Labels(s).isEmpty()) << type;
        const auto control = Of(s, Element::ValveControl);
        ASSERT_EQ(control.size(), 2u);
        EXPECT_TRUE(control[0].fill.has_value()) << "up triangle filled below 100";
        EXPECT_FALSE(control[1].fill.has_value()) << "down triangle outlined while hidden";
        EXPECT_DOUBLE_EQ(control[1].penWidth, 0.75);
    }
    // The supply of the admixture circuit above the valve is red, not a mix of nothing.
    const auto admixture = BuildSchematic(kSize, Model(0, -1));
    const auto* mixed = PipeAt(admixture, {X(40), Y(25)}, {X(40), Y(40)});
    ASSERT_NE(mixed, nullptr);
    EXPECT_EQ(mixed->penColour, kHot);
}

TEST(SchematicControl, RectanglesAnchorsAndTriangleStates) {
    const double f = 6;
    const auto s = BuildSchematic(kSize, Model(Verteilung, 100));
    EXPECT_EQ(s.upRect, QRectF(X(30) - 1.5 * f, Y(50) - 3 * f, 3 * f, 1.5 * f));
    EXPECT_EQ(s.downRect, QRectF(X(30) - 1.5 * f, Y(50) + 1.5 * f, 3 * f, 1.5 * f));
    const auto control = Of(s, Element::ValveControl);
    EXPECT_FALSE(control[0].fill.has_value()); // at 100 the up arrow is only outlined
    EXPECT_TRUE(control[1].fill.has_value());
    EXPECT_EQ(LabelAt(s, {X(30), Y(50)}), "100%");

    CHydraulicsModel onReturn = Model(Weiche, 5);
    onReturn.m_valveInSupply = 0; // the separator keeps its control on the left
    EXPECT_EQ(BuildSchematic(kSize, onReturn).upRect.center().x(), X(30));
    EXPECT_EQ(BuildSchematic(kSize, Model(EinspritzungZweiwege, 5)).downRect.top(), Y(30) + 1.5 * f);

    // Left and top edges belong to a rectangle, right and bottom ones do not.
    EXPECT_EQ(HitValveControl(s, s.upRect.topLeft()), ValveHit::Up);
    EXPECT_EQ(HitValveControl(s, s.upRect.bottomRight()), ValveHit::None);
    EXPECT_EQ(HitValveControl(s, s.downRect.center()), ValveHit::Down);
    EXPECT_EQ(HitValveControl(s, {s.downRect.right(), s.downRect.center().y()}), ValveHit::None);
    EXPECT_EQ(HitValveControl(s, {X(50), Y(50)}), ValveHit::None);
}

// The closed half of a three-way valve is filled with the ink, the open one stands out from
// it: white under black ink, the face under light ink on a dark face.
TEST(SchematicColours, OpenValveHalvesStandOutFromTheInk) {
    const struct { QRgb face, ink; } looks[] = {{kDefaultBackground, kBlack}, {0xFF353535, 0xFFE6E6E6}};
    for (const auto& look : looks) {
        const auto s = BuildSchematic(kSize, Model(0, 50), look.face, look.ink);
        int closed = 0, open = 0;
        for (const auto& p : Of(s, Element::ControlValve)) {
            if (!p.fill)
                continue;
            EXPECT_EQ(p.penColour, look.ink);
            if (*p.fill == look.ink)
                ++closed;
            else if (std::abs(qGray(*p.fill) - qGray(look.ink)) > 128)
                ++open;
        }
        EXPECT_EQ(closed, 2) << std::hex << look.face; // one half and the side port
        EXPECT_EQ(open, 1) << std::hex << look.face;
    }
}

TEST(SchematicBadInput, EmptyAreasAndUnknownTypes) {
    for (const QSize size : {QSize(0, 0), QSize(1, 1), QSize(-5, 10)}) {
        for (int type = 0; type < kCircuitTypeCount; ++type) {
            const auto s = BuildSchematic(size, Model(type, 50));
            EXPECT_FALSE(s.primitives.empty());
            EXPECT_EQ(HitValveControl(s, {0, 0}), ValveHit::None) << "rectangles of no size hit nothing";
        }
    }
    CHydraulicsModel unknown;
    unknown.SetCircuitType(9);
    unknown.SetValvePosition(30);
    const auto s = BuildSchematic(kSize, unknown);
    for (const auto& p : s.primitives)
        EXPECT_TRUE(p.element == Element::ValveControl || p.element == Element::Label);
    EXPECT_EQ(Labels(s), QStringList{"30%"});
}

} // namespace
