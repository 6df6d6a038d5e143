#include "orvmat/database.h"

#include "orvmat/schema.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>

namespace orvmat {
namespace {

bool byPlace(const Database::Cell& a, const Database::Cell& b) {
    return std::pair(a.column, a.valueIndex) < std::pair(b.column, b.valueIndex);
}

enum StatementSlot { kIdOfKey, kKeyOfId, kRowsOf, kCellsOf, kKeysWithoutRows, kSlotCount };

// Every statement the readers use, prepared at opening: a file whose tables lack a column
// is refused there with SQLite's reason, not met later by a read that finds nothing.
constexpr const char* kStatements[kSlotCount] = {
    "SELECT id FROM idents WHERE key = ?",
    "SELECT key FROM idents WHERE id = ?",
    "SELECT id FROM rows WHERE tbl = ? ORDER BY ord, id",
    "SELECT row, col, idx, type, value FROM cells WHERE tbl = ? ORDER BY row, col, idx",
    "SELECT key FROM idents WHERE key IS NOT NULL AND id NOT IN (SELECT id FROM rows) ORDER BY id",
};

constexpr const char* kNotUsable = "not a usable material database: ";

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
        *error = path + (std::filesystem::is_directory(path, ec) ? ": is a directory" : ": no such file");
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
        const auto* rawName = reinterpret_cast<const char*>(sqlite3_column_text(meta, 0));
        if (!rawName) {
            sqlite3_finalize(meta);
            *error = path + ": " + kNotUsable + "a name in orvmat_meta is NULL";
            return nullptr;
        }
        const std::string name = rawName;
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
    if (!db->loadTables(error) || !db->prepareStatements(error))
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
        *error = m_path + ": " + kNotUsable + "tables of the format are missing";
        return false;
    }
    if (sqlite3_prepare_v2(m_db, "SELECT id, parent, name FROM tables", -1, &s, nullptr) != SQLITE_OK) {
        *error = m_path + ": " + kNotUsable + sqlite3_errmsg(m_db);
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
        *error = m_path + ": " + kNotUsable + sqlite3_errmsg(m_db);
        return false;
    }
    if (const auto looping = tableInCycle()) {
        *error = m_path + ": " + kNotUsable + "table " + std::to_string(*looping) + " is its own ancestor";
        return false;
    }
    return true;
}

// Id 0 stands for the top level, so a table with id 0 is its own parent. Every walker goes
// down from the top level; a cycle would make it endless.
std::optional<std::int64_t> Database::tableInCycle() const {
    if (m_tables.count(0))
        return 0;
    std::unordered_map<std::int64_t, bool> acyclic; // false while its own walk runs
    for (const auto& entry : m_tables) {
        std::vector<std::int64_t> walk;
        for (std::int64_t id = entry.first; id != 0;) {
            const auto known = acyclic.find(id);
            if (known != acyclic.end()) {
                if (!known->second)
                    return id;
                break;
            }
            const auto table = m_tables.find(id);
            if (table == m_tables.end())
                break; // a missing parent leaves the table unreachable, not endless
            acyclic.emplace(id, false);
            walk.push_back(id);
            id = table->second.parent;
        }
        for (std::int64_t id : walk)
            acyclic[id] = true;
    }
    return std::nullopt;
}

bool Database::prepareStatements(std::string* error) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (sqlite3_prepare_v2(m_db, kStatements[slot], -1, &m_statements[slot], nullptr) != SQLITE_OK) {
            *error = m_path + ": " + kNotUsable + sqlite3_errmsg(m_db);
            return false;
        }
    }
    return true;
}

sqlite3_stmt* Database::statement(int slot) {
    sqlite3_stmt* s = m_statements[slot];
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

// A table is read whole on its first use: one query for its rows and one for its cells,
// instead of one query for every cell that is read later.
const Database::TableRows* Database::tableRows(std::int64_t table) {
    if (!m_tables.count(table))
        return nullptr;
    auto it = m_rows.find(table);
    if (it != m_rows.end())
        return &it->second;
    TableRows rows;
    loadRows(table, rows);
    return &m_rows.emplace(table, std::move(rows)).first->second;
}

void Database::loadRows(std::int64_t table, TableRows& rows) {
    sqlite3_stmt* s = statement(kRowsOf);
    sqlite3_bind_int64(s, 1, table);
    while (sqlite3_step(s) == SQLITE_ROW) {
        const std::int64_t id = sqlite3_column_int64(s, 0);
        rows.ordered.push_back(id);
        rows.cells.try_emplace(id);
    }
    sqlite3_reset(s);
    s = statement(kCellsOf);
    sqlite3_bind_int64(s, 1, table);
    while (sqlite3_step(s) == SQLITE_ROW) {
        const auto row = rows.cells.find(sqlite3_column_int64(s, 0));
        if (row == rows.cells.end())
            continue; // a value without its row is not part of the table
        Cell cell{sqlite3_column_int(s, 1), sqlite3_column_int(s, 2), Value{}};
        Value& v = cell.value;
        const int type = sqlite3_column_int(s, 3);
        switch (type) {
        case int(ValueType::Text): {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, 4));
            v.text.assign(text ? text : "", std::size_t(sqlite3_column_bytes(s, 4)));
            break;
        }
        case int(ValueType::Int):
        case int(ValueType::Ref):
            v.integer = sqlite3_column_int64(s, 4);
            break;
        case int(ValueType::Float):
            v.number = sqlite3_column_double(s, 4);
            break;
        default:
            continue; // a type this reader does not know: treat as no value
        }
        v.type = ValueType(type);
        row->second.push_back(std::move(cell));
    }
    sqlite3_reset(s);
    // The look-ups search a row's cells by place. SQLite hands them over in key order, but only
    // as far as the file's own index is sound; a damaged one is not trusted to be.
    for (auto& [id, cells] : rows.cells)
        if (!std::is_sorted(cells.begin(), cells.end(), byPlace))
            std::stable_sort(cells.begin(), cells.end(), byPlace);
}

