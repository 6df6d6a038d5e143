#include "orvmat/catalogue_source.h"

#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace orvmat {

std::string SourceError::toString() const {
    if (place.file.empty())
        return message;
    return place.file + ":" + std::to_string(place.line) + ": " + message;
}

namespace {

constexpr int kMaxColumn = 9999;
constexpr int kMaxIncludeDepth = 32;

enum class Tok { Word, String, Ref, Bar, Comma, Colon, Equals, End };

struct Token {
    Tok kind = Tok::End;
    std::string text;
    int line = 0;
};

bool isWordChar(unsigned char c) {
    return std::isalnum(c) || c == '_' || c == '-' || c == '.' || c == '/' || c == '+' || c >= 0x80;
}

// Splits one physical line into tokens; a '#' outside quotes ends the line.
bool tokenize(const std::string& line, int lineNo, std::vector<Token>& out, std::string& error) {
    std::size_t i = 0;
    while (i < line.size()) {
        const unsigned char c = line[i];
        if (c == '#')
            break;
        if (std::isspace(c)) {
            ++i;
            continue;
        }
        Token t;
        t.line = lineNo;
        if (c == '|' || c == ',' || c == ':' || c == '=') {
            t.kind = c == '|' ? Tok::Bar : c == ',' ? Tok::Comma : c == ':' ? Tok::Colon : Tok::Equals;
            ++i;
            out.push_back(t);
            continue;
        }
        bool ref = false;
        if (c == '@') {
            ref = true;
            ++i;
        }
        if (i < line.size() && line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char d = line[i++];
                if (d == '"') {
                    closed = true;
                    break;
                }
                if (d != '\\') {
                    t.text += d;
                    continue;
                }
                if (i >= line.size())
                    break;
                const char e = line[i++];
                switch (e) {
                case 'n':
                    t.text += '\n';
                    break;
                case 't':
                    t.text += '\t';
                    break;
                case 'r':
                    t.text += '\r';
                    break;
                case '"':
                    t.text += '"';
                    break;
                case '\\':
                    t.text += '\\';
                    break;
                default:
                    error = std::string("unknown escape \\") + e + " in a quoted text";
                    return false;
                }
            }
            if (!closed) {
                error = "quoted text is not closed on its line";
                return false;
            }
            t.kind = ref ? Tok::Ref : Tok::String;
        } else {
            const std::size_t start = i;
            while (i < line.size() && isWordChar(static_cast<unsigned char>(line[i])))
                ++i;
            if (i == start) {
                error = ref ? "'@' must be followed by a key"
                            : std::string("unexpected character '") + char(c) + "'";
                return false;
            }
            t.text = line.substr(start, i - start);
            t.kind = ref ? Tok::Ref : Tok::Word;
        }
        out.push_back(std::move(t));
    }
    return true;
}

bool looksNumeric(const std::string& w) {
    std::size_t i = (w[0] == '+' || w[0] == '-') ? 1 : 0;
    if (i < w.size() && w[i] == '.')
        ++i;
    return i < w.size() && std::isdigit(static_cast<unsigned char>(w[i]));
}

// Integer when it is digits only, else float; false when the word is no number at all.
bool parseNumber(const std::string& word, Value& v) {
    const std::string w = word[0] == '+' ? word.substr(1) : word;
    const char* end = w.data() + w.size();
    std::int64_t integer = 0;
    auto r = std::from_chars(w.data(), end, integer);
    if (r.ec == std::errc() && r.ptr == end) {
        v.type = ValueType::Int;
        v.integer = integer;
        return true;
    }
    double number = 0;
    auto f = std::from_chars(w.data(), end, number);
    if (f.ec == std::errc() && f.ptr == end) {
        v.type = ValueType::Float;
        v.number = number;
        return true;
    }
    return false;
}

class Reader {
public:
    Reader(CatalogueSource& out, SourceError& error) : m_out(out), m_error(error) {}

    // The top file counts as being read, so that it cannot include itself.
    void markTop(const std::string& path) {
        std::error_code ec;
        const auto canonical = std::filesystem::weakly_canonical(path, ec);
        m_including.insert(ec ? path : canonical.string());
    }

