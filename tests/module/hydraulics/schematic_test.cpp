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

TEST(SchematicUnits, PenAndFontFollowTheWidth) {
    const auto wide = BuildSchematic(kSize, Model(0, 10));
    for (const auto& pipe : Of(wide, Element::Pipe))
        EXPECT_DOUBLE_EQ(pipe.penWidth, 3.0);
    for (const auto& label : Of(wide, Element::Label)) {
        EXPECT_DOUBLE_EQ(label.fontSize, 6.0);
        EXPECT_EQ(label.fontFamily, QStringLiteral("Arial"));
        EXPECT_EQ(label.penColour, kBlack);
    }
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

TEST(SchematicAdmixture, QuarterOpenValve) {
    const auto s = BuildSchematic(kSize, Model(Beimischung, 25));
    EXPECT_EQ(LabelAt(s, {X(50), Y(30)}), QStringLiteral("75%"));
    EXPECT_EQ(LabelAt(s, {X(36), (Y(0) + Y(25)) / 2}), QStringLiteral("25%"));
    const double yTop = Y(40) + 0.6 * (Y(80) - Y(40));
    EXPECT_EQ(LabelAt(s, {X(36), yTop}), QStringLiteral("100%"));
    EXPECT_EQ(LabelAt(s, {X(30), Y(25)}), QStringLiteral("25%")); // the valve position itself
    const auto* mixed = PipeAt(s, {X(40), Y(25)}, {X(40), Y(40)});
    ASSERT_NE(mixed, nullptr);
    EXPECT_EQ(mixed->penColour, qRgba(64, 0, 191, 255));
    const auto* inlet = PipeAt(s, {X(40), Y(2)}, {X(40), Y(25)});
    ASSERT_NE(inlet, nullptr);
    EXPECT_EQ(inlet->penColour, kHot);
    const auto arrows = Of(s, Element::FlowArrow);
    ASSERT_EQ(arrows.size(), 3u);
    EXPECT_EQ(arrows[2].angle, -90); // the bypass flows to the left, towards the supply
    EXPECT_EQ(arrows[2].penWidth, 0);
    // Pointing left: the apex is the leftmost corner.
    EXPECT_NEAR(arrows[2].points[0].x(), X(50) - X(3) / 2, 1e-9);
    EXPECT_NEAR(arrows[2].points[0].y(), Y(25), 1e-9);
}

TEST(SchematicAdmixture, ClosedValveSendsColdWaterOnly) {
    const auto s = BuildSchematic(kSize, Model(Beimischung, 0));
    const auto* inlet = PipeAt(s, {X(40), Y(2)}, {X(40), Y(25)});
    ASSERT_NE(inlet, nullptr);
    EXPECT_EQ(inlet->penColour, kCold);
    EXPECT_EQ(LabelAt(s, {X(50), Y(30)}), QStringLiteral("100%"));
}

TEST(SchematicAdmixture, ConstantAdmixtureAtHalf) {
    const auto s = BuildSchematic(kSize, Model(BeimischungKonstant, 50));
    const double yMid = Y(25) + 0.7 * (Y(40) - Y(25));
    const double yTop = Y(40) + 0.6 * (Y(80) - Y(40));
    EXPECT_EQ(LabelAt(s, {X(36), (Y(0) + Y(25)) / 2}), QStringLiteral("30%"));
    EXPECT_EQ(LabelAt(s, {X(50), Y(30)}), QStringLiteral("30%"));
    EXPECT_EQ(LabelAt(s, {X(36), yMid}), QStringLiteral("60%"));
    EXPECT_EQ(LabelAt(s, {X(50), Y(45)}), QStringLiteral("40%"));
    EXPECT_EQ(LabelAt(s, {X(36), yTop}), QStringLiteral("100%"));
    const auto* consumerSupply = PipeAt(s, {X(40) - 1.5, Y(80)}, {X(43), Y(80)});
    ASSERT_NE(consumerSupply, nullptr);
    EXPECT_EQ(consumerSupply->penColour, MixedColour(0.3));
    // With the throttle the constant admixture pipe is broken around it.
    EXPECT_EQ(Of(s, Element::ThrottleValve).size(), 1u);
    EXPECT_NE(PipeAt(s, {X(40), Y(40)}, {X(47), Y(40)}), nullptr);

    CHydraulicsModel open = Model(BeimischungKonstant, 50);
    open.m_throttle = 0;
    const auto unbroken = BuildSchematic(kSize, open);
    EXPECT_TRUE(Of(unbroken, Element::ThrottleValve).empty());
    EXPECT_NE(PipeAt(unbroken, {X(40), Y(40)}, {X(60), Y(40)}), nullptr);
}

TEST(SchematicSeparator, FullPrimaryFlowPushesThroughTheSeparator) {
    const auto s = BuildSchematic(kSize, Model(Weiche, 100));
    EXPECT_EQ(LabelAt(s, {X(50), Y(47)}), QStringLiteral("10%"));
    EXPECT_EQ(LabelAt(s, {X(35), Y(10)}), QStringLiteral("110%"));
    const auto arrows = Of(s, Element::FlowArrow);
    const auto across = std::find_if(arrows.begin(), arrows.end(),
                                     [](const tPrimitive& a) { return a.points[0].y() == Y(40); });
    ASSERT_NE(across, arrows.end());
    EXPECT_EQ(across->angle, 90);
    EXPECT_EQ(*across->fill, kHot);
    EXPECT_NEAR(across->points[0].x(), X(50) + X(3) / 2, 1e-9); // apex to the right
    const auto separator = Of(s, Element::Separator);
    ASSERT_EQ(separator.size(), 1u);
    EXPECT_EQ(*separator[0].fill, kSeparatorFill);
    EXPECT_EQ(separator[0].bounds, QRectF(QPointF(X(38), Y(45)), QPointF(X(62), Y(35))));

    const auto half = BuildSchematic(kSize, Model(Weiche, 50));
    EXPECT_EQ(LabelAt(half, {X(50), Y(47)}), QStringLiteral("45%"));
    const auto halfArrows = Of(half, Element::FlowArrow);
    EXPECT_TRUE(std::any_of(halfArrows.begin(), halfArrows.end(),
                            [](const tPrimitive& a) { return a.angle == -90 && *a.fill == kCold; }));
}

TEST(SchematicInjection, CheckValveBreaksTheCrossingAndShiftsTheArrow) {
    CHydraulicsModel model = Model(EinspritzungDreiwege, 40);
    const auto with = BuildSchematic(kSize, model);
    EXPECT_EQ(Of(with, Element::CheckValve).size(), 3u); // box, diagonal, dot
    model.m_checkValve = 0;
    const auto without = BuildSchematic(kSize, model);
    EXPECT_TRUE(Of(without, Element::CheckValve).empty());
    EXPECT_NE(PipeAt(without, {X(40), Y(45)}, {X(60), Y(45)}), nullptr);
    // Three-way: the crossing at Y(30) carries the rest; the two-way circuit has none.
    EXPECT_NE(PipeAt(with, {X(40), Y(30)}, {X(60), Y(30)}), nullptr);
    EXPECT_EQ(PipeAt(BuildSchematic(kSize, Model(EinspritzungZweiwege, 40)), {X(40), Y(30)}, {X(60), Y(30)}),
              nullptr);
    EXPECT_EQ(Labels(with),
              (QStringList{QStringLiteral("60%"), QStringLiteral("60%"), QStringLiteral("40%"),
                           QStringLiteral("100%"), QStringLiteral("100%"), QStringLiteral("40%")}));
}

TEST(SchematicValves, ThreeWayValveOnSupplyOrReturn) {
    CHydraulicsModel model = Model(Beimischung, 10);
    model.m_valveType = 1;
    const auto onSupply = BuildSchematic(kSize, model);
    auto valve = Of(onSupply, Element::ControlValve);
    ASSERT_EQ(valve.size(), 3u);
    EXPECT_EQ(valve[0].points[0], QPointF(X(40), Y(25)));
    EXPECT_EQ(*valve[0].fill, kBlack);
    EXPECT_EQ(*valve[1].fill, kWhite);
    EXPECT_GT(valve[2].points[1].x(), X(40)); // side port to the right
    auto actuator = Of(onSupply, Element::Actuator);
    ASSERT_EQ(actuator.size(), 3u);
    EXPECT_LT(actuator[0].points[1].x(), X(40)); // actuator away from the port
    EXPECT_EQ(actuator[2].text, QStringLiteral("M"));
    const auto mark = Of(onSupply, Element::CentreMark);
    ASSERT_EQ(mark.size(), 1u);
    EXPECT_EQ(*mark[0].fill, kBlack);

    model.m_valveInSupply = 0;
    model.m_actuator = 0;
    model.m_valveType = 0;
    const auto onReturn = BuildSchematic(kSize, model);
    valve = Of(onReturn, Element::ControlValve);
    ASSERT_EQ(valve.size(), 3u);
    EXPECT_EQ(valve[0].points[0], QPointF(X(60), Y(25)));
    EXPECT_LT(valve[2].points[1].x(), X(60));
    EXPECT_TRUE(Of(onReturn, Element::Actuator).empty());
    EXPECT_TRUE(Of(onReturn, Element::CentreMark).empty());
    EXPECT_EQ(LabelAt(onReturn, {X(70), Y(25)}), QStringLiteral("10%"));

    // Diverting circuits swap the fills; two-way valves have white halves and no port.
    const auto diverting = Of(BuildSchematic(kSize, Model(Verteilung, 10)), Element::ControlValve);
    EXPECT_EQ(*diverting[0].fill, kWhite);
    EXPECT_EQ(*diverting[1].fill, kBlack);
    const auto twoWay = Of(BuildSchematic(kSize, Model(Drosselung, 10)), Element::ControlValve);
    ASSERT_EQ(twoWay.size(), 2u);
    EXPECT_EQ(*twoWay[0].fill, kWhite);
    EXPECT_EQ(*twoWay[1].fill, kWhite);
}

TEST(SchematicControl, RectanglesAnchorsAndTriangleStates) {
    const double f = 6;
    const auto s = BuildSchematic(kSize, Model(Verteilung, 100));
    EXPECT_EQ(s.upRect, QRectF(X(30) - 1.5 * f, Y(50) - 3 * f, 3 * f, 1.5 * f));
    EXPECT_EQ(s.downRect, QRectF(X(30) - 1.5 * f, Y(50) + 1.5 * f, 3 * f, 1.5 * f));
    const auto control = Of(s, Element::ValveControl);
    EXPECT_FALSE(control[0].fill.has_value()); // at 100 the up arrow is only outlined
    EXPECT_TRUE(control[1].fill.has_value());
    EXPECT_EQ(LabelAt(s, {X(30), Y(50)}), QStringLiteral("100%"));

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
    EXPECT_EQ(Labels(s), QStringList{QStringLiteral("30%")});
}

} // namespace
