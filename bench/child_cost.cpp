// Runs PROGRAM ARGS... with its output thrown away and prints "cpu_seconds wall_seconds
// peak_bytes" of it. Benchmarks start programs through this small process: the peak resident
// memory the kernel reports for a process starts at what its parent held when it forked, so a
// program forked straight from a benchmark would inherit the benchmark's own peak.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: child_cost PROGRAM [ARGS...]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return 1;
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    std::printf("%.6f %.6f %.0f\n", seconds(usage.ru_utime) + seconds(usage.ru_stime),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                double(usage.ru_maxrss) * 1024.0);
    return 0;
}