    bool readFile(const std::string& path, int depth) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            m_error = {{}, path + ": cannot be read"};
            return false;
        }
        std::ostringstream text;
        text << in.rdbuf();
        return readText(text.str(), path, depth);
    }

    bool readText(const std::string& text, const std::string& file, int depth) {
        std::vector<std::vector<Token>> lines;
        std::vector<std::string> raw;
        std::istringstream in(text);
        std::string line;
        int lineNo = 0;
        while (std::getline(in, line)) {
            ++lineNo;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (lineNo == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0)
                line.erase(0, 3);
            std::vector<Token> tokens;
            std::string error;
            if (!tokenize(line, lineNo, tokens, error))
                return fail(file, lineNo, error);
            lines.push_back(std::move(tokens));
            raw.push_back(line);
        }
        for (std::size_t n = 0; n < lines.size(); ++n) {
            std::vector<Token> statement = lines[n];
            if (statement.empty())
                continue;
            const int first = int(n) + 1;
            // A row continues on the next line while its last token is '|' or ','.
            while ((statement.back().kind == Tok::Bar || statement.back().kind == Tok::Comma) &&
                   n + 1 < lines.size()) {
                ++n;
                statement.insert(statement.end(), lines[n].begin(), lines[n].end());
            }
            if (!readStatement(statement, raw[std::size_t(first - 1)], file, first, depth))
                return false;
        }
        return true;
    }

