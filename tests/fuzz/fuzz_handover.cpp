// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the hand-over's address parsing, as an address
// another program sends over the bus and as a file name this program sends.
// An address taken must name an absolute path without a NUL byte, and the
// address this program makes of that name must give the same name back;
// every file name must survive the trip, in an address of printable ASCII.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "reporthandover.h"

namespace {

void checkTrip(const QByteArray &path)
{
    const QString uri = velmora::handover::fileUri(path);
    for (const QChar c : uri) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f)
            std::abort();
    }
    if (velmora::handover::fileNameOf(uri) != path)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    if (const std::optional<QByteArray> path = velmora::handover::fileNameOf(QString::fromUtf8(bytes))) {
        if (!path->startsWith('/') || path->contains('\0'))
            std::abort();
        checkTrip(*path);
    }
    QByteArray name = bytes;
    name.replace('\0', "");
    checkTrip('/' + name);
    return 0;
}
