// The orvane launcher. It links nothing but the C++ runtime: the overview is printed from the
// command index, and a command loads the library of its group only (liborvane_cmd_<group>.so:
// Qt and the rooms that group uses) and runs there. Start-up of "orvane --help" thus costs
// about what any small program costs, and a command that does not paint loads no Qt GUI.

#include "command_index.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool asksForOverview(const char* arg) {
    return std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "help") == 0;
}

bool isCommandGroup(const char* name) {
    for (int i = 0; i < orvane::cli::kCommandSummaryCount; ++i)
        if (std::strcmp(name, orvane::cli::kCommandSummaries[i].name) == 0)
            return true;
    return false;
}

// The libraries lie in lib/ beside the launcher's bin/, in the build and in an installation.
// The path is spelled out because a run path is not honoured where dlopen is intercepted
// (AddressSanitizer calls it from its own library); the bare name is the fallback.
void* openGroupLibrary(const char* group) {
    const std::string file = std::string("liborvane_cmd_") + group + ".so";
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) {
        std::string path(self, std::size_t(length));
        path.erase(path.rfind('/') + 1);
        if (void* library = dlopen((path + "../lib/" + file).c_str(), RTLD_NOW | RTLD_LOCAL))
            return library;
    }
    return dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || asksForOverview(argv[1])) {
        const std::string overview = orvane::cli::OverviewText();
        std::fputs(overview.c_str(), argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    if (!isCommandGroup(argv[1])) {
        const std::string overview = orvane::cli::OverviewText();
        std::fprintf(stderr, "orvane: unknown command '%s'\n%s", argv[1], overview.c_str());
        return 2;
    }
    void* library = openGroupLibrary(argv[1]);
    if (!library) {
        std::fprintf(stderr, "orvane: the commands of '%s' cannot be loaded: %s\n", argv[1], dlerror());
        return 1;
    }
    using Run = int (*)(int, char**);
    const auto run = reinterpret_cast<Run>(dlsym(library, "orvane_run_commands"));
    if (!run) {
        std::fprintf(stderr, "orvane: the commands of '%s' have no entry point: %s\n", argv[1], dlerror());
        return 1;
    }
    return run(argc, argv);
}
