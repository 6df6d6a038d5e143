#include "button_face.h"

bool ButtonFace::SetColor(int index, ColorRef color) {
    if (index < 0 || index >= ColorCount)
        return false;
    m_colors[size_t(index)] = color;
    m_set[size_t(index)] = true;
    return true;
}

bool ButtonFace::SetGradientColor(int index, ColorRef from, ColorRef to) {
    if (index < 0 || index >= GradientCount)
        return false;
    m_gradients[size_t(index)] = {from, to};
    return true;
}

ButtonFace::Fill ButtonFace::fillFor(State state) const {
    if (m_look == Design) {
        const int g = state == State::Pressed                                ? PressedGradient
                      : (state == State::Hot || state == State::Highlighted) ? HotGradient
                                                                             : NormalGradient;
        return {ToColor(m_gradients[size_t(g)][0]), ToColor(m_gradients[size_t(g)][1])};
    }
    const int c = state == State::Pressed                                ? Pressed
                  : (state == State::Hot || state == State::Highlighted) ? Hot
                                                                         : Face;
    const QColor plain = ToColor(m_colors[size_t(c)]);
    return {plain, plain};
}

QColor ButtonFace::textColor(State state) const {
    return state == State::Disabled ? QColor(0x80, 0x80, 0x80) : ToColor(m_colors[Text]);
}

namespace {
ButtonFace::ColorRef ToColorRef(const QColor& c) {
    return ButtonFace::ColorRef(c.red()) | ButtonFace::ColorRef(c.green()) << 8 |
           ButtonFace::ColorRef(c.blue()) << 16;
}
} // namespace

ButtonFace ButtonFace::WithPalette(const QPalette& palette) const {
    const QColor face = palette.color(QPalette::Button);
    const QColor highlight = palette.color(QPalette::Highlight);
    const QColor hot = QColor::fromRgbF(0.75f * face.redF() + 0.25f * highlight.redF(),
                                        0.75f * face.greenF() + 0.25f * highlight.greenF(),
                                        0.75f * face.blueF() + 0.25f * highlight.blueF());
    // Pressed moves away from the face towards the middle, darker on a light face.
    const QColor pressed = face.lightness() < 128 ? face.lighter(130) : face.darker(112);
    const std::array<QColor, 3> fromPalette{face, hot, pressed};
    ButtonFace result = *this;
    for (size_t i = 0; i < fromPalette.size(); ++i)
        if (!m_set[i])
            result.m_colors[i] = ToColorRef(fromPalette[i]);
    if (!m_set[Text]) {
        // On a face of the palette its text; on a face of one's own black or white, whichever
        // stands out.
        const QColor shown = result.fillFor(State::Normal).top;
        const bool paletteFace = m_look != Design && !m_set[Face];
        result.m_colors[Text] = ToColorRef(paletteFace               ? palette.color(QPalette::ButtonText)
                                           : shown.lightness() < 128 ? QColor(Qt::white)
                                                                     : QColor(Qt::black));
    }
    return result;
}
