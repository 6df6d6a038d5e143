// The XML form of node trees:
//
//   <?xml version="1.0" encoding="UTF-8"?>
//   <node name="Root">
//     <leaf key="Version">1</leaf>
//     <node name="Pages">...</node>
//   </node>
//
// Leaf values are the element text. A name, key or value holding a character that XML 1.0
// cannot carry (most control characters, lone surrogates) is written in the escaped form of
// the text format, and its element is marked escaped="1".

#include "node_xml_readers.h"
#include "tree_items.h"

#include <QBuffer>
#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

bool needsEscaping(const QString& text) {
    const QChar* p = text.constData();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (NodeFormats::IsXmlChar(c))
            continue;
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1].unicode())) {
            ++i;
            continue;
        }
        return true;
    }
    return false;
}

QString escape(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (NodeFormats::IsXmlChar(c) && !QChar::isSurrogate(c))
            out += ch;
        else
            out += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
    }
    return out;
}

bool unescape(const QString& text, QString& out) {
    out.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            out += text[i];
            continue;
        }
        if (++i >= text.size())
            return false;
        const QChar e = text[i];
        if (e == u'\\') {
            out += u'\\';
        } else if (e == u'r') {
            out += u'\r';
        } else if (e == u'u') {
            if (i + 4 >= text.size())
                return false;
            bool ok = false;
            const uint code = QStringView(text).mid(i + 1, 4).toUInt(&ok, 16);
            if (!ok)
                return false;
            out += QChar(char16_t(code));
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

// Line breaks inside element text would be read back as "\n" for a "\r" (XML normalises
// them), so a text holding '\r' is written in the escaped form as well.
bool mustEscape(const QString& text) {
    return text.contains(u'\r') || needsEscaping(text);
}

// Line breaks and indentation are written by hand: the writer's own formatting indents without
// limit, which makes a deep tree grow with the square of its depth.
void newLine(QXmlStreamWriter& xml, int depth) {
    xml.writeCharacters(u'\n' + QString(std::min(depth, NodeFormats::kMaxIndentDepth) * 2, u' '));
}

// Writes the start of a node and its leaves; the caller writes its children and its end.
void openNode(QXmlStreamWriter& xml, const CNode& node, int depth) {
    newLine(xml, depth);
    xml.writeStartElement(QStringLiteral("node"));
    if (mustEscape(node.GetName())) {
        xml.writeAttribute(QStringLiteral("escaped"), QStringLiteral("1"));
        xml.writeAttribute(QStringLiteral("name"), escape(node.GetName()));
    } else {
        xml.writeAttribute(QStringLiteral("name"), node.GetName());
    }
    for (const auto& leaf : node.Leaves()) {
        newLine(xml, depth + 1);
        xml.writeStartElement(QStringLiteral("leaf"));
        if (mustEscape(leaf->GetKey()) || mustEscape(leaf->GetRawData())) {
            xml.writeAttribute(QStringLiteral("escaped"), QStringLiteral("1"));
            xml.writeAttribute(QStringLiteral("key"), escape(leaf->GetKey()));
            xml.writeCharacters(escape(leaf->GetRawData()));
        } else {
            xml.writeAttribute(QStringLiteral("key"), leaf->GetKey());
            xml.writeCharacters(leaf->GetRawData());
        }
        xml.writeEndElement();
    }
}

// Depth first with a stack of open nodes, so the depth of a tree costs no call stack.
void writeTree(QXmlStreamWriter& xml, const CNode& root) {
    struct Open {
        const CNode* node;
        std::size_t nextChild;
    };
    std::vector<Open> open{{&root, 0}};
    openNode(xml, root, 0);
    while (!open.empty()) {
        Open& top = open.back();
        if (top.nextChild < top.node->Children().size()) {
            const CNode& child = *top.node->Children()[top.nextChild++];
            openNode(xml, child, int(open.size()));
            open.push_back({&child, 0});
            continue;
        }
        const bool empty = top.node->NrOfLeaves() == 0 && top.node->NrOfChildren() == 0;
        open.pop_back();
        if (!empty)
            newLine(xml, int(open.size()));
        xml.writeEndElement();
    }
}

// Whether the document is UTF-8: no XML declaration, or one without an encoding or with UTF-8.
bool declaresUtf8(const QByteArray& bytes) {
    const qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    if (!QByteArrayView(bytes).sliced(start).startsWith("<?xml"))
        return true;
    const qsizetype end = bytes.indexOf("?>", start);
    const QByteArrayView declaration =
        QByteArrayView(bytes).sliced(start, (end < 0 ? bytes.size() : end) - start);
    const qsizetype at = declaration.indexOf("encoding");
    if (at < 0)
        return true;
    qsizetype quote = at + 8;
    while (quote < declaration.size() && declaration[quote] != '"' && declaration[quote] != '\'')
        ++quote;
    if (quote >= declaration.size())
        return true;
    const qsizetype close = declaration.indexOf(declaration[quote], quote + 1);
    const QByteArray name =
        declaration.sliced(quote + 1, (close < 0 ? declaration.size() : close) - quote - 1)
            .toByteArray()
            .toLower();
    return name == "utf-8" || name == "utf8";
}

// The byte offset of UTF-8 bytes at which `units` UTF-16 units of their text end, a
// byte-order mark that starts them left out (the stream reader does not count it).
qsizetype byteOffsetOfUnits(QByteArrayView utf8, qint64 units) {
    qsizetype i = utf8.startsWith(QByteArrayView("\xEF\xBB\xBF", 3)) ? 3 : 0;
    while (i < utf8.size() && units > 0) {
        const uchar lead = uchar(utf8[i++]);
        units -= lead >= 0xF0 ? 2 : 1; // a character beyond U+FFFF is a surrogate pair
        while (i < utf8.size() && (uchar(utf8[i]) & 0xC0) == 0x80)
            ++i;
    }
    return i;
}

// Reads the XML form. The document is handed to the stream reader through a device, which
// decodes it piece by piece instead of turning all of it into UTF-16 first (which also measured
// slower). Nearly all the time goes to the stream reader itself, so the rest stays out of its
// way: each token is looked at through views, an element's attributes are gone over once,
// names are interned without making a text for the look-up, and leaf values go into their
// stored form straight from the reader's buffer.
class XmlReader {
public:
    XmlReader(const QByteArray& bytes, TreeReadError* error) : m_bytes(bytes), m_error(error) {
        m_device.setBuffer(&m_bytes);
        m_device.open(QIODevice::ReadOnly);
        m_xml.setDevice(&m_device);
    }

    CNode* read() {
        std::unique_ptr<CNode> root;
        std::vector<CNode*> open;
        while (!m_xml.atEnd()) {
            const auto token = m_xml.readNext();
            if (token == QXmlStreamReader::StartElement) {
                // Leaves first: there are many more of them than nodes.
                const QStringView element = m_xml.name();
                if (element == u"leaf") {
                    if (open.empty())
                        return fail(QStringLiteral("a leaf outside of any node"));
                    if (!readLeaf(*open.back()))
                        return nullptr;
                } else if (element == u"node") {
                    if (root && open.empty())
                        return fail(QStringLiteral("a second root node"));
                    QString name;
                    bool escaped = false;
                    if (!attribute(u"name", name, escaped))
                        return nullptr;
                    if (int(open.size()) > NodeFormats::kMaxDepth)
                        return fail(QStringLiteral("the nodes are nested too deeply"));
                    if (open.empty()) {
                        root = std::make_unique<CNode>(name);
                        open.push_back(root.get());
                    } else {
                        open.push_back(open.back()->AddChild(name));
                    }
                } else {
                    return fail(QStringLiteral("unknown element <%1>").arg(element));
                }
            } else if (token == QXmlStreamReader::EndElement) {
                open.back()->ShrinkToFit();
                open.pop_back();
            } else if (token == QXmlStreamReader::Characters && !m_xml.isWhitespace()) {
                return fail(QStringLiteral("text outside of a leaf"));
            }
        }
        if (m_xml.hasError())
            return fail(m_xml.errorString());
        if (!root)
            return fail(QStringLiteral("the document holds no node"));
        return root.release();
    }

private:
    // The stream reader counts its position in UTF-16 units; a UTF-8 document has it turned
    // into a byte offset, so that line and column are counted as for the text form. A document
    // in another declared encoding keeps the reader's own line and column.
    CNode* fail(const QString& message) {
        if (!m_error)
            return nullptr;
        if (declaresUtf8(m_bytes))
            *m_error =
                NodeFormats::ErrorAt(m_bytes, byteOffsetOfUnits(m_bytes, m_xml.characterOffset()), message);
        else
            *m_error =
                TreeReadError{QString(), int(m_xml.lineNumber()), int(m_xml.columnNumber()) + 1, message};
        return nullptr;
    }

    bool decode(const QString& raw, bool escaped, QString& out) {
        if (!escaped) {
            out = raw;
            return true;
        }
        if (unescape(raw, out))
            return true;
        fail(QStringLiteral("malformed escape in \"%1\"").arg(raw));
        return false;
    }

    // The element's attribute `name` (decoded, interned when plain) and whether the element
    // is marked escaped, from one pass over its attributes.
    bool attribute(QStringView name, QString& out, bool& escaped) {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const QXmlStreamAttribute* wanted = nullptr;
        escaped = false;
        for (const QXmlStreamAttribute& a : attributes) {
            const QStringView qualified = a.qualifiedName();
            if (qualified == name)
                wanted = &a;
            else if (qualified == u"escaped")
                escaped = a.value() == u"1";
        }
        if (!wanted) {
            fail(QStringLiteral("attribute \"%1\" is missing").arg(name));
            return false;
        }
        if (!escaped) {
            out = intern(wanted->value());
            return true;
        }
        return decode(wanted->value().toString(), true, out);
    }

    // Names and keys repeat a lot; sharing one copy keeps big trees small. The table's key is
    // a view of its own value, so a look-up needs no text of its own.
    QString intern(QStringView view) {
        auto it = m_names.constFind(view);
        if (it != m_names.constEnd())
            return it.value();
        const QString copy = view.toString();
        m_names.insert(QStringView(copy), copy);
        return copy;
    }

    // The text of a leaf element up to its end, as readElementText reads it (comments and
    // processing instructions skipped, no element inside). One piece of text, the usual case,
    // goes into the leaf's stored form at once; more pieces are joined first.
    bool readLeafText(LeafText& value, QString& joined, bool& wasJoined) {
        int pieces = 0;
        for (;;) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::Characters:
            case QXmlStreamReader::EntityReference:
                if (pieces == 0) {
                    value.assign(m_xml.text());
                } else {
                    if (pieces == 1)
                        joined = value.toString();
                    joined += m_xml.text();
                    wasJoined = true;
                }
                ++pieces;
                break;
            case QXmlStreamReader::Comment:
            case QXmlStreamReader::ProcessingInstruction:
                break;
            case QXmlStreamReader::EndElement:
                return true;
            default:
                if (!m_xml.hasError())
                    fail(QStringLiteral("Expected character data."));
                else
                    fail(m_xml.errorString());
                return false;
            }
        }
    }

    bool readLeaf(CNode& node) {
        QString key;
        bool escaped = false;
        if (!attribute(u"key", key, escaped))
            return false;
        LeafText value;
        QString joined;
        bool wasJoined = false;
        if (!readLeafText(value, joined, wasJoined))
            return false;
        if (escaped || wasJoined) {
            QString text;
            if (!decode(wasJoined ? joined : value.toString(), escaped, text))
                return false;
            value.assign(text);
        }
        node.AddLeaf(new CLeaf(key, std::move(value)));
        return true;
    }

    QByteArray m_bytes; // shares the caller's bytes
    QBuffer m_device;
    QXmlStreamReader m_xml;
    QHash<QStringView, QString> m_names;
    TreeReadError* m_error;
};

} // namespace

namespace NodeFormats {

QByteArray WriteXml(const CNode& root) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteXml(root, buffer);
    return bytes;
}

bool WriteXml(const CNode& root, QIODevice& device) {
    // The writer hands every piece to the device as it goes; nothing holds the whole text.
    QXmlStreamWriter xml(&device);
    xml.writeStartDocument();
    writeTree(xml, root);
    xml.writeCharacters(QStringLiteral("\n"));
    xml.writeEndDocument();
    return !xml.hasError();
}

CNode* ReadXml(const QByteArray& utf8, TreeReadError* error) {
    // The stream reader reports a malformed byte where it happened to be decoding (often line
    // 1) and a NUL byte as an unnamed character; a UTF-8 document is looked over first, so
    // that both are named where they stand.
    if (declaresUtf8(utf8)) {
        if (!CheckBytes(utf8, error))
            return nullptr;
        if (CNode* root = ReadPlainXml(utf8))
            return root;
    }
    return ReadXmlWithStreamReader(utf8, error);
}

CNode* ReadXmlWithStreamReader(const QByteArray& utf8, TreeReadError* error) {
    return XmlReader(utf8, error).read();
}

} // namespace NodeFormats
