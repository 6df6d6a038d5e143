#pragma once

// A material database held in memory, for tests of the station logic: it behaves as the
// station code relies on (reads answer true and leave the output alone on failure, rows in the
// order added, dotted table names) and is filled by the test that uses it.

#include "stations/material_db.h"

#include <QHash>
#include <QString>

#include <map>
#include <variant>
#include <vector>

namespace orvane::test {

struct Ref {
    WoSt::RowId id = 0;
};
using Cell = std::variant<QString, int, double, Ref>;

class MemoryDb : public WoSt::MaterialDatabase {
public:
    // Adds a database and makes it the one that the builder calls below fill.
    void addDatabase(const QString& key);
    // Creates (or finds) the table at the '/'-separated path from the top level.
    WoSt::TableHandle table(const QString& path);
    // Adds a row; a non-empty key names it, and a key used before gives the same identifier.
    WoSt::RowId addRow(WoSt::TableHandle table, const QString& key = {});
    // Adds a row for an identifier that already exists (same article in several tables).
    void addRowFor(WoSt::TableHandle table, WoSt::RowId id);
    void set(WoSt::TableHandle table, WoSt::RowId row, int column, std::vector<Cell> values);
    WoSt::RowId idOf(const QString& key); // creates the identifier when unknown

    bool SelectDatabase(const QString& key) override;
    bool OpenTable(WoSt::TableHandle& table, WoSt::TableHandle parent, const QString& name) override;
    WoSt::RowPos FirstRowPos(WoSt::TableHandle table) override;
    WoSt::RowId NextRow(WoSt::TableHandle table, WoSt::RowPos& pos) override;
    bool ReadText(QString& out, WoSt::TableHandle table, WoSt::RowId row, int value, int column) override;
    bool ReadInt(int& out, WoSt::TableHandle table, WoSt::RowId row, int value, int column) override;
    bool ReadFloat(double& out, WoSt::TableHandle table, WoSt::RowId row, int value, int column) override;
    bool ReadRef(WoSt::RowId& out, WoSt::TableHandle table, WoSt::RowId row, int value, int column) override;
    QString KeyOfId(WoSt::RowId id) override;
    WoSt::RowId IdOfKey(const QString& key) override;
    std::unique_ptr<WoSt::MaterialList> NewMaterialList() override;

private:
    struct Table {
        int database = 0;
        WoSt::TableHandle parent = 0;
        QString name;
        std::vector<WoSt::RowId> rows;
        std::map<std::pair<WoSt::RowId, int>, std::vector<Cell>> cells;
    };
    struct Database {
        QString key;
        WoSt::RowId nextId = 1;
        QHash<QString, WoSt::RowId> ids;
        QHash<WoSt::RowId, QString> keys;
    };
    Table* find(WoSt::TableHandle handle);
    const Cell* cell(WoSt::TableHandle table, WoSt::RowId row, int value, int column);
    WoSt::TableHandle child(WoSt::TableHandle parent, const QString& name) const;

    std::vector<Database> m_databases;
    std::vector<Table> m_tables; // handle = index + 1
    int m_building = -1;
    int m_current = -1;
};

} // namespace orvane::test
