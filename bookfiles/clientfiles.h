// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <memory>
#include <optional>

#include "clientbook.h"

namespace velmora::book {

// The files clients come from and go to, for the tool and the practitioner's
// window alike: a report file (.vlm), and CSV with the batch's columns.
//
// The CSV has a header naming its columns in any order and case: first,
// middle, last and date as the batch reads them (middle may be left out),
// then, each optional, notes, tags (words apart by spaces or commas),
// later_names, name_in_use, system and history. Any other column (the
// numbers a batch wrote, say) is left aside. A later name or a reading is
// one CSV record of its own within its cell, one a line:
//   later_names: FIRST,MIDDLE,LAST,YYYY-MM-DD,LABEL (the date may be empty)
//   history:     YYYY-MM-DDTHH:MM:SSZ,SYSTEM,YYYY-MM-DD,DOCUMENT (the date may be empty)
// name_in_use is empty or 0 for the birth name, else the number of the later
// name (1 for the first). Every text is kept exactly as written, a cell
// starting with =, +, - or @ included; names are checked as the batch checks
// them, but stored untrimmed.

// The columns an export writes, in their order.
[[nodiscard]] QList<QByteArray> clientCsvColumns();

// The person of a report file as a new client (birth name and date); nothing,
// with what is wrong in *error, when the file cannot be read or is no sound report.
[[nodiscard]] std::optional<Client> clientFromReportFile(const QString &fileName, QString *error);

// Every client of a CSV stream, or nothing with the first fault in *error
// ("line 7: the last name is empty"): a file is taken whole or not at all.
[[nodiscard]] std::optional<QList<Client>> clientsFromCsv(std::FILE *input, QString *error);

// The clients of a file: a report when its name ends in vlm, else CSV.
[[nodiscard]] std::optional<QList<Client>> clientsFromFile(const QString &fileName, QString *error);

// Writes clients as the CSV clientsFromCsv reads back to the same clients
// (their id, links and times are the book's own and are not written).
class ClientCsvWriter
{
public:
    ClientCsvWriter(); // the header is written at once
    ~ClientCsvWriter();
    ClientCsvWriter(const ClientCsvWriter &) = delete;
    ClientCsvWriter &operator=(const ClientCsvWriter &) = delete;

    void write(const Client &client);
    // The CSV written; nothing when memory ran out.
    [[nodiscard]] std::optional<QByteArray> finish();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// The whole book as CSV, or nothing with the book's reason in *error.
[[nodiscard]] std::optional<QByteArray> exportedClients(ClientBook &book, QString *error);

} // namespace velmora::book
