#include "fuzz_entries.h"
#include "tree_round_trip.h"

#include "corekit/node_xml_readers.h"
#include "corekit/tree_items.h"

#include <QByteArray>

#include <memory>

namespace orvane::fuzz {

namespace {

// The plain reader may take a document only when the stream reader reads the same tree from
// it; the text form of both is compared, since it keeps every character.
void requirePlainReaderAgrees(const QByteArray& bytes) {
    if (!NodeFormats::CheckBytes(bytes, nullptr))
        return;
    const std::unique_ptr<CNode> plain(NodeFormats::ReadPlainXml(bytes));
    if (!plain)
        return;
    const std::unique_ptr<CNode> full(NodeFormats::ReadXmlWithStreamReader(bytes, nullptr));
    Require(full != nullptr, "the stream reader takes what the plain XML reader takes");
    Require(NodeFormats::WriteText(*full) == NodeFormats::WriteText(*plain),
            "the plain XML reader reads the tree the stream reader reads");
}

} // namespace

void TreeXml(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    requirePlainReaderAgrees(bytes);
    TreeReadError error;
    std::unique_ptr<CNode> root(NodeFormats::ReadXml(bytes, &error));
    if (!root) {
        Require(error.line >= 0 && !error.message.isEmpty(), "a refused XML text says why");
        return;
    }
    RequireTreeRoundTrips(*root);
}

} // namespace orvane::fuzz
