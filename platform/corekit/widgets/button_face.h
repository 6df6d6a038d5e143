#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

#include <array>

// How a desktop button's face is coloured, without any widget: the button keeps one of these
// and asks it for the colours of the state it is in.
class ButtonFace {
public:
    // Colours are 0x00BBGGRR values, the form the host and the data use.
    using ColorRef = quint32;

    enum ColorIndex { Face = 0, Hot = 1, Pressed = 2, Text = 3, ColorCount = 4 };
    // The gradients of the design look: normal face, hot or highlighted face, pressed face.
    enum GradientIndex { NormalGradient = 0, HotGradient = 1, PressedGradient = 2, GradientCount = 3 };
    enum Look { Classic = 0, Flat = 1, Design = 2 };
    enum class State { Normal, Hot, Pressed, Highlighted, Disabled };

    struct Fill {
        QColor top; // a plain fill has top == bottom
        QColor bottom;
    };

    static QColor ToColor(ColorRef c) {
        return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
    }

    // Answers false for an index the button does not have.
    bool SetColor(int index, ColorRef color);
    bool SetGradientColor(int index, ColorRef from, ColorRef to);
    void SetLook(int look) { m_look = look <= 0 ? Classic : (look == 1 ? Flat : Design); }

    Look look() const { return m_look; }
    ColorRef color(int index) const { return m_colors.at(size_t(index)); }
    // The fill of the face in a state: gradients in the design look, plain colours otherwise.
    Fill fillFor(State state) const;
    QColor textColor(State state) const;
    // This face with the colours nobody set taken from a window's palette: the face, its hot
    // and pressed shades and the text, so that a button's picture and text stand out in a
    // light and in a dark palette alike.
    ButtonFace WithPalette(const QPalette& palette) const;

private:
    Look m_look = Classic;
    std::array<ColorRef, ColorCount> m_colors{0xE0E0E0, 0xF5E6CC, 0xC8C8C8, 0x000000};
    std::array<bool, ColorCount> m_set{}; // the colours given by SetColor
    std::array<std::array<ColorRef, 2>, GradientCount> m_gradients{
        {{0xF8F8F8, 0xD8D8D8}, {0xFFF0E0, 0xF0C890}, {0xFEFEFE, 0xD7D7D7}}};
};
