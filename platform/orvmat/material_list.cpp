#include "orvmat/material_list.h"

#include "orvmat/database.h"

namespace orvmat {

bool MaterialList::expand(Database& db, std::int64_t groupTable, std::string* error) {
    std::vector<ListEntry> expanded;
    for (const ListEntry& entry : entries)
        if (!expandEntry(db, groupTable, entry, 0, expanded, error))
            return false;
    entries = std::move(expanded);
    return true;
}

bool MaterialList::expandEntry(Database& db, std::int64_t groupTable, const ListEntry& entry, int depth,
                               std::vector<ListEntry>& out, std::string* error) const {
    if (!db.hasRow(groupTable, entry.article)) {
        out.push_back(entry);
        return true;
    }
    if (depth >= kMaxDepth) {
        const char* key = db.keyOfId(entry.article);
        *error = "article sets nest deeper than " + std::to_string(kMaxDepth) + " levels at " +
                 (key ? std::string(key) : "#" + std::to_string(entry.article));
        return false;
    }
    for (int j = 0;; ++j) {
        const auto article = db.value(groupTable, entry.article, j, 1);
        if (!article)
            break;
        if (article->type != ValueType::Ref)
            continue; // a member that is no reference names no article
        ListEntry member;
        member.article = article->integer;
        const auto quantity = db.value(groupTable, entry.article, j, 0);
        double each = 1.0;
        if (quantity && quantity->type == ValueType::Float)
            each = quantity->number;
        else if (quantity && quantity->type == ValueType::Int)
            each = double(quantity->integer);
        member.quantity = entry.quantity * each;
        const auto flag = db.value(groupTable, entry.article, j, 2);
        member.flag = flag && flag->type == ValueType::Int ? int(flag->integer) : entry.flag;
        if (!expandEntry(db, groupTable, member, depth + 1, out, error))
            return false;
    }
    return true;
}

} // namespace orvmat
