// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the report reader. Whatever it accepts must write
// back and read again as the same birth data, and the scrambler must give
// back every byte it can unscramble.
#include <QByteArrayView>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "reportfile.h"
#include "scrambler.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));

    QByteArray unscramblable;
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= velmora::kScrambleOffset)
            unscramblable += byte;
    }
    const QString text = velmora::unscrambleFromBytes(bytes);
    if (velmora::scrambleToBytes(text) != unscramblable)
        std::abort();
    if (velmora::UnscrambleText(velmora::ScrambleText(text)) != text)
        std::abort();

    const std::optional<velmora::BirthData> read = velmora::readReport(bytes);
    if (!read)
        return 0;
    const std::optional<QByteArray> written = velmora::writeReport(*read);
    if (!written)
        std::abort();
    if (velmora::readReport(*written) != read)
        std::abort();
    return 0;
}
