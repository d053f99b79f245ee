// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a program once and reports its wall time, from its start to its exit, and its peak
// resident memory, so that a command of the program and a reference tool are measured alike.
//
//   catchscale_run_measured NAME PROGRAM [ARGUMENTS...]
//       prints "NAME <ms> ms" and "NAME_peak_memory <MiB> MiB"; fails when the program does
#include "BenchReport.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: catchscale_run_measured NAME PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0)
        return 1;
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return 1;
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[2]);
        return 1;
    }
    const std::string name = argv[1];
    report(name.c_str(), elapsed.count(), "ms");
    report((name + "_peak_memory").c_str(), usage.ru_maxrss / 1024.0, "MiB");
    return 0;
}
