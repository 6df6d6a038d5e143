#include "corekit/widgets/desktop_button.h"

#include "corekit/whole_file.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal kCornerRadius = 3.0;
// A button picture is a few kilobytes; this is far beyond any.
constexpr qint64 kMaxBitmapFileBytes = qint64(16) << 20;

QPainterPath faceOutline(const QRectF& box, bool round) {
    QPainterPath path;
    if (round)
        path.addRoundedRect(box, kCornerRadius, kCornerRadius);
    else
        path.addRect(box);
    return path;
}

} // namespace

CDesktopButton::CDesktopButton(QWidget* parent) : QPushButton(parent) {
    // A child, so that tests find the timer and drive it instead of waiting for it.
    m_highlightTimer.setParent(this);
    m_highlightTimer.setObjectName(QStringLiteral("highlightTimer"));
    m_highlightTimer.setSingleShot(true);
    connect(&m_highlightTimer, &QTimer::timeout, this, [this] { WaitForModalDialog(0, 0); });
    setAttribute(Qt::WA_Hover);
}

CDesktopButton::~CDesktopButton() = default;

void CDesktopButton::SetColor(int index, ButtonFace::ColorRef color) {
    if (m_face.SetColor(index, color))
        update();
}

void CDesktopButton::SetGradientColor(int index, ButtonFace::ColorRef from, ButtonFace::ColorRef to) {
    if (m_face.SetGradientColor(index, from, to))
        update();
}

void CDesktopButton::SetUseXPLook(int look) {
    m_face.SetLook(look);
    update();
}

void CDesktopButton::SetDrawRoundCorners(int on) {
    m_roundCorners = on != 0;
    update();
}

void CDesktopButton::SetBitmapFile(const QString& file, int flags) {
    const std::optional<QByteArray> bytes =
        file.isEmpty() ? std::nullopt : ReadWholeFile(file, kMaxBitmapFileBytes);
    SetBitmap(bytes ? QImage::fromData(*bytes) : QImage(), flags);
}

void CDesktopButton::SetBitmap(const QImage& image, int flags) {
    m_bitmap = image;
    m_bitmapFlags = flags;
    update();
}

void CDesktopButton::SetNoDefaultButton(int on) {
    m_noDefault = on != 0;
    if (m_noDefault) {
        setAutoDefault(false);
        setDefault(false);
    }
}

void CDesktopButton::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    // A push button in a dialog may take the default role when it gets the focus.
    if (m_noDefault)
        setDefault(false);
}

void CDesktopButton::WaitForModalDialog(int on, int milliseconds) {
    m_highlightTimer.stop();
    m_highlighted = on != 0;
    if (m_highlighted && milliseconds > 0)
        m_highlightTimer.start(milliseconds);
    update();
}

ButtonFace::State CDesktopButton::CurrentState() const {
    if (!isEnabled())
        return ButtonFace::State::Disabled;
    if (isDown() || isChecked())
        return ButtonFace::State::Pressed;
    if (m_highlighted)
        return ButtonFace::State::Highlighted;
    if (underMouse())
        return ButtonFace::State::Hot;
    return ButtonFace::State::Normal;
}

void CDesktopButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintButton(painter);
    // Keyboard users see where they are.
    if (hasFocus()) {
        painter.setPen(QPen(m_face.WithPalette(palette()).textColor(CurrentState()), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void CDesktopButton::PaintButton(QPainter& painter) {
    PaintFace(painter);
}

QImage CDesktopButton::RenderToImage(qreal ratio) {
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintButton(painter);
    return image;
}

void CDesktopButton::PaintFace(QPainter& painter) {
    const ButtonFace::State state = CurrentState();
    const ButtonFace face = m_face.WithPalette(palette());
    const ButtonFace::Fill fill = face.fillFor(state);
    const bool round = m_roundCorners && face.look() != ButtonFace::Classic;
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, round);
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, fill.top);
    gradient.setColorAt(1, fill.bottom);
    painter.fillPath(faceOutline(box, round), QBrush(gradient));
    paintFrame(painter, face, box, state);
    painter.restore();

    const int stateFlag = state == ButtonFace::State::Disabled  ? kBitmapDisabled
                          : state == ButtonFace::State::Pressed ? kBitmapPressed
                          : (state == ButtonFace::State::Hot || state == ButtonFace::State::Highlighted)
                              ? kBitmapHot
                              : kBitmapNormal;
    if (!m_bitmap.isNull() && (m_bitmapFlags & stateFlag)) {
        const QSize room = rect().adjusted(2, 2, -2, -2).size();
        QSize shown = m_bitmap.size();
        if (shown.width() > room.width() || shown.height() > room.height())
            shown.scale(room, Qt::KeepAspectRatio);
        QRect target(QPoint(), shown);
        target.moveCenter(rect().center());
        if (state == ButtonFace::State::Pressed)
            target.translate(1, 1);
        painter.drawImage(target, m_bitmap);
    }
    if (!text().isEmpty()) {
        painter.setPen(face.textColor(state));
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
}

void CDesktopButton::paintFrame(QPainter& painter, const ButtonFace& face, const QRectF& box,
                                ButtonFace::State state) const {
    const bool round = m_roundCorners && face.look() != ButtonFace::Classic;
    const bool pressed = state == ButtonFace::State::Pressed;
    if (face.look() == ButtonFace::Classic) {
        // Raised: light upper-left edges, dark lower-right edges; pressed swaps them. The
        // palette's edges, so that a dark face does not get a glaring white rim.
        const QColor lit = palette().color(QPalette::Light);
        const QColor shade = palette().color(QPalette::Dark);
        const QColor light = pressed ? shade : lit;
        const QColor dark = pressed ? lit : shade;
        const QRect r = rect();
        painter.setPen(light);
        painter.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
        painter.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
        painter.setPen(dark);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    } else {
        painter.setPen(QPen(ButtonFace::ToColor(face.color(ButtonFace::Text)), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(faceOutline(box, round));
    }
    if (state == ButtonFace::State::Highlighted) {
        // The highlight must show in every look and over every face colour.
        const ButtonFace::Fill hot = face.fillFor(ButtonFace::State::Hot);
        painter.setPen(QPen(hot.bottom.darker(140), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(faceOutline(box.adjusted(1, 1, -1, -1), round));
    }
}
