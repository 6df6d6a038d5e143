#pragma once

class CNode;

namespace orvane::fuzz {

// A tree that was read writes, in either form, a text that reads again into the same tree;
// the text form of each is compared, since it keeps every character.
void RequireTreeRoundTrips(const CNode& root);

} // namespace orvane::fuzz
