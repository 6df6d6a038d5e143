#pragma once

#include "corekit/widgets/button_face.h"

#include <QImage>
#include <QPushButton>
#include <QTimer>

// The owner-drawn button of the windows: a face in the classic, flat or design look with its
// colours and gradients, optional rounded corners, an optional bitmap as its picture, and a
// timed highlight with which windows show the clicked button or search hits.
class CDesktopButton : public QPushButton {
    Q_OBJECT
public:
    explicit CDesktopButton(QWidget* parent = nullptr);
    ~CDesktopButton() override;

    // index 0 face, 1 hot and highlighted face, 2 pressed face, 3 text and frame.
    void SetColor(int index, ButtonFace::ColorRef color);
    // index 0 normal, 1 hot and highlighted, 2 pressed; used by the design look.
    void SetGradientColor(int index, ButtonFace::ColorRef from, ButtonFace::ColorRef to);
    // 0 classic raised face, 1 flat, 2 design look with gradients.
    void SetUseXPLook(int look);
    void SetDrawRoundCorners(int on);
    // Shows the picture in file (any image format Qt reads) in the states that flags names:
    // 0x0100 normal, 0x0200 hot, 0x0400 pressed, 0x0800 disabled. An empty file removes it.
    void SetBitmapFile(const QString& file, int flags);
    // The same with an image at hand (one of an image list); a null image removes it.
    void SetBitmap(const QImage& image, int flags);
    // The button never becomes the dialog's default button, not even with the focus.
    void SetNoDefaultButton(int on);
    // on 1 highlights the button for milliseconds (0: until switched off); on 0 ends it.
    void WaitForModalDialog(int on, int milliseconds);

    // The button as it looks now, painted into an image of its size times ratio (device
    // pixels per logical pixel); for screenshots, tests and page previews.
    QImage RenderToImage(qreal ratio);

    bool IsHighlighted() const { return m_highlighted; }
    bool HasBitmap() const { return !m_bitmap.isNull(); }
    const ButtonFace& Face() const { return m_face; }
    ButtonFace::State CurrentState() const;

    static constexpr int kBitmapNormal = 0x0100;
    static constexpr int kBitmapHot = 0x0200;
    static constexpr int kBitmapPressed = 0x0400;
    static constexpr int kBitmapDisabled = 0x0800;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // Paints the whole button; derived buttons paint the face first, then their content.
    virtual void PaintButton(QPainter& painter);
    // Paints the face in the state the button is in.
    void PaintFace(QPainter& painter);

private:
    void paintFrame(QPainter& painter, const ButtonFace& face, const QRectF& box,
                    ButtonFace::State state) const;

    ButtonFace m_face;
    bool m_roundCorners = true;
    bool m_noDefault = false;
    bool m_highlighted = false;
    QImage m_bitmap;
    int m_bitmapFlags = 0;
    QTimer m_highlightTimer;
};
