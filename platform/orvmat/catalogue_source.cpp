#include "orvmat/catalogue_source.h"

#include "orvmat/catalogue_lexer.h"

#include "corekit/whole_file.h"

#include <QFile>

#include <charconv>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace orvmat {

std::string SourceError::toString() const {
    if (place.file.empty())
        return message;
    std::string where = place.file + ":" + std::to_string(place.line) + ":";
    if (place.column > 0)
        where += std::to_string(place.column) + ":";
    return where + " " + message;
}

std::string_view CatalogueSource::keyOf(std::uint32_t key) const {
    const std::size_t start = key == 0 ? 0 : keyEnds[key - 1];
    return std::string_view(keyTexts).substr(start, keyEnds[key] - start);
}

std::string_view CatalogueSource::textOf(const SourceCell& cell) const {
    if (cell.type == std::uint8_t(ValueType::Ref))
        return keyOf(cell.first);
    if (cell.type == std::uint8_t(ValueType::Text))
        return std::string_view(texts).substr(cell.first, cell.second);
    return {};
}

Value CatalogueSource::valueOf(const SourceCell& cell) const {
    Value v;
    v.type = ValueType(cell.type);
    const std::uint64_t bits = cell.first | (std::uint64_t(cell.second) << 32);
    if (v.type == ValueType::Int)
        v.integer = std::int64_t(bits);
    else if (v.type == ValueType::Float)
        std::memcpy(&v.number, &bits, sizeof v.number);
    else
        v.text = textOf(cell);
    return v;
}

SourcePlace CatalogueSource::placeOf(const SourceRow& row) const {
    return {files[row.file], row.line};
}

namespace {

using Kind = SourceTokenKind;

constexpr int kMaxColumn = 9999;
constexpr int kMaxIncludeDepth = 32;
// Sources are written by hand or dumped from a database; the largest have a few megabytes.
constexpr qint64 kMaxSourceBytes = 256 * 1024 * 1024;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits alone, with a sign, make an integer; a dot or an exponent makes a float. An empty
// `error` with false: the word is no number at all.
bool readNumber(std::string_view word, SourceCell& cell, std::string& error) {
    const std::string_view body = word.substr(word[0] == '+' || word[0] == '-' ? 1 : 0);
    const std::size_t lead = !body.empty() && body[0] == '.' ? 1 : 0;
    if (lead >= body.size() || !isDigit(body[lead]))
        return false;
    const std::string_view w = word[0] == '+' ? body : word; // from_chars takes no '+'
    const char* end = w.data() + w.size();
    std::uint64_t bits = 0;
    if (body.find_first_not_of("0123456789") == std::string_view::npos) {
        std::int64_t integer = 0;
        if (std::from_chars(w.data(), end, integer).ec != std::errc()) {
            error = std::string(word) +
                    " is out of range for an integer (-9223372036854775808 to 9223372036854775807); a float "
                    "is written with a dot: " +
                    std::string(word) + ".0";
            return false;
        }
        cell.type = std::uint8_t(ValueType::Int);
        bits = std::uint64_t(integer);
    } else {
        double number = 0;
        const auto r = std::from_chars(w.data(), end, number);
        if (r.ptr != end)
            return false;
        if (r.ec != std::errc()) {
            error = std::string(word) + " is out of range for a float";
            return false;
        }
        cell.type = std::uint8_t(ValueType::Float);
        std::memcpy(&bits, &number, sizeof bits);
    }
    cell.first = std::uint32_t(bits);
    cell.second = std::uint32_t(bits >> 32);
    return true;
}

// "A.B.\"C.D\"": groups separated by dots; a quoted part may hold dots and the escapes of a
// quoted text. Only a comment may follow the path.
bool readTablePath(std::string_view rest, std::vector<std::string>& path, std::string& error) {
    std::string part;
    bool quoted = false, wasQuoted = false;
    std::size_t i = 0;
    for (; i < rest.size(); ++i) {
        const char c = rest[i];
        if (quoted && c == '\\') {
            const char e = i + 1 < rest.size() ? sourceEscape(rest[++i]) : 0;
            if (!e) {
                error = "unknown escape in a quoted table name";
                return false;
            }
            part += e;
        } else if (quoted) {
            if (c == '"')
                quoted = false;
            else
                part += c;
        } else if (c == '"') {
            quoted = wasQuoted = true;
        } else if (c == '.') {
            if (part.empty()) {
                error = "a table name has an empty part";
                return false;
            }
            path.push_back(std::move(part));
            part.clear();
        } else if (c == '#') {
            break;
        } else if (c != ' ' && c != '\t') {
            part += c;
        } else if (!part.empty() || wasQuoted) {
            const auto next = rest.find_first_not_of(" \t", i);
            if (next != std::string_view::npos && rest[next] != '#') {
                error = "unexpected text after the table name";
                return false;
            }
            break;
        }
    }
    if (quoted)
        error = "quoted text is not closed on its line";
    else if (part.empty())
        error = path.empty() ? "table needs a name" : "a table name has an empty part";
    if (!error.empty())
        return false;
    path.push_back(std::move(part));
    return true;
}

// The reader's key map holds key indices only; these let it find a key by its text, which
// stays in the source.
struct KeyHash {
    using is_transparent = void;
    const CatalogueSource* source;
    std::size_t operator()(std::string_view key) const noexcept { return std::hash<std::string_view>{}(key); }
    std::size_t operator()(std::uint32_t key) const noexcept { return (*this)(source->keyOf(key)); }
};

struct KeyEqual {
    using is_transparent = void;
    const CatalogueSource* source;
    bool operator()(std::uint32_t a, std::uint32_t b) const { return a == b; }
    bool operator()(std::string_view a, std::uint32_t b) const { return a == source->keyOf(b); }
    bool operator()(std::uint32_t a, std::string_view b) const { return source->keyOf(a) == b; }
};

class Reader {
public:
    Reader(CatalogueSource& out, SourceError& error) : m_out(out), m_error(error) {}

