#include "fuzz_entries.h"

#include "corekit/tree_items.h"

#include <QByteArray>

#include <memory>

namespace orvane::fuzz {

// A tree read from any XML bytes writes back to a text that reads again into the same tree.
void TreeXml(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TreeReadError error;
    std::unique_ptr<CNode> root(NodeFormats::ReadXml(bytes, &error));
    if (!root) {
        Require(error.line >= 0 && !error.message.isEmpty(), "a refused XML text says why");
        return;
    }
    const QByteArray xml = NodeFormats::WriteXml(*root);
    std::unique_ptr<CNode> again(NodeFormats::ReadXml(xml, nullptr));
    Require(again != nullptr, "the written XML form reads again");
    Require(NodeFormats::WriteXml(*again) == xml, "the XML form reads back to the same tree");
}

} // namespace orvane::fuzz
