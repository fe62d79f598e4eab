// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

// Behaves as TEST_CHILD_MODE says: "ready" holds 40 MB, waits 50 ms and writes the ready byte,
// "silent" exits without it, "crash" aborts, "figures" prints figure lines among other output,
// "environment" prints BENCH_DEMO_VALUE as a figure.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <unistd.h>
#include <vector>

int main()
{
    const char* mode = std::getenv("TEST_CHILD_MODE");
    const std::string m = mode ? mode : "";
    if (m == "ready") {
        std::vector<char> memory(40'000'000);
        std::memset(memory.data(), 1, memory.size());
        const timespec pause{0, 50'000'000};
        nanosleep(&pause, nullptr);
        const char* fd = std::getenv("BENCH_READY_FD");
        const char byte = 1;
        if (fd == nullptr || write(std::atoi(fd), &byte, 1) != 1)
            return 3;
        return memory[12345] == 1 ? 0 : 4;
    }
    if (m == "crash")
        std::abort();
    if (m == "figures") {
        std::printf("figure demo frame_cpu_ms 0.25\n");
        std::fprintf(stderr, "a warning on the way\n");
        std::printf("figure demo frames_per_second 4000\n");
        return 0;
    }
    if (m == "environment") {
        const char* value = std::getenv("BENCH_DEMO_VALUE");
        std::printf("figure demo value %s\n", value ? value : "none");
        return 0;
    }
    return 0;
}
