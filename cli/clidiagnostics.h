// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kProgramName = "tavi-velmora-cli";

// 0: everything done; 1: input refused (a person, a report file, one or more
// batch rows) or a file could not be read or written; 2: the command line
// itself is wrong.
enum ExitStatus : int { Success = 0, Failure = 1, UsageError = 2 };

// Writes one line "tavi-velmora-cli: <text>" to the stream. Line breaks and
// other control characters in the text are shown as '?', so that a message
// always stays one line.
void printError(std::FILE *stream, std::string_view text);

} // namespace velmora
