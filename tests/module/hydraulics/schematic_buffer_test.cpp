#include "hydraulics/circuit_model.h"
#include "hydraulics/schematic_buffer.h"
#include "hydraulics/schematic_builder.h"
#include "hydraulics/schematic_painter.h"

#include "image_compare.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

using namespace Hydraulics;
using orvane::test::MatchesImage;

// Pictures painted in parts must equal the whole paint to the last bit.
constexpr orvane::test::ImageTolerance kExact{0, 0.0};

// The picture a fresh buffer paints as a whole.
QImage WholePicture(const tSchematic& schematic) {
    CSchematicBuffer fresh;
    fresh.Update(schematic);
    return fresh.Image();
}

int RegionArea(const QRegion& region) {
    int area = 0;
    for (const QRect& rect : region)
        area += rect.width() * rect.height();
    return area;
}

// Holding an arrow from the hidden position up to 100 and down again, for every type with
// its options in both states: after every step the repainted parts leave the picture exactly
// as painting it whole does.
TEST(SchematicBuffer, EveryStepGivesThePictureOfAWholePaint) {
    const QSize size(480, 300);
    for (int type = 0; type < kCircuitTypeCount; ++type) {
        for (int options : {0, 1}) {
            CHydraulicsModel model;
            model.SetCircuitType(type);
            model.m_valveType = options ? 1 : 0;
            model.m_actuator = model.m_valveInSupply = model.m_checkValve = model.m_throttle = options;
            CSchematicBuffer buffer;
            buffer.Update(BuildSchematic(size, model));
            for (int step = 0; step < 204; ++step) {
                step < 102 ? model.StepValveUp() : model.StepValveDown();
                const tSchematic schematic = BuildSchematic(size, model);
                buffer.Update(schematic);
                const QImage whole = WholePicture(schematic);
                if (buffer.Image() != whole)
                    FAIL() << MatchesImage(buffer.Image(), whole, "hydraulics_buffer_step", kExact).message()
                           << ": type " << type << " options " << options << " position "
                           << model.ValvePosition();
            }
        }
    }
}

// A filled square moved far to the right: its old place must be repainted too, or the square
// stays behind there.
TEST(SchematicBuffer, AMovedPrimitiveLeavesNothingBehind) {
    tSchematic schematic{QSize(120, 40), kWhite, {}, {}, {}};
    tPrimitive square;
    square.shape = Shape::Rectangle;
    square.fill = kBlack;
    square.bounds = QRectF(5, 10, 20, 20);
    schematic.primitives = {square};
    CSchematicBuffer buffer;
    buffer.Update(schematic);
    schematic.primitives[0].bounds.moveLeft(90);
    const QRegion changed = buffer.Update(schematic);
    EXPECT_TRUE(changed.contains(QPoint(15, 20)));
    EXPECT_TRUE(changed.contains(QPoint(100, 20)));
    EXPECT_LT(RegionArea(changed), 120 * 40);
    EXPECT_EQ(buffer.Image().pixel(15, 20), kWhite);
    EXPECT_TRUE(MatchesImage(buffer.Image(), WholePicture(schematic), "hydraulics_buffer_moved", kExact));
}

TEST(SchematicBuffer, AStepRepaintsOnlyWhatItChanged) {
    CHydraulicsModel model;
    model.SetCircuitType(EinspritzungDreiwege);
    model.SetValvePosition(37);
    const QSize size(1280, 800);
    CSchematicBuffer buffer;
    EXPECT_EQ(buffer.Update(BuildSchematic(size, model)), QRegion(0, 0, 1280, 800));
    // The same picture again changes nothing.
    EXPECT_TRUE(buffer.Update(BuildSchematic(size, model)).isEmpty());

    model.StepValveUp();
    const QRegion changed = buffer.Update(BuildSchematic(size, model));
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_LT(RegionArea(changed), 1280 * 800 / 10);
    // The new percentage of the control is inside.
    const tSchematic& last = buffer.Last();
    const QPointF label = (last.upRect.center() + last.downRect.center()) / 2;
    EXPECT_TRUE(changed.contains(label.toPoint()));
}

