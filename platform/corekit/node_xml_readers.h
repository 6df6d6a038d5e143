#pragma once

#include <QByteArray>
#include <QByteArrayView>

class CNode;
struct TreeReadError;

// The two readers behind NodeFormats::ReadXml. The plain reader takes the documents our writer
// makes, and others written the same simple way, straight from their UTF-8 bytes; for any other
// document, well-formed or not, it answers null, and ReadXml hands the document to the stream
// reader, which reads all of XML and says where a document is wrong. For every document the
// plain reader takes, both give the same tree (the XML fuzzer holds them to it).
namespace NodeFormats {

// Whether XML 1.0 can carry the character (or, given a UTF-16 unit, the unit outside a pair).
inline bool IsXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// `utf8` must be well-formed UTF-8 without NUL bytes (CheckBytes).
CNode* ReadPlainXml(QByteArrayView utf8);
CNode* ReadXmlWithStreamReader(const QByteArray& utf8, TreeReadError* error);

} // namespace NodeFormats
