#pragma once

#include "drawing.h"

#include "slides/slide.h"

#include <QGraphicsItem>
#include <QString>

// One drawing item on the canvas: its slide drawn into a square around the item's position
// with the block name below; a labelled box when the slide cannot be read.
class SlideItem : public QGraphicsItem {
public:
    static constexpr double kSize = kItemSize;

    SlideItem(int id, const QString& blockName, const QString& slideFile);

    int Id() const { return m_id; }
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    int m_id;
    QString m_blockName;
    CSlide m_slide;
};
