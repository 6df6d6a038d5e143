#pragma once

#include <string>
#include <string_view>

namespace orvmat {

enum class SourceTokenKind { Word, Text, Ref, Bar, Comma, Colon, Equals, LineEnd, End };

// One token of a catalogue source. `text` is the word, the text between the quotes with its
// escapes resolved, or the key of a reference; it stays valid until the next token is read.
struct SourceToken {
    SourceTokenKind kind = SourceTokenKind::End;
    std::string_view text;
    int line = 0;
};

// Where and why the text cannot be split into tokens.
struct SourceLexError {
    int line = 0;
    int column = 0; // in characters, from 1
    std::string message;
};

// The character the escape "\\e" of a quoted text stands for, 0 for an unknown escape.
char sourceEscape(char e);

// Splits catalogue source text into tokens, one at a time, so that a line of any length is
// read without a list of its tokens. Each line is checked to be UTF-8 before its first token;
// a '#' outside quotes ends it; a byte-order mark at the start is skipped. Tokens are views
// into the text, which must outlive the lexer.
class SourceLexer {
public:
    explicit SourceLexer(std::string_view text);

    // The next token, a LineEnd at the end of every line and End after the last one; false
    // with error() set where the text cannot be read.
    bool next(SourceToken& token);
    // The rest of the current line as written, for a statement with a form of its own (a
    // table path); the next token is the line's end.
    std::string_view restOfLine();
    const SourceLexError& error() const { return m_error; }

private:
    bool startLine();
    bool quoted(SourceToken& token, std::size_t open);
    bool fail(std::size_t at, std::string message);
    int columnOf(std::size_t at) const;

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_lineStart = 0;
    std::size_t m_lineEnd = 0; // the end of the current line's content, before "\r\n" or "\n"
    int m_line = 0;
    bool m_inLine = false;
    std::string m_unescaped; // a quoted text whose escapes were resolved
    SourceLexError m_error;
};

} // namespace orvmat
