#pragma once

#include <QList>
#include <QObject>
#include <QPointF>
#include <QString>
#include <QUndoStack>

#include <map>
#include <memory>

class CNode;

// The side of the square an item covers on the canvas, in drawing units, its position at the
// centre: its slide is drawn into it.
inline constexpr double kItemSize = 48.0;

// One thing placed in the drawing: a symbol's block shown by its slide, or a station.
struct DrawingItem {
    QString kind; // "Symbol" or "Station"
    QString blockName;
    QString slideFile;                 // the preview drawn on the canvas; empty or unreadable: a labelled box
    QPointF position;                  // drawing units, y downwards
    std::shared_ptr<const CNode> data; // a node kept with the item (a station's draw node)
};

// The drawing: items by id, every change through the undo stack. The canvas shows it and
// forwards the planner's edits here; signals tell every view what changed.
class Drawing : public QObject {
    Q_OBJECT
public:
    explicit Drawing(QObject* parent = nullptr);
    ~Drawing() override;

    const std::map<int, DrawingItem>& Items() const { return m_items; }
    const DrawingItem* Item(int id) const;
    QUndoStack& UndoStack() { return m_undo; }

    // Undoable edits; Insert answers the ids of the new items.
    QList<int> Insert(const QList<DrawingItem>& items, const QString& description);
    void Remove(const QList<int>& ids);
    void Move(const QList<int>& ids, QPointF delta);
    // Empties the drawing and its undo history (a new or an opened drawing).
    void Reset();
    // Adds without undo (reading a file).
    int Load(const DrawingItem& item);

    // Used by the undo commands.
    void AddWithId(int id, const DrawingItem& item);
    void RemoveId(int id);
    void MoveId(int id, QPointF delta);
    int NextId() { return m_nextId++; }

Q_SIGNALS:
    void ItemAdded(int id);
    void ItemRemoved(int id);
    void ItemMoved(int id);

private:
    std::map<int, DrawingItem> m_items;
    QUndoStack m_undo;
    int m_nextId = 1;
};
