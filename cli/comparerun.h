// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <string>
#include <utility>

#include "bookaccess.h"

namespace velmora {

class Chart;
class CliStreams;
struct BirthData;
struct CliOptions;
struct Comparison;

// Two people compared, each a report file, FIRST,MIDDLE,LAST,YYYY-MM-DD or a
// client of the book (client:ID or client:NAME):
// the relation of their Life Path and Destiny numbers with its reading, as
// text or JSON.
class CompareRun
{
public:
    CompareRun(const CliOptions &options, CliStreams &streams);

    [[nodiscard]] int run();

private:
    // A person written FIRST,MIDDLE,LAST,YYYY-MM-DD, a report file or a client; nothing after the message.
    [[nodiscard]] std::optional<BirthData> person(const QString &operand);

    // Adds the comparison to the history of each client compared: Success, or Failure after the message.
    int recordComparison(const BirthData &one, const BirthData &other);

    const CliOptions &m_options;
    CliStreams &m_streams;
    BookAccess m_book; // opened only for an operand client:ID
    int m_refusal = 1; // Failure: the exit status when a person is refused: UsageError when a name fits several clients
    QList<std::pair<qint64, int>> m_clients; // the clients compared: id, and 0 for the first operand, 1 for the second
};

// Who the two are, then the relation of their Life Path and Destiny numbers
// with its reading.
[[nodiscard]] std::string comparisonText(const Chart &first, const Chart &second, const Comparison &comparison);
// The same as JSON; the system's key too when the options name it.
[[nodiscard]] QByteArray comparisonJson(const Chart &first, const Chart &second, const Comparison &comparison,
                                        const CliOptions &options);

} // namespace velmora
