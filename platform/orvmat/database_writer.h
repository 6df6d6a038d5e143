#pragma once

#include "orvmat/catalogue_source.h"

#include <string>

namespace orvmat {

// Builds the database file at `path` from a source: identifiers for keys and rows, tables
// with their groups, every cell. The file is written beside the target and renamed over it
// only when complete, so a failed build leaves an existing database as it was. Fails for a
// reference to a key that no row and no "key" line defines. What an earlier build of the same
// path left (one that was killed, say) is removed first.
bool writeDatabase(const CatalogueSource& source, const std::string& path, SourceError& error);

// Removes what a build of `path` that did not finish left beside it; a build does this itself,
// a caller whose build fails before writing (at reading its source) calls it.
void removeBuildLeftovers(const std::string& path);

} // namespace orvmat
