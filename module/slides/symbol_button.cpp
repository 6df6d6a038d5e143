#include "symbol_button.h"

#include "slide.h"

#include <QEvent>
#include <QPainter>

CSymbolButton::CSymbolButton(QWidget* parent)
    : CDesktopButton(parent), m_pSlide(std::make_unique<CSlide>()) {}

CSymbolButton::~CSymbolButton() = default;

void CSymbolButton::SetSlideFile(const QString& file) {
    m_slideFile = file;
    // On the button face the slide's foreground colours draw black.
    m_pSlide->SetForegroundColor(0x000000);
    m_pSlide->Load(QString(), file);
    m_scaledValid = false;
}

void CSymbolButton::SetMarkCorner(int mark, int scale) {
    m_bMarkCorner = mark;
    m_bScaleMark = scale;
}

bool CSymbolButton::event(QEvent* event) {
    const bool handled = CDesktopButton::event(event);
    if (event->type() == QEvent::WindowIconChange) {
        SetSlideFile(m_slideFile);
        update();
    }
    return handled;
}

const QImage& CSymbolButton::ScaledSlide(const QRect& target) {
    if (m_scaledValid && m_scaledFor == target)
        return m_scaledSlide;
    m_scaledFor = target;
    m_scaledValid = true;
    m_scaledSlide = QImage(target.size() + QSize(2, 2), QImage::Format_ARGB32_Premultiplied);
    m_scaledSlide.fill(Qt::transparent);
    QPainter painter(&m_scaledSlide);
    m_pSlide->Draw(painter, QRect(QPoint(1, 1), target.size()), 0);
    return m_scaledSlide;
}

void CSymbolButton::PaintButton(QPainter& painter) {
    CDesktopButton::PaintButton(painter);
    const QRect client = rect().adjusted(1, 1, -1, -1);

    // The slide is mapped onto device pixels, so that on a high-density screen its lines keep
    // their full detail instead of being drawn on the coarser logical grid.
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.save();
    painter.scale(1.0 / ratio, 1.0 / ratio);
    const QRect deviceClient(QPoint(qRound(client.left() * ratio), qRound(client.top() * ratio)),
                             QSize(qRound(client.width() * ratio), qRound(client.height() * ratio)));
    // Where this painter maps device pixels one to one (a window's paint), the drawing kept for
    // this rectangle is copied over the face, with one pixel of room on every side: rounding
    // may put a line end just beyond the rectangle. Painters that scale further (a widget
    // rendered into an image of a higher ratio) get the slide drawn through their scaling.
    if (painter.deviceTransform().type() <= QTransform::TxTranslate) {
        if (m_pSlide->IsLoaded())
            painter.drawImage(deviceClient.topLeft() - QPoint(1, 1), ScaledSlide(deviceClient));
    } else {
        m_pSlide->Draw(painter, deviceClient, 0);
    }
    painter.restore();

    if (m_bMarkCorner) {
        painter.save();
        const int n = CornerMarkStrokeCount(client.width(), client.height(), m_bScaleMark != 0);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(ColorFromColorRef(g_cornerMarkColor), 1));
        const std::vector<QLine> strokes = CornerMarkStrokes(client, n);
        painter.drawLines(strokes.data(), int(strokes.size()));
        painter.restore();
    }
}
