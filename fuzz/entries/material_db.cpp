#include "fuzz_entries.h"
#include "scratch.h"

#include "orvmat/catalogue_dump.h"
#include "orvmat/database.h"

#include <fstream>

namespace orvane::fuzz {
namespace {

// What `orvane catalog show` lists: every table with its rows and their cells, depth first.
void ShowTables(orvmat::Database& db, std::int64_t parent) {
    for (std::int64_t table : db.childTables(parent)) {
        Require(db.tableName(table) != nullptr, "a listed table has a name");
        const auto* rows = db.rowsOf(table);
        if (rows)
            for (std::int64_t row : *rows) {
                Require(db.hasRow(table, row), "a listed row is found");
                // A damaged file may hold negative positions, which no reader can ask for.
                for (const auto& cell : db.rowCells(table, row))
                    if (cell.column >= 0 && cell.valueIndex >= 0)
                        Require(db.cell(table, row, cell.valueIndex, cell.column) != nullptr,
                                "a listed cell reads");
                db.keyOfId(row);
            }
        ShowTables(db, table);
    }
}

} // namespace

// Any file opens or is refused with a reason; one that opens can be shown and dumped.
void MaterialDatabase(const uint8_t* data, size_t size) {
    const std::string path = ScratchFolder() + "/fuzz.omdb";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    std::string error;
    const auto db = orvmat::Database::open(path, &error);
    if (!db) {
        Require(!error.empty(), "a refused database says why");
        return;
    }
    ShowTables(*db, 0);
    db->keysWithoutRows();
    orvmat::dumpCatalogueSource(*db);
}

} // namespace orvane::fuzz
