// SPDX-License-Identifier: MIT
#include <cstdio>
#include <cstdlib>
#include <string>

#include "benchpeople.h"

// Writes the benchmark people as batch input: velmora-bench-people COUNT.
int main(int argc, char *argv[])
{
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 0;
    if (argc != 2 || count <= 0) {
        std::fputs("usage: velmora-bench-people COUNT\n", stderr);
        return 2;
    }
    const std::string csv = benchPeopleCsv(static_cast<std::size_t>(count));
    return std::fwrite(csv.data(), 1, csv.size(), stdout) == csv.size() ? 0 : 1;
}
