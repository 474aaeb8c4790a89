// SPDX-License-Identifier: MIT
#pragma once

#include <QList>

#include <cstddef>

#include "clientbook.h"

// 100,000, or VELMORA_BENCH_CLIENTS (for a profile of fewer).
[[nodiscard]] std::size_t benchClientCount();

// The bench people as clients of a book: every tenth married (a later name)
// and tagged vip.
[[nodiscard]] QList<velmora::book::Client> benchClients(std::size_t count);
