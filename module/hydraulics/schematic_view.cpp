#include "hydraulics/schematic_view.h"

#include "hydraulics/circuit_model.h"
#include "hydraulics/schematic_builder.h"
#include "hydraulics/schematic_painter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

using namespace Hydraulics;

CSchematicView::CSchematicView(CHydraulicsModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
    // The buffer covers every pixel, so nothing needs erasing before a paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // The arrow keys step the valve position as the arrows on the schematic do.
    setFocusPolicy(Qt::StrongFocus);
    m_repeatTimer.setInterval(kRepeatIntervalMs);
    m_repeatTimer.setObjectName(QStringLiteral("RepeatTimer%1").arg(kRepeatTimerId));
    connect(&m_repeatTimer, &QTimer::timeout, this, &CSchematicView::OnRepeatTimer);
}

QRegion CSchematicView::Refresh() {
    const QPalette& colours = palette();
    return m_buffer.Update(BuildSchematic(size(), m_model, colours.color(QPalette::Button).rgba(),
                                          colours.color(QPalette::ButtonText).rgba()),
                           devicePixelRatioF());
}

void CSchematicView::paintEvent(QPaintEvent* event) {
    // Anything changed behind the view's back (an option, the size) is drawn now; a part of
    // it outside this paint's area follows in the next one.
    const QRegion changed = Refresh();
    if (const QRegion later = changed - event->region(); !later.isEmpty())
        update(later);
    const QImage& image = m_buffer.Image();
    if (image.isNull())
        return;
    const qreal ratio = image.devicePixelRatio();
    QPainter painter(this);
    for (const QRect& rect : event->region()) {
        const QRect source(rect.topLeft() * ratio, rect.size() * ratio);
        painter.drawImage(rect, image, source);
    }
}

bool CSchematicView::ClickAt(QPointF point) {
    const ValveHit hit = HitValveControl(LastSchematic(), point);
    if (hit == ValveHit::None)
        return false;
    const bool changed = hit == ValveHit::Up ? m_model.StepValveUp() : m_model.StepValveDown();
    // Only the labels, arrows and mixed colours the step touched go to the screen again.
    if (changed)
        update(Refresh());
    return true;
}

void CSchematicView::OnRepeatTimer() {
    ClickAt(m_lastMouse);
}

void CSchematicView::UpdateCursor(QPointF point) {
    if (HitValveControl(LastSchematic(), point) != ValveHit::None)
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

void CSchematicView::keyPressEvent(QKeyEvent* event) {
    const tSchematic& shown = LastSchematic();
    const bool up = event->key() == Qt::Key_Up || event->key() == Qt::Key_Plus;
    const bool down = event->key() == Qt::Key_Down || event->key() == Qt::Key_Minus;
    const QRectF& target = up ? shown.upRect : shown.downRect;
    if ((up || down) && !target.isEmpty())
        ClickAt(target.center());
    else
        QWidget::keyPressEvent(event);
}

void CSchematicView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_repeatTimer.stop();
    QWidget::mouseReleaseEvent(event);
}
