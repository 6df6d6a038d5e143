#include "fuzz_entries.h"
#include "scratch.h"

#include "orvmat/catalogue_dump.h"
#include "orvmat/database.h"
#include "orvmat/orvmat.h"

#include <fstream>

namespace orvane::fuzz {
namespace {

constexpr int kMaxTableDepth = 64;

// What `orvane catalog show` lists: every table with its rows and their cells, depth first.
void ShowTables(orvmat::Database& db, std::int64_t parent, int depth) {
    Require(depth <= kMaxTableDepth, "the tables of an opened database nest finitely");
    for (std::int64_t table : db.childTables(parent)) {
        Require(db.tableName(table) != nullptr, "a listed table has a name");
        const auto* rows = db.rowsOf(table);
        if (rows)
            for (std::int64_t row : *rows) {
                Require(db.hasRow(table, row), "a listed row is found");
                for (const auto& cell : db.rowCells(table, row))
                    Require(db.cell(table, row, cell.valueIndex, cell.column) != nullptr,
                            "a listed cell reads");
                db.keyOfId(row);
            }
        ShowTables(db, table, depth + 1);
    }
}

// The same database through the C interface: every top-level table's rows and first cells.
void ReadThroughCApi(orvmat::Database& db, const std::string& path) {
    if (!OrvMat_AttachDatabase("FUZZ", path.c_str()))
        return;
    Require(OrvMat_SelectDatabase("FUZZ") == 1, "an attached database can be selected");
    for (std::int64_t table : db.childTables(0)) {
        OrvMatTable handle = 0;
        if (OrvMat_OpenTable(&handle, 0, db.tableName(table)->c_str()) != 0)
            continue;
        for (OrvMatPos pos = OrvMat_FirstRowPos(handle); pos != 0;) {
            const OrvMatId row = OrvMat_NextRow(handle, &pos);
            Require(row != 0, "visiting a table yields rows");
            const char* text = nullptr;
            OrvMat_ReadText(&text, handle, row, 0, 0);
            int count = 0;
            OrvMat_ValueCount(&count, handle, row, 1);
        }
    }
    OrvMat_DetachDatabase("FUZZ");
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
    ShowTables(*db, 0, 0);
    db->keysWithoutRows();
    orvmat::dumpCatalogueSource(*db);
    ReadThroughCApi(*db, path);
}

} // namespace orvane::fuzz
