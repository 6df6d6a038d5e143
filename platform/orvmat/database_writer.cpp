#include "orvmat/database_writer.h"

#include "orvmat/schema.h"

#include <sqlite3.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace orvmat {
namespace {

// Owns the connection and the statements of one build.
class Builder {
public:
    Builder(const CatalogueSource& source, SourceError& error) : m_source(source), m_error(error) {}
    ~Builder() {
        for (sqlite3_stmt* s : {m_ident, m_table, m_row, m_cell})
            sqlite3_finalize(s);
        sqlite3_close(m_db);
    }

    bool build(const std::string& file) {
        if (sqlite3_open_v2(file.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
            SQLITE_OK)
            return sqlFail(file + ": cannot be created");
        // The file is private until it is renamed into place: no journal needed.
        if (!exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;") || !exec(schema::kCreate) ||
            !prepare())
            return false;
        if (!writeMeta() || !assignIdentifiers() || !writeIdentifiers() || !writeTables())
            return false;
        return exec("COMMIT;");
    }

private:
    bool sqlFail(const std::string& what) {
        m_error = {{}, what + (m_db ? std::string(": ") + sqlite3_errmsg(m_db) : std::string())};
        return false;
    }

    bool exec(const char* sql) {
        char* message = nullptr;
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) == SQLITE_OK)
            return true;
        m_error = {{}, std::string("database build failed: ") + (message ? message : "unknown error")};
        sqlite3_free(message);
        return false;
    }

    bool prepare() {
        const auto make = [this](const char* sql, sqlite3_stmt** s) {
            return sqlite3_prepare_v2(m_db, sql, -1, s, nullptr) == SQLITE_OK;
        };
        if (make("INSERT INTO idents(id, key) VALUES(?, ?)", &m_ident) &&
            make("INSERT INTO tables(id, parent, name) VALUES(?, ?, ?)", &m_table) &&
            make("INSERT INTO rows(tbl, id, ord) VALUES(?, ?, ?)", &m_row) &&
            make("INSERT INTO cells(tbl, row, col, idx, type, value) VALUES(?, ?, ?, ?, ?, ?)", &m_cell))
            return true;
        return sqlFail("database build failed");
    }

    bool step(sqlite3_stmt* s) {
        const int rc = sqlite3_step(s);
        sqlite3_reset(s);
        return rc == SQLITE_DONE || sqlFail("database build failed");
    }

    bool writeMeta() {
        std::string sql = "INSERT INTO orvmat_meta VALUES('format', '";
        sql += schema::kFormat;
        sql += "');";
        if (!exec(sql.c_str()))
            return false;
        if (m_source.key.empty())
            return true;
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(m_db, "INSERT INTO orvmat_meta VALUES('key', ?)", -1, &s, nullptr);
        sqlite3_bind_text(s, 1, m_source.key.c_str(), -1, SQLITE_TRANSIENT);
        const int rc = sqlite3_step(s);
        sqlite3_finalize(s);
        return rc == SQLITE_DONE || sqlFail("database build failed");
    }

    // Keys get identifiers in the order they first appear, rows without key after them, so
    // the same source always gives the same numbers. A key only referred to keeps 0.
    bool assignIdentifiers() {
        m_keyIds.assign(m_source.keyCount(), 0);
        m_keyOrder.reserve(m_source.keyCount());
        std::size_t rows = 0;
        for (const SourceTable& table : m_source.tables)
            rows += table.rows.size();
        m_rowIds.reserve(rows);
        for (std::uint32_t key : m_source.declaredKeys)
            keyId(key);
        for (const SourceTable& table : m_source.tables)
            for (const SourceRow& row : table.rows)
                if (row.key != kNoKey)
                    keyId(row.key);
        for (const SourceTable& table : m_source.tables)
            for (const SourceRow& row : table.rows)
                m_rowIds.push_back(row.key == kNoKey ? ++m_lastId : m_keyIds[row.key]);
        return true;
    }

    void keyId(std::uint32_t key) {
        if (m_keyIds[key] != 0)
            return;
        m_keyIds[key] = ++m_lastId;
        m_keyOrder.push_back(key);
    }

    bool writeIdentifiers() {
        for (std::uint32_t key : m_keyOrder) {
            const std::string_view text = m_source.keyOf(key);
            sqlite3_bind_int64(m_ident, 1, m_keyIds[key]);
            sqlite3_bind_text(m_ident, 2, text.data(), int(text.size()), SQLITE_STATIC);
            if (!step(m_ident))
                return false;
        }
        for (std::int64_t id : m_rowIds) {
            if (id <= std::int64_t(m_keyOrder.size()))
                continue;
            sqlite3_bind_int64(m_ident, 1, id);
            sqlite3_bind_null(m_ident, 2);
            if (!step(m_ident))
                return false;
        }
        return true;
    }

