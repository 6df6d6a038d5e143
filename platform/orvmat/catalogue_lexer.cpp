#include "orvmat/catalogue_lexer.h"

#include "corekit/utf8_check.h"

#include <cstdio>
#include <cstring>

namespace orvmat {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool isWordChar(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.' || c == '/' || c == '+' || c >= 0x80;
}

// A character as a message shows it: control characters by their code.
std::string shown(unsigned char c) {
    if (c >= 0x20 && c < 0x7F)
        return std::string(1, char(c));
    char code[8];
    std::snprintf(code, sizeof code, "\\x%02X", unsigned(c));
    return code;
}

} // namespace

char sourceEscape(char e) {
    switch (e) {
    case 'n':
        return '\n';
    case 't':
        return '\t';
    case 'r':
        return '\r';
    case '"':
    case '\\':
        return e;
    default:
        return 0;
    }
}

SourceLexer::SourceLexer(std::string_view text) : m_text(text) {
    if (m_text.substr(0, 3) == "\xEF\xBB\xBF")
        m_pos = m_lineStart = 3;
}

int SourceLexer::columnOf(std::size_t at) const {
    int column = 1;
    for (std::size_t i = m_lineStart; i < at; ++i)
        column += (static_cast<unsigned char>(m_text[i]) & 0xC0) != 0x80; // continuation bytes do not count
    return column;
}

bool SourceLexer::fail(std::size_t at, std::string message) {
    m_error = {m_line, columnOf(at), std::move(message)};
    return false;
}

// Finds the end of the line that starts at m_pos and checks that it is UTF-8.
bool SourceLexer::startLine() {
    m_lineStart = m_pos;
    ++m_line;
    const void* newline = std::memchr(m_text.data() + m_pos, '\n', m_text.size() - m_pos);
    m_lineEnd = newline ? std::size_t(static_cast<const char*>(newline) - m_text.data()) : m_text.size();
    if (m_lineEnd > m_pos && m_text[m_lineEnd - 1] == '\r')
        --m_lineEnd;
    m_inLine = true;
    // A database keeps its texts as C strings, which would end at a NUL.
    if (const void* nul = std::memchr(m_text.data() + m_pos, '\0', m_lineEnd - m_pos))
        return fail(std::size_t(static_cast<const char*>(nul) - m_text.data()),
                    "a NUL character is not allowed");
    const qsizetype invalid =
        FindInvalidUtf8(QByteArray::fromRawData(m_text.data() + m_pos, qsizetype(m_lineEnd - m_pos)));
    if (invalid < 0)
        return true;
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02X", unsigned(static_cast<unsigned char>(m_text[m_pos + invalid])));
    return fail(m_pos + std::size_t(invalid), std::string("the text is not UTF-8 here (byte ") + byte + ")");
}

bool SourceLexer::next(SourceToken& token) {
    if (!m_inLine) {
        if (m_pos >= m_text.size()) {
            token = {SourceTokenKind::End, {}, m_line};
            return true;
        }
        if (!startLine())
            return false;
    }
    while (m_pos < m_lineEnd && isBlank(m_text[m_pos]))
        ++m_pos;
    token.line = m_line;
    if (m_pos >= m_lineEnd || m_text[m_pos] == '#') {
        const std::size_t newline = m_text.find('\n', m_lineEnd);
        m_pos = newline == std::string_view::npos ? m_text.size() : newline + 1;
        m_inLine = false;
        token.kind = SourceTokenKind::LineEnd;
        token.text = {};
        return true;
    }
    const std::size_t start = m_pos;
    const unsigned char c = m_text[m_pos];
    switch (c) {
    case '|':
    case ',':
    case ':':
    case '=':
        token.kind = c == '|'   ? SourceTokenKind::Bar
                     : c == ',' ? SourceTokenKind::Comma
                     : c == ':' ? SourceTokenKind::Colon
                                : SourceTokenKind::Equals;
        token.text = m_text.substr(m_pos++, 1);
        return true;
    default:
        break;
    }
    const bool ref = c == '@';
    if (ref)
        ++m_pos;
    if (m_pos < m_lineEnd && m_text[m_pos] == '"') {
        token.kind = ref ? SourceTokenKind::Ref : SourceTokenKind::Text;
        return quoted(token, m_pos);
    }
    while (m_pos < m_lineEnd && isWordChar(static_cast<unsigned char>(m_text[m_pos])))
        ++m_pos;
    if (m_pos == start + (ref ? 1 : 0))
        return fail(m_pos, ref ? "'@' must be followed by a key" : "unexpected character '" + shown(c) + "'");
    token.kind = ref ? SourceTokenKind::Ref : SourceTokenKind::Word;
    token.text = m_text.substr(start + (ref ? 1 : 0), m_pos - start - (ref ? 1 : 0));
    return true;
}

// A quoted text on one line. Without escapes it is a view into the source; with escapes the
// resolved text is built once.
bool SourceLexer::quoted(SourceToken& token, std::size_t open) {
    std::size_t i = open + 1;
    std::size_t plainEnd = std::string_view::npos; // where the first escape starts
    m_unescaped.clear();
    while (i < m_lineEnd) {
        const char d = m_text[i];
        if (d == '"') {
            token.text = plainEnd == std::string_view::npos ? m_text.substr(open + 1, i - open - 1)
                                                            : std::string_view(m_unescaped);
            m_pos = i + 1;
            return true;
        }
        if (d != '\\') {
            if (plainEnd != std::string_view::npos)
                m_unescaped += d;
            ++i;
            continue;
        }
        if (plainEnd == std::string_view::npos) {
            plainEnd = i;
            m_unescaped.assign(m_text.substr(open + 1, i - open - 1));
        }
        if (i + 1 >= m_lineEnd)
            break;
        const char e = m_text[i + 1];
        const char meant = sourceEscape(e);
        if (!meant)
            return fail(i, "unknown escape \\" + shown(static_cast<unsigned char>(e)) + " in a quoted text");
        m_unescaped += meant;
        i += 2;
    }
    return fail(open, "quoted text is not closed on its line");
}

std::string_view SourceLexer::restOfLine() {
    if (!m_inLine)
        return {};
    const std::string_view rest = m_text.substr(m_pos, m_lineEnd - m_pos);
    m_pos = m_lineEnd;
    return rest;
}

} // namespace orvmat
