#include "memory_db.h"

namespace orvane::test {
namespace {

class MemoryList : public WoSt::MaterialList {
public:
    explicit MemoryList(MemoryDb& db) : m_db(db) {}
    void Clear() override { m_items.clear(); }
    void Add(double quantity, WoSt::RowId article, int flag) override {
        if (article != 0)
            m_items.push_back({article, quantity, flag});
    }
    bool Expand(WoSt::TableHandle groupTable) override {
        std::vector<WoSt::MaterialItem> expanded;
        for (const auto& item : m_items) {
            bool isSet = false;
            WoSt::RowPos pos = m_db.FirstRowPos(groupTable);
            while (pos && !isSet)
                isSet = m_db.NextRow(groupTable, pos) == item.article;
            if (!isSet) {
                expanded.push_back(item);
                continue;
            }
            WoSt::RowId article = 0;
            for (int j = 0; m_db.ReadRef(article, groupTable, item.article, j, 1); ++j) {
                double quantity = 1.0;
                int flag = item.flag;
                m_db.ReadFloat(quantity, groupTable, item.article, j, 0);
                m_db.ReadInt(flag, groupTable, item.article, j, 2);
                expanded.push_back({article, quantity * item.quantity, flag});
            }
        }
        m_items = std::move(expanded);
        return true;
    }
    std::vector<WoSt::MaterialItem> Items() const override { return m_items; }

private:
    MemoryDb& m_db;
    std::vector<WoSt::MaterialItem> m_items;
};

} // namespace

void MemoryDb::addDatabase(const QString& key) {
    m_databases.push_back({key, 1, {}, {}});
    m_building = static_cast<int>(m_databases.size()) - 1;
}

WoSt::TableHandle MemoryDb::child(WoSt::TableHandle parent, const QString& name) const {
    for (size_t i = 0; i < m_tables.size(); ++i)
        if (m_tables[i].database == m_building && m_tables[i].parent == parent && m_tables[i].name == name)
            return static_cast<WoSt::TableHandle>(i + 1);
    return 0;
}

WoSt::TableHandle MemoryDb::table(const QString& path) {
    WoSt::TableHandle handle = 0;
    for (const QString& part : path.split(QLatin1Char('/'))) {
        WoSt::TableHandle next = child(handle, part);
        if (!next) {
            m_tables.push_back({m_building, handle, part, {}, {}});
            next = static_cast<WoSt::TableHandle>(m_tables.size());
        }
        handle = next;
    }
    return handle;
}

WoSt::RowId MemoryDb::idOf(const QString& key) {
    Database& db = m_databases.at(m_building);
    if (!key.isEmpty() && db.ids.contains(key))
        return db.ids.value(key);
    const WoSt::RowId id = db.nextId++;
    if (!key.isEmpty()) {
        db.ids.insert(key, id);
        db.keys.insert(id, key);
    }
    return id;
}

WoSt::RowId MemoryDb::addRow(WoSt::TableHandle table, const QString& key) {
    const WoSt::RowId id = idOf(key);
    addRowFor(table, id);
    return id;
}

void MemoryDb::addRowFor(WoSt::TableHandle table, WoSt::RowId id) {
    find(table)->rows.push_back(id);
}

void MemoryDb::set(WoSt::TableHandle table, WoSt::RowId row, int column, std::vector<Cell> values) {
    find(table)->cells[{row, column}] = std::move(values);
}

MemoryDb::Table* MemoryDb::find(WoSt::TableHandle handle) {
    if (handle < 1 || handle > static_cast<WoSt::TableHandle>(m_tables.size()))
        return nullptr;
    return &m_tables[static_cast<size_t>(handle - 1)];
}

const Cell* MemoryDb::cell(WoSt::TableHandle table, WoSt::RowId row, int value, int column) {
    const Table* t = find(table);
    if (!t || value < 0)
        return nullptr;
    const auto it = t->cells.find({row, column});
    if (it == t->cells.end() || static_cast<size_t>(value) >= it->second.size())
        return nullptr;
    return &it->second[static_cast<size_t>(value)];
}

bool MemoryDb::SelectDatabase(const QString& key) {
    for (size_t i = 0; i < m_databases.size(); ++i) {
        if (m_databases[i].key.compare(key, Qt::CaseInsensitive) == 0) {
            m_current = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

bool MemoryDb::OpenTable(WoSt::TableHandle& table, WoSt::TableHandle parent, const QString& name) {
    const int database = parent ? (find(parent) ? find(parent)->database : -2) : m_current;
    if (database < 0)
        return false;
    const int building = m_building;
    m_building = database;
    WoSt::TableHandle handle = child(parent, name);
    if (!handle) {
        handle = parent;
        for (const QString& part : name.split(QLatin1Char('.'))) {
            handle = child(handle, part);
            if (!handle)
                break;
        }
    }
    m_building = building;
    if (!handle)
        return false;
    table = handle;
    return true;
}

WoSt::RowPos MemoryDb::FirstRowPos(WoSt::TableHandle table) {
    const Table* t = find(table);
    return t && !t->rows.empty() ? 1 : 0;
}

WoSt::RowId MemoryDb::NextRow(WoSt::TableHandle table, WoSt::RowPos& pos) {
    const Table* t = find(table);
    if (!t || pos < 1 || pos > static_cast<WoSt::RowPos>(t->rows.size()))
        return 0;
    const WoSt::RowId row = t->rows[static_cast<size_t>(pos - 1)];
    pos = pos < static_cast<WoSt::RowPos>(t->rows.size()) ? pos + 1 : 0;
    return row;
}

bool MemoryDb::ReadText(QString& out, WoSt::TableHandle table, WoSt::RowId row, int value, int column) {
    const Cell* c = cell(table, row, value, column);
    if (!c)
        return false;
    if (const auto* text = std::get_if<QString>(c))
        out = *text;
    else if (const auto* number = std::get_if<int>(c))
        out = QString::number(*number);
    else if (const auto* real = std::get_if<double>(c))
        out = QString::number(*real);
    else
        return false;
    return true;
}

bool MemoryDb::ReadInt(int& out, WoSt::TableHandle table, WoSt::RowId row, int value, int column) {
    const Cell* c = cell(table, row, value, column);
    if (!c || !std::holds_alternative<int>(*c))
        return false;
    out = std::get<int>(*c);
    return true;
}

bool MemoryDb::ReadFloat(double& out, WoSt::TableHandle table, WoSt::RowId row, int value, int column) {
    const Cell* c = cell(table, row, value, column);
    if (!c)
        return false;
    if (const auto* real = std::get_if<double>(c))
        out = *real;
    else if (const auto* number = std::get_if<int>(c))
        out = *number;
    else
        return false;
    return true;
}

bool MemoryDb::ReadRef(WoSt::RowId& out, WoSt::TableHandle table, WoSt::RowId row, int value, int column) {
    const Cell* c = cell(table, row, value, column);
    if (!c || !std::holds_alternative<Ref>(*c))
        return false;
    out = std::get<Ref>(*c).id;
    return true;
}

QString MemoryDb::KeyOfId(WoSt::RowId id) {
    if (m_current < 0)
        return {};
    return m_databases[static_cast<size_t>(m_current)].keys.value(id);
}

WoSt::RowId MemoryDb::IdOfKey(const QString& key) {
    if (m_current < 0)
        return 0;
    return m_databases[static_cast<size_t>(m_current)].ids.value(key, 0);
}

std::unique_ptr<WoSt::MaterialList> MemoryDb::NewMaterialList() {
    return std::make_unique<MemoryList>(*this);
}

} // namespace orvane::test
