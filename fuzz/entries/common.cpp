#include "fuzz_entries.h"
#include "scratch.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace orvane::fuzz {

const std::vector<NamedEntry>& AllEntries() {
    static const std::vector<NamedEntry> entries = {
        {"tree_text", TreeText},
        {"tree_xml", TreeXml},
        {"slide", Slide},
        {"slide_description", SlideDescription},
        {"catalogue_source", CatalogueSource},
        {"material_db", MaterialDatabase},
    };
    return entries;
}

void Require(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "fuzz rule broken: %s\n", what);
    std::abort();
}

const std::string& ScratchFolder() {
    static QTemporaryDir folder;
    static const std::string path = [] {
        Require(folder.isValid(), "the scratch folder can be made");
        return folder.path().toStdString();
    }();
    return path;
}

} // namespace orvane::fuzz
