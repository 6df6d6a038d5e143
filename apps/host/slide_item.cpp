#include "slide_item.h"

#include <QFileInfo>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

namespace {
constexpr double kLabelHeight = 14.0;
}

SlideItem::SlideItem(int id, const QString& blockName, const QString& slideFile)
    : m_id(id), m_blockName(blockName) {
    setFlags(ItemIsSelectable | ItemIsMovable);
    if (!slideFile.isEmpty() && QFileInfo::exists(slideFile))
        m_slide.Load(QString(), slideFile);
    setToolTip(blockName);
}

QRectF SlideItem::boundingRect() const {
    return QRectF(-kSize * 0.6, -kSize / 2, kSize * 1.2, kSize + kLabelHeight);
}

void SlideItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
    const QRectF square(-kSize / 2, -kSize / 2, kSize, kSize);
    const QPalette& palette = option->palette;
    if (m_slide.IsLoaded()) {
        // The slide draws in device pixels; give it the square as the painter maps it.
        // Colour 7 of a slide is the foreground: the palette's text colour, light or dark.
        const QColor text = palette.color(QPalette::Text);
        m_slide.SetForegroundColor(COLORREF(text.red() | text.green() << 8 | text.blue() << 16));
        painter->save();
        const QRect target = painter->transform().mapRect(square).toAlignedRect();
        painter->resetTransform();
        m_slide.Draw(*painter, target, 0);
        painter->restore();
    } else {
        painter->setPen(QPen(palette.color(QPalette::Mid), 0));
        painter->drawRect(square);
        painter->drawLine(square.topLeft(), square.bottomRight());
        painter->drawLine(square.topRight(), square.bottomLeft());
    }
    QFont font = painter->font();
    font.setPointSizeF(6);
    painter->setFont(font);
    painter->setPen(palette.color(QPalette::Text));
    const QRectF label(-kSize * 0.6, kSize / 2, kSize * 1.2, kLabelHeight);
    const QString text = painter->fontMetrics().elidedText(m_blockName, Qt::ElideMiddle, int(label.width()));
    painter->drawText(label, Qt::AlignHCenter | Qt::AlignTop, text);
    if (isSelected()) {
        painter->setPen(QPen(palette.color(QPalette::Highlight), 0, Qt::DashLine));
        painter->drawRect(boundingRect());
    }
}
