#pragma once

#include "corner_mark.h"
#include "orvane_export.h"

#include "corekit/widgets/desktop_button.h"

#include <QImage>
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

    const QString& SlideFile() const { return m_slideFile; }
    const CSlide& Slide() const { return *m_pSlide; }
    int MarkCorner() const { return m_bMarkCorner; }
    int ScaleMark() const { return m_bScaleMark; }

protected:
    // A change of the window icon is the signal to reload the slide and repaint.
    bool event(QEvent* event) override;
    void PaintButton(QPainter& painter) override;

private:
    // The slide drawn for the device rectangle target, kept until the rectangle, the pixel
    // ratio or the slide changes: a repaint then only copies it over the face.
    const QImage& ScaledSlide(const QRect& target);

    int m_bMarkCorner = 0;
    int m_bScaleMark = 0;
    std::unique_ptr<CSlide> m_pSlide;
    QString m_slideFile;
    QImage m_scaledSlide; // transparent where the face shows through
    QRect m_scaledFor;
    bool m_scaledValid = false;
};
