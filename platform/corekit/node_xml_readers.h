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

// `utf8` must be well-formed UTF-8 without NUL bytes (CheckBytes).
CNode* ReadPlainXml(QByteArrayView utf8);
CNode* ReadXmlWithStreamReader(const QByteArray& utf8, TreeReadError* error);

} // namespace NodeFormats
