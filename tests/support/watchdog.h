// SPDX-License-Identifier: MIT
#pragma once

#include <unistd.h>

// Ends the test process (SIGALRM) should the guarded code block for longer
// than the given seconds, so that a test of something that could hang (a
// FIFO, a lock) fails instead of waiting for ever.
class Watchdog
{
public:
    explicit Watchdog(unsigned seconds) { ::alarm(seconds); }
    ~Watchdog() { ::alarm(0); }
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;
};
