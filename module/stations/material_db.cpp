#include "material_db.h"

namespace WoSt {
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
