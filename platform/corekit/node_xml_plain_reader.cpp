// The plain reader of the XML form: the documents our writer makes, read straight from their
// UTF-8 bytes. It takes a strict subset of XML and gives up on anything outside it (answers
// null), leaving the document to the stream reader:
//
//   - an optional byte-order mark and one of the declarations <?xml version="1.0"?> and
//     <?xml version="1.0" encoding="UTF-8"?>, then comments and blanks around one root;
//   - <node> and <leaf> elements with the attributes our writer sets (name or key), each once;
//   - the five predefined entities anywhere and character references in leaf text;
//   - no carriage return, tab or line break inside a value (XML rewrites them), no CDATA,
//     no processing instruction, no document type, no comment inside a leaf, no element
//     marked escaped="1" (rare; the stream reader's path decodes them).
//
// Errors are given up on too: the stream reader then reports them with their position.

#include "node_xml_readers.h"

#include "tree_items.h"
#include "utf8_check.h"
#include "utf8_names.h"

#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// What a byte means while a run of character data or an attribute value is read: nothing
// (part of the run) or a stop that needs a closer look.
enum Stop : uint8_t { kGoOn = 0, kStop = 1 };
using StopTable = std::array<uint8_t, 256>;

// Control characters that XML does not allow stop both kinds of run, and so does 0xEF, the
// lead byte of U+FFFE and U+FFFF, which it does not allow either.
constexpr StopTable stopsWith(std::string_view extra) {
    StopTable table{};
    for (int c = 0; c < 0x20; ++c)
        table[c] = kStop;
    table['\t'] = table['\n'] = kGoOn;
    table[0xEF] = kStop;
    for (const char c : extra)
        table[uint8_t(c)] = kStop;
    return table;
}
// Element text: markup, references, "]]>" and carriage returns (XML rewrites line ends).
constexpr StopTable kTextStops = stopsWith("<&]\r");
// Attribute values: as text, and the quotes, and blanks that XML would turn into spaces.
constexpr StopTable kValueStops = stopsWith("<&\"'\t\n\r");

bool isBlank(uint8_t c) {
    return c == ' ' || c == '\n' || c == '\t' || c == '\r';
}

class PlainXmlReader {
public:
    explicit PlainXmlReader(QByteArrayView text)
        : m_p(reinterpret_cast<const uint8_t*>(text.data())), m_end(m_p + text.size()) {}

    CNode* read() {
        skip("\xEF\xBB\xBF"); // a byte-order mark
        if (!skip("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") && !skip("<?xml version=\"1.0\"?>") &&
            startsWith("<?"))
            return nullptr;
        if (!skipBlanksAndComments() || !skip("<node"))
            return nullptr;
        std::unique_ptr<CNode> root(readTree());
        if (!root || !skipBlanksAndComments() || m_p != m_end)
            return nullptr;
        return root.release();
    }

private:
    bool atEnd() const { return m_p >= m_end; }
    std::size_t left() const { return std::size_t(m_end - m_p); }
    bool startsWith(std::string_view s) const {
        return left() >= s.size() && std::memcmp(m_p, s.data(), s.size()) == 0;
    }
    bool skip(std::string_view s) {
        if (!startsWith(s))
            return false;
        m_p += s.size();
        return true;
    }
    bool skipBlanks() {
        const uint8_t* start = m_p;
        while (!atEnd() && isBlank(*m_p))
            ++m_p;
        return m_p != start;
    }

    // Blanks and comments; false at a comment that is not taken.
    bool skipBlanksAndComments() {
        for (;;) {
            skipBlanks();
            if (!skip("<!--"))
                return true;
            if (!skipCommentBody())
                return false;
        }
    }

    // After "<!--": up to and past "-->"; "--" may not stand inside.
    bool skipCommentBody() {
        while (!atEnd()) {
            const uint8_t c = *m_p;
            if (c == '-') {
                if (startsWith("-->")) {
                    m_p += 3;
                    return true;
                }
                if (startsWith("--"))
                    return false;
            } else if ((c < 0x20 && !isBlank(c)) || atNonCharacter()) {
                return false;
            }
            ++m_p;
        }
        return false;
    }

    // Whether U+FFFE or U+FFFF starts here, two characters XML does not allow.
    bool atNonCharacter() const {
        return left() >= 3 && m_p[0] == 0xEF && m_p[1] == 0xBF && (m_p[2] == 0xBE || m_p[2] == 0xBF);
    }

    // After '&': a predefined entity or (in text) a character reference, its character
    // appended to `out`.
    bool readReference(std::string& out, bool characterReferences) {
        static constexpr std::pair<std::string_view, char> entities[] = {
            {"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"quot;", '"'}, {"apos;", '\''}};
        ++m_p;
        for (const auto& [name, c] : entities)
            if (skip(name)) {
                out += c;
                return true;
            }
        if (!characterReferences || !skip("#"))
            return false;
        const bool hex = skip("x");
        char32_t code = 0;
        int digits = 0;
        for (; !atEnd() && *m_p != ';'; ++m_p, ++digits) {
            const uint8_t c = *m_p;
            int digit = -1;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (hex && (c | 0x20) >= 'a' && (c | 0x20) <= 'f')
                digit = (c | 0x20) - 'a' + 10;
            if (digit < 0 || digits >= 8)
                return false;
            code = code * (hex ? 16 : 10) + char32_t(digit);
        }
        if (digits == 0 || !skip(";") || !NodeFormats::IsXmlChar(code))
            return false;
        const QByteArray character = QStringView(QChar::fromUcs4(code)).toUtf8();
        out.append(character.constData(), std::size_t(character.size()));
        return true;
    }

