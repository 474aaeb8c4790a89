// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

namespace velmora {

class Chart;
class CliStreams;
struct BirthData;
struct CliOptions;
struct Comparison;

// Two people compared, each a report file or FIRST,MIDDLE,LAST,YYYY-MM-DD:
// the relation of their Life Path and Destiny numbers with its reading, as
// text or JSON.
class CompareRun
{
public:
    CompareRun(const CliOptions &options, CliStreams &streams);

    [[nodiscard]] int run();

private:
    // A person written FIRST,MIDDLE,LAST,YYYY-MM-DD, or a report file; nothing after the message.
    [[nodiscard]] std::optional<BirthData> person(const QString &operand);

    const CliOptions &m_options;
    CliStreams &m_streams;
};

// Who the two are, then the relation of their Life Path and Destiny numbers
// with its reading.
[[nodiscard]] std::string comparisonText(const Chart &first, const Chart &second, const Comparison &comparison);
// The same as JSON; the system's key too when the options name it.
[[nodiscard]] QByteArray comparisonJson(const Chart &first, const Chart &second, const Comparison &comparison,
                                        const CliOptions &options);

} // namespace velmora
