#include "material_db.h"

namespace WoSt {
namespace {

MaterialDatabase* g_replacement = nullptr;

} // namespace

MaterialDatabase& LibraryMaterialDb(); // the material database library, in orvmat_database.cpp

MaterialDatabase& MaterialDb() {
    return g_replacement ? *g_replacement : LibraryMaterialDb();
}

ScopedMaterialDb::ScopedMaterialDb(MaterialDatabase& db) : m_previous(g_replacement) {
    g_replacement = &db;
}

ScopedMaterialDb::~ScopedMaterialDb() {
    g_replacement = m_previous;
}

std::vector<RowId> RowsOf(MaterialDatabase& db, TableHandle table) {
    std::vector<RowId> rows;
    RowPos pos = db.FirstRowPos(table);
    while (pos != 0) {
        const RowPos before = pos;
        const RowId row = db.NextRow(table, pos);
        // A position that does not advance would visit the same row for ever.
        if (row == 0 || pos == before)
            break;
        rows.push_back(row);
    }
    return rows;
}

} // namespace WoSt