const std::vector<Database::Cell>* Database::cellsOf(std::int64_t table, std::int64_t row) {
    const TableRows* rows = tableRows(table);
    if (!rows)
        return nullptr;
    const auto it = rows->cells.find(row);
    return it == rows->cells.end() ? nullptr : &it->second;
}

const std::vector<std::int64_t>* Database::rowsOf(std::int64_t table) {
    const TableRows* rows = tableRows(table);
    return rows ? &rows->ordered : nullptr;
}

bool Database::hasRow(std::int64_t table, std::int64_t row) {
    return cellsOf(table, row) != nullptr;
}

namespace {

bool before(const Database::Cell& cell, std::pair<int, int> place) {
    return std::pair(cell.column, cell.valueIndex) < place;
}

} // namespace

std::optional<int> Database::valueCount(std::int64_t table, std::int64_t row, int column) {
    const std::vector<Cell>* cells = cellsOf(table, row);
    if (!cells || column < 0)
        return std::nullopt;
    const auto first = std::lower_bound(cells->begin(), cells->end(), std::pair(column, 0), before);
    const auto last = std::lower_bound(first, cells->end(), std::pair(column + 1, 0), before);
    return int(last - first);
}

const Value* Database::cell(std::int64_t table, std::int64_t row, int valueIndex, int column) {
    const std::vector<Cell>* cells = valueIndex < 0 || column < 0 ? nullptr : cellsOf(table, row);
    if (!cells)
        return nullptr;
    const auto it = std::lower_bound(cells->begin(), cells->end(), std::pair(column, valueIndex), before);
    if (it == cells->end() || it->column != column || it->valueIndex != valueIndex)
        return nullptr;
    return &it->value;
}

std::optional<Value> Database::value(std::int64_t table, std::int64_t row, int valueIndex, int column) {
    const Value* v = cell(table, row, valueIndex, column);
    return v ? std::optional<Value>(*v) : std::nullopt;
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
    const std::vector<Cell>* cells = cellsOf(table, row);
    return cells ? *cells : std::vector<Cell>();
}

std::vector<std::string> Database::keysWithoutRows() {
    std::vector<std::string> keys;
    sqlite3_stmt* s = statement(kKeysWithoutRows);
    while (sqlite3_step(s) == SQLITE_ROW)
        keys.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    sqlite3_reset(s);
    return keys;
}

std::int64_t Database::idOfKey(std::string_view key) {
    const auto known = m_idOfKey.find(std::string(key));
    if (known != m_idOfKey.end())
        return known->second;
    sqlite3_stmt* s = statement(kIdOfKey);
    sqlite3_bind_text(s, 1, key.data(), int(key.size()), SQLITE_TRANSIENT);
    std::int64_t id = 0;
    if (sqlite3_step(s) == SQLITE_ROW)
        id = sqlite3_column_int64(s, 0);
    sqlite3_reset(s);
    m_idOfKey.emplace(std::string(key), id);
    return id;
}

const char* Database::keyOfId(std::int64_t id) {
    if (id == 0)
        return nullptr;
    const auto known = m_keyOfId.find(id);
    if (known != m_keyOfId.end())
        return known->second;
    sqlite3_stmt* s = statement(kKeyOfId);
    sqlite3_bind_int64(s, 1, id);
    const char* key = nullptr;
    if (sqlite3_step(s) == SQLITE_ROW && sqlite3_column_type(s, 0) != SQLITE_NULL)
        key = intern(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    sqlite3_reset(s);
    m_keyOfId.emplace(id, key);
    return key;
}

const char* Database::intern(std::string text) {
    return m_texts.insert(std::move(text)).first->c_str();
}

} // namespace orvmat