    // The top file counts as being read, so that it cannot include itself.
    void markTop(const std::string& path) { m_including.insert(identity(path)); }

    bool readFile(const std::string& path, int depth) {
        WholeFileError failure;
        const auto bytes = ReadWholeFile(QFile::decodeName(path.c_str()), kMaxSourceBytes, &failure);
        if (!bytes) {
            m_error = {{}, path + ": " + failure.message.toStdString()};
            return false;
        }
        return readText(std::string_view(bytes->constData(), std::size_t(bytes->size())), path, depth);
    }

    bool readText(std::string_view text, const std::string& file, int depth) {
        m_file = std::uint32_t(m_out.files.size());
        m_out.files.push_back(file);
        SourceLexer lexer(text);
        m_lexer = &lexer;
        for (SourceToken t; read(t);) {
            if (t.kind == Kind::End)
                return true;
            if (t.kind != Kind::LineEnd && !statement(t, depth))
                return false;
        }
        return false;
    }

private:
    static std::string identity(const std::string& path) {
        std::error_code ec;
        const auto canonical = std::filesystem::weakly_canonical(path, ec);
        return ec ? path : canonical.string();
    }

    const std::string& fileName() const { return m_out.files[m_file]; }

    bool fail(int line, std::string message) {
        m_error = {{fileName(), line}, std::move(message)};
        return false;
    }

    bool read(SourceToken& t) {
        if (m_lexer->next(t))
            return true;
        const SourceLexError& e = m_lexer->error();
        m_error = {{fileName(), e.line, e.column}, e.message};
        return false;
    }

    // Reads the rest of a line that must end here.
    bool lineEnds(int line, const char* message) {
        SourceToken t;
        if (!read(t))
            return false;
        return t.kind == Kind::LineEnd || t.kind == Kind::End || fail(line, message);
    }

