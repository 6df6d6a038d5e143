#pragma once

#include <QByteArray>

#include <initializer_list>

namespace orvane::test {

// Slide bytes written out by hand, independent of the slide writer: the 31-byte header
// (little-endian unless swapped) followed by the given record words and raw bytes.
class SlideBytes {
public:
    SlideBytes(int width, int height, bool swapped = false) : m_swapped(swapped) {
        m_bytes.append("AutoCAD Slide\r\n\x1a", 16);
        m_bytes.append('\0');
        m_bytes.append(char(0x56));
        m_bytes.append(char(2));
        words({width, height, 0, 0, 2, 0x1234});
    }
    SlideBytes& words(std::initializer_list<int> values) {
        for (int v : values) {
            const char low = char(v & 0xFF), high = char((v >> 8) & 0xFF);
            m_bytes.append(m_swapped ? high : low);
            m_bytes.append(m_swapped ? low : high);
        }
        return *this;
    }
    SlideBytes& bytes(std::initializer_list<int> values) {
        for (int v : values)
            m_bytes.append(char(v & 0xFF));
        return *this;
    }
    SlideBytes& end() { return words({0xFC00}); }
    const QByteArray& data() const { return m_bytes; }

private:
    QByteArray m_bytes;
    bool m_swapped;
};

} // namespace orvane::test