    std::int64_t tableId(const std::vector<std::string>& path, bool& ok) {
        std::int64_t parent = 0;
        for (const std::string& name : path) {
            const auto [it, added] = m_tableIds.emplace(std::make_pair(parent, name), m_tableIds.size() + 1);
            if (added) {
                sqlite3_bind_int64(m_table, 1, it->second);
                sqlite3_bind_int64(m_table, 2, parent);
                sqlite3_bind_text(m_table, 3, name.c_str(), int(name.size()), SQLITE_TRANSIENT);
                if (!step(m_table)) {
                    ok = false;
                    return 0;
                }
            }
            parent = it->second;
        }
        return parent;
    }

    bool writeTables() {
        std::size_t rowIndex = 0;
        for (const SourceTable& table : m_source.tables) {
            bool ok = true;
            const std::int64_t tbl = tableId(table.path, ok);
            if (!ok)
                return false;
            std::int64_t order = 0;
            for (const SourceRow& row : table.rows) {
                const std::int64_t id = m_rowIds[rowIndex++];
                sqlite3_bind_int64(m_row, 1, tbl);
                sqlite3_bind_int64(m_row, 2, id);
                sqlite3_bind_int64(m_row, 3, ++order);
                if (!step(m_row) || !writeCells(tbl, id, row))
                    return false;
            }
        }
        return true;
    }

    bool writeCells(std::int64_t tbl, std::int64_t id, const SourceRow& row) {
        int valueIndex = 0;
        int column = -1;
        for (std::size_t n = row.firstCell; n < row.firstCell + row.cellCount; ++n) {
            const SourceCell& cell = m_source.cells[n];
            valueIndex = cell.column == column ? valueIndex + 1 : 0;
            column = cell.column;
            sqlite3_bind_int64(m_cell, 1, tbl);
            sqlite3_bind_int64(m_cell, 2, id);
            sqlite3_bind_int(m_cell, 3, column);
            sqlite3_bind_int(m_cell, 4, valueIndex);
            sqlite3_bind_int(m_cell, 5, cell.type);
            if (!bindValue(cell, row))
                return false;
            if (!step(m_cell))
                return false;
        }
        return true;
    }

    bool bindValue(const SourceCell& cell, const SourceRow& row) {
        switch (ValueType(cell.type)) {
        case ValueType::Text: {
            const std::string_view text = m_source.textOf(cell);
            sqlite3_bind_text(m_cell, 6, text.data(), int(text.size()), SQLITE_STATIC);
            return true;
        }
        case ValueType::Int:
            sqlite3_bind_int64(m_cell, 6, m_source.valueOf(cell).integer);
            return true;
        case ValueType::Float:
            sqlite3_bind_double(m_cell, 6, m_source.valueOf(cell).number);
            return true;
        case ValueType::Ref:
            if (m_keyIds[cell.first] == 0) {
                sqlite3_reset(m_cell);
                SourcePlace place = m_source.placeOf(row);
                place.line = int(cell.second);
                m_error = {place, "reference to the unknown key \"" +
                                      std::string(m_source.keyOf(cell.first)) + "\""};
                return false;
            }
            sqlite3_bind_int64(m_cell, 6, m_keyIds[cell.first]);
            return true;
        }
        return false;
    }

    const CatalogueSource& m_source;
    SourceError& m_error;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_ident = nullptr;
    sqlite3_stmt* m_table = nullptr;
    sqlite3_stmt* m_row = nullptr;
    sqlite3_stmt* m_cell = nullptr;
    std::vector<std::int64_t> m_keyIds;    // by key index
    std::vector<std::uint32_t> m_keyOrder; // key indices in the order of their identifiers
    std::vector<std::int64_t> m_rowIds;
    std::map<std::pair<std::int64_t, std::string>, std::int64_t> m_tableIds;
    std::int64_t m_lastId = 0;
};

// What a build writes beside the target before the rename: the file and the files SQLite may
// keep next to it.
std::vector<std::string> buildFiles(const std::string& path) {
    const std::string partial = path + ".partial";
    return {partial, partial + "-journal", partial + "-wal", partial + "-shm"};
}

// Removes the files of a build that did not finish, however it ended (an error, an exception,
// a build killed before it could clean up).
class LeftoverGuard {
public:
    explicit LeftoverGuard(std::string path) : m_path(std::move(path)) { removeBuildLeftovers(m_path); }
    ~LeftoverGuard() { removeBuildLeftovers(m_path); }
    LeftoverGuard(const LeftoverGuard&) = delete;
    LeftoverGuard& operator=(const LeftoverGuard&) = delete;

private:
    std::string m_path;
};

} // namespace

void removeBuildLeftovers(const std::string& path) {
    std::error_code ec;
    for (const std::string& file : buildFiles(path))
        std::filesystem::remove(file, ec);
}

bool writeDatabase(const CatalogueSource& source, const std::string& path, SourceError& error) {
    const LeftoverGuard leftovers(path);
    const std::string partial = path + ".partial";
    {
        Builder builder(source, error);
        if (!builder.build(partial))
            return false;
    }
    std::error_code ec;
    std::filesystem::rename(partial, path, ec);
    if (ec) {
        error = {{}, path + ": cannot be written: " + ec.message()};
        return false;
    }
    return true;
}

} // namespace orvmat
