#include "symbol_page_layout.h"

#include "symbols/symbol_file.h"
#include "symbols/symbol_values.h"

#include "corekit/node.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kGap = 3;

// Windows' exclusive bottom edge, which the arithmetic below counts with.
int bottomOf(const QRect& r) {
    return r.y() + r.height();
}

int spanned(int cell, int factor) {
    return factor > 1 ? (cell + kGap) * factor - kGap : cell;
}

} // namespace

QPoint ButtonOrigin(const QRect& list) {
    return {list.x(), bottomOf(list) + 5};
}

SymbolCellSize CellSizeFor(bool drawingHost, const QSize& client, const QRect& list, double displayScale) {
    SymbolCellSize cell;
    if (!drawingHost)
        return cell;
    // A window narrower or lower than its frame would give cells of no size; one pixel keeps
    // the arithmetic of the page sane until the window grows again.
    cell.width = std::max(1, int(std::trunc((client.width() - list.x() - 12) * 0.25)));
    if (displayScale != 1.0) {
        cell.height = std::max(1, int(std::trunc((client.height() - ButtonOrigin(list).y() - 24) * 0.125)));
        cell.rowHeight = cell.height;
    }
    return cell;
}

int ClampedFactor(int factor, int max) {
    return std::clamp(factor, 1, max);
}

std::vector<SymbolButtonSlot> LayoutPage(const CSymbolFile& file, const CNode& page,
                                         const SymbolCellSize& cell, QPoint origin, int clientRight,
                                         const std::function<bool(const CNode*)>& symbolShown) {
    std::vector<SymbolButtonSlot> placed;
    int x = origin.x();
    int y = origin.y();
    int rowHeight = cell.rowHeight;
    for (const auto& child : page.Children()) {
        CNode* symbol = child.get();
        if (symbol->GetName() != QLatin1String("Symbol") || !symbolShown(symbol))
            continue;
        const auto factor = [&](const char* key, int max) {
            return ClampedFactor(
                Symbols::IntegerOfText(file.GetSymbolValue(symbol, QString::fromLatin1(key))), max);
        };
        const int w = spanned(cell.width, factor("ButtonSizeWidthFactor", 4));
        const int h = spanned(cell.height, factor("ButtonSizeHeightFactor", 8));
        if (x + w > clientRight || symbol->FindLeaf(QStringLiteral("NewRow"))) {
            x = origin.x();
            y += kGap + rowHeight;
            rowHeight = h;
        }
        placed.push_back(
            {symbol, QRect(x, y, w, h), symbol->FindLeaf(QStringLiteral("HideButton")) != nullptr});
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    return placed;
}
