// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the CSV reader with several chunk sizes and a
// small record limit (so that over-long records are common): every chunk size
// must give the same records, bad records and line numbers.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "csvreader.h"

namespace {

std::string events(const std::uint8_t *data, std::size_t size, std::size_t chunkSize)
{
    std::FILE *input = fmemopen(const_cast<std::uint8_t *>(data), size, "rb");
    if (input == nullptr)
        std::abort();
    velmora::CsvReader reader(input, chunkSize, 64);
    std::string out;
    for (;;) {
        const velmora::CsvReader::Status status = reader.next();
        if (status == velmora::CsvReader::Status::End)
            break;
        if (status == velmora::CsvReader::Status::ReadError)
            std::abort();
        out += std::to_string(reader.line());
        if (status == velmora::CsvReader::Status::BadRecord) {
            out += '!';
            out += reader.error();
        } else {
            out += '[' + std::to_string(reader.fieldCount()) + ']';
            for (const std::string_view field : reader.fields()) {
                out += std::to_string(field.size()) + ':';
                out += field;
            }
            out += '/';
            out += reader.rawRecord();
        }
        out += '\n';
    }
    if (reader.bytesRead() != size)
        std::abort();
    std::fclose(input);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0; // fmemopen needs a buffer
    const std::string whole = events(data, size, 1 << 16);
    for (const std::size_t chunk : {1, 3, 64}) {
        if (events(data, size, chunk) != whole)
            std::abort();
    }
    return 0;
}