// Each update after the one before: another size, background, set of primitives or pixel
// ratio repaints the whole; an empty area leaves no picture, and the next one paints anew.
TEST(SchematicBuffer, OtherSizeBackgroundPrimitivesOrRatioRepaintTheWhole) {
    const QRgb dark = 0xFF203040;
    const struct {
        QSize size;
        QRgb background;
        int valve; // -1: flows and labels disappear
        qreal ratio;
    } steps[] = {{{0, 0}, dark, 50, 1},
                 {{300, 200}, kDefaultBackground, 10, 1},
                 {{320, 200}, kDefaultBackground, 10, 1},
                 {{320, 200}, dark, 10, 1},
                 {{320, 200}, dark, -1, 1},
                 {{320, 200}, dark, -1, 2},
                 {{1, 1}, dark, 50, 1},
                 {{0, 0}, dark, 50, 1},
                 {{200, 100}, dark, 50, 1}};
    CSchematicBuffer buffer;
    for (const auto& step : steps) {
        CHydraulicsModel model;
        model.SetValvePosition(step.valve);
        const tSchematic schematic = BuildSchematic(step.size, model, step.background);
        EXPECT_EQ(buffer.Update(schematic, step.ratio), QRegion(QRect(QPoint(0, 0), step.size)))
            << step.size.width() << " " << step.valve << " " << step.ratio;
        EXPECT_EQ(buffer.Image().size(), step.size * step.ratio);
        EXPECT_EQ(buffer.Image().isNull(), step.size.isEmpty());
        if (step.ratio == 1)
            EXPECT_TRUE(
                MatchesImage(buffer.Image(), WholePicture(schematic), "hydraulics_buffer_whole", kExact));
    }
}

// Painted alone on a clear picture, no primitive reaches a pixel outside its painted bounds.
TEST(SchematicBuffer, PaintedBoundsHoldEveryPixelOfTheirPrimitive) {
    for (const QSize size : {QSize(240, 150), QSize(800, 500)}) {
        for (int type = 0; type < kCircuitTypeCount; ++type) {
            CHydraulicsModel model;
            model.SetCircuitType(type);
            model.SetValvePosition(60);
            tSchematic schematic = BuildSchematic(size, model);
            const std::vector<tPrimitive> all = schematic.primitives;
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            for (const tPrimitive& p : all) {
                image.fill(Qt::transparent);
                schematic.primitives = {p};
                schematic.background = 0; // the clearing leaves the picture transparent
                {
                    QPainter painter(&image);
                    PaintSchematic(painter, schematic);
                }
                const QRect bounds = PaintedBounds(p, image).toAlignedRect();
                int outside = 0;
                for (int y = 0; y < image.height(); ++y) {
                    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                    for (int x = 0; x < image.width(); ++x)
                        if (qAlpha(row[x]) != 0 && !bounds.contains(x, y))
                            ++outside;
                }
                EXPECT_EQ(outside, 0) << "type " << type << " element " << int(p.element) << " at "
                                      << size.width() << " " << p.text.toStdString();
            }
        }
    }
}

TEST(SchematicBuffer, PrimitivesAreTheSameOnlyToTheLastBit) {
    CHydraulicsModel model;
    model.SetValvePosition(30);
    const tSchematic s = BuildSchematic(QSize(400, 250), model);
    ASSERT_FALSE(s.primitives.empty());
    tPrimitive moved = s.primitives.front();
    EXPECT_TRUE(SamePrimitive(moved, s.primitives.front()));
    moved.points[0].rx() += 1e-9; // QPointF's own comparison forgives this
    EXPECT_FALSE(SamePrimitive(moved, s.primitives.front()));
    moved = s.primitives.front();
    moved.points.back().ry() += 1e-9;
    EXPECT_FALSE(SamePrimitive(moved, s.primitives.front()));
    tPrimitive recoloured = s.primitives.front();
    recoloured.penColour ^= 1;
    EXPECT_FALSE(SamePrimitive(recoloured, s.primitives.front()));
}

} // namespace
