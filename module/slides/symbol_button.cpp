#include "symbol_button.h"

#include "slide.h"
#include "slide_colors.h"

#include <QEvent>
#include <QPainter>

CSymbolButton::CSymbolButton(QWidget* parent)
    : CDesktopButton(parent), m_pSlide(std::make_unique<CSlide>()) {}

CSymbolButton::~CSymbolButton() = default;

void CSymbolButton::SetSlideFile(const QString& file) {
    m_slideFile = file;
    m_pSlide->Load(QString(), file);
    m_scaledSlide = QPixmap();
}

void CSymbolButton::SetKeepDrawing(bool keep) {
    m_keepDrawing = keep;
    m_scaledSlide = QPixmap();
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

const QPixmap& CSymbolButton::ScaledSlide(const QSize& deviceSize, qreal ratio) {
    if (!m_scaledSlide.isNull() && m_scaledFor == deviceSize && m_scaledRatio == ratio)
        return m_scaledSlide;
    m_scaledFor = deviceSize;
    m_scaledRatio = ratio;
    m_scaledSlide = QPixmap(deviceSize + QSize(2, 2));
    m_scaledSlide.fill(Qt::transparent);
    {
        QPainter painter(&m_scaledSlide);
        m_pSlide->Draw(painter, QRect(QPoint(1, 1), deviceSize), 0);
    }
    m_scaledSlide.setDevicePixelRatio(ratio);
    return m_scaledSlide;
}

void CSymbolButton::PaintSlide(QPainter& painter, const QRect& client) {
    // The slide is mapped onto device pixels, so that on a high-density screen its lines keep
    // their full detail instead of being drawn on the coarser logical grid. Where the painter
    // only moves and scales, its scale says how many device pixels a logical one covers, also
    // where the device says otherwise (a widget rendered into an image of a higher ratio).
    const QTransform& transform = painter.deviceTransform();
    const bool scalesOnly = transform.type() <= QTransform::TxScale && transform.m11() > 0 &&
                            qFuzzyCompare(transform.m11(), transform.m22());
    const qreal ratio = scalesOnly ? transform.m11() : painter.device()->devicePixelRatioF();
    const QRect deviceClient(QPoint(qRound(client.left() * ratio), qRound(client.top() * ratio)),
                             QSize(qRound(client.width() * ratio), qRound(client.height() * ratio)));
    if (scalesOnly && m_keepDrawing) {
        // The kept drawing has one pixel of room on every side (rounding may put a line end
        // just beyond the rectangle); its pixel ratio makes it cover device pixels one to one.
        painter.drawPixmap(QPointF(deviceClient.topLeft() - QPoint(1, 1)) / ratio,
                           ScaledSlide(deviceClient.size(), ratio));
        return;
    }
    painter.save();
    painter.scale(1.0 / ratio, 1.0 / ratio);
    m_pSlide->Draw(painter, deviceClient, 0);
    painter.restore();
}

void CSymbolButton::PaintButton(QPainter& painter) {
    CDesktopButton::PaintButton(painter);
    const QRect client = rect().adjusted(1, 1, -1, -1);
    // The slide's foreground lines in the colour of the face's text: black on a light face,
    // light on a dark one.
    const COLORREF ink =
        ColorRefFromColor(Face().WithPalette(palette()).textColor(ButtonFace::State::Normal));
    if (ink != m_pSlide->ForegroundColor()) {
        m_pSlide->SetForegroundColor(ink);
        m_scaledSlide = QPixmap();
    }
    if (m_pSlide->IsLoaded())
        PaintSlide(painter, client);

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
