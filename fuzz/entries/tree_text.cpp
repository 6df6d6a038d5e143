#include "fuzz_entries.h"

#include "corekit/tree_items.h"

#include <QByteArray>

#include <memory>

namespace orvane::fuzz {

// A tree read from any bytes writes back to a text that reads again into the same tree, in
// either form.
void TreeText(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TreeReadError error;
    std::unique_ptr<CNode> root(NodeFormats::ReadText(bytes, &error));
    if (!root) {
        Require(error.line >= 0 && !error.message.isEmpty(), "a refused text says why");
        return;
    }
    const QByteArray text = NodeFormats::WriteText(*root);
    std::unique_ptr<CNode> again(NodeFormats::ReadText(text, nullptr));
    Require(again != nullptr, "the written text form reads again");
    Require(NodeFormats::WriteText(*again) == text, "the text form reads back to the same tree");
    std::unique_ptr<CNode> fromXml(NodeFormats::ReadXml(NodeFormats::WriteXml(*root), nullptr));
    Require(fromXml != nullptr, "the written XML form reads again");
    Require(NodeFormats::WriteText(*fromXml) == text, "the XML form reads back to the same tree");
}

} // namespace orvane::fuzz
