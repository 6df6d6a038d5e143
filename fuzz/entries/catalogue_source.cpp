#include "fuzz_entries.h"
#include "scratch.h"

#include "orvmat/catalogue_dump.h"
#include "orvmat/catalogue_source.h"
#include "orvmat/database.h"
#include "orvmat/database_writer.h"

#include <filesystem>
#include <fstream>
#include <optional>

namespace orvane::fuzz {
namespace {

// The folder of the source under test, with one file it may include.
std::string SourceFolder() {
    const std::string folder = ScratchFolder() + "/source";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/part.orvsrc") << "key SHARED\ntable Parts\nrow P1: 1 | \"one\" | @SHARED\n";
    return folder;
}

// Builds the database of `source` and answers its dump, or nothing when the build refuses.
std::optional<std::string> BuildAndDump(const orvmat::CatalogueSource& source, const std::string& path) {
    orvmat::SourceError error;
    if (!orvmat::writeDatabase(source, path, error)) {
        Require(!error.message.empty(), "a refused build says why");
        return std::nullopt;
    }
    std::string why;
    const auto db = orvmat::Database::open(path, &why);
    Require(db != nullptr, "a built database opens");
    return orvmat::dumpCatalogueSource(*db);
}

} // namespace

// A source that reads and builds dumps to a text that builds into the same database.
void CatalogueSource(const uint8_t* data, size_t size) {
    static const std::string folder = SourceFolder();
    const std::string text(reinterpret_cast<const char*>(data), size);
    orvmat::CatalogueSource source;
    orvmat::SourceError error;
    if (!orvmat::readCatalogueSourceText(text, folder + "/fuzz.orvsrc", source, error)) {
        Require(!error.message.empty(), "a refused source says why");
        return;
    }
    const auto dump = BuildAndDump(source, folder + "/built.omdb");
    if (!dump)
        return;
    orvmat::CatalogueSource again;
    Require(orvmat::readCatalogueSourceText(*dump, folder + "/dump.orvsrc", again, error),
            "the dump of a built database reads as a source");
    const auto second = BuildAndDump(again, folder + "/rebuilt.omdb");
    Require(second.has_value(), "the dump of a built database builds");
    Require(*second == *dump, "the dump builds into the same database");
}

} // namespace orvane::fuzz
