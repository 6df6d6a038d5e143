// What the catalogue source reader holds while it reads, counted at every allocation of this
// test program (operator new is replaced here), so that the figure does not depend on the
// machine or on what ran before. A sanitizer build brings its own operator new, which a
// library of the program may still call: there the replacement is left out and the test
// skipped.

#include "orvmat/catalogue_source.h"

#include "test_folder.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

#ifdef __SANITIZE_ADDRESS__
#define ORVANE_COUNTS_ALLOCATIONS 0
#else
#define ORVANE_COUNTS_ALLOCATIONS 1
#endif

namespace {

std::atomic<std::size_t> g_live{0};
std::atomic<std::size_t> g_peak{0};

} // namespace

#if ORVANE_COUNTS_ALLOCATIONS
namespace {

void* counted(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (!p)
        throw std::bad_alloc();
    const std::size_t live = g_live += malloc_usable_size(p);
    std::size_t peak = g_peak.load();
    while (live > peak && !g_peak.compare_exchange_weak(peak, live)) {
    }
    return p;
}

void release(void* p) noexcept {
    if (!p)
        return;
    g_live -= malloc_usable_size(p);
    std::free(p);
}

} // namespace

void* operator new(std::size_t size) {
    return counted(size);
}
void* operator new[](std::size_t size) {
    return counted(size);
}
void operator delete(void* p) noexcept {
    release(p);
}
void operator delete[](void* p) noexcept {
    release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    release(p);
}
#endif

// tests/data/orvmat/sources/long-line.orvsrc: one row of 32769 values on one 64 KiB line. The
// reader once kept every token of every line and each value with its own copy of the file
// name: about 200 bytes for each byte of such a line.
TEST(CatalogueSourceMemory, ALongLineIsHeldInAFewTimesItsSize) {
    if (!ORVANE_COUNTS_ALLOCATIONS)
        GTEST_SKIP() << "allocations are not counted in a sanitizer build";
    const QString path = orvane::test::testDataPath(QStringLiteral("orvmat/sources/long-line.orvsrc"));
    const auto size = std::size_t(QFileInfo(path).size());
    orvmat::CatalogueSource source;
    orvmat::SourceError error;
    const std::size_t before = g_live;
    g_peak = before;
    ASSERT_TRUE(orvmat::readCatalogueSource(path.toStdString(), source, error)) << error.toString();
    ASSERT_EQ(source.tables.at(0).rows.at(0).cellCount, 32769u);
    const std::size_t held = g_peak - before;
    EXPECT_LE(held, 10 * size) << held << " bytes held at most while reading " << size << " bytes";
}

// Many short rows, each with a key of its own. The reader once kept each key as a string of
// its own, in a map entry and in a set of every keyed row: nearly eight bytes for each byte of
// such a source (4.6 since the keys share one text and one map tells duplicates).
TEST(CatalogueSourceMemory, ShortKeyedRowsAreHeldInAFewTimesTheirSize) {
    if (!ORVANE_COUNTS_ALLOCATIONS)
        GTEST_SKIP() << "allocations are not counted in a sanitizer build";
    std::string text = "table T\n";
    for (int i = 0; i < 100000; ++i)
        text += "row K" + std::to_string(1000000 + i) + ": " + std::to_string(i % 1000) + " | \"v\"\n";
    orvmat::CatalogueSource source;
    orvmat::SourceError error;
    const std::size_t before = g_live;
    g_peak = before;
    ASSERT_TRUE(orvmat::readCatalogueSourceText(text, "rows.orvsrc", source, error)) << error.toString();
    ASSERT_EQ(source.keyCount(), 100000u);
    const std::size_t held = g_peak - before;
    EXPECT_LE(held, 5 * text.size()) << held << " bytes held at most while reading " << text.size()
                                     << " bytes";
}
