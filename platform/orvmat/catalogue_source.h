#pragma once

#include "orvmat/value.h"

#include <map>
#include <string>
#include <vector>

namespace orvmat {

// Where something was written in a catalogue source.
struct SourcePlace {
    std::string file;
    int line = 0;
};

// A failure while reading a source or building a database from it.
struct SourceError {
    SourcePlace place;
    std::string message;
    // "file:line: message", or the bare message when there is no place.
    std::string toString() const;
};

// A value as written; a reference keeps the key it names until the database is built.
struct SourceValue {
    Value value; // for Ref: value.text holds the key
    SourcePlace place;
};

struct SourceRow {
    std::string key; // empty: the row gets an identifier without key text
    std::map<int, std::vector<SourceValue>> columns;
    SourcePlace place;
};

struct SourceTable {
    std::vector<std::string> path; // from the top level, one entry per group
    std::vector<SourceRow> rows;
    SourcePlace place;
};

// Everything a source (with its included files) holds, in the order written. A table named
// twice collects the rows of both places.
struct CatalogueSource {
    std::string key; // the "database" line, empty when missing
    std::vector<std::pair<std::string, SourcePlace>> declaredKeys;
    std::vector<SourceTable> tables;
};

// Reads the source file at `path` and the files it includes.
bool readCatalogueSource(const std::string& path, CatalogueSource& out, SourceError& error);

// Reads source text; `fileName` names it in errors, includes are found beside it.
bool readCatalogueSourceText(const std::string& text, const std::string& fileName, CatalogueSource& out,
                             SourceError& error);

} // namespace orvmat
