#pragma once

#include "drawing.h"

#include <QGraphicsView>
#include <QHash>
#include <QList>

class SlideItem;

// The canvas: shows the drawing and forwards the planner's edits to it. Wheel zooms around
// the cursor, the middle button pans, the left button selects and drags, Delete deletes.
// After BeginPlacement the next left click places the given items at that point.
class DrawingView : public QGraphicsView {
    Q_OBJECT
public:
    explicit DrawingView(Drawing& drawing, QWidget* parent = nullptr);

    // Items relative to the click; a new call replaces a placement not yet done.
    void BeginPlacement(const QList<DrawingItem>& items, const QString& description);
    bool IsPlacing() const { return !m_pending.isEmpty(); }
    void CancelPlacement();
    // Places the pending items at a point of the drawing, as a click there does.
    QList<int> PlaceAt(QPointF scenePoint);

    QList<int> SelectedIds() const;
    void SelectIds(const QList<int>& ids);
    void DeleteSelection();
    void ZoomBy(double factor);

Q_SIGNALS:
    void Placed(const QList<int>& ids);
    void Message(const QString& text);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnItemAdded(int id);
    void OnItemRemoved(int id);
    void OnItemMoved(int id);

    Drawing& m_drawing;
    QGraphicsScene m_scene;
    QHash<int, SlideItem*> m_items;
    QList<DrawingItem> m_pending;
    QString m_pendingDescription;
    QPoint m_panStart;
    bool m_panning = false;
};
