#include "orvmat/database.h"

#include "orvmat/schema.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>

namespace orvmat {
namespace {

enum StatementSlot { kValue, kValueCount, kIdOfKey, kKeyOfId, kRowsOf, kSlotCount };

std::string childKey(std::int64_t parent, std::string_view name) {
    std::string key = std::to_string(parent);
    key += '/';
    key += name;
    return key;
}

} // namespace

std::unique_ptr<Database> Database::open(const std::string& path, std::string* error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        *error = path + ": no such file";
        return nullptr;
    }
    std::unique_ptr<Database> db(new Database);
    db->m_path = path;
    db->m_statements.assign(kSlotCount, nullptr);
    if (sqlite3_open_v2(path.c_str(), &db->m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        *error = path + ": cannot be opened: " + sqlite3_errmsg(db->m_db);
        return nullptr;
    }
    sqlite3_stmt* meta = nullptr;
    const int rc = sqlite3_prepare_v2(db->m_db, "SELECT name, value FROM orvmat_meta", -1, &meta, nullptr);
    if (rc != SQLITE_OK) {
        *error = path + ": not a material database (" + sqlite3_errmsg(db->m_db) + ")";
        return nullptr;
    }
    bool formatOk = false;
    while (sqlite3_step(meta) == SQLITE_ROW) {
        const std::string name = reinterpret_cast<const char*>(sqlite3_column_text(meta, 0));
        const auto* raw = reinterpret_cast<const char*>(sqlite3_column_text(meta, 1));
        const std::string value = raw ? raw : "";
        if (name == "format")
            formatOk = value == schema::kFormat;
        else if (name == "key")
            db->m_storedKey = value;
    }
    sqlite3_finalize(meta);
    if (!formatOk) {
        *error = path + ": not a material database of format " + schema::kFormat;
        return nullptr;
    }
    if (!db->loadTables(error))
        return nullptr;
    return db;
}

Database::~Database() {
    for (sqlite3_stmt* s : m_statements)
        sqlite3_finalize(s);
    sqlite3_close(m_db);
}

bool Database::loadTables(std::string* error) {
    // A file with our meta table but without the rest is damaged: say so now rather than
    // failing every later read without a reason.
    sqlite3_stmt* s = nullptr;
    int found = 0;
    if (sqlite3_prepare_v2(m_db,
                           "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND "
                           "name IN ('idents', 'tables', 'rows', 'cells')",
                           -1, &s, nullptr) == SQLITE_OK &&
        sqlite3_step(s) == SQLITE_ROW)
        found = sqlite3_column_int(s, 0);
    sqlite3_finalize(s);
    s = nullptr;
    if (found != 4) {
        *error = m_path + ": damaged material database (tables of the format are missing)";
        return false;
    }
    if (sqlite3_prepare_v2(m_db, "SELECT id, parent, name FROM tables", -1, &s, nullptr) != SQLITE_OK) {
        *error = m_path + ": damaged material database (" + sqlite3_errmsg(m_db) + ")";
        return false;
    }
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        TableInfo info;
        const std::int64_t id = sqlite3_column_int64(s, 0);
        info.parent = sqlite3_column_int64(s, 1);
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(s, 2));
        info.name = name ? name : "";
        m_childIndex.emplace(childKey(info.parent, info.name), id);
        m_tables.emplace(id, std::move(info));
    }
    sqlite3_finalize(s);
    if (rc != SQLITE_DONE) {
        *error = m_path + ": damaged material database (" + sqlite3_errmsg(m_db) + ")";
        return false;
    }
    return true;
}

sqlite3_stmt* Database::statement(int slot, const char* sql) {
    sqlite3_stmt*& s = m_statements[slot];
    if (!s) {
        if (sqlite3_prepare_v2(m_db, sql, -1, &s, nullptr) != SQLITE_OK) {
            s = nullptr;
            return nullptr;
        }
    }
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
    return s;
}

std::optional<std::int64_t> Database::childNamed(std::int64_t parent, std::string_view name) const {
    const auto it = m_childIndex.find(childKey(parent, name));
    if (it == m_childIndex.end())
        return std::nullopt;
    return it->second;
}

// A child whose own name holds dots wins over walking down: "Ansatz_Kennlinien.WT_10" may be
// one table or the table "WT_10" in the group "Ansatz_Kennlinien".
std::optional<std::int64_t> Database::findTable(std::int64_t parent, std::string_view name) const {
    if (name.empty() || (parent != 0 && !m_tables.count(parent)))
        return std::nullopt;
    if (auto exact = childNamed(parent, name))
        return exact;
    for (std::size_t dot = name.find('.'); dot != std::string_view::npos; dot = name.find('.', dot + 1)) {
        const auto group = childNamed(parent, name.substr(0, dot));
        if (!group)
            continue;
        if (auto inner = findTable(*group, name.substr(dot + 1)))
            return inner;
    }
    return std::nullopt;
}

const std::string* Database::tableName(std::int64_t table) const {
    const auto it = m_tables.find(table);
    return it == m_tables.end() ? nullptr : &it->second.name;
}

const Database::RowSet* Database::rowSet(std::int64_t table) {
    if (!m_tables.count(table))
        return nullptr;
    auto it = m_rows.find(table);
    if (it != m_rows.end())
        return &it->second;
    sqlite3_stmt* s = statement(kRowsOf, "SELECT id FROM rows WHERE tbl = ? ORDER BY ord, id");
    if (!s)
        return nullptr;
    sqlite3_bind_int64(s, 1, table);
    RowSet rows;
    while (sqlite3_step(s) == SQLITE_ROW) {
        const std::int64_t id = sqlite3_column_int64(s, 0);
        rows.ordered.push_back(id);
        rows.members.insert(id);
    }
    sqlite3_reset(s);
    return &m_rows.emplace(table, std::move(rows)).first->second;
}

