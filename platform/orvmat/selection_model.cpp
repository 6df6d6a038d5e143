#include "orvmat/selection_model.h"

#include "orvmat/database.h"
#include "orvmat/material_list.h"

#include <cmath>

namespace orvmat {

SelectionModel SelectionModel::fromList(const MaterialList& list, Database& db, std::int64_t sourceTable) {
    SelectionModel model;
    const auto* rows = db.rowsOf(sourceTable);
    if (!rows)
        return model;
    for (std::int64_t row : *rows) {
        Line line;
        line.article = row;
        if (const char* key = db.keyOfId(row))
            line.key = key;
        if (const auto text = db.value(sourceTable, row, 0, 0); text && text->type == ValueType::Text)
            line.text = text->text;
        for (const ListEntry& entry : list.entries)
            if (entry.article == row)
                line.quantity += entry.quantity;
        model.m_lines.push_back(std::move(line));
    }
    return model;
}

void SelectionModel::setQuantity(std::size_t line, double quantity) {
    if (line >= m_lines.size())
        return;
    m_lines[line].quantity = std::isfinite(quantity) && quantity > 0 ? quantity : 0.0;
}

void SelectionModel::applyTo(MaterialList& list) const {
    list.entries.clear();
    for (const Line& line : m_lines)
        if (line.quantity > 0)
            list.entries.push_back({line.article, line.quantity, 0});
}

} // namespace orvmat
