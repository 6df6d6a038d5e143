#pragma once

// Runs a program as a child process, its output thrown away, and answers what it cost: CPU time
// (user and system), wall time and the peak of its resident memory, all from the kernel.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

namespace orvane::bench {

struct ChildCost {
    bool ok = false; // started and ended with status 0
    double cpuSeconds = 0;
    double wallSeconds = 0;
    double peakBytes = 0; // resident high-water mark
};

inline ChildCost runChild(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return {};
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return {true, seconds(usage.ru_utime) + seconds(usage.ru_stime),
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            double(usage.ru_maxrss) * 1024.0};
}

} // namespace orvane::bench
