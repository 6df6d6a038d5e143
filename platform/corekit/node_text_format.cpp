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

#include <QHash>
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

void appendHex4(QString& out, char16_t c) {
    static const char digits[] = "0123456789ABCDEF";
    out += QStringLiteral("\\u");
    for (int shift = 12; shift >= 0; shift -= 4)
        out += QLatin1Char(digits[(c >> shift) & 0xF]);
}

void appendQuoted(QString& out, const QString& text) {
    out += u'"';
    const QChar* p = text.constData();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        switch (c) {
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                appendHex4(out, c);
            } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1].unicode())) {
                out += p[i];
                out += p[++i];
            } else if (QChar::isSurrogate(c)) {
                appendHex4(out, c); // a lone surrogate has no UTF-8 form
            } else {
                out += p[i];
            }
        }
    }
    out += u'"';
}

void appendName(QString& out, const QString& name) {
    if (canStandBare(name))
        out += name;
    else
        appendQuoted(out, name);
}

QString indentOf(int depth) {
    return QString(std::min(depth, NodeFormats::kMaxIndentDepth) * 2, u' ');
}

// Writes the name and the leaves of a node; false when it has nothing inside (written "{}").
bool openNode(QString& out, const CNode& node, int depth) {
    out += indentOf(depth);
    appendName(out, node.GetName());
    if (node.NrOfLeaves() == 0 && node.NrOfChildren() == 0) {
        out += QStringLiteral(" {}\n");
        return false;
    }
    out += QStringLiteral(" {\n");
    const QString inner = indentOf(depth + 1);
    for (const auto& leaf : node.Leaves()) {
        out += inner;
        appendName(out, leaf->GetKey());
        out += QStringLiteral(" = ");
        appendQuoted(out, leaf->GetRawData());
        out += u'\n';
    }
    return true;
}

// Depth first with a stack of open nodes, so the depth of a tree costs no call stack.
void writeTree(QString& out, const CNode& root) {
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
        out += indentOf(int(open.size()));
        out += QStringLiteral("}\n");
    }
}

// Reads the text form from a decoded buffer. Positions are kept as offsets; line and column
// are worked out only when an error is reported.
class TextReader {
public:
    TextReader(const QString& text, TreeReadError* error) : m_text(text), m_error(error) {}

    CNode* read() {
        skipBlanksAndComments();
        if (atEnd())
            return fail(m_pos, QStringLiteral("the text holds no node"));
        auto root = std::unique_ptr<CNode>(readNode(0));
        if (!root)
            return nullptr;
        skipBlanksAndComments();
        if (!atEnd())
            return fail(m_pos, QStringLiteral("unexpected text after the root node"));
        return root.release();
    }

private:
    static constexpr int kMaxDepth = NodeFormats::kMaxDepth;
    static constexpr qsizetype kSharedTextLength = 8;

    bool atEnd() const { return m_pos >= m_text.size(); }
    char16_t peek() const { return m_text.at(m_pos).unicode(); }

    CNode* fail(qsizetype offset, const QString& message) {
        if (m_error && !m_failed) {
            int line = 1;
            qsizetype lineStart = 0;
            for (qsizetype i = 0; i < offset && i < m_text.size(); ++i)
                if (m_text.at(i) == u'\n') {
                    ++line;
                    lineStart = i + 1;
                }
            *m_error = TreeReadError{QString(), line, int(offset - lineStart) + 1, message};
        }
        m_failed = true;
        return nullptr;
    }

