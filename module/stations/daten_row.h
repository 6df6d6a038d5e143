#pragma once

// The product's row of the catalogue's "Daten" table, read column by column; a column that
// does not read counts as 0.

#include "station_catalog.h"

namespace WoSt {

class DatenRowReader {
public:
    DatenRowReader(MaterialDatabase& db, const tCatalog& catalog, const tProduct& product)
        : m_db(db), m_table(catalog.data), m_row(product.dataRow) {}
    double real(int column) const {
        double value = 0.0;
        m_db.ReadFloat(value, m_table, m_row, 0, column);
        return value;
    }
    int integer(int column) const {
        int value = 0;
        m_db.ReadInt(value, m_table, m_row, 0, column);
        return value;
    }
    RowId ref(int column) const {
        RowId value = 0;
        m_db.ReadRef(value, m_table, m_row, 0, column);
        return value;
    }
    bool readsReal(int column, double& value) const {
        return m_db.ReadFloat(value, m_table, m_row, 0, column);
    }

private:
    MaterialDatabase& m_db;
    TableHandle m_table;
    RowId m_row;
};

} // namespace WoSt
