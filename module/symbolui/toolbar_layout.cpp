#include "toolbar_layout.h"

#include "rect_edges.h"

#include "symbols/symbol_file.h"
#include "symbols/symbol_values.h"

#include "corekit/node.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

int RoundLayoutValue(double value) {
    return int(std::floor(value + 0.5));
}

SymbolCellSize ComputeToolbarCellSize(const ToolbarFrame& frame) {
    SymbolCellSize cell;
    const QPoint origin = ButtonOrigin(frame.backButton);
    if (frame.stretch) {
        cell.width = int((frame.client.width() - origin.x() - 39) / 13.0);
        cell.height = int((frame.client.height() - origin.y() - 9) / 3.0);
        cell.rowHeight = cell.height;
    } else if (frame.scaleFactor != 1.0) {
        const int frameWidth = frame.windowSize.width() - frame.clientSize.width();
        const int frameHeight = frame.windowSize.height() - frame.clientSize.height();
        cell.width = int((frame.defaultWindowSize.width() - frameWidth - origin.x() - 39) / 13.0);
        cell.height = int((frame.defaultWindowSize.height() - frameHeight - origin.y() - 9) / 3.0);
        cell.rowHeight = cell.height;
    }
    return cell;
}

std::optional<QList<int>> ScanIntegerList(const QString& text, int count) {
    const QByteArray bytes = text.toLatin1();
    const char* p = bytes.constData();
    QList<int> numbers;
    while (numbers.size() < count) {
        if (!numbers.isEmpty()) {
            if (*p != ',')
                return std::nullopt;
            ++p;
        }
        char* end = nullptr;
        errno = 0;
        const long value = std::strtol(p, &end, 0);
        if (end == p)
            return std::nullopt;
        numbers.append(int(value));
        p = end;
    }
    return numbers;
}

std::optional<QSize> FixedLayoutReferenceSize(const CNode* page, std::optional<QSize> slideSize) {
    if (page) {
        const CLeaf* leaf = page->FindLeaf(QStringLiteral("SlideSize"));
        if (leaf)
            if (const auto size = ScanIntegerList(leaf->GetRawData(), 2);
                size && (*size)[0] > 0 && (*size)[1] > 0)
                return QSize((*size)[0], (*size)[1]);
    }
    if (slideSize && slideSize->width() > 0 && slideSize->height() > 0)
        return slideSize;
    return std::nullopt;
}

CToolbarPlacer::CToolbarPlacer(const ToolbarFrame& frame, bool fixedLayout, std::optional<QSize> reference)
    : m_frame(frame), m_fixed(fixedLayout), m_cell(ComputeToolbarCellSize(frame)),
      m_flow(ButtonOrigin(frame.backButton), RightOf(frame.client), m_cell.rowHeight) {
    if (reference)
        m_scale = QSizeF(double(RightOf(frame.client)) / reference->width(),
                         double(BottomOf(frame.client)) / reference->height());
}

ToolbarPlacement CToolbarPlacer::Place(const CNode* symbol, const CSymbolFile* file) {
    ToolbarPlacement placement;
    if (symbol && symbol->FindLeaf(QStringLiteral("HideButton"))) {
        if (!m_frame.stretch)
            return placement; // skipped: no button, no place
        placement.placeholder = true;
    }
    if (m_fixed) {
        const ToolbarPlacement fixed = PlaceFixed(symbol, file);
        placement.kind = fixed.kind;
        placement.rect = fixed.rect;
    } else {
        placement.kind = ToolbarPlacement::Kind::Placed;
        placement.rect = m_flow.Next(FlowButtonSize(file, symbol, m_cell), false);
    }
    if (placement.placeholder && placement.kind == ToolbarPlacement::Kind::Placed)
        placement.kind = ToolbarPlacement::Kind::Hidden;
    return placement;
}

ToolbarPlacement CToolbarPlacer::PlaceFixed(const CNode* symbol, const CSymbolFile* file) const {
    ToolbarPlacement placement;
    const QString text = file ? file->GetSymbolValue(symbol, QStringLiteral("Pos"))
                              : Symbols::GetSymbolValue(symbol, QStringLiteral("Pos"));
    const auto pos = ScanIntegerList(text, 4);
    if (!pos) {
        placement.kind = ToolbarPlacement::Kind::Hidden;
        return placement;
    }
    const double sx = m_scale.width();
    const double sy = m_scale.height();
    placement.kind = ToolbarPlacement::Kind::Placed;
    placement.rect = QRect(RoundLayoutValue((*pos)[0] * sx), RoundLayoutValue((*pos)[1] * sy),
                           RoundLayoutValue((*pos)[2] * sx), RoundLayoutValue((*pos)[3] * sy));
    return placement;
}
