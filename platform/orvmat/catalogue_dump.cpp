#include "orvmat/catalogue_dump.h"

#include "orvmat/database.h"

#include <cctype>
#include <charconv>

namespace orvmat {
namespace {

bool isPlainWord(const std::string& text, bool allowDot) {
    if (text.empty())
        return false;
    for (unsigned char c : text)
        if (!(std::isalnum(c) || c == '_' || c == '-' || c == '/' || c == '+' || c >= 0x80 ||
              (allowDot && c == '.')))
            return false;
    return true;
}

std::string floatText(double v) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    std::string text(buffer, r.ptr);
    if (text.find_first_of(".e") == std::string::npos)
        text += ".0"; // keeps the value a float when it is read again
    return text;
}

std::string valueText(Database& db, const Value& v) {
    switch (v.type) {
    case ValueType::Text:
        return quotedText(v.text);
    case ValueType::Int:
        return std::to_string(v.integer);
    case ValueType::Float:
        return floatText(v.number);
    case ValueType::Ref: {
        const char* key = db.keyOfId(v.integer);
        // A source can only refer to keys; a keyless target cannot be written back.
        return key ? "@" + sourceWord(key) : "@\"#" + std::to_string(v.integer) + "\"";
    }
    }
    return {};
}

void dumpTable(Database& db, std::int64_t table, const std::string& path, std::string& out) {
    const auto* rows = db.rowsOf(table);
    const auto children = db.childTables(table);
    if (!rows->empty() || children.empty()) {
        out += "\ntable " + path + "\n";
        for (std::int64_t row : *rows) {
            const char* key = db.keyOfId(row);
            std::string line = key ? "row " + sourceWord(key) : "row";
            const auto cells = db.rowCells(table, row);
            if (!cells.empty())
                line += ":";
            bool firstCell = true;
            int previous = -1;
            for (const auto& cell : cells) {
                if (cell.column == previous) {
                    line += ", " + valueText(db, cell.value);
                    continue;
                }
                if (!firstCell)
                    line += " |";
                line += " ";
                // '|' moves to the next column; a gap needs the column number.
                if (cell.column != previous + 1)
                    line += std::to_string(cell.column) + "= ";
                line += valueText(db, cell.value);
                previous = cell.column;
                firstCell = false;
            }
            out += line + "\n";
        }
    }
    for (std::int64_t child : children) {
        const std::string& name = *db.tableName(child);
        const std::string part = isPlainWord(name, false) ? name : quotedText(name);
        dumpTable(db, child, path.empty() ? part : path + "." + part, out);
    }
}

} // namespace

std::string quotedText(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

std::string sourceWord(const std::string& text) {
    return isPlainWord(text, true) ? text : quotedText(text);
}

std::string dumpCatalogueSource(Database& db) {
    std::string out = "# material database, written back as catalogue source\n";
    if (!db.storedKey().empty())
        out += "database " + sourceWord(db.storedKey()) + "\n";
    for (const std::string& key : db.keysWithoutRows())
        out += "key " + sourceWord(key) + "\n";
    for (std::int64_t table : db.childTables(0)) {
        const std::string& name = *db.tableName(table);
        dumpTable(db, table, isPlainWord(name, false) ? name : quotedText(name), out);
    }
    return out;
}

} // namespace orvmat
