// SPDX-License-Identifier: MIT
#include "passthrough.h"

#include "csvreader.h"
#include "csvwriter.h"

std::int64_t passThrough(std::FILE *input, std::FILE *output)
{
    velmora::CsvReader reader(input);
    velmora::CsvWriter writer(output);
    std::int64_t records = 0;
    for (;;) {
        const velmora::CsvReader::Status status = reader.next();
        if (status == velmora::CsvReader::Status::End)
            break;
        if (status == velmora::CsvReader::Status::ReadError)
            return -1;
        if (status == velmora::CsvReader::Status::BadRecord)
            continue;
        velmora::copyFields(reader, writer);
        writer.endRecord();
        ++records;
    }
    return writer.flush() ? records : -1;
}