    // An attribute value after its opening quote, up to and past the closing one: a view of
    // the bytes when it holds no reference (`decoded` false), else the decoded bytes.
    bool readValue(uint8_t quote, std::string_view& value, bool& decoded) {
        const uint8_t* start = m_p;
        const uint8_t* run = m_p; // bytes not yet appended to the decoded value
        decoded = false;
        for (;;) {
            while (!atEnd() && !kValueStops[*m_p])
                ++m_p;
            if (atEnd())
                return false;
            const uint8_t c = *m_p;
            if (c == quote)
                break;
            if (c == '&') {
                appendDecoded(decoded, run);
                if (!readReference(m_decoded, false))
                    return false;
                run = m_p;
            } else if (c == '"' || c == '\'' || (c == 0xEF && !atNonCharacter())) {
                ++m_p;
            } else {
                return false;
            }
        }
        if (decoded) {
            appendDecoded(decoded, run);
            value = m_decoded;
        } else {
            value = std::string_view(reinterpret_cast<const char*>(start), std::size_t(m_p - start));
        }
        ++m_p;
        return true;
    }

    // Appends the bytes from `run` up to here to the decoded value, which starts empty.
    void appendDecoded(bool& decoded, const uint8_t* run) {
        if (!decoded)
            m_decoded.clear();
        decoded = true;
        m_decoded.append(reinterpret_cast<const char*>(run), std::size_t(m_p - run));
    }

    // The attributes of a <node> (`wanted` "name") or a <leaf> ("key") up to and past '>' or
    // "/>"; `empty` tells which.
    bool readAttributes(std::string_view wanted, QString& out, bool& empty) {
        bool found = false;
        bool seenEscaped = false;
        for (;;) {
            const bool blank = skipBlanks();
            if (skip(">")) {
                empty = false;
                return found;
            }
            if (skip("/>")) {
                empty = true;
                return found;
            }
            if (!blank)
                return false;
            const bool isWanted = skip(wanted);
            const bool isEscaped = !isWanted && skip("escaped");
            if (!(isWanted || isEscaped) || (isWanted && found) || (isEscaped && seenEscaped))
                return false;
            skipBlanks();
            if (!skip("="))
                return false;
            skipBlanks();
            if (atEnd() || (*m_p != '"' && *m_p != '\''))
                return false;
            std::string_view value;
            bool decoded = false;
            if (!readValue(*m_p++, value, decoded))
                return false;
            if (isEscaped) {
                if (value == "1")
                    return false; // decoded by the stream reader's path
                seenEscaped = true;
            } else {
                const QByteArrayView bytes(value.data(), qsizetype(value.size()));
                out = decoded ? Utf8ToString(bytes) : m_names.Intern(bytes);
                found = true;
            }
        }
    }

    // A leaf's text after its start tag, up to and past "</leaf>".
    bool readLeafText(LeafText& value) {
        const uint8_t* start = m_p;
        const uint8_t* run = m_p; // bytes not yet appended to the decoded value
        bool decoded = false;
        for (;;) {
            while (!atEnd() && !kTextStops[*m_p])
                ++m_p;
            if (atEnd())
                return false;
            const uint8_t c = *m_p;
            if (c == '<')
                break;
            if (c == '&') {
                appendDecoded(decoded, run);
                if (!readReference(m_decoded, true))
                    return false;
                run = m_p;
            } else if ((c == ']' && !startsWith("]]>")) || (c == 0xEF && !atNonCharacter())) {
                ++m_p;
            } else {
                return false;
            }
        }
        const uint8_t* textEnd = m_p;
        if (decoded)
            appendDecoded(decoded, run);
        if (!skip("</leaf"))
            return false;
        skipBlanks();
        if (!skip(">"))
            return false;
        if (decoded)
            value.assignUtf8(m_decoded.data(), qsizetype(m_decoded.size()));
        else
            value.assignUtf8(reinterpret_cast<const char*>(start), qsizetype(textEnd - start));
        return true;
    }

    bool readLeaf(CNode& parent) {
        QString key;
        bool empty = false;
        if (!readAttributes("key", key, empty))
            return false;
        LeafText value;
        if (!empty && !readLeafText(value))
            return false;
        parent.AddLeaf(new CLeaf(key, std::move(value)));
        return true;
    }

    // The root after "<node", down to and past its end tag; depth first with a stack of open
    // nodes, so the depth of a tree costs no call stack.
    CNode* readTree() {
        QString name;
        bool empty = false;
        if (!readAttributes("name", name, empty))
            return nullptr;
        auto root = std::make_unique<CNode>(name);
        if (empty) {
            root->ShrinkToFit();
            return root.release();
        }
        std::vector<CNode*> open{root.get()};
        while (!open.empty()) {
            if (!skipBlanksAndComments() || !skip("<"))
                return nullptr;
            if (skip("leaf")) {
                if (!readLeaf(*open.back()))
                    return nullptr;
            } else if (skip("node")) {
                if (int(open.size()) > NodeFormats::kMaxDepth || !readAttributes("name", name, empty))
                    return nullptr;
                CNode* child = open.back()->AddChild(name);
                if (empty)
                    child->ShrinkToFit();
                else
                    open.push_back(child);
            } else if (skip("/node")) {
                skipBlanks();
                if (!skip(">"))
                    return nullptr;
                open.back()->ShrinkToFit();
                open.pop_back();
            } else {
                return nullptr;
            }
        }
        return root.release();
    }

    const uint8_t* m_p;
    const uint8_t* m_end;
    std::string m_decoded; // a value holding references, decoded
    Utf8Names m_names;
};

} // namespace

namespace NodeFormats {

CNode* ReadPlainXml(QByteArrayView utf8) {
    return PlainXmlReader(utf8).read();
}

} // namespace NodeFormats
