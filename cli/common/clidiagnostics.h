// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "utf8character.h"

namespace velmora {

inline constexpr std::string_view kProgramName = "tavi-velmora-cli";

// 0: everything done; 1: input refused (a person, a report file, one or more
// batch rows) or a file could not be read or written; 2: the command line
// itself is wrong.
enum ExitStatus : int { Success = 0, Failure = 1, UsageError = 2 };

// The UTF-8 text with every character isShownAsMark (shownasmark.h) finds
// shown as '?': the C0 and C1 controls, DEL and the direction overrides, and
// a stray byte 0x80-0x9F as well. Text from outside (a name, a file name)
// printed this way cannot move the cursor, change colours, start a line of
// its own or show in another order than it is written in.
[[nodiscard]] std::string visibleText(std::string_view text);

// Writes one line "tavi-velmora-cli: <text>" to the stream, the text shown
// by visibleText, so that a message always stays one line.
void printError(std::FILE *stream, std::string_view text);

} // namespace velmora
