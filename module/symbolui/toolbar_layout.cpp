#include "toolbar_layout.h"

#include "symbols/symbol_file.h"
#include "symbols/symbol_values.h"

#include "corekit/node.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kSpacing = 3;

int RightOf(const QRect& r) {
    return r.x() + r.width();
}
int BottomOf(const QRect& r) {
    return r.y() + r.height();
}

int FactorOf(const CSymbolFile* file, const CNode* symbol, const QString& key, int highest) {
    const QString text = file ? file->GetSymbolValue(symbol, key) : Symbols::GetSymbolValue(symbol, key);
    return std::clamp(Symbols::IntegerOfText(text), 1, highest);
}

int SpanOf(int cell, int factor) {
    return factor > 1 ? (cell + kSpacing) * factor - kSpacing : cell;
}

} // namespace

int RoundLayoutValue(double value) {
    return int(std::floor(value + 0.5));
}

QPoint ToolbarLayoutOrigin(const ToolbarFrame& frame) {
    return QPoint(frame.backButton.x(), BottomOf(frame.backButton) + 5);
}

ToolbarCellSize ComputeToolbarCellSize(const ToolbarFrame& frame) {
    ToolbarCellSize cell;
    const QPoint origin = ToolbarLayoutOrigin(frame);
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
      m_origin(ToolbarLayoutOrigin(frame)), m_x(m_origin.x()), m_y(m_origin.y()),
      m_rowHeight(m_cell.rowHeight) {
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
        placement.rect = PlaceFlow(symbol, file);
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

QRect CToolbarPlacer::PlaceFlow(const CNode* symbol, const CSymbolFile* file) {
    const int widthFactor = FactorOf(file, symbol, QStringLiteral("ButtonSizeWidthFactor"), 4);
    const int heightFactor = FactorOf(file, symbol, QStringLiteral("ButtonSizeHeightFactor"), 8);
    const int width = SpanOf(m_cell.width, widthFactor);
    const int height = SpanOf(m_cell.height, heightFactor);
    // Tested for the first button of a row too: a button wider than the window starts a new
    // row every time.
    if (m_x + width > RightOf(m_frame.client)) {
        m_x = m_origin.x();
        m_y += kSpacing + m_rowHeight;
        m_rowHeight = height;
    }
    const QRect rect(m_x, m_y, width, height);
    m_x += width + kSpacing;
    m_rowHeight = std::max(m_rowHeight, height);
    return rect;
}