    void skipBlanksAndComments() {
        while (!atEnd()) {
            const char16_t c = peek();
            if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0xFEFF) {
                ++m_pos;
            } else if (c == u'#') {
                while (!atEnd() && peek() != u'\n')
                    ++m_pos;
            } else {
                break;
            }
        }
    }

    // A bare or quoted name; `ok` false after an error.
    QString readName(bool& ok) {
        ok = true;
        if (atEnd()) {
            ok = false;
            fail(m_pos, QStringLiteral("a name is missing at the end of the text"));
            return {};
        }
        if (peek() == u'"')
            return readQuoted(ok);
        const qsizetype start = m_pos;
        while (!atEnd() && isBareChar(peek()))
            ++m_pos;
        if (m_pos == start) {
            ok = false;
            fail(m_pos, QStringLiteral("unexpected character '%1'").arg(m_text.at(m_pos)));
            return {};
        }
        return intern(QStringView(m_text).mid(start, m_pos - start));
    }

    // Names and keys repeat a lot; sharing one copy keeps big trees small.
    QString intern(QStringView view) {
        auto it = m_names.constFind(view);
        if (it != m_names.constEnd())
            return it.value();
        QString copy = view.toString();
        m_names.insert(view, copy);
        return copy;
    }

    QString readQuoted(bool& ok) {
        const qsizetype open = m_pos++;
        const qsizetype start = m_pos;
        // Fast path: no escape inside. Short texts ("0", "1", "NAME") repeat a lot and are
        // shared like names.
        while (!atEnd()) {
            const char16_t c = peek();
            if (c == u'"') {
                const qsizetype length = m_pos - start;
                ++m_pos;
                return length <= kSharedTextLength ? intern(QStringView(m_text).mid(start, length))
                                                   : m_text.mid(start, length);
            }
            if (c == u'\\' || c == u'\n')
                break;
            ++m_pos;
        }
        QString value = m_text.mid(start, m_pos - start);
        while (!atEnd()) {
            const char16_t c = peek();
            if (c == u'"') {
                ++m_pos;
                return value;
            }
            if (c == u'\n')
                break;
            if (c != u'\\') {
                value += m_text.at(m_pos++);
                continue;
            }
            const qsizetype escapeAt = m_pos++;
            if (atEnd())
                break;
            const char16_t e = m_text.at(m_pos++).unicode();
            switch (e) {
            case u'"':
                value += u'"';
                break;
            case u'\\':
                value += u'\\';
                break;
            case u'n':
                value += u'\n';
                break;
            case u'r':
                value += u'\r';
                break;
            case u't':
                value += u'\t';
                break;
            case u'u': {
                bool hexOk = m_pos + 4 <= m_text.size();
                const uint code = hexOk ? QStringView(m_text).mid(m_pos, 4).toUInt(&hexOk, 16) : 0;
                if (!hexOk) {
                    ok = false;
                    fail(escapeAt, QStringLiteral("\\u must be followed by four hexadecimal digits"));
                    return {};
                }
                m_pos += 4;
                value += QChar(char16_t(code));
                break;
            }
            default:
                ok = false;
                fail(escapeAt, QStringLiteral("unknown escape '\\%1'").arg(QChar(e)));
                return {};
            }
        }
        ok = false;
        fail(open, QStringLiteral("the quoted text is not closed on its line"));
        return {};
    }

    CNode* readNode(int depth) {
        if (depth > kMaxDepth)
            return fail(m_pos, QStringLiteral("the nodes are nested too deeply"));
        bool ok = false;
        const qsizetype nameAt = m_pos;
        QString name = readName(ok);
        if (!ok)
            return nullptr;
        skipBlanksAndComments();
        if (atEnd() || peek() != u'{')
            return fail(atEnd() ? nameAt : m_pos, QStringLiteral("'{' expected after the node name"));
        const qsizetype open = m_pos++;
        auto node = std::make_unique<CNode>(name);
        for (;;) {
            skipBlanksAndComments();
            if (atEnd())
                return fail(open, QStringLiteral("the node '%1' is not closed").arg(name));
            if (peek() == u'}') {
                ++m_pos;
                node->ShrinkToFit();
                return node.release();
            }
            if (!readItem(*node, depth))
                return nullptr;
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
        if (!atEnd() && peek() == u'=') {
            ++m_pos;
            while (!atEnd() && (peek() == u' ' || peek() == u'\t'))
                ++m_pos;
            if (atEnd() || peek() != u'"') {
                fail(m_pos, QStringLiteral("a quoted value is expected after '='"));
                return false;
            }
            QString value = readQuoted(ok);
            if (!ok)
                return false;
            parent.AddLeaf(new CLeaf(name, value));
            return true;
        }
        if (!atEnd() && peek() == u'{') {
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

    const QString& m_text;
    TreeReadError* m_error;
    qsizetype m_pos = 0;
    bool m_failed = false;
    QHash<QStringView, QString> m_names;
};

} // namespace

namespace NodeFormats {

QByteArray WriteText(const CNode& root) {
    QString out;
    writeTree(out, root);
    return out.toUtf8();
}

CNode* ReadText(const QByteArray& utf8, TreeReadError* error) {
    const qsizetype bad = FindInvalidUtf8(utf8);
    if (bad >= 0) {
        const QByteArray before = utf8.left(bad);
        const int line = int(before.count('\n')) + 1;
        const qsizetype lineStart = before.lastIndexOf('\n') + 1;
        const int column = int(QString::fromUtf8(before.mid(lineStart)).size()) + 1;
        if (error)
            *error = TreeReadError{QString(), line, column,
                                   QStringLiteral("invalid UTF-8 (byte 0x%1)")
                                       .arg(uint(uchar(utf8[bad])), 2, 16, QLatin1Char('0'))};
        return nullptr;
    }
    const QString text = QString::fromUtf8(utf8);
    return TextReader(text, error).read();
}

} // namespace NodeFormats
