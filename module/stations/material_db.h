#pragma once

// The station code's one road to the material database: tables, rows and typed cells of the
// current database, and material lists. The code of the wizard calls it only through
// MaterialDb(), so that the library behind it (loaded on first use) can be put aside in tests.

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace WoSt {

using TableHandle = std::int64_t; // 0 = not open
using RowId = std::int64_t;       // 0 = none
using RowPos = std::int64_t;      // 0 = no further row

// One entry of a material list.
struct MaterialItem {
    RowId article = 0;
    double quantity = 0.0;
    int flag = 0;
};

class MaterialList {
public:
    virtual ~MaterialList() = default;
    virtual void Clear() = 0;
    virtual void Add(double quantity, RowId article, int flag) = 0;
    // Replaces article sets by their articles, as listed in the group table.
    virtual bool Expand(TableHandle groupTable) = 0;
    virtual std::vector<MaterialItem> Items() const = 0;
    // Lets the planner pick articles with quantities from the rows of `source`; on OK the list
    // holds exactly the picks. False on cancel or where no selection dialog exists.
    virtual bool ChooseFrom(TableHandle source, const QString& title) {
        (void)source;
        (void)title;
        return false;
    }
    int Count() const { return static_cast<int>(Items().size()); }
};

// Reads answer true on success and leave their output untouched on failure.
class MaterialDatabase {
public:
    virtual ~MaterialDatabase() = default;
    virtual bool SelectDatabase(const QString& key) = 0;
    virtual bool OpenTable(TableHandle& table, TableHandle parent, const QString& name) = 0;
    virtual RowPos FirstRowPos(TableHandle table) = 0;
    virtual RowId NextRow(TableHandle table, RowPos& pos) = 0;
    virtual bool ReadText(QString& out, TableHandle table, RowId row, int value, int column) = 0;
    virtual bool ReadInt(int& out, TableHandle table, RowId row, int value, int column) = 0;
    virtual bool ReadFloat(double& out, TableHandle table, RowId row, int value, int column) = 0;
    virtual bool ReadRef(RowId& out, TableHandle table, RowId row, int value, int column) = 0;
    virtual QString KeyOfId(RowId id) = 0; // null text when the identifier has no key
    virtual RowId IdOfKey(const QString& key) = 0;
    virtual std::unique_ptr<MaterialList> NewMaterialList() = 0;
};

// The database in use: the material database library unless a replacement is installed.
MaterialDatabase& MaterialDb();

// Puts `db` in place for as long as the object lives (tests, benchmarks, the command line).
class ScopedMaterialDb {
public:
    explicit ScopedMaterialDb(MaterialDatabase& db);
    ~ScopedMaterialDb();
    ScopedMaterialDb(const ScopedMaterialDb&) = delete;
    ScopedMaterialDb& operator=(const ScopedMaterialDb&) = delete;

private:
    MaterialDatabase* m_previous;
};

// Every row of a table in the database's stable order.
std::vector<RowId> RowsOf(MaterialDatabase& db, TableHandle table);

} // namespace WoSt
