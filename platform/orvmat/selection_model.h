#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvmat {

class Database;
class MaterialList;

// What the selection dialog shows and changes, without any widget: one line per row of the
// list's selection source, with the quantity the list holds for that article.
class SelectionModel {
public:
    struct Line {
        std::int64_t article = 0;
        std::string key;  // key text of the row, empty when it has none
        std::string text; // text column 0 of the row, empty when it does not read
        double quantity = 0.0;
    };

    // Lines for the rows of `sourceTable` in `db`, in row order; quantities of articles that
    // the list holds several times are added up.
    static SelectionModel fromList(const MaterialList& list, Database& db, std::int64_t sourceTable);

    const std::vector<Line>& lines() const { return m_lines; }
    // Negative or non-finite quantities count as 0 (not picked).
    void setQuantity(std::size_t line, double quantity);

    // Makes the list hold exactly the picked lines (quantity > 0), in row order, flag 0.
    void applyTo(MaterialList& list) const;

private:
    std::vector<Line> m_lines;
};

} // namespace orvmat
