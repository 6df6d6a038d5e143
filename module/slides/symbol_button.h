#pragma once

#include "corner_mark.h"
#include "orvane_export.h"

#include "corekit/widgets/desktop_button.h"

#include <QPixmap>
#include <QRect>
#include <QString>

#include <memory>

class CSlide;

// The button that stands for one symbol: the desktop button's face, the symbol's slide drawn
// over it with its aspect kept, and an optional corner mark for symbols usable in calculations.
class ORVANE_EXPORT CSymbolButton : public CDesktopButton {
    Q_OBJECT
public:
    explicit CSymbolButton(QWidget* parent = nullptr);
    ~CSymbolButton() override;

    // Reads the slide file again every time, also when the name is unchanged; a file that
    // cannot be read leaves an empty preview.
    void SetSlideFile(const QString& file);
    void SetMarkCorner(int mark, int scale);

    // Whether the slide's drawing is kept between paints (the default); without, every paint
    // draws the slide anew, as it always does for a painter that rotates or shears.
    void SetKeepDrawing(bool keep);
    // The drawing kept from the last paint: the slide at device pixels, with one pixel of room
    // on every side and the painter's scale as its pixel ratio; null when none is kept.
    const QPixmap& KeptDrawing() const { return m_scaledSlide; }

    const QString& SlideFile() const { return m_slideFile; }
    const CSlide& Slide() const { return *m_pSlide; }
    int MarkCorner() const { return m_bMarkCorner; }
    int ScaleMark() const { return m_bScaleMark; }

protected:
    // A change of the window icon is the signal to reload the slide and repaint.
    bool event(QEvent* event) override;
    void PaintButton(QPainter& painter) override;

private:
    void PaintSlide(QPainter& painter, const QRect& client);
    // The slide drawn for `deviceSize` device pixels at `ratio` of them per logical pixel, kept
    // until the size, the ratio or the slide changes: a repaint then only copies it.
    const QPixmap& ScaledSlide(const QSize& deviceSize, qreal ratio);

    int m_bMarkCorner = 0;
    int m_bScaleMark = 0;
    std::unique_ptr<CSlide> m_pSlide;
    QString m_slideFile;
    bool m_keepDrawing = true;
    QPixmap m_scaledSlide; // transparent where the face shows through
    QSize m_scaledFor;
    qreal m_scaledRatio = 0;
};
