#pragma once

#include <string>

namespace orvane::fuzz {

// A folder of this process for the files an entry must write (readers that take a path).
// The fuzzer calls the entries without any context, so it is made on first use and removed
// when the process ends.
const std::string& ScratchFolder();

} // namespace orvane::fuzz
