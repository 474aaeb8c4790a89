// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <memory>
#include <string>

// Streams over temporary files, for the tests of the CSV reader and writer.
struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using TempStream = std::unique_ptr<std::FILE, FileCloser>;

// A stream positioned at the start of the bytes.
inline TempStream streamOf(const std::string &bytes)
{
    TempStream file(std::tmpfile());
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    std::rewind(file.get());
    return file;
}

// Everything written to the stream so far.
inline std::string contentsOf(std::FILE *file)
{
    std::fflush(file);
    std::rewind(file);
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    return text;
}
