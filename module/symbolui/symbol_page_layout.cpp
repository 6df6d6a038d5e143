#include "symbol_page_layout.h"

#include "rect_edges.h"

#include "symbols/symbol_file.h"
#include "symbols/symbol_values.h"

#include "corekit/node.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kGap = 3;

int factorOf(const CSymbolFile* file, const CNode* symbol, const QString& key, int highest) {
    const QString text = file ? file->GetSymbolValue(symbol, key) : Symbols::GetSymbolValue(symbol, key);
    return std::clamp(Symbols::IntegerOfText(text), 1, highest);
}

int spanned(int cell, int factor) {
    return factor > 1 ? (cell + kGap) * factor - kGap : cell;
}

} // namespace

QPoint ButtonOrigin(const QRect& control) {
    return {control.x(), BottomOf(control) + 5};
}

QSize FlowButtonSize(const CSymbolFile* file, const CNode* symbol, const SymbolCellSize& cell) {
    return {spanned(cell.width, factorOf(file, symbol, QStringLiteral("ButtonSizeWidthFactor"), 4)),
            spanned(cell.height, factorOf(file, symbol, QStringLiteral("ButtonSizeHeightFactor"), 8))};
}

CButtonFlow::CButtonFlow(QPoint origin, int right, int rowHeight)
    : m_origin(origin), m_right(right), m_x(origin.x()), m_y(origin.y()), m_rowHeight(rowHeight) {}

QRect CButtonFlow::Next(const QSize& size, bool newRow) {
    if (newRow || m_x + size.width() > m_right) {
        m_x = m_origin.x();
        m_y += kGap + m_rowHeight;
        m_rowHeight = size.height();
    }
    const QRect rect(QPoint(m_x, m_y), size);
    m_x += size.width() + kGap;
    m_rowHeight = std::max(m_rowHeight, size.height());
    return rect;
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

std::vector<SymbolButtonSlot> LayoutPage(const CSymbolFile& file, const CNode& page,
                                         const SymbolCellSize& cell, QPoint origin, int clientRight,
                                         const std::function<bool(const CNode*)>& symbolShown) {
    std::vector<SymbolButtonSlot> placed;
    CButtonFlow flow(origin, clientRight, cell.rowHeight);
    for (const auto& child : page.Children()) {
        CNode* symbol = child.get();
        if (symbol->GetName() != QLatin1String("Symbol") || !symbolShown(symbol))
            continue;
        const QRect rect = flow.Next(FlowButtonSize(&file, symbol, cell),
                                     symbol->FindLeaf(QStringLiteral("NewRow")) != nullptr);
        placed.push_back({symbol, rect, symbol->FindLeaf(QStringLiteral("HideButton")) != nullptr});
    }
    return placed;
}
