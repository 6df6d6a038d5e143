#include "fuzz_entries.h"
#include "tree_round_trip.h"

#include "corekit/tree_items.h"

#include <QByteArray>

#include <memory>

namespace orvane::fuzz {

void TreeText(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TreeReadError error;
    std::unique_ptr<CNode> root(NodeFormats::ReadText(bytes, &error));
    if (!root) {
        Require(error.line >= 0 && !error.message.isEmpty(), "a refused text says why");
        return;
    }
    RequireTreeRoundTrips(*root);
}

} // namespace orvane::fuzz
