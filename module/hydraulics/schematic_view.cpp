#include "hydraulics/schematic_view.h"

#include "hydraulics/circuit_model.h"
#include "hydraulics/schematic_builder.h"
#include "hydraulics/schematic_painter.h"

#include <QMouseEvent>
#include <QPainter>

using namespace Hydraulics;

CSchematicView::CSchematicView(CHydraulicsModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
    // The buffer covers every pixel, so nothing needs erasing before a paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_repeatTimer.setInterval(kRepeatIntervalMs);
    m_repeatTimer.setObjectName(QStringLiteral("RepeatTimer%1").arg(kRepeatTimerId));
    connect(&m_repeatTimer, &QTimer::timeout, this, &CSchematicView::OnRepeatTimer);
}

void CSchematicView::paintEvent(QPaintEvent*) {
    m_last = BuildSchematic(size(), m_model, palette().color(QPalette::Button).rgba());
    if (m_last.size.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = m_last.size * ratio;
    if (m_buffer.size() != pixels) {
        m_buffer = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_buffer.setDevicePixelRatio(ratio);
    }
    {
        QPainter buffer(&m_buffer);
        PaintSchematic(buffer, m_last);
    }
    QPainter(this).drawImage(0, 0, m_buffer);
}

bool CSchematicView::ClickAt(QPointF point) {
    const ValveHit hit = HitValveControl(m_last, point);
    if (hit == ValveHit::None)
        return false;
    const bool changed = hit == ValveHit::Up ? m_model.StepValveUp() : m_model.StepValveDown();
    if (changed)
        update();
    return true;
}

void CSchematicView::OnRepeatTimer() {
    ClickAt(m_lastMouse);
}

void CSchematicView::UpdateCursor(QPointF point) {
    if (HitValveControl(m_last, point) != ValveHit::None)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void CSchematicView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_lastMouse = event->position();
    ClickAt(m_lastMouse);
    m_repeatTimer.start();
}

void CSchematicView::mouseMoveEvent(QMouseEvent* event) {
    m_lastMouse = event->position();
    UpdateCursor(m_lastMouse);
}

void CSchematicView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_repeatTimer.stop();
    QWidget::mouseReleaseEvent(event);
}
