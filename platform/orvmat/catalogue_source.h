#pragma once

#include "orvmat/value.h"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace orvmat {

// Where something was written in a catalogue source; column 0 when only the line is known.
struct SourcePlace {
    std::string file;
    int line = 0;
    int column = 0;
};

// A failure while reading a source or building a database from it.
struct SourceError {
    SourcePlace place;
    std::string message;
    // "file:line: message" ("file:line:column: message" with a column), or the bare message
    // when there is no place.
    std::string toString() const;
};

// One value of a row. A source may hold millions of values, so each is packed into twelve
// bytes: its column, its type and two words whose meaning depends on the type:
//   Int, Float  the 64 bits of the number, low word first
//   Text        offset and length in CatalogueSource::texts
//   Ref         the key's index (CatalogueSource::keyOf), and the line it was written on
struct SourceCell {
    std::uint16_t column = 0;
    std::uint8_t type = 0; // a ValueType
    std::uint32_t first = 0;
    std::uint32_t second = 0;
};

// A row without key gets an identifier of its own with no key text.
constexpr std::uint32_t kNoKey = UINT32_MAX;

// A source may hold millions of rows too; the members are ordered so that a row packs into
// 24 bytes.
struct SourceRow {
    std::uint32_t key = kNoKey; // the key's index (CatalogueSource::keyOf)
    std::uint32_t file = 0;     // index in CatalogueSource::files
    int line = 0;
    // The row's values are cells[firstCell, firstCell + cellCount): by column, the values of
    // one column in their order.
    std::uint32_t cellCount = 0;
    std::size_t firstCell = 0;
};

struct SourceTable {
    std::vector<std::string> path; // from the top level, one entry per group
    std::deque<SourceRow> rows;    // a deque: a table of many rows grows without copying them
};

// Everything a source (with its included files) holds, in the order written. A table named
// twice collects the rows of both places.
struct CatalogueSource {
    std::string key;                // the "database" line, empty when missing
    std::vector<std::string> files; // every file read, in the order they were read
    // Every key written (row keys, key lines, references) once, its text in keyTexts up to
    // keyEnds[index]: a source of many short rows holds about as many keys as rows.
    std::string keyTexts;
    std::vector<std::size_t> keyEnds;
    std::vector<std::uint32_t> declaredKeys; // the keys of "key" lines, in order
    std::vector<SourceTable> tables;
    std::deque<SourceCell> cells; // the values of every row
    std::string texts;            // the text values, one after the other

    std::size_t keyCount() const { return keyEnds.size(); }
    std::string_view keyOf(std::uint32_t key) const;
    // A value as written; a reference's text holds its key.
    Value valueOf(const SourceCell& cell) const;
    std::string_view textOf(const SourceCell& cell) const; // a Text's text, a Ref's key
    SourcePlace placeOf(const SourceRow& row) const;
};

// Reads the source file at `path` and the files it includes.
bool readCatalogueSource(const std::string& path, CatalogueSource& out, SourceError& error);

// Reads source text; `fileName` names it in errors, includes are found beside it.
bool readCatalogueSourceText(const std::string& text, const std::string& fileName, CatalogueSource& out,
                             SourceError& error);

} // namespace orvmat
