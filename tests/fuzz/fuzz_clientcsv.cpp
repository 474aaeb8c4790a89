// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the import of a CSV of clients. A file is taken
// whole or refused; what is taken, written as an export and imported again,
// must give the very same export: nothing of a client is lost or changed on
// the way, whatever the names, notes, later names or history hold.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "clientfiles.h"

namespace {

std::optional<QByteArray> exported(const QList<velmora::book::Client> &clients)
{
    velmora::book::ClientCsvWriter writer;
    for (const velmora::book::Client &client : clients)
        writer.write(client);
    return writer.finish();
}

std::optional<QList<velmora::book::Client>> imported(const void *data, std::size_t size)
{
    // fmemopen refuses an empty buffer: one byte that is never read stands in.
    static char none = 0;
    std::FILE *input = size == 0 ? fmemopen(&none, 1, "rb") : fmemopen(const_cast<void *>(data), size, "rb");
    if (input == nullptr)
        std::abort();
    if (size == 0)
        std::fgetc(input);
    QString error;
    std::optional<QList<velmora::book::Client>> clients = velmora::book::clientsFromCsv(input, &error);
    std::fclose(input);
    if (!clients && error.isEmpty())
        std::abort(); // a refusal always says why
    return clients;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::optional<QList<velmora::book::Client>> clients = imported(data, size);
    if (!clients)
        return 0;
    const std::optional<QByteArray> first = exported(*clients);
    if (!first)
        std::abort();
    const std::optional<QList<velmora::book::Client>> again = imported(first->constData(), first->size());
    if (!again || again->size() != clients->size())
        std::abort();
    const std::optional<QByteArray> second = exported(*again);
    if (!second || *second != *first)
        std::abort();
    return 0;
}
