#pragma once

// Why a station fails, at a glance: the heat exchanger's characteristic at the operating curve
// (tap rate against primary flow), the requested tap rate on it, and the limit it crossed.
// Painted with QPainter; no window system needed.

#include "station_check.h"
#include "station_curves.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

namespace WoSt {

struct tFailureDiagram {
    enum class Limit { None, TapRateTooLarge, TapRateTooSmall, NoCurve };
    bool valid = false; // false: the exchanger's curves cannot be read; nothing to draw
    Limit limit = Limit::None;
    std::vector<tKennlinieItem> points; // the characteristic of the operating curve
    double tapRate = 0.0;               // requested, l/min
    double limitFlow = 0.0;             // the tap rate limit crossed, l/min
    double curveTVL = 0.0;              // supply temperature of the curve, or the highest curve
};

// The diagram's data for the wizard's current product and requirement.
tFailureDiagram FailureDiagramOf(const tWizardState& wizard);

struct tDiagramColors {
    QColor text, axis, curve, fail;
};

void PaintFailureDiagram(QPainter& painter, const QRectF& area, const tFailureDiagram& diagram,
                         const tDiagramColors& colors);
// The diagram as an image of `size` logical pixels at `scale` device pixels per pixel.
QImage RenderFailureDiagram(const tFailureDiagram& diagram, QSize size, qreal scale,
                            const tDiagramColors& colors);
// PNG or SVG by the file's extension; false with `error` set when it cannot be written.
bool WriteFailureDiagram(const tFailureDiagram& diagram, const QString& path, QSize size, QString* error);

} // namespace WoSt
