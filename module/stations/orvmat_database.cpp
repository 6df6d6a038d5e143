#include "material_db.h"

#include "orvmat_functions.h"

namespace WoSt {
namespace {

QByteArray utf8(const QString& text) {
    return text.toUtf8();
}

class OrvMatList : public MaterialList {
public:
    OrvMatList() : m_list(OrvMat().ListCreate ? OrvMat().ListCreate() : nullptr) {}
    ~OrvMatList() override {
        if (m_list && OrvMat().ListDestroy)
            OrvMat().ListDestroy(m_list);
    }
    OrvMatList(const OrvMatList&) = delete;
    OrvMatList& operator=(const OrvMatList&) = delete;

    void Clear() override {
        if (m_list)
            OrvMat().ListClear(m_list);
    }
    void Add(double quantity, RowId article, int flag) override {
        if (m_list)
            OrvMat().ListAdd(m_list, quantity, article, flag);
    }
    bool Expand(TableHandle groupTable) override {
        return m_list && OrvMat().ListExpand(m_list, groupTable) != 0;
    }
    std::vector<MaterialItem> Items() const override {
        std::vector<MaterialItem> items;
        if (!m_list)
            return items;
        OrvMatPos pos = OrvMat().ListFirstPos(m_list);
        MaterialItem item;
        while (pos != 0 && OrvMat().ListNext(m_list, &pos, &item.article, &item.quantity, &item.flag))
            items.push_back(item);
        return items;
    }
    bool ChooseFrom(TableHandle source, const QString& title) override {
        return m_list && OrvMat().ListSetSelectionSource(m_list, source) &&
               OrvMat().ListShowSelectionDialog(m_list, title.toUtf8().constData(), 0, 0, 1);
    }

private:
    ::OrvMatList* m_list;
};

// Calls the material database library. Opening a table and reading a cell answer 0 on
// success there; everything else answers non-zero. A missing library answers 0 to everything:
// selecting a database and visiting rows then fail, so the station code never gets to a
// table, and an open or a read that is called anyway succeeds with its output untouched.
class OrvMatDatabase : public MaterialDatabase {
public:
    bool SelectDatabase(const QString& key) override {
        return OrvMat().SelectDatabase(utf8(key).constData()) != 0;
    }
    bool OpenTable(TableHandle& table, TableHandle parent, const QString& name) override {
        OrvMatTable handle = table;
        if (OrvMat().OpenTable(&handle, parent, utf8(name).constData()) != 0)
            return false;
        table = handle;
        return true;
    }
    RowPos FirstRowPos(TableHandle table) override { return OrvMat().FirstRowPos(table); }
    RowId NextRow(TableHandle table, RowPos& pos) override {
        OrvMatPos p = pos;
        const RowId row = OrvMat().NextRow(table, &p);
        if (row != 0)
            pos = p;
        return row;
    }
    bool ReadText(QString& out, TableHandle table, RowId row, int value, int column) override {
        const char* text = nullptr;
        if (OrvMat().ReadText(&text, table, row, value, column) != 0)
            return false;
        if (text)
            out = QString::fromUtf8(text);
        return true;
    }
    bool ReadInt(int& out, TableHandle table, RowId row, int value, int column) override {
        int number = out;
        if (OrvMat().ReadInt(&number, table, row, value, column) != 0)
            return false;
        out = number;
        return true;
    }
    bool ReadFloat(double& out, TableHandle table, RowId row, int value, int column) override {
        double number = out;
        if (OrvMat().ReadFloat(&number, table, row, value, column) != 0)
            return false;
        out = number;
        return true;
    }
    bool ReadRef(RowId& out, TableHandle table, RowId row, int value, int column) override {
        OrvMatId id = out;
        if (OrvMat().ReadRef(&id, table, row, value, column) != 0)
            return false;
        out = id;
        return true;
    }
    QString KeyOfId(RowId id) override {
        const char* key = OrvMat().KeyOfId(id);
        return key ? QString::fromUtf8(key) : QString();
    }
    RowId IdOfKey(const QString& key) override { return OrvMat().IdOfKey(utf8(key).constData()); }
    std::unique_ptr<MaterialList> NewMaterialList() override { return std::make_unique<OrvMatList>(); }
};

} // namespace

MaterialDatabase& LibraryMaterialDb() {
    static OrvMatDatabase db;
    return db;
}

} // namespace WoSt
