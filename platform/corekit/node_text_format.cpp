// The text form of node trees:
//
//   # a comment
//   Root {
//     Version = "1"
//     Pages {
//       Page { DisplayName = "Heizung" }
//     }
//   }
//
// A node is a name and a block in braces; a leaf is a key, '=' and a value in double quotes.
// Names and keys made of letters, digits and "_.-+$" stand bare, any other is quoted. Inside
// quotes: \\ \" \n \r \t and \uXXXX; a raw line break is not allowed there. Leaves are
// written before the children of a node.

#include "tree_items.h"
#include "utf8_check.h"
#include "utf8_names.h"

#include <QStringView>

#include <algorithm>
#include <vector>

namespace {

bool isBareChar(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' ||
           c == u'.' || c == u'-' || c == u'+' || c == u'$';
}

bool canStandBare(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (!isBareChar(c.unicode()))
            return false;
    return true;
}

// Builds the UTF-8 text in a buffer that goes to the sink in blocks, each ending with a whole
// line, so that the text is never held whole unless the sink keeps it.
class Utf8Writer {
public:
    explicit Utf8Writer(const NodeFormats::TextSink& sink) : m_sink(sink) { m_out.reserve(kBlock + 1024); }

    void ascii(const char* text) { m_out.append(text); }
    void ascii(char c) { m_out.append(c); }
    void indent(int depth) {
        m_out.append(qsizetype(std::min(depth, NodeFormats::kMaxIndentDepth) * 2), ' ');
    }

    void name(const QString& name) {
        if (!canStandBare(name)) {
            quoted(name);
            return;
        }
        for (QChar c : name)
            m_out.append(char(c.unicode()));
    }

    void quoted(QStringView text) {
        m_out.append('"');
        const qsizetype n = text.size();
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = text[i].unicode();
            if (c < 0x80) {
                asciiInQuotes(c);
            } else if (QChar::isHighSurrogate(c) && i + 1 < n &&
                       QChar::isLowSurrogate(text[i + 1].unicode())) {
                codePoint(QChar::surrogateToUcs4(c, text[i + 1].unicode()));
                ++i;
            } else if (QChar::isSurrogate(c)) {
                hex4(c); // a lone surrogate has no UTF-8 form
            } else {
                codePoint(c);
            }
        }
        m_out.append('"');
    }

    // A stored value: its UTF-8 bytes are copied as they are, only ASCII needs escaping.
    void quoted(const LeafText& text) {
        const char* data = nullptr;
        qsizetype size = 0;
        char scratch[sizeof(std::uintptr_t)];
        if (!text.utf8(data, size, scratch)) {
            quoted(text.toString());
            return;
        }
        m_out.append('"');
        qsizetype run = 0; // bytes that need no escape, appended together
        for (qsizetype i = 0; i < size; ++i) {
            const auto c = static_cast<unsigned char>(data[i]);
            if (c >= 0x80 || (c >= 0x20 && c != 0x7F && c != '"' && c != '\\'))
                continue;
            m_out.append(data + run, i - run);
            asciiInQuotes(c);
            run = i + 1;
        }
        m_out.append(data + run, size - run);
        m_out.append('"');
    }

    // Ends a line: hands a full block to the sink.
    void endLine() {
        m_out.append('\n');
        if (m_out.size() >= kBlock)
            flush();
    }

    bool finish() {
        flush();
        return m_ok;
    }

private:
    static constexpr qsizetype kBlock = 64 * 1024;

    void flush() {
        if (m_ok && !m_out.isEmpty())
            m_ok = m_sink(QByteArrayView(m_out));
        m_out.clear();
    }

    void asciiInQuotes(char16_t c) {
        switch (c) {
        case u'"':
            m_out.append("\\\"");
            break;
        case u'\\':
            m_out.append("\\\\");
            break;
        case u'\n':
            m_out.append("\\n");
            break;
        case u'\r':
            m_out.append("\\r");
            break;
        case u'\t':
            m_out.append("\\t");
            break;
        default:
            if (c < 0x20 || c == 0x7F)
                hex4(c);
            else
                m_out.append(char(c));
        }
    }

