// The C interface over Session, Database and MaterialList. Every function records why it
// failed, so that tools and tests can tell a missing table from a missing row.

#include "orvmat/orvmat.h"

#include "orvmat/material_list.h"
#include "orvmat/session.h"

#include <charconv>
#include <climits>
#include <new>

using orvmat::Database;
using orvmat::Session;
using orvmat::Value;
using orvmat::ValueType;

namespace {

Session& session() {
    return Session::GetInstance();
}

int fail(const std::string& reason) {
    session().fail(reason);
    return 0;
}

int ok() {
    session().succeed();
    return 1;
}

// Opening a table and reading a cell answer the other way round: 0 on success, so that a
// loader stub answering 0 for a missing library reads as success with nothing written.
constexpr int kReadDone = 0;
constexpr int kReadFailed = 1;

int readFailed(const std::string& reason) {
    session().fail(reason);
    return kReadFailed;
}

int readDone() {
    session().succeed();
    return kReadDone;
}

std::string text(const char* s) {
    return s ? std::string(s) : std::string();
}

std::string cellName(OrvMatTable table, OrvMatId row, int valueIndex, int column) {
    return "table " + std::to_string(table) + ", row " + std::to_string(row) + ", value " +
           std::to_string(valueIndex) + ", column " + std::to_string(column);
}

// The value of a cell, or null with the reason recorded.
const Value* readValue(OrvMatTable table, OrvMatId row, int valueIndex, int column) {
    const Session::TableRef ref = session().table(table);
    if (!ref.db) {
        fail("unknown table handle " + std::to_string(table));
        return nullptr;
    }
    if (!ref.db->hasRow(ref.table, row)) {
        fail("table " + std::to_string(table) + " has no row " + std::to_string(row));
        return nullptr;
    }
    const Value* value = ref.db->cell(ref.table, row, valueIndex, column);
    if (!value)
        fail("no value at " + cellName(table, row, valueIndex, column));
    return value;
}

int wrongType(OrvMatTable table, OrvMatId row, int valueIndex, int column, const char* wanted) {
    return readFailed("the value at " + cellName(table, row, valueIndex, column) + " is no " + wanted);
}

std::string floatText(double v) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, result.ptr);
}

} // namespace

