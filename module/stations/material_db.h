#pragma once

// The station code's one road to the material database: tables, rows and typed cells of the
// current database, and material lists. The wizard reaches it through the catalogue source it
// is given (CatalogSource::Database), so that tests and tools can give a database of their own.

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

// The material database library the module loads on first use. It keeps its attached
// databases for the whole process, so this adapter over it is one per process too.
MaterialDatabase& LibraryMaterialDb();

// Every row of a table in the database's stable order.
std::vector<RowId> RowsOf(MaterialDatabase& db, TableHandle table);

} // namespace WoSt