    void hex4(char16_t c) {
        static const char digits[] = "0123456789ABCDEF";
        m_out.append("\\u");
        for (int shift = 12; shift >= 0; shift -= 4)
            m_out.append(digits[(c >> shift) & 0xF]);
    }

    void codePoint(char32_t c) {
        if (c < 0x800) {
            m_out.append(char(0xC0 | (c >> 6)));
        } else if (c < 0x10000) {
            m_out.append(char(0xE0 | (c >> 12)));
            m_out.append(char(0x80 | ((c >> 6) & 0x3F)));
        } else {
            m_out.append(char(0xF0 | (c >> 18)));
            m_out.append(char(0x80 | ((c >> 12) & 0x3F)));
            m_out.append(char(0x80 | ((c >> 6) & 0x3F)));
        }
        if (c >= 0x80)
            m_out.append(char(0x80 | (c & 0x3F)));
    }

    const NodeFormats::TextSink& m_sink;
    QByteArray m_out;
    bool m_ok = true;
};

// Writes the name and the leaves of a node; false when it has nothing inside (written "{}").
bool openNode(Utf8Writer& out, const CNode& node, int depth) {
    out.indent(depth);
    out.name(node.GetName());
    if (node.NrOfLeaves() == 0 && node.NrOfChildren() == 0) {
        out.ascii(" {}");
        out.endLine();
        return false;
    }
    out.ascii(" {");
    out.endLine();
    for (const auto& leaf : node.Leaves()) {
        out.indent(depth + 1);
        out.name(leaf->GetKey());
        out.ascii(" = ");
        out.quoted(leaf->RawText());
        out.endLine();
    }
    return true;
}

// Depth first with a stack of open nodes, so the depth of a tree costs no call stack.
void writeTree(Utf8Writer& out, const CNode& root) {
    struct Open {
        const CNode* node;
        std::size_t nextChild;
    };
    std::vector<Open> open;
    if (openNode(out, root, 0))
        open.push_back({&root, 0});
    while (!open.empty()) {
        Open& top = open.back();
        if (top.nextChild < top.node->Children().size()) {
            const CNode& child = *top.node->Children()[top.nextChild++];
            if (openNode(out, child, int(open.size())))
                open.push_back({&child, 0});
            continue;
        }
        open.pop_back();
        out.indent(int(open.size()));
        out.ascii('}');
        out.endLine();
    }
}

// Reads the text form straight from its UTF-8 bytes (checked to be well-formed before).
// Positions are kept as byte offsets; line and column (in characters) are worked out only
// when an error is reported. Values without escapes go into their leaves as the bytes stand.
class TextReader {
public:
    TextReader(QByteArrayView text, TreeReadError* error, const NodeFormats::ReleaseBytes& release)
        : m_text(text), m_error(error), m_release(release) {}

    CNode* read() {
        skipBlanksAndComments();
        if (atEnd())
            return fail(m_pos, QStringLiteral("the text holds no node"));
        auto root = std::unique_ptr<CNode>(readNode(0));
        if (!root)
            return nullptr;
        skipBlanksAndComments();
        if (atEnd())
            return root.release();
        // A '}' too many closed the root early, wherever it stands; its indentation tells.
        if (m_strayBrace >= 0)
            return fail(m_strayBrace, QStringLiteral("stray '}': it closes the node '%1' of line %2, "
                                                     "whose indentation differs")
                                          .arg(m_strayClosed)
                                          .arg(NodeFormats::ErrorAt(m_text, m_strayOpened, {}).line));
        return fail(m_pos, QStringLiteral("unexpected text after the root node"));
    }

private:
    static constexpr int kMaxDepth = NodeFormats::kMaxDepth;

    // A quoted text as read: the bytes between the quotes when it holds no escape, else the
    // decoded text.
    struct Quoted {
        QByteArrayView bytes;
        QString decoded;
        bool escaped = false;
    };

    bool atEnd() const { return m_pos >= m_text.size(); }
    unsigned char peek() const { return static_cast<unsigned char>(m_text[m_pos]); }
    bool byteOrderMarkAt(qsizetype at) const {
        return m_text.size() - at >= 3 && m_text.sliced(at, 3) == QByteArrayView("\xEF\xBB\xBF");
    }

