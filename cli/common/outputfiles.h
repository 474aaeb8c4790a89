// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdio>

#include "clioptions.h"
#include "madefiles.h"

namespace velmora {

// outputClash for the files the options name in their mode: the report, CSV
// or variants read (standard input where the mode reads it), the client book
// in a file (options.book, filled in), the files --import reads, the logo
// and the notes read; and --save, --pdf, --odt, --html, --ics, --export,
// --backup and the stream printed to written.
[[nodiscard]] QString commandLineClash(const CliOptions &options, std::FILE *printed);

} // namespace velmora