    static bool isName(const SourceToken& t) { return t.kind == Kind::Word || t.kind == Kind::Text; }

    // A key's index, and the table of the key's last row (table index + 1, 0 before its first
    // row), which tells most duplicate rows (isNewRowKey).
    struct KeyEntry {
        std::uint32_t index = 0;
        std::uint32_t lastRowTable = 0;
    };

    KeyEntry keyEntry(std::string_view key) {
        const auto known = m_keys.find(key);
        if (known != m_keys.end())
            return {known->first, known->second};
        const auto index = std::uint32_t(m_out.keyCount());
        m_out.keyTexts += key;
        m_out.keyEnds.push_back(m_out.keyTexts.size());
        m_keys.emplace(index, 0);
        return {index, 0};
    }

    std::uint32_t keyIndex(std::string_view key) { return keyEntry(key).index; }

    // Whether the current table has no row with the key yet. While a table's rows are read in
    // one run, the table of the key's last row tells. A table entered again once it holds rows
    // (named again, or the includer's table after an include) keeps its row keys in a set from
    // then on, for its earlier rows were followed by rows of other tables.
    bool isNewRowKey(const KeyEntry& key) {
        const auto table = std::uint32_t(m_table);
        const bool isNew = m_keptTables[m_table]
                               ? m_rowKeys.insert((std::uint64_t(table) << 32) | key.index).second
                               : key.lastRowTable != table + 1;
        m_keys[key.index] = table + 1;
        return isNew;
    }

    void enterTable(std::size_t table) {
        m_table = table;
        m_haveTable = true;
        const std::deque<SourceRow>& rows = m_out.tables[table].rows;
        if (m_keptTables[table] || rows.empty())
            return;
        m_keptTables[table] = true;
        for (const SourceRow& row : rows)
            if (row.key != kNoKey)
                m_rowKeys.insert((std::uint64_t(table) << 32) | row.key);
    }

    bool statement(const SourceToken& first, int depth) {
        const int line = first.line;
        if (first.kind != Kind::Word)
            return fail(line, "a line starts with database, include, key, table or row");
        if (first.text == "row")
            return readRow(line);
        if (first.text == "table")
            return readTable(line);
        if (first.text == "key")
            return readKeys(line);
        if (first.text != "database" && first.text != "include")
            return fail(line, "unknown statement \"" + std::string(first.text) + "\"");
        const bool database = first.text == "database";
        const char* usage = database ? "database takes one key" : "include takes one file name";
        SourceToken name;
        if (!read(name))
            return false;
        if (!isName(name))
            return fail(line, usage);
        const std::string value(name.text);
        if (!lineEnds(line, usage))
            return false;
        if (!database)
            return include(value, line, depth);
        if (!m_out.key.empty() && m_out.key != value)
            return fail(line, "the database key is already \"" + m_out.key + "\"");
        m_out.key = value;
        return true;
    }

    bool readKeys(int line) {
        SourceToken t;
        const std::size_t before = m_out.declaredKeys.size();
        for (;;) {
            if (!read(t))
                return false;
            if (!isName(t))
                break;
            m_out.declaredKeys.push_back(keyIndex(t.text));
        }
        if (t.kind != Kind::LineEnd && t.kind != Kind::End)
            return fail(line, "key takes key texts only");
        return m_out.declaredKeys.size() > before || fail(line, "key needs at least one key text");
    }

