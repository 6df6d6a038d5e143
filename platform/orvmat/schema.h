#pragma once

// The layout of a material database file, shared by the reader and the builder.
namespace orvmat::schema {

// Stored under "format" in the meta table; a reader refuses files of another format.
inline constexpr const char* kFormat = "orvmat-1";

inline constexpr const char* kCreate =
    "CREATE TABLE orvmat_meta(name TEXT PRIMARY KEY, value TEXT NOT NULL);"
    "CREATE TABLE idents(id INTEGER PRIMARY KEY, key TEXT UNIQUE);"
    "CREATE TABLE tables(id INTEGER PRIMARY KEY, parent INTEGER NOT NULL, name TEXT NOT NULL,"
    "  UNIQUE(parent, name));"
    "CREATE TABLE rows(tbl INTEGER NOT NULL, id INTEGER NOT NULL, ord INTEGER NOT NULL,"
    "  PRIMARY KEY(tbl, id)) WITHOUT ROWID;"
    "CREATE TABLE cells(tbl INTEGER NOT NULL, row INTEGER NOT NULL, col INTEGER NOT NULL,"
    "  idx INTEGER NOT NULL, type INTEGER NOT NULL, value,"
    "  PRIMARY KEY(tbl, row, col, idx)) WITHOUT ROWID;";

} // namespace orvmat::schema
