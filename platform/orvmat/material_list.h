#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvmat {

class Database;

// One entry of a material list.
struct ListEntry {
    std::int64_t article = 0;
    double quantity = 0.0;
    int flag = 0;
};

// The list behind OrvMatList*: entries in order and the table the selection dialog offers.
class MaterialList {
public:
    std::vector<ListEntry> entries;
    std::int64_t selectionSource = 0; // table handle, 0 = none

    // Replaces article sets (articles with a row in `groupTable` of `db`) by their articles.
    // Fails, leaving the list as it was, when sets nest deeper than kMaxDepth (which also
    // catches a set that contains itself); *error then names the set.
    bool expand(Database& db, std::int64_t groupTable, std::string* error);

    static constexpr int kMaxDepth = 16;

private:
    bool expandEntry(Database& db, std::int64_t groupTable, const ListEntry& entry, int depth,
                     std::vector<ListEntry>& out, std::string* error) const;
};

} // namespace orvmat

// The C interface's opaque list type.
struct OrvMatList : orvmat::MaterialList {};
