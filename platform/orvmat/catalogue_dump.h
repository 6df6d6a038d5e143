#pragma once

#include <string>

namespace orvmat {

class Database;

// Writes a whole database back in the catalogue source form, so that building the text
// again gives a database with the same tables, rows, keys and values.
std::string dumpCatalogueSource(Database& db);

// The source form of one text: bare when it is a plain word, else quoted with escapes.
std::string sourceWord(const std::string& text);
std::string quotedText(const std::string& text);

} // namespace orvmat