    bool include(const std::string& name, int line, int depth) {
        namespace fs = std::filesystem;
        if (depth >= kMaxIncludeDepth)
            return fail(line, "includes nest too deep");
        const fs::path target = fs::path(fileName()).parent_path() / name;
        const std::string id = identity(target.string());
        if (m_including.count(id))
            return fail(line, "\"" + name + "\" includes itself");
        std::error_code ec;
        if (!fs::is_regular_file(target, ec))
            return fail(line, "included file \"" + name + "\" does not exist");
        // An included file starts without a current table and leaves the includer's as it was.
        const std::size_t table = m_table;
        const bool haveTable = m_haveTable;
        const std::uint32_t file = m_file;
        SourceLexer* lexer = m_lexer;
        m_haveTable = false;
        m_including.insert(id);
        const bool ok = readFile(target.string(), depth + 1);
        m_including.erase(id);
        m_haveTable = false;
        if (haveTable)
            enterTable(table);
        m_file = file;
        m_lexer = lexer;
        return ok;
    }

    bool readTable(int line) {
        std::vector<std::string> path;
        std::string error;
        if (!readTablePath(m_lexer->restOfLine(), path, error))
            return fail(line, error);
        std::string id;
        for (const std::string& p : path)
            id += p + '\x1f';
        const auto [it, added] = m_tableIndex.emplace(id, m_out.tables.size());
        if (added) {
            m_out.tables.push_back(SourceTable{std::move(path), {}});
            m_keptTables.push_back(false);
        }
        enterTable(it->second);
        return true;
    }

    bool readRow(int line) {
        if (!m_haveTable)
            return fail(line, "row before the first table line");
        SourceRow row;
        row.file = m_file;
        row.line = line;
        row.firstCell = m_out.cells.size();
        SourceToken t;
        if (!read(t))
            return false;
        std::optional<KeyEntry> key;
        if (isName(t)) {
            if (t.text.empty())
                return fail(line, "a row key must not be empty");
            key = keyEntry(t.text);
            row.key = key->index;
            if (!read(t))
                return false;
        }
        if (t.kind == Kind::Colon) {
            if (!readCells(line))
                return false;
        } else if (t.kind != Kind::LineEnd && t.kind != Kind::End) {
            return fail(line, "expected ':' before the cells of the row");
        }
        if (key && !isNewRowKey(*key))
            return fail(line, "the table already has a row \"" + std::string(m_out.keyOf(row.key)) + "\"");
        row.cellCount = std::uint32_t(m_out.cells.size() - row.firstCell);
        m_out.tables[m_table].rows.push_back(row);
        return true;
    }

    // The cells after "row KEY:", up to the end of the row's last line: a line that ends
    // with '|' or ',' goes on on the next.
    bool readCells(int rowLine) {
        int column = 0;
        bool expectValue = true; // at the start of a cell or after ','
        bool cellStart = true;
        Kind last = Kind::Colon; // the last token before a line's end
        int lastLine = rowLine;
        std::string_view moved; // "N" of an "N=" that still waits for its value
        SourceToken t;
        bool haveToken = false; // t was read ahead, after a word that was no column number
        for (;;) {
            if (!haveToken && !read(t))
                return false;
            haveToken = false;
            if (t.kind == Kind::LineEnd || t.kind == Kind::End) {
                if (!moved.empty())
                    return fail(lastLine, missingAfter(moved));
                const bool goesOn = last == Kind::Bar || last == Kind::Comma;
                if (goesOn && t.kind == Kind::End)
                    return fail(lastLine, std::string("the row's last line ends with '") +
                                              (last == Kind::Bar ? "|" : ",") +
                                              "', so it goes on, but the file ends");
                if (!goesOn)
                    return true;
                continue;
            }
            last = t.kind;
            lastLine = t.line;
            if (t.kind == Kind::Bar) {
                if (!cellStart && expectValue)
                    return fail(t.line, missingAfter(moved));
                if (++column > kMaxColumn)
                    return fail(t.line, "too many columns");
                expectValue = cellStart = true;
                continue;
            }
            if (t.kind == Kind::Comma) {
                if (expectValue)
                    return fail(t.line, "a value is missing before ','");
                expectValue = true;
                continue;
            }
            if (!expectValue)
                return fail(t.line, "values of one cell are separated by ','");
            if (cellStart && t.kind == Kind::Word) {
                const std::string_view word = t.text; // a view into the source, not the lexer's
                const int line = t.line;
                if (!read(t))
                    return false;
                if (t.kind == Kind::Equals) {
                    if (!moveToColumn(word, line, column))
                        return false;
                    cellStart = false;
                    moved = word;
                    continue;
                }
                haveToken = true;
                if (!addValue(SourceToken{Kind::Word, word, line}, column))
                    return false;
            } else if (!addValue(t, column)) {
                return false;
            }
            expectValue = cellStart = false;
            moved = {};
        }
    }