    CNode* fail(qsizetype offset, const QString& message) {
        if (m_error && !m_failed)
            *m_error = NodeFormats::ErrorAt(m_text, offset, message);
        m_failed = true;
        return nullptr;
    }

    void skipBlanksAndComments() {
        while (!atEnd()) {
            const unsigned char c = peek();
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                ++m_pos;
            } else if (c == 0xEF && byteOrderMarkAt(m_pos)) {
                m_pos += 3;
            } else if (c == '#') {
                const qsizetype end = m_text.indexOf('\n', m_pos);
                m_pos = end < 0 ? m_text.size() : end;
            } else {
                break;
            }
        }
    }

    // The indentation of the line at `at` when only blanks stand before it there, else -1.
    int indentationBefore(qsizetype at) const {
        qsizetype start = at;
        while (start > 0 && (m_text[start - 1] == ' ' || m_text[start - 1] == '\t'))
            --start;
        const bool first = start == 0 || m_text[start - 1] == '\n' || (start == 3 && byteOrderMarkAt(0));
        return first ? int(at - start) : -1;
    }

    // Notes the first '}' that closes a node at another indentation than the node's name
    // stands at, each on a line of its own: the likely stray one when the braces do not match.
    void noteClosingBrace(qsizetype nameAt, int nameIndentation, const QString& name) {
        if (m_strayBrace >= 0 || nameIndentation < 0)
            return;
        const int braceIndentation = indentationBefore(m_pos);
        if (braceIndentation >= 0 && braceIndentation != nameIndentation) {
            m_strayBrace = m_pos;
            m_strayOpened = nameAt;
            m_strayClosed = name;
        }
    }

    // The character at a byte offset, for messages.
    QString characterAt(qsizetype at) const {
        qsizetype end = at + 1;
        while (end < m_text.size() && (static_cast<unsigned char>(m_text[end]) & 0xC0) == 0x80)
            ++end;
        return QString::fromUtf8(m_text.sliced(at, end - at));
    }

    // A bare or quoted name; `ok` false after an error.
    QString readName(bool& ok) {
        ok = true;
        if (atEnd()) {
            ok = false;
            fail(m_pos, QStringLiteral("a name is missing at the end of the text"));
            return {};
        }
        if (peek() == '"') {
            Quoted quoted;
            if (!readQuoted(quoted)) {
                ok = false;
                return {};
            }
            return quoted.escaped ? quoted.decoded : m_names.Intern(quoted.bytes);
        }
        const qsizetype start = m_pos;
        while (!atEnd() && isBareChar(peek()))
            ++m_pos;
        if (m_pos == start) {
            ok = false;
            fail(m_pos, QStringLiteral("unexpected character '%1'").arg(characterAt(m_pos)));
            return {};
        }
        return m_names.Intern(m_text.sliced(start, m_pos - start));
    }

    bool readQuoted(Quoted& out) {
        const qsizetype open = m_pos++;
        const qsizetype start = m_pos;
        // Fast path: no escape inside.
        while (!atEnd()) {
            const unsigned char c = peek();
            if (c == '"') {
                out.bytes = m_text.sliced(start, m_pos - start);
                ++m_pos;
                return true;
            }
            if (c == '\\' || c == '\n')
                break;
            ++m_pos;
        }
        out.escaped = true;
        QString& value = out.decoded;
        qsizetype run = start; // bytes without escape not yet appended
        const auto appendRun = [&] { value += Utf8ToString(m_text.sliced(run, m_pos - run)); };
        while (!atEnd()) {
            const unsigned char c = peek();
            if (c == '"') {
                appendRun();
                ++m_pos;
                return true;
            }
            if (c == '\n')
                break;
            if (c != '\\') {
                ++m_pos;
                continue;
            }
            appendRun();
            const qsizetype escapeAt = m_pos++;
            if (atEnd())
                break;
            const unsigned char e = peek();
            ++m_pos;
            switch (e) {
            case '"':
                value += u'"';
                break;
            case '\\':
                value += u'\\';
                break;
            case 'n':
                value += u'\n';
                break;
            case 'r':
                value += u'\r';
                break;
            case 't':
                value += u'\t';
                break;
            case 'u': {
                bool hexOk = m_pos + 4 <= m_text.size();
                const uint code = hexOk ? QString::fromUtf8(m_text.sliced(m_pos, 4)).toUInt(&hexOk, 16) : 0;
                if (!hexOk) {
                    fail(escapeAt, QStringLiteral("\\u must be followed by four hexadecimal digits"));
                    return false;
                }
                m_pos += 4;
                value += QChar(char16_t(code));
                break;
            }
            default:
                fail(escapeAt, QStringLiteral("unknown escape '\\%1'").arg(characterAt(escapeAt + 1)));
                return false;
            }
            run = m_pos;
        }
        fail(open, QStringLiteral("the quoted text is not closed on its line"));
        return false;
    }

    CNode* readNode(int depth) {
        if (depth > kMaxDepth)
            return fail(m_pos, QStringLiteral("the nodes are nested too deeply"));
        bool ok = false;
        const qsizetype nameAt = m_pos;
        const int nameIndentation = indentationBefore(nameAt);
        QString name = readName(ok);
        if (!ok)
            return nullptr;
        skipBlanksAndComments();
        if (atEnd() || peek() != '{')
            return fail(atEnd() ? nameAt : m_pos, QStringLiteral("'{' expected after the node name"));
        const qsizetype open = m_pos++;
        auto node = std::make_unique<CNode>(name);
        for (;;) {
            skipBlanksAndComments();
            if (atEnd())
                return fail(open, QStringLiteral("the node '%1' is not closed").arg(name));
            if (peek() == '}') {
                noteClosingBrace(nameAt, nameIndentation, name);
                ++m_pos;
                node->ShrinkToFit();
                return node.release();
            }
            if (!readItem(*node, depth))
                return nullptr;
            if (m_release && m_pos - m_released >= kReleaseStep) {
                m_release(m_pos);
                m_released = m_pos;
            }
        }
    }

    // A leaf "key = value" or a child node "name { ... }".
    bool readItem(CNode& parent, int depth) {
        const qsizetype itemAt = m_pos;
        bool ok = false;
        QString name = readName(ok);
        if (!ok)
            return false;
        skipBlanksAndComments();
        if (!atEnd() && peek() == '=') {
            ++m_pos;
            while (!atEnd() && (peek() == ' ' || peek() == '\t'))
                ++m_pos;
            if (atEnd() || peek() != '"') {
                fail(m_pos, QStringLiteral("a quoted value is expected after '='"));
                return false;
            }
            Quoted quoted;
            if (!readQuoted(quoted))
                return false;
            LeafText value;
            if (quoted.escaped)
                value.assign(quoted.decoded);
            else
                value.assignUtf8(quoted.bytes.data(), quoted.bytes.size());
            parent.AddLeaf(new CLeaf(name, std::move(value)));
            return true;
        }
        if (!atEnd() && peek() == '{') {
            m_pos = itemAt;
            CNode* child = readNode(depth + 1);
            if (!child)
                return false;
            parent.AddChild(child);
            return true;
        }
        fail(atEnd() ? itemAt : m_pos, QStringLiteral("'=' or '{' expected after '%1'").arg(name));
        return false;
    }

    QByteArrayView m_text;
    TreeReadError* m_error;
    qsizetype m_pos = 0;
    bool m_failed = false;
    Utf8Names m_names;
    const NodeFormats::ReleaseBytes& m_release;
    qsizetype m_released = 0;
    qsizetype m_strayBrace = -1; // see noteClosingBrace
    qsizetype m_strayOpened = 0;
    QString m_strayClosed;
    static constexpr qsizetype kReleaseStep = 1 << 20;
};

} // namespace

namespace NodeFormats {

QByteArray WriteText(const CNode& root) {
    QByteArray text;
    WriteText(root, [&](QByteArrayView block) {
        text.append(block);
        return true;
    });
    return text;
}

bool WriteText(const CNode& root, const TextSink& sink) {
    Utf8Writer out(sink);
    writeTree(out, root);
    return out.finish();
}

CNode* ReadText(const QByteArray& utf8, TreeReadError* error, const ReleaseBytes& release) {
    if (!CheckBytes(utf8, error))
        return nullptr;
    // The check has read every byte; the reader reads them again as it goes.
    if (release)
        release(utf8.size());
    return TextReader(QByteArrayView(utf8), error, release).read();
}

} // namespace NodeFormats