extern "C" {

int OrvMat_AttachDatabase(const char* key, const char* path) {
    if (!path)
        return fail("no path given");
    return session().attach(text(key), path) ? 1 : 0;
}

int OrvMat_DetachDatabase(const char* key) {
    return key && session().detach(key) ? 1 : 0;
}

int OrvMat_SelectDatabase(const char* key) {
    return key && session().select(key) ? 1 : 0;
}

const char* OrvMat_CurrentDatabase(void) {
    return session().currentKey();
}

const char* OrvMat_LastError(void) {
    return session().lastError().c_str();
}

OrvMatId OrvMat_IdOfKey(const char* key) {
    Database* db = session().current();
    if (!db || !key)
        return fail(db ? "no key given" : "no database is current");
    const OrvMatId id = db->idOfKey(key);
    if (id == 0)
        return fail("unknown key \"" + std::string(key) + "\"");
    session().succeed();
    return id;
}

const char* OrvMat_KeyOfId(OrvMatId id) {
    Database* db = session().current();
    if (!db) {
        fail("no database is current");
        return nullptr;
    }
    const char* key = db->keyOfId(id);
    if (!key)
        fail("identifier " + std::to_string(id) + " has no key");
    else
        session().succeed();
    return key;
}

int OrvMat_OpenTable(OrvMatTable* out, OrvMatTable parent, const char* name) {
    if (!out || !name)
        return readFailed("OpenTable needs an output and a name");
    Database* db = session().current();
    std::int64_t parentTable = 0;
    if (parent != 0) {
        const Session::TableRef ref = session().table(parent);
        if (!ref.db)
            return readFailed("unknown parent table handle " + std::to_string(parent));
        db = ref.db;
        parentTable = ref.table;
    }
    if (!db)
        return readFailed("no database is current");
    const auto table = db->findTable(parentTable, name);
    if (!table)
        return readFailed(
            "no table \"" + std::string(name) + "\"" +
            (parent ? " in table " + std::to_string(parent) : std::string(" at the top level")));
    *out = session().handleOf(db, *table);
    return readDone();
}

int OrvMat_TableName(const char** out, OrvMatTable table) {
    const Session::TableRef ref = session().table(table);
    if (!out || !ref.db)
        return fail("unknown table handle " + std::to_string(table));
    *out = ref.db->tableName(ref.table)->c_str();
    return ok();
}

int OrvMat_RowCount(int* out, OrvMatTable table) {
    const Session::TableRef ref = session().table(table);
    const auto* rows = ref.db ? ref.db->rowsOf(ref.table) : nullptr;
    if (!out || !rows)
        return fail("unknown table handle " + std::to_string(table));
    *out = int(rows->size());
    return ok();
}

OrvMatPos OrvMat_FirstRowPos(OrvMatTable table) {
    const Session::TableRef ref = session().table(table);
    const auto* rows = ref.db ? ref.db->rowsOf(ref.table) : nullptr;
    if (!rows)
        return fail("unknown table handle " + std::to_string(table));
    if (rows->empty())
        return fail("table " + std::to_string(table) + " has no rows");
    return ok(); // positions count rows from 1
}

OrvMatId OrvMat_NextRow(OrvMatTable table, OrvMatPos* pos) {
    const Session::TableRef ref = session().table(table);
    const auto* rows = ref.db ? ref.db->rowsOf(ref.table) : nullptr;
    if (!rows || !pos)
        return fail("unknown table handle " + std::to_string(table));
    if (*pos < 1 || std::size_t(*pos) > rows->size())
        return fail("no row at position " + std::to_string(*pos));
    const OrvMatId id = (*rows)[std::size_t(*pos - 1)];
    *pos = std::size_t(*pos) < rows->size() ? *pos + 1 : 0;
    session().succeed();
    return id;
}

int OrvMat_HasRow(OrvMatTable table, OrvMatId row) {
    const Session::TableRef ref = session().table(table);
    if (!ref.db)
        return fail("unknown table handle " + std::to_string(table));
    if (!ref.db->hasRow(ref.table, row))
        return fail("table " + std::to_string(table) + " has no row " + std::to_string(row));
    return ok();
}

int OrvMat_ValueCount(int* out, OrvMatTable table, OrvMatId row, int column) {
    const Session::TableRef ref = session().table(table);
    if (!ref.db || !out)
        return fail("unknown table handle " + std::to_string(table));
    const auto count = ref.db->valueCount(ref.table, row, column);
    if (!count)
        return fail("table " + std::to_string(table) + " has no row " + std::to_string(row));
    *out = *count;
    return ok();
}

int OrvMat_ValueType(int* out, OrvMatTable table, OrvMatId row, int valueIndex, int column) {
    const Value* value = readValue(table, row, valueIndex, column);
    if (!value || !out)
        return 0;
    *out = int(value->type);
    return ok();
}

int OrvMat_ReadText(const char** out, OrvMatTable table, OrvMatId row, int valueIndex, int column) {
    const Value* value = readValue(table, row, valueIndex, column);
    if (!value || !out)
        return kReadFailed;
    Database* db = session().table(table).db;
    switch (value->type) {
    case ValueType::Text:
        *out = value->text.c_str(); // kept by the database as long as it is attached
        break;
    case ValueType::Int:
        *out = db->intern(std::to_string(value->integer));
        break;
    case ValueType::Float:
        *out = db->intern(floatText(value->number));
        break;
    case ValueType::Ref:
        return wrongType(table, row, valueIndex, column, "text");
    }
    return readDone();
}

int OrvMat_ReadInt(int* out, OrvMatTable table, OrvMatId row, int valueIndex, int column) {
    const Value* value = readValue(table, row, valueIndex, column);
    if (!value || !out)
        return kReadFailed;
    if (value->type != ValueType::Int || value->integer < INT_MIN || value->integer > INT_MAX)
        return wrongType(table, row, valueIndex, column, "integer");
    *out = int(value->integer);
    return readDone();
}

int OrvMat_ReadFloat(double* out, OrvMatTable table, OrvMatId row, int valueIndex, int column) {
    const Value* value = readValue(table, row, valueIndex, column);
    if (!value || !out)
        return kReadFailed;
    if (value->type == ValueType::Float)
        *out = value->number;
    else if (value->type == ValueType::Int)
        *out = double(value->integer);
    else
        return wrongType(table, row, valueIndex, column, "number");
    return readDone();
}

int OrvMat_ReadRef(OrvMatId* out, OrvMatTable table, OrvMatId row, int valueIndex, int column) {
    const Value* value = readValue(table, row, valueIndex, column);
    if (!value || !out)
        return kReadFailed;
    if (value->type != ValueType::Ref)
        return wrongType(table, row, valueIndex, column, "reference");
    *out = value->integer;
    return readDone();
}

OrvMatList* OrvMat_ListCreate(void) {
    auto* list = new (std::nothrow) OrvMatList;
    if (!list)
        fail("out of memory");
    return list;
}

int OrvMat_ListDestroy(OrvMatList* list) {
    if (!list)
        return fail("no list given");
    delete list;
    return ok();
}

int OrvMat_ListClear(OrvMatList* list) {
    if (!list)
        return fail("no list given");
    list->entries.clear();
    return ok();
}

int OrvMat_ListAdd(OrvMatList* list, double quantity, OrvMatId article, int flag) {
    if (!list || article == 0)
        return fail(list ? "an entry needs an article" : "no list given");
    list->entries.push_back({article, quantity, flag});
    return ok();
}

int OrvMat_ListCount(int* out, const OrvMatList* list) {
    if (!list || !out)
        return fail("no list given");
    *out = int(list->entries.size());
    return ok();
}

int OrvMat_ListExpand(OrvMatList* list, OrvMatTable groupTable) {
    const Session::TableRef ref = session().table(groupTable);
    if (!list || !ref.db)
        return fail(list ? "unknown table handle " + std::to_string(groupTable) : "no list given");
    std::string error;
    if (!list->expand(*ref.db, ref.table, &error))
        return fail(error);
    return ok();
}

OrvMatPos OrvMat_ListFirstPos(const OrvMatList* list) {
    if (!list || list->entries.empty())
        return fail(list ? "the list is empty" : "no list given");
    return ok();
}

int OrvMat_ListNext(const OrvMatList* list, OrvMatPos* pos, OrvMatId* article, double* quantity, int* flag) {
    if (!list || !pos || *pos < 1 || std::size_t(*pos) > list->entries.size())
        return fail("no list entry at that position");
    const orvmat::ListEntry& entry = list->entries[std::size_t(*pos - 1)];
    if (article)
        *article = entry.article;
    if (quantity)
        *quantity = entry.quantity;
    if (flag)
        *flag = entry.flag;
    *pos = std::size_t(*pos) < list->entries.size() ? *pos + 1 : 0;
    return ok();
}

int OrvMat_ListSetSelectionSource(OrvMatList* list, OrvMatTable table) {
    if (!list || !session().table(table).db)
        return fail(list ? "unknown table handle " + std::to_string(table) : "no list given");
    list->selectionSource = table;
    return ok();
}

} // extern "C"