    static std::string missingAfter(std::string_view moved) {
        return "a value is missing after '" + (moved.empty() ? std::string(",") : std::string(moved) + "=") +
               "'";
    }

    // "N=" at the start of a cell.
    bool moveToColumn(std::string_view word, int line, int& column) {
        int target = -1;
        const char* end = word.data() + word.size();
        const auto r = std::from_chars(word.data(), end, target);
        if (r.ptr != end || r.ec != std::errc()) {
            const bool number = word.find_first_not_of("-0123456789") == std::string_view::npos;
            return fail(line,
                        number ? "column " + std::string(word) + " before '=': columns are numbered 0 to 9999"
                               : "\"" + std::string(word) + "\" before '=' is no column number");
        }
        if (target < 0 || target > kMaxColumn)
            return fail(line, "column " + std::string(word) + " before '=': columns are numbered 0 to 9999");
        if (target < column)
            return fail(line,
                        "column " + std::string(word) + " comes after column " + std::to_string(column));
        column = target;
        return true;
    }

    bool addValue(const SourceToken& t, int column) {
        SourceCell cell;
        cell.column = std::uint16_t(column);
        switch (t.kind) {
        case Kind::Text:
            if (m_out.texts.size() + t.text.size() > UINT32_MAX)
                return fail(t.line, "the texts of the source exceed 4 GiB");
            cell.type = std::uint8_t(ValueType::Text);
            cell.first = std::uint32_t(m_out.texts.size());
            cell.second = std::uint32_t(t.text.size());
            m_out.texts += t.text;
            break;
        case Kind::Ref:
            cell.type = std::uint8_t(ValueType::Ref);
            cell.first = keyIndex(t.text);
            cell.second = std::uint32_t(t.line);
            break;
        case Kind::Word: {
            std::string error;
            if (!readNumber(t.text, cell, error))
                return fail(t.line, error.empty() ? "\"" + std::string(t.text) +
                                                        "\" is no number; texts need quotes, references '@'"
                                                  : error);
            break;
        }
        default:
            return fail(t.line, "expected a value");
        }
        m_out.cells.push_back(cell);
        return true;
    }

    CatalogueSource& m_out;
    SourceError& m_error;
    SourceLexer* m_lexer = nullptr;
    std::uint32_t m_file = 0;
    // Key index to the table of its last row, found by the key's text too.
    std::unordered_map<std::uint32_t, std::uint32_t, KeyHash, KeyEqual> m_keys{0, KeyHash{&m_out},
                                                                               KeyEqual{&m_out}};
    std::map<std::string, std::size_t> m_tableIndex;
    std::vector<bool> m_keptTables;              // by table: whether m_rowKeys holds its row keys
    std::unordered_set<std::uint64_t> m_rowKeys; // table << 32 | key
    std::set<std::string> m_including;
    std::size_t m_table = 0;
    bool m_haveTable = false;
};

} // namespace

bool readCatalogueSource(const std::string& path, CatalogueSource& out, SourceError& error) {
    Reader reader(out, error);
    reader.markTop(path);
    return reader.readFile(path, 0);
}

bool readCatalogueSourceText(const std::string& text, const std::string& fileName, CatalogueSource& out,
                             SourceError& error) {
    Reader reader(out, error);
    return reader.readText(text, fileName, 0);
}

} // namespace orvmat
