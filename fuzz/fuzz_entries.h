#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The entry functions of the fuzz targets. Each feeds one input to a reader the way a user's
// file reaches it and checks what must hold for every input; a broken rule ends the process
// (abort), so that the fuzzer keeps the input and the regression test fails on it.
namespace orvane::fuzz {

using Entry = void (*)(const uint8_t* data, size_t size);

void TreeText(const uint8_t* data, size_t size);
void TreeXml(const uint8_t* data, size_t size);
void Slide(const uint8_t* data, size_t size);
void SlideDescription(const uint8_t* data, size_t size);
void CatalogueSource(const uint8_t* data, size_t size);
void MaterialDatabase(const uint8_t* data, size_t size);

struct NamedEntry {
    const char* name; // the target's name and its folder of regression inputs
    Entry run;
};

// Every target, for the regression test that replays the saved inputs.
const std::vector<NamedEntry>& AllEntries();

// Ends the process with `what` on the error output when `holds` is false.
void Require(bool holds, const char* what);

} // namespace orvane::fuzz
