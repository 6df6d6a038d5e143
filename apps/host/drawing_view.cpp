#include "drawing_view.h"

#include "host_text.h"
#include "slide_item.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

namespace {
constexpr double kSceneHalfSize = 20000.0;
constexpr double kWheelStep = 1.15;
} // namespace

DrawingView::DrawingView(Drawing& drawing, QWidget* parent) : QGraphicsView(parent), m_drawing(drawing) {
    m_scene.setSceneRect(-kSceneHalfSize, -kSceneHalfSize, 2 * kSceneHalfSize, 2 * kSceneHalfSize);
    setScene(&m_scene);
    setDragMode(RubberBandDrag);
    setTransformationAnchor(AnchorUnderMouse);
    setBackgroundBrush(palette().color(QPalette::Base));
    setAccessibleName(HostText("Zeichenfläche"));
    centerOn(0, 0);
    connect(&drawing, &Drawing::ItemAdded, this, &DrawingView::OnItemAdded);
    connect(&drawing, &Drawing::ItemRemoved, this, &DrawingView::OnItemRemoved);
    connect(&drawing, &Drawing::ItemMoved, this, &DrawingView::OnItemMoved);
    for (const auto& [id, item] : drawing.Items())
        OnItemAdded(id);
}

void DrawingView::BeginPlacement(const QList<DrawingItem>& items, const QString& description) {
    m_pending = items;
    m_pendingDescription = description;
    viewport()->setCursor(Qt::CrossCursor);
    Q_EMIT Message(HostText("Einfügepunkt angeben (Esc bricht ab)."));
}

void DrawingView::CancelPlacement() {
    if (m_pending.isEmpty())
        return;
    m_pending.clear();
    viewport()->unsetCursor();
    Q_EMIT Message(HostText("Einfügen abgebrochen."));
}

QList<int> DrawingView::PlaceAt(QPointF scenePoint) {
    QList<DrawingItem> items = std::exchange(m_pending, {});
    viewport()->unsetCursor();
    for (DrawingItem& item : items)
        item.position += scenePoint;
    const QList<int> ids = m_drawing.Insert(items, m_pendingDescription);
    SelectIds(ids);
    Q_EMIT Placed(ids);
    return ids;
}

QList<int> DrawingView::SelectedIds() const {
    QList<int> ids;
    for (QGraphicsItem* item : m_scene.selectedItems())
        ids << static_cast<SlideItem*>(item)->Id();
    std::sort(ids.begin(), ids.end());
    return ids;
}

void DrawingView::SelectIds(const QList<int>& ids) {
    m_scene.clearSelection();
    for (int id : ids)
        if (SlideItem* item = m_items.value(id))
            item->setSelected(true);
}

void DrawingView::DeleteSelection() {
    m_drawing.Remove(SelectedIds());
}

void DrawingView::ZoomBy(double factor) {
    scale(factor, factor);
}

void DrawingView::wheelEvent(QWheelEvent* event) {
    ZoomBy(std::pow(kWheelStep, event->angleDelta().y() / 120.0));
    event->accept();
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        m_panning = true;
        m_panStart = event->position().toPoint();
        viewport()->setCursor(Qt::ClosedHandCursor);
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && IsPlacing()) {
        PlaceAt(mapToScene(event->position().toPoint()));
        event->accept();
        return;
    }
    QGraphicsView::mousePressEvent(event);
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
    if (m_panning) {
        const QPoint now = event->position().toPoint();
        const QPoint delta = now - m_panStart;
        m_panStart = now;
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - delta.x());
        verticalScrollBar()->setValue(verticalScrollBar()->value() - delta.y());
        event->accept();
        return;
    }
    QGraphicsView::mouseMoveEvent(event);
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && m_panning) {
        m_panning = false;
        viewport()->unsetCursor();
        event->accept();
        return;
    }
    QGraphicsView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // A drag moved the selected items on screen; the drawing takes the move as one undo step.
    const QList<int> ids = SelectedIds();
    if (ids.isEmpty())
        return;
    const DrawingItem* first = m_drawing.Item(ids.first());
    const QPointF delta = first ? m_items.value(ids.first())->pos() - first->position : QPointF();
    if (!delta.isNull())
        m_drawing.Move(ids, delta);
}

void DrawingView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && IsPlacing()) {
        CancelPlacement();
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        DeleteSelection();
        return;
    }
    QGraphicsView::keyPressEvent(event);
}

void DrawingView::OnItemAdded(int id) {
    const DrawingItem* item = m_drawing.Item(id);
    auto* shown = new SlideItem(id, item->blockName, item->slideFile);
    shown->setPos(item->position);
    m_scene.addItem(shown);
    m_items.insert(id, shown);
}

void DrawingView::OnItemRemoved(int id) {
    delete m_items.take(id);
}

void DrawingView::OnItemMoved(int id) {
    if (SlideItem* shown = m_items.value(id))
        shown->setPos(m_drawing.Item(id)->position);
}