private:
    bool fail(const std::string& file, int line, const std::string& message) {
        m_error = {{file, line}, message};
        return false;
    }

    bool readStatement(const std::vector<Token>& t, const std::string& raw, const std::string& file, int line,
                       int depth) {
        if (t[0].kind != Tok::Word)
            return fail(file, line, "a line starts with database, include, key, table or row");
        const std::string& word = t[0].text;
        if (word == "row")
            return readRow(t, file, line);
        if (word == "table")
            return readTable(raw, file, line);
        if (word == "key") {
            if (t.size() < 2)
                return fail(file, line, "key needs at least one key text");
            for (std::size_t i = 1; i < t.size(); ++i) {
                if (t[i].kind != Tok::Word && t[i].kind != Tok::String)
                    return fail(file, line, "key takes key texts only");
                m_out.declaredKeys.emplace_back(t[i].text, SourcePlace{file, line});
            }
            return true;
        }
        if (word == "database") {
            if (t.size() != 2 || (t[1].kind != Tok::Word && t[1].kind != Tok::String))
                return fail(file, line, "database takes one key");
            if (!m_out.key.empty() && m_out.key != t[1].text)
                return fail(file, line, "the database key is already \"" + m_out.key + "\"");
            m_out.key = t[1].text;
            return true;
        }
        if (word == "include") {
            if (t.size() != 2 || (t[1].kind != Tok::Word && t[1].kind != Tok::String))
                return fail(file, line, "include takes one file name");
            return include(t[1].text, file, line, depth);
        }
        return fail(file, line, "unknown statement \"" + word + "\"");
    }

    bool include(const std::string& name, const std::string& file, int line, int depth) {
        namespace fs = std::filesystem;
        if (depth >= kMaxIncludeDepth)
            return fail(file, line, "includes nest too deep");
        const fs::path target = fs::path(file).parent_path() / name;
        std::error_code ec;
        const fs::path canonical = fs::weakly_canonical(target, ec);
        const std::string id = ec ? target.string() : canonical.string();
        if (m_including.count(id))
            return fail(file, line, "\"" + name + "\" includes itself");
        if (!fs::is_regular_file(target, ec))
            return fail(file, line, "included file \"" + name + "\" does not exist");
        // An included file starts without a current table and leaves the includer's as it was.
        const std::size_t table = m_table;
        const bool haveTable = m_haveTable;
        m_haveTable = false;
        m_including.insert(id);
        const bool ok = readFile(target.string(), depth + 1);
        m_including.erase(id);
        m_table = table;
        m_haveTable = haveTable;
        return ok;
    }

    // "table A.B.\"C.D\"": groups separated by dots; a quoted part may hold dots.
    bool readTable(const std::string& raw, const std::string& file, int line) {
        std::string rest = raw.substr(raw.find("table") + 5);
        std::vector<std::string> path;
        std::string part;
        bool quoted = false, wasQuoted = false;
        std::size_t i = 0;
        for (; i < rest.size(); ++i) {
            const char c = rest[i];
            if (quoted) {
                if (c == '"')
                    quoted = false;
                else
                    part += c;
            } else if (c == '"') {
                quoted = wasQuoted = true;
            } else if (c == '.') {
                if (part.empty())
                    return fail(file, line, "a table name has an empty part");
                path.push_back(part);
                part.clear();
            } else if (c == '#') {
                break;
            } else if (!std::isspace(static_cast<unsigned char>(c))) {
                part += c;
            } else if (!part.empty() || wasQuoted) {
                // blanks end the name; only a comment may follow
                const auto next = rest.find_first_not_of(" \t", i);
                if (next != std::string::npos && rest[next] != '#')
                    return fail(file, line, "unexpected text after the table name");
                break;
            }
        }
        if (part.empty())
            return fail(file, line, path.empty() ? "table needs a name" : "a table name has an empty part");
        path.push_back(part);
        std::string id;
        for (const std::string& p : path)
            id += p + '\x1f';
        const auto it = m_tableIndex.find(id);
        if (it != m_tableIndex.end()) {
            m_table = it->second;
        } else {
            m_table = m_out.tables.size();
            m_tableIndex[id] = m_table;
            m_out.tables.push_back(SourceTable{path, {}, {file, line}});
            m_rowKeys.emplace_back();
        }
        m_haveTable = true;
        return true;
    }

    bool readRow(const std::vector<Token>& t, const std::string& file, int line) {
        if (!m_haveTable)
            return fail(file, line, "row before the first table line");
        SourceRow row;
        row.place = {file, line};
        std::size_t i = 1;
        if (i < t.size() && (t[i].kind == Tok::Word || t[i].kind == Tok::String)) {
            row.key = t[i].text;
            if (row.key.empty())
                return fail(file, line, "a row key must not be empty");
            ++i;
        }
        if (i < t.size()) {
            if (t[i].kind != Tok::Colon)
                return fail(file, line, "expected ':' before the cells of the row");
            if (!readCells(t, i + 1, row, file))
                return false;
        }
        if (!row.key.empty() && !m_rowKeys[m_table].insert(row.key).second)
            return fail(file, line, "the table already has a row \"" + row.key + "\"");
        m_out.tables[m_table].rows.push_back(std::move(row));
        return true;
    }

    bool readCells(const std::vector<Token>& t, std::size_t i, SourceRow& row, const std::string& file) {
        int column = 0;
        bool expectValue = true; // at the start of a cell or after ','
        bool cellStart = true;
        for (; i < t.size(); ++i) {
            const Token& tok = t[i];
            if (tok.kind == Tok::Bar) {
                if (!cellStart && expectValue)
                    return fail(file, tok.line, "a value is missing after ','");
                if (++column > kMaxColumn)
                    return fail(file, tok.line, "too many columns");
                expectValue = cellStart = true;
                continue;
            }
            if (tok.kind == Tok::Comma) {
                if (expectValue)
                    return fail(file, tok.line, "a value is missing before ','");
                expectValue = true;
                continue;
            }
            if (!expectValue)
                return fail(file, tok.line, "values of one cell are separated by ','");
            if (cellStart && tok.kind == Tok::Word && i + 1 < t.size() && t[i + 1].kind == Tok::Equals) {
                int target = -1;
                const auto r = std::from_chars(tok.text.data(), tok.text.data() + tok.text.size(), target);
                if (r.ec != std::errc() || r.ptr != tok.text.data() + tok.text.size() || target > kMaxColumn)
                    return fail(file, tok.line, "a column number before '=' must be a number up to 9999");
                if (target < column)
                    return fail(file, tok.line,
                                "column " + std::to_string(target) + " comes after column " +
                                    std::to_string(column));
                column = target;
                ++i; // the '='
                cellStart = false;
                continue;
            }
            SourceValue v;
            v.place = {file, tok.line};
            if (!readValue(tok, v.value, file))
                return false;
            row.columns[column].push_back(std::move(v));
            expectValue = cellStart = false;
        }
        if (expectValue && !cellStart)
            return fail(file, t.back().line, "a value is missing after ','");
        return true;
    }

    bool readValue(const Token& tok, Value& v, const std::string& file) {
        switch (tok.kind) {
        case Tok::String:
            v.type = ValueType::Text;
            v.text = tok.text;
            return true;
        case Tok::Ref:
            v.type = ValueType::Ref;
            v.text = tok.text;
            return true;
        case Tok::Word:
            if (looksNumeric(tok.text) && parseNumber(tok.text, v))
                return true;
            return fail(file, tok.line,
                        "\"" + tok.text + "\" is no number; texts need quotes, references '@'");
        default:
            return fail(file, tok.line, "expected a value");
        }
    }

    CatalogueSource& m_out;
    SourceError& m_error;
    std::map<std::string, std::size_t> m_tableIndex;
    std::vector<std::set<std::string>> m_rowKeys;
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
