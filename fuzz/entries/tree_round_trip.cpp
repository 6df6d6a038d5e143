#include "tree_round_trip.h"

#include "fuzz_entries.h"

#include "corekit/tree_items.h"

#include <memory>

namespace orvane::fuzz {

void RequireTreeRoundTrips(const CNode& root) {
    const QByteArray text = NodeFormats::WriteText(root);
    std::unique_ptr<CNode> fromText(NodeFormats::ReadText(text, nullptr));
    Require(fromText != nullptr, "the written text form reads again");
    Require(NodeFormats::WriteText(*fromText) == text, "the text form reads back to the same tree");
    std::unique_ptr<CNode> fromXml(NodeFormats::ReadXml(NodeFormats::WriteXml(root), nullptr));
    Require(fromXml != nullptr, "the written XML form reads again");
    Require(NodeFormats::WriteText(*fromXml) == text, "the XML form reads back to the same tree");
}

} // namespace orvane::fuzz
