#include "toolbar_grid.h"

#include "rect_edges.h"

#include "symbols/symbol_values.h"

#include "corekit/node.h"

#include <algorithm>

ToolbarGridControls CToolbarGrid::RecalcLayout(const QSize& buttonSize, const ToolbarGridFrame& frame) {
    ToolbarGridControls controls;
    const int pages = frame.pageCount;
    controls.showStepButtons = pages > 2;
    controls.showComboBox = pages > 1;

    m_origin = QPoint(frame.client.x() + 2, frame.client.y() + 2);
    if (pages > 1) {
        const QRect anchor = frame.backButton.value_or(frame.comboBox);
        m_origin = QPoint(anchor.x(), BottomOf(anchor) + 5);
        if (pages <= 2) {
            QRect moved = frame.comboBox;
            moved.setLeft(m_origin.x());
            controls.comboBoxMovedTo = moved;
        }
    }

    m_buttonSize = buttonSize;
    if (frame.scaleFactor != 1.0)
        m_buttonSize =
            QSize(int(frame.scaleFactor * buttonSize.width()), int(frame.scaleFactor * buttonSize.height()));

    m_rows = int(double(BottomOf(frame.client) - m_origin.y()) / (m_buttonSize.height() + kSpacing) + 0.5);
    m_columns = int(double(RightOf(frame.client) - m_origin.x()) / (m_buttonSize.width() + kSpacing) + 0.5);
    m_cells.fill(0);
    m_curRow = 0;
    m_curColumn = 0;
    return controls;
}

bool CToolbarGrid::IsCellTaken(int row, int column) const {
    const long long index = static_cast<long long>(row) * m_columns + column;
    if (index < 0 || index >= kCellCount)
        return true;
    return m_cells[std::size_t(index)] != 0;
}

bool CToolbarGrid::IsBlockFree(int row, int column, int width, int height) const {
    for (int i = 0; i < height; ++i)
        for (int j = 0; j < width; ++j)
            if (IsCellTaken(row + i, column + j))
                return false;
    return true;
}

void CToolbarGrid::TakeBlock(int row, int column, int width, int height) {
    for (int i = 0; i < height; ++i)
        for (int j = 0; j < width; ++j) {
            const long long index = static_cast<long long>(row + i) * m_columns + column + j;
            if (index >= 0 && index < kCellCount)
                m_cells[std::size_t(index)] = 1;
        }
}

QRect CToolbarGrid::CalcButtonRect(const CNode* symbol) {
    const int widthFactor = Symbols::GetSymbolValueInt(symbol, QStringLiteral("ButtonSizeWidthFactor"), 1);
    const int heightFactor = Symbols::GetSymbolValueInt(symbol, QStringLiteral("ButtonSizeHeightFactor"), 1);
    // A row break counts before the first button of a page too, which then starts in row 1.
    if (symbol && symbol->FindLeaf(QStringLiteral("NewRow"))) {
        ++m_curRow;
        m_curColumn = 0;
    }
    const int width = std::min(widthFactor, m_columns);
    const int height = std::min(heightFactor, m_rows);
    const int rowLimit = m_rows + 10;

    std::optional<QPoint> found; // x: column, y: row
    for (int row = m_curRow; row < rowLimit && !found; ++row) {
        int column = row == m_curRow ? m_curColumn : 0;
        if (row == m_curRow && m_curColumn + width > m_columns) {
            ++row;
            column = 0;
            if (row >= rowLimit)
                break;
        }
        // A block never stands past the right edge: its cells would wrap into the next row.
        for (; column + std::max(width, 0) <= m_columns && column < m_columns; ++column)
            if (IsBlockFree(row, column, width, height)) {
                found = QPoint(column, row);
                break;
            }
    }
    if (!found)
        return QRect();

    m_curRow = found->y();
    m_curColumn = found->x();
    const int left = (m_buttonSize.width() + kSpacing) * m_curColumn + m_origin.x();
    const int top = (m_buttonSize.height() + kSpacing) * m_curRow + m_origin.y();
    const int right = left + m_buttonSize.width() * width + (width - 1) * kSpacing;
    const int bottom = top + m_buttonSize.height() * height + (height - 1) * kSpacing;
    TakeBlock(m_curRow, m_curColumn, width, height);
    m_curColumn += width;
    return QRect(left, top, right - left, bottom - top);
}
