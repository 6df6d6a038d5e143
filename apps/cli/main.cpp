// The orvane launcher. It links nothing but the C++ runtime: the overview is printed from the
// command index, and only a command loads the commands library (Qt and the module's rooms)
// and runs there. Start-up of "orvane --help" thus costs about what any small program costs.

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

// The commands library lies in lib/ beside the launcher's bin/, in the build and in an
// installation. The path is spelled out because a run path is not honoured where dlopen is
// intercepted (AddressSanitizer calls it from its own library); the bare name is the fallback.
void* openCommandsLibrary() {
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) {
        std::string path(self, std::size_t(length));
        path.erase(path.rfind('/') + 1);
        if (void* library = dlopen((path + "../lib/liborvane_commands.so").c_str(), RTLD_NOW | RTLD_LOCAL))
            return library;
    }
    return dlopen("liborvane_commands.so", RTLD_NOW | RTLD_LOCAL);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || asksForOverview(argv[1])) {
        const std::string overview = orvane::cli::OverviewText();
        std::fputs(overview.c_str(), argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    void* library = openCommandsLibrary();
    if (!library) {
        std::fprintf(stderr, "orvane: the commands library cannot be loaded: %s\n", dlerror());
        return 1;
    }
    using Run = int (*)(int, char**);
    const auto run = reinterpret_cast<Run>(dlsym(library, "orvane_run_commands"));
    if (!run) {
        std::fprintf(stderr, "orvane: the commands library has no entry point: %s\n", dlerror());
        return 1;
    }
    return run(argc, argv);
}
