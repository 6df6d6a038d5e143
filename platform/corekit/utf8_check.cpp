#include "utf8_check.h"

#include <QStringDecoder>

#include <cstdint>
#include <cstring>

namespace {

// True when one of the eight bytes has its high bit set or, with `nul`, is zero.
bool wordNeedsLook(std::uint64_t w, bool nul) {
    constexpr std::uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
    return (w & highs) != 0 || (nul && ((w - ones) & ~w & highs) != 0);
}

qsizetype findMalformed(const QByteArray& bytes, bool nulIsMalformed) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        // Plain ASCII, the bulk of every file, eight bytes at a time.
        if (i + 8 <= size) {
            std::uint64_t word;
            std::memcpy(&word, data + i, 8);
            if (!wordNeedsLook(word, nulIsMalformed)) {
                i += 8;
                continue;
            }
        }
        const unsigned char c = data[i];
        if (c == 0 && nulIsMalformed)
            return i;
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                low = 0xA0;
            if (c == 0xED)
                high = 0x9F; // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                low = 0x90;
            if (c == 0xF4)
                high = 0x8F;
        } else {
            return i;
        }
        if (i + length > size)
            return i;
        if (data[i + 1] < low || data[i + 1] > high)
            return i;
        for (int k = 2; k < length; ++k)
            if ((data[i + k] & 0xC0) != 0x80)
                return i;
        i += length;
    }
    return -1;
}

} // namespace

qsizetype FindInvalidUtf8(const QByteArray& bytes) {
    return findMalformed(bytes, false);
}

qsizetype FindInvalidUtf8OrNul(const QByteArray& bytes) {
    return findMalformed(bytes, true);
}

QString Utf8ToString(QByteArrayView bytes) {
    if (!bytes.startsWith(QByteArrayView("\xEF\xBB\xBF", 3)))
        return QString::fromUtf8(bytes);
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(bytes);
}
