// One libFuzzer program per entry; ORVANE_FUZZ_ENTRY names the entry function it runs.
#include "fuzz_entries.h"

#include <QCoreApplication>

#include <memory>

// The readers' messages go through the translation service, which wants an application
// object; it lives as long as the fuzzer.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static auto app = std::make_unique<QCoreApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    orvane::fuzz::ORVANE_FUZZ_ENTRY(data, size);
    return 0;
}
