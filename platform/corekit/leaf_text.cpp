#include "leaf_text.h"

#include "utf8_check.h"

#include <QByteArrayView>

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr int kInlineBytes = int(sizeof(std::uintptr_t)) - 1;
// The block starts with this header: the byte count, its top bit marking UTF-16 units.
using BlockHeader = std::uint32_t;
constexpr BlockHeader kUtf16Flag = 0x80000000u;

// The UTF-8 size of a text, or -1 when it holds a lone surrogate, which UTF-8 cannot carry.
qsizetype utf8Size(QStringView text) {
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();
    qsizetype bytes = n;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i];
        if (c < 0x80)
            continue;
        if (c < 0x800) {
            bytes += 1;
        } else if (c < 0xD800 || c > 0xDFFF) {
            bytes += 2;
        } else {
            if (c >= 0xDC00 || i + 1 >= n || p[i + 1] < 0xDC00 || p[i + 1] > 0xDFFF)
                return -1;
            bytes += 2; // four bytes for the two units
            ++i;
        }
    }
    return bytes;
}

// Writes the UTF-8 form of a text without lone surrogates; `out` has room for utf8Size bytes.
void encodeUtf8(QStringView text, char* out) {
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = p[i];
        if (c < 0x80) {
            *out++ = char(c);
        } else if (c < 0x800) {
            *out++ = char(0xC0 | (c >> 6));
            *out++ = char(0x80 | (c & 0x3F));
        } else if (c < 0xD800 || c > 0xDFFF) {
            *out++ = char(0xE0 | (c >> 12));
            *out++ = char(0x80 | ((c >> 6) & 0x3F));
            *out++ = char(0x80 | (c & 0x3F));
        } else {
            c = 0x10000 + ((c - 0xD800) << 10) + (p[++i] - 0xDC00);
            *out++ = char(0xF0 | (c >> 18));
            *out++ = char(0x80 | ((c >> 12) & 0x3F));
            *out++ = char(0x80 | ((c >> 6) & 0x3F));
            *out++ = char(0x80 | (c & 0x3F));
        }
    }
}

// A heap block with room for `bytes`, filled from `data` when given.
std::uintptr_t makeBlock(const void* data, std::size_t bytes, BlockHeader flag) {
    void* block = std::malloc(sizeof(BlockHeader) + bytes);
    if (!block)
        throw std::bad_alloc();
    const BlockHeader header = BlockHeader(bytes) | flag;
    std::memcpy(block, &header, sizeof header);
    if (data) // else the caller fills the bytes
        std::memcpy(static_cast<char*>(block) + sizeof header, data, bytes);
    return reinterpret_cast<std::uintptr_t>(block);
}

std::uintptr_t makeInline(const char* data, int bytes) {
    std::uintptr_t bits = 1u | (std::uintptr_t(bytes) << 1);
    for (int i = 0; i < bytes; ++i)
        bits |= std::uintptr_t(static_cast<unsigned char>(data[i])) << (8 * (i + 1));
    return bits;
}

BlockHeader headerOf(std::uintptr_t bits) {
    BlockHeader header;
    std::memcpy(&header, reinterpret_cast<const void*>(bits), sizeof header);
    return header;
}

} // namespace

LeafText::LeafText(const LeafText& other) {
    if (other.isInline() || other.m_bits == 0) {
        m_bits = other.m_bits;
        return;
    }
    const BlockHeader header = headerOf(other.m_bits);
    const std::size_t bytes = header & ~kUtf16Flag;
    m_bits =
        makeBlock(reinterpret_cast<const char*>(other.m_bits) + sizeof header, bytes, header & kUtf16Flag);
}

LeafText& LeafText::operator=(const LeafText& other) {
    if (this != &other) {
        LeafText copy(other);
        *this = std::move(copy);
    }
    return *this;
}

LeafText& LeafText::operator=(LeafText&& other) noexcept {
    if (this != &other) {
        release();
        m_bits = std::exchange(other.m_bits, 0);
    }
    return *this;
}

void LeafText::release() {
    if (m_bits != 0 && !isInline())
        std::free(reinterpret_cast<void*>(m_bits));
    m_bits = 0;
}

void LeafText::assign(QStringView text) {
    release();
    if (text.isEmpty())
        return;
    const qsizetype bytes = utf8Size(text);
    if (bytes < 0) {
        m_bits = makeBlock(text.utf16(), std::size_t(text.size()) * sizeof(char16_t), kUtf16Flag);
        return;
    }
    // Encoded straight into the object or its block: no text in between.
    if (bytes <= kInlineBytes) {
        char small[kInlineBytes];
        encodeUtf8(text, small);
        m_bits = makeInline(small, int(bytes));
        return;
    }
    m_bits = makeBlock(nullptr, std::size_t(bytes), 0);
    encodeUtf8(text, reinterpret_cast<char*>(m_bits) + sizeof(BlockHeader));
}

void LeafText::assignUtf8(const char* data, qsizetype size) {
    release();
    if (size <= 0)
        return;
    m_bits = size <= kInlineBytes ? makeInline(data, int(size)) : makeBlock(data, std::size_t(size), 0);
}

bool LeafText::utf8(const char*& data, qsizetype& size, char (&scratch)[sizeof(std::uintptr_t)]) const {
    if (m_bits == 0) {
        data = scratch;
        size = 0;
        return true;
    }
    if (isInline()) {
        size = qsizetype((m_bits >> 1) & 0x7F);
        for (qsizetype i = 0; i < size; ++i)
            scratch[i] = char((m_bits >> (8 * (i + 1))) & 0xFF);
        data = scratch;
        return true;
    }
    const BlockHeader header = headerOf(m_bits);
    if (header & kUtf16Flag)
        return false;
    data = reinterpret_cast<const char*>(m_bits) + sizeof header;
    size = qsizetype(header);
    return true;
}

QString LeafText::toString() const {
    if (m_bits == 0)
        return QString();
    if (isInline()) {
        char bytes[kInlineBytes];
        const int size = int((m_bits >> 1) & 0x7F);
        for (int i = 0; i < size; ++i)
            bytes[i] = char((m_bits >> (8 * (i + 1))) & 0xFF);
        return Utf8ToString(QByteArrayView(bytes, size));
    }
    const BlockHeader header = headerOf(m_bits);
    const char* data = reinterpret_cast<const char*>(m_bits) + sizeof header;
    const qsizetype bytes = qsizetype(header & ~kUtf16Flag);
    if (header & kUtf16Flag)
        return QString(reinterpret_cast<const QChar*>(data), bytes / qsizetype(sizeof(char16_t)));
    return Utf8ToString(QByteArrayView(data, bytes));
}
