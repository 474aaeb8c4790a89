// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

#include "bookaccess.h"

namespace velmora {

class CliStreams;
struct CliOptions;

// A job of the client book: a client added, shown, changed, removed or
// found; files imported, the book exported, backed up or checked. Every
// change is one transaction of the book; an import one for each file.
class BookRun
{
public:
    BookRun(const CliOptions &options, CliStreams &streams);

    [[nodiscard]] int run();

private:
    int add();
    int show();
    int set();
    int remove();
    int find();
    int import();
    int exportCsv();
    int backup();
    int check();

    // The client of the job's id, or nothing after the message.
    [[nodiscard]] std::optional<book::Client> clientOfId();
    // Applies --first … --date, --notes, --tag, --later-name and --system to
    // the client: Success, or Failure after saying what is wrong.
    int applyFields(book::Client &client);
    // A failure of the book, after the message.
    int bookFailure();

    const CliOptions &m_options;
    CliStreams &m_streams;
    BookAccess m_access;
};

} // namespace velmora
