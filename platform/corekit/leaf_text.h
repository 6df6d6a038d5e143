#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <utility>

// The value text of a leaf in the size of one pointer. A large symbol library holds hundreds
// of thousands of leaves, most with short values ("0", "1", "33"), so the text is kept as
// UTF-8: up to seven bytes in the object itself, longer ones in one heap block holding the
// length and the bytes. A text that UTF-8 cannot carry exactly (one with a lone surrogate)
// keeps its UTF-16 units in the block, so that every text comes back as it was stored.
class LeafText {
public:
    LeafText() = default;
    explicit LeafText(QStringView text) { assign(text); }
    LeafText(const LeafText& other);
    LeafText(LeafText&& other) noexcept : m_bits(std::exchange(other.m_bits, 0)) {}
    LeafText& operator=(const LeafText& other);
    LeafText& operator=(LeafText&& other) noexcept;
    ~LeafText() { release(); }

    void assign(QStringView text);
    // Takes well-formed UTF-8 as it is: no detour through UTF-16.
    void assignUtf8(const char* data, qsizetype size);
    QString toString() const;
    bool isEmpty() const { return m_bits == 0; }

    // The stored UTF-8 bytes, read in place; an inline text is copied into `scratch`. False
    // for a text kept as UTF-16 units (one with a lone surrogate): use toString().
    bool utf8(const char*& data, qsizetype& size, char (&scratch)[sizeof(std::uintptr_t)]) const;

private:
    void release();
    bool isInline() const { return (m_bits & 1u) != 0; }

    // 0: empty. Low bit set: an inline text, its length in bits 1..7 and its bytes from bit 8
    // on. Otherwise the address of the heap block (malloc keeps the low bit clear).
    std::uintptr_t m_bits = 0;
};
