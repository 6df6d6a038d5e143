#include "drawing.h"

#include "host_text.h"

#include <QUndoCommand>

namespace {

class InsertCommand : public QUndoCommand {
public:
    InsertCommand(Drawing& drawing, const QList<DrawingItem>& items, const QString& text)
        : QUndoCommand(text), m_drawing(drawing), m_items(items) {
        for (qsizetype i = 0; i < items.size(); ++i)
            m_ids << drawing.NextId();
    }
    void redo() override {
        for (qsizetype i = 0; i < m_items.size(); ++i)
            m_drawing.AddWithId(m_ids[i], m_items[i]);
    }
    void undo() override {
        for (int id : m_ids)
            m_drawing.RemoveId(id);
    }
    const QList<int>& Ids() const { return m_ids; }

private:
    Drawing& m_drawing;
    QList<DrawingItem> m_items;
    QList<int> m_ids;
};

class RemoveCommand : public QUndoCommand {
public:
    RemoveCommand(Drawing& drawing, const QList<int>& ids)
        : QUndoCommand(HostText("Löschen")), m_drawing(drawing) {
        for (int id : ids)
            if (const DrawingItem* item = drawing.Item(id))
                m_removed.push_back({id, *item});
    }
    void redo() override {
        for (const auto& [id, item] : m_removed)
            m_drawing.RemoveId(id);
    }
    void undo() override {
        for (const auto& [id, item] : m_removed)
            m_drawing.AddWithId(id, item);
    }

private:
    Drawing& m_drawing;
    QList<std::pair<int, DrawingItem>> m_removed;
};

class MoveCommand : public QUndoCommand {
public:
    MoveCommand(Drawing& drawing, const QList<int>& ids, QPointF delta)
        : QUndoCommand(HostText("Verschieben")), m_drawing(drawing), m_ids(ids), m_delta(delta) {}
    void redo() override {
        for (int id : m_ids)
            m_drawing.MoveId(id, m_delta);
    }
    void undo() override {
        for (int id : m_ids)
            m_drawing.MoveId(id, -m_delta);
    }

private:
    Drawing& m_drawing;
    QList<int> m_ids;
    QPointF m_delta;
};

} // namespace

Drawing::Drawing(QObject* parent) : QObject(parent) {}

Drawing::~Drawing() {
    // The commands refer to this drawing; they go first.
    m_undo.clear();
}

const DrawingItem* Drawing::Item(int id) const {
    const auto it = m_items.find(id);
    return it == m_items.end() ? nullptr : &it->second;
}

QList<int> Drawing::Insert(const QList<DrawingItem>& items, const QString& description) {
    if (items.isEmpty())
        return {};
    auto* command = new InsertCommand(*this, items, description);
    const QList<int> ids = command->Ids();
    m_undo.push(command);
    return ids;
}

void Drawing::Remove(const QList<int>& ids) {
    QList<int> existing;
    for (int id : ids)
        if (Item(id))
            existing << id;
    if (!existing.isEmpty())
        m_undo.push(new RemoveCommand(*this, existing));
}

void Drawing::Move(const QList<int>& ids, QPointF delta) {
    if (!ids.isEmpty() && !delta.isNull())
        m_undo.push(new MoveCommand(*this, ids, delta));
}

void Drawing::Reset() {
    m_undo.clear();
    while (!m_items.empty())
        RemoveId(m_items.begin()->first);
    m_nextId = 1;
}

int Drawing::Load(const DrawingItem& item) {
    const int id = NextId();
    AddWithId(id, item);
    return id;
}

void Drawing::AddWithId(int id, const DrawingItem& item) {
    m_items[id] = item;
    Q_EMIT ItemAdded(id);
}

void Drawing::RemoveId(int id) {
    if (m_items.erase(id))
        Q_EMIT ItemRemoved(id);
}

void Drawing::MoveId(int id, QPointF delta) {
    const auto it = m_items.find(id);
    if (it == m_items.end())
        return;
    it->second.position += delta;
    Q_EMIT ItemMoved(id);
}
