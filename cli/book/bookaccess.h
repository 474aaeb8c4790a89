// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "clientbook.h"

namespace velmora {

class CliStreams;
struct CliOptions;

// The client book a command line names, opened at the first need, and the
// clients it names (an id, or a name that matches exactly one client).
class BookAccess
{
public:
    // address: --book, or empty for the default book.
    BookAccess(const QString &address, CliStreams &streams);
    ~BookAccess();
    BookAccess(const BookAccess &) = delete;
    BookAccess &operator=(const BookAccess &) = delete;

    // The book, or nullptr after saying why it cannot be opened.
    [[nodiscard]] book::ClientBook *book();

    // The client of an id or a name, as option (--client, --compare) names it;
    // nothing after the message, with *status the exit status: UsageError when
    // several clients match the name, else Failure.
    [[nodiscard]] std::optional<book::Client> client(const QString &idOrName, const QString &option, int *status);

    // Adds the entries to the client's history: Success, or Failure after the message.
    [[nodiscard]] int record(qint64 id, const QList<book::HistoryEntry> &entries);

    // The address as the messages name it.
    [[nodiscard]] QString address() const { return m_address; }

private:
    QString m_address;
    CliStreams &m_streams;
    std::unique_ptr<book::ClientBook> m_book;
    bool m_tried = false;
};

// The book's address the options name: --book, or the default book.
[[nodiscard]] QString bookAddress(const CliOptions &options);


// Runs a job for the client --client names, as for a person typed: the job
// gets the options with the client's birth name and date in place of
// --first, --middle, --last and --date (the readings are of the birth name;
// the name in use is shown beside it) and the client's system unless
// --system names one; for name variants, the client's date and the names
// left out. What the job made for the client (a reading, a PDF, a calendar)
// is then added to the client's history, made at now.
[[nodiscard]] int runForClient(const CliOptions &options, CliStreams &streams, const QDateTime &now,
                               const std::function<int(const CliOptions &)> &job);

} // namespace velmora
