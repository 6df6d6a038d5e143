#pragma once

#include "orvmat/value.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace orvmat {

// One material database file, opened read-only. A database does not change while it is
// open, so everything read is kept: the tables at opening, a table's rows with all their
// cells at the first question about that table, keys and identifiers as they are asked for.
// Reads after the first are memory look-ups. Texts and values handed out as pointers live as
// long as the object.
class Database {
public:
    struct Cell {
        int column = 0;
        int valueIndex = 0;
        Value value;
    };

    // Opens the file; answers null with a reason in *error when it is missing or not a
    // material database.
    static std::unique_ptr<Database> open(const std::string& path, std::string* error);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const std::string& path() const { return m_path; }
    // The key written into the file by its builder, empty when it has none.
    const std::string& storedKey() const { return m_storedKey; }

    // The table `name` inside `parent` (0 = top level); dotted names walk down the groups.
    std::optional<std::int64_t> findTable(std::int64_t parent, std::string_view name) const;
    const std::string* tableName(std::int64_t table) const;

    // The rows of a table in their stable order; null for an unknown table.
    const std::vector<std::int64_t>* rowsOf(std::int64_t table);
    bool hasRow(std::int64_t table, std::int64_t row);

    // Values of a cell; nullopt when the table or row is unknown.
    std::optional<int> valueCount(std::int64_t table, std::int64_t row, int column);
    // One value; null (or nullopt) when there is none.
    const Value* cell(std::int64_t table, std::int64_t row, int valueIndex, int column);
    std::optional<Value> value(std::int64_t table, std::int64_t row, int valueIndex, int column);

    // For tools that show a whole database: the tables inside `parent` in the order they
    // were built, every value of a row, and the keys that no row carries.
    std::vector<std::int64_t> childTables(std::int64_t parent) const;
    std::vector<Cell> rowCells(std::int64_t table, std::int64_t row);
    std::vector<std::string> keysWithoutRows();

    std::int64_t idOfKey(std::string_view key);
    const char* keyOfId(std::int64_t id);

    // A pointer to an equal text that lives as long as the database.
    const char* intern(std::string text);

private:
    struct TableInfo {
        std::int64_t parent = 0;
        std::string name;
    };
    struct TableRows {
        std::vector<std::int64_t> ordered;
        // Every row's values, sorted by column and value index; rows without values too.
        std::unordered_map<std::int64_t, std::vector<Cell>> cells;
    };

    Database() = default;
    bool loadTables(std::string* error);
    std::optional<std::int64_t> tableInCycle() const;
    std::optional<std::int64_t> childNamed(std::int64_t parent, std::string_view name) const;
    const TableRows* tableRows(std::int64_t table);
    void loadRows(std::int64_t table, TableRows& rows);
    const std::vector<Cell>* cellsOf(std::int64_t table, std::int64_t row);
    bool prepareStatements(std::string* error);
    // The prepared statement of a slot, reset and without bindings.
    sqlite3_stmt* statement(int slot);

    std::string m_path;
    std::string m_storedKey;
    sqlite3* m_db = nullptr;
    std::vector<sqlite3_stmt*> m_statements;
    std::unordered_map<std::int64_t, TableInfo> m_tables;
    std::unordered_map<std::string, std::int64_t> m_childIndex; // "<parent>/<name>" -> id
    std::unordered_map<std::int64_t, TableRows> m_rows;         // node-based: entries never move
    std::unordered_map<std::string, std::int64_t> m_idOfKey;
    std::unordered_map<std::int64_t, const char*> m_keyOfId;
    std::unordered_set<std::string> m_texts;
};

} // namespace orvmat
