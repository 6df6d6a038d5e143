#include "button_face.h"

bool ButtonFace::SetColor(int index, ColorRef color) {
    if (index < 0 || index >= ColorCount)
        return false;
    m_colors[size_t(index)] = color;
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
