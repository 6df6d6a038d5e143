#include "failure_diagram.h"

#include "daten_row.h"
#include "station_text.h"

#include "corekit/atomic_save.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace WoSt {
namespace {

int whole(double t) {
    return std::isfinite(t) ? static_cast<int>(std::clamp(t, -1.0e6, 1.0e6)) : 0;
}

std::vector<tKennlinieItem> characteristic(MaterialDatabase& db, TableHandle table, RowId row) {
    std::vector<tKennlinieItem> points;
    tKennlinieItem p;
    for (int j = 0; db.ReadFloat(p.flow, table, row, j, 0); ++j) {
        p.vPrim = p.tRLPrim = 0.0;
        db.ReadFloat(p.vPrim, table, row, j, 1);
        db.ReadFloat(p.tRLPrim, table, row, j, 2);
        points.push_back(p);
    }
    return points;
}

// Primary flow on the characteristic at tap rate z, held at the ends.
double flowAt(const std::vector<tKennlinieItem>& points, double z) {
    if (z <= points.front().flow)
        return points.front().vPrim;
    if (z >= points.back().flow)
        return points.back().vPrim;
    const auto segment = FindSegment(points, z);
    return segment ? Interpolate(points, *segment, z).vPrim : points.back().vPrim;
}

} // namespace

tFailureDiagram FailureDiagramOf(const tWizardState& w) {
    tFailureDiagram d;
    if (!w.catalog || !w.product.supported)
        return d;
    MaterialDatabase& db = CatalogDb(*w.catalog);
    TableHandle fitted = 0, curves = 0;
    const QString name = QStringLiteral("Ansatz_Kennlinien.") + db.KeyOfId(w.product.heatExchangerId);
    if (w.catalog->heatExchangers == 0 || !db.OpenTable(fitted, w.catalog->heatExchangers, name) ||
        !db.OpenTable(curves, fitted, QStringLiteral("Kennlinien")))
        return d;
    const std::vector<tAnsatzKennlinieItem> items = ReadFittedCurves(db, fitted);
    if (items.empty())
        return d;
    const int rod = DatenRowReader(db, *w.catalog, w.product).integer(DatenColumn::HeatingRodPower);
    d.valid = true;
    d.tapRate = ZapfrateOf(w.reqTw);
    const auto found =
        FindOperatingPoint(items, whole(w.reqTw.tVL), whole(w.reqTw.tK), whole(w.reqTw.tW), rod > 0);
    if (!found) {
        d.limit = tFailureDiagram::Limit::NoCurve;
        d.curveTVL = items.back().tVL;
        return d;
    }
    d.curveTVL = items[*found].tVL;
    d.points = characteristic(db, curves, items[*found].row);
    if (d.points.empty()) {
        d.valid = false;
        return d;
    }
    if (FindSegment(d.points, d.tapRate))
        return d;
    const bool tooLarge = d.tapRate >= d.points.front().flow;
    d.limit = tooLarge ? tFailureDiagram::Limit::TapRateTooLarge : tFailureDiagram::Limit::TapRateTooSmall;
    d.limitFlow = tooLarge ? d.points.back().flow : d.points.front().flow;
    return d;
}

void PaintFailureDiagram(QPainter& p, const QRectF& area, const tFailureDiagram& d, const tDiagramColors& c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(c.text);
    if (!d.valid) {
        p.drawText(area, Qt::AlignCenter, T("Keine Kennlinie vorhanden"));
        p.restore();
        return;
    }
    if (d.limit == tFailureDiagram::Limit::NoCurve) {
        p.setPen(c.fail);
        p.drawText(
            area, Qt::AlignCenter | Qt::TextWordWrap,
            sformat(T("Keine Kennlinie für diese Temperaturen; höchster Vorlauf %.0f °C"), d.curveTVL));
        p.restore();
        return;
    }
    const QFontMetricsF fm(p.font());
    const QRectF plot = area.adjusted(fm.horizontalAdvance(QStringLiteral("00000")) + 4, fm.height() + 4, -8,
                                      -(2 * fm.height() + 4));
    double maxX = std::max(d.points.back().flow, d.tapRate) * 1.1;
    double maxY = 0.0;
    for (const auto& pt : d.points)
        maxY = std::max(maxY, pt.vPrim);
    maxY = std::max(maxY * 1.1, 1.0);
    maxX = std::max(maxX, 1.0);
    auto at = [&](double x, double y) {
        return QPointF(plot.left() + plot.width() * x / maxX, plot.bottom() - plot.height() * y / maxY);
    };
    p.setPen(QPen(c.axis, 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    p.setPen(c.text);
    p.drawText(QRectF(plot.left(), plot.bottom() + 2, plot.width(), fm.height()), Qt::AlignRight,
               T("Zapfrate") + QStringLiteral(" [") + U("l/min") + u']');
    p.drawText(QRectF(area.left(), area.top(), area.width(), fm.height()), Qt::AlignLeft,
               T("Volumenstrom primär") + QStringLiteral(" [") + U("l/h") + QStringLiteral("], ") +
                   sformat("%.0f °C", d.curveTVL));
    p.drawText(QRectF(area.left(), plot.top() - fm.height() / 2, plot.left() - area.left() - 4, fm.height()),
               Qt::AlignRight, QString::number(maxY / 1.1, 'f', 0));
    QPainterPath curve;
    curve.moveTo(at(d.points.front().flow, d.points.front().vPrim));
    for (const auto& pt : d.points)
        curve.lineTo(at(pt.flow, pt.vPrim));
    p.setPen(QPen(c.curve, 2));
    p.drawPath(curve);
    const bool fails = d.limit != tFailureDiagram::Limit::None;
    if (fails) {
        QPen dashed(c.fail, 1.5, Qt::DashLine);
        p.setPen(dashed);
        p.drawLine(at(d.limitFlow, 0), at(d.limitFlow, maxY));
        p.setPen(c.fail);
        p.drawText(
            QRectF(area.left(), area.bottom() - fm.height(), area.width(), fm.height()), Qt::AlignLeft,
            sformat(T("Grenze %.2f %s, verlangt %.2f %s"), d.limitFlow, U("l/min"), d.tapRate, U("l/min")));
    }
    const QPointF point = at(d.tapRate, flowAt(d.points, d.tapRate));
    p.setPen(QPen(fails ? c.fail : c.curve, 2));
    p.setBrush(fails ? c.fail : c.curve);
    p.drawEllipse(point, 4, 4);
    p.restore();
}

QImage RenderFailureDiagram(const tFailureDiagram& d, QSize size, qreal scale, const tDiagramColors& colors) {
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintFailureDiagram(painter, QRectF(QPointF(0, 0), QSizeF(size)), d, colors);
    return image;
}

bool WriteFailureDiagram(const tFailureDiagram& d, const QString& path, QSize size, QString* error) {
    const tDiagramColors colors{Qt::black, Qt::darkGray, QColor(30, 90, 200), QColor(255, 0, 0)};
    AtomicSave file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(T("Auslegungsbericht"));
        QPainter painter(&svg);
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        PaintFailureDiagram(painter, QRectF(QPointF(0, 0), QSizeF(size)), d, colors);
    } else {
        QImage image = RenderFailureDiagram(d, size, 1.0, colors);
        QImage opaque(image.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QPainter(&opaque).drawImage(0, 0, image);
        if (!opaque.save(&file, "PNG")) {
            file.cancelWriting();
            if (error)
                *error = QStringLiteral("cannot encode the image");
            return false;
        }
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace WoSt