const std::vector<std::int64_t>* Database::rowsOf(std::int64_t table) {
    const RowSet* rows = rowSet(table);
    return rows ? &rows->ordered : nullptr;
}

bool Database::hasRow(std::int64_t table, std::int64_t row) {
    const RowSet* rows = rowSet(table);
    return rows && rows->members.count(row);
}

std::optional<int> Database::valueCount(std::int64_t table, std::int64_t row, int column) {
    if (!hasRow(table, row) || column < 0)
        return std::nullopt;
    sqlite3_stmt* s = statement(kValueCount, "SELECT count(*) FROM cells WHERE tbl = ? AND row = ? AND col = ?");
    if (!s)
        return std::nullopt;
    sqlite3_bind_int64(s, 1, table);
    sqlite3_bind_int64(s, 2, row);
    sqlite3_bind_int(s, 3, column);
    std::optional<int> count;
    if (sqlite3_step(s) == SQLITE_ROW)
        count = sqlite3_column_int(s, 0);
    sqlite3_reset(s);
    return count;
}

std::optional<Value> Database::value(std::int64_t table, std::int64_t row, int valueIndex, int column) {
    if (valueIndex < 0 || column < 0 || !hasRow(table, row))
        return std::nullopt;
    sqlite3_stmt* s = statement(
        kValue, "SELECT type, value FROM cells WHERE tbl = ? AND row = ? AND col = ? AND idx = ?");
    if (!s)
        return std::nullopt;
    sqlite3_bind_int64(s, 1, table);
    sqlite3_bind_int64(s, 2, row);
    sqlite3_bind_int(s, 3, column);
    sqlite3_bind_int(s, 4, valueIndex);
    std::optional<Value> result;
    if (sqlite3_step(s) == SQLITE_ROW) {
        Value v;
        const int type = sqlite3_column_int(s, 0);
        switch (type) {
        case int(ValueType::Text): {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, 1));
            v.text.assign(text ? text : "", std::size_t(sqlite3_column_bytes(s, 1)));
            break;
        }
        case int(ValueType::Int):
        case int(ValueType::Ref):
            v.integer = sqlite3_column_int64(s, 1);
            break;
        case int(ValueType::Float):
            v.number = sqlite3_column_double(s, 1);
            break;
        default:
            sqlite3_reset(s);
            return std::nullopt; // a type this reader does not know: treat as no value
        }
        v.type = ValueType(type);
        result = std::move(v);
    }
    sqlite3_reset(s);
    return result;
}

std::vector<std::int64_t> Database::childTables(std::int64_t parent) const {
    std::vector<std::int64_t> children;
    for (const auto& [id, info] : m_tables)
        if (info.parent == parent)
            children.push_back(id);
    std::sort(children.begin(), children.end());
    return children;
}

std::vector<Database::Cell> Database::rowCells(std::int64_t table, std::int64_t row) {
    std::vector<Cell> cells;
    if (!hasRow(table, row))
        return cells;
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(m_db, "SELECT col, idx FROM cells WHERE tbl = ? AND row = ? ORDER BY col, idx", -1, &s,
                           nullptr) != SQLITE_OK)
        return cells;
    sqlite3_bind_int64(s, 1, table);
    sqlite3_bind_int64(s, 2, row);
    std::vector<std::pair<int, int>> places;
    while (sqlite3_step(s) == SQLITE_ROW)
        places.emplace_back(sqlite3_column_int(s, 0), sqlite3_column_int(s, 1));
    sqlite3_finalize(s);
    for (const auto& [column, index] : places)
        if (auto v = value(table, row, index, column))
            cells.push_back(Cell{column, index, std::move(*v)});
    return cells;
}

std::vector<std::string> Database::keysWithoutRows() {
    std::vector<std::string> keys;
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(m_db,
                           "SELECT key FROM idents WHERE key IS NOT NULL AND id NOT IN (SELECT id FROM rows) "
                           "ORDER BY id",
                           -1, &s, nullptr) != SQLITE_OK)
        return keys;
    while (sqlite3_step(s) == SQLITE_ROW)
        keys.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    sqlite3_finalize(s);
    return keys;
}

std::int64_t Database::idOfKey(std::string_view key) {
    sqlite3_stmt* s = statement(kIdOfKey, "SELECT id FROM idents WHERE key = ?");
    if (!s)
        return 0;
    sqlite3_bind_text(s, 1, key.data(), int(key.size()), SQLITE_TRANSIENT);
    std::int64_t id = 0;
    if (sqlite3_step(s) == SQLITE_ROW)
        id = sqlite3_column_int64(s, 0);
    sqlite3_reset(s);
    return id;
}

const char* Database::keyOfId(std::int64_t id) {
    if (id == 0)
        return nullptr;
    sqlite3_stmt* s = statement(kKeyOfId, "SELECT key FROM idents WHERE id = ?");
    if (!s)
        return nullptr;
    sqlite3_bind_int64(s, 1, id);
    const char* key = nullptr;
    if (sqlite3_step(s) == SQLITE_ROW && sqlite3_column_type(s, 0) != SQLITE_NULL)
        key = intern(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    sqlite3_reset(s);
    return key;
}

const char* Database::intern(std::string text) {
    return m_texts.insert(std::move(text)).first->c_str();
}

} // namespace orvmat
