// SPDX-License-Identifier: MIT
#include "cliapplication.h"

#include <optional>

#include "batchrun.h"
#include "bookaccess.h"
#include "bookrun.h"
#include "calendarrun.h"
#include "clidiagnostics.h"
#include "clioptions.h"
#include "clistreams.h"
#include "comparerun.h"
#include "outputfiles.h"
#include "personrun.h"
#include "variantsrun.h"

namespace velmora {

CliApplication::CliApplication(std::FILE *output, std::FILE *errors, Clock today)
    : m_output(output)
    , m_errors(errors)
    , m_today(std::move(today))
{
}

int CliApplication::runPerson(const CliOptions &options, CliStreams &streams) const
{
    std::optional<CalendarRun> calendar;
    if (options.calendarGiven) {
        calendar = CalendarRun::fromOptions(options, streams);
        if (!calendar)
            return UsageError;
        calendar->setNow(m_now);
    }
    return PersonRun(options, streams, calendar ? &*calendar : nullptr).run();
}

int CliApplication::run(const QStringList &arguments, const QByteArrayList &argumentBytes)
{
    CliStreams streams(m_output, m_errors, argumentBytes);
    const CommandLine line = readCommandLine(arguments, m_today);
    switch (line.action) {
    case CommandLine::Action::UsageError:
        return streams.usageError(line.text);
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        return streams.writeAll(line.text.toUtf8());
    case CommandLine::Action::Run:
        break;
    }
    CliOptions options = line.options;
    options.book = bookAddress(options);
    if (const QString clash = commandLineClash(options, m_output); !clash.isEmpty())
        return streams.failure(clash);
    switch (options.mode) {
    case CliMode::Book:
        return BookRun(options, streams).run();
    case CliMode::Compare:
        return CompareRun(options, streams).run();
    case CliMode::Variants:
        if (!options.client.isEmpty())
            return runForClient(options, streams, m_now(), [&](const CliOptions &forClient) {
                return VariantsRun(forClient, streams).run();
            });
        return VariantsRun(options, streams).run();
    case CliMode::Batch:
        return runBatch(options, streams);
    case CliMode::Client:
        return runForClient(options, streams, m_now(),
                            [&](const CliOptions &forClient) { return runPerson(forClient, streams); });
    case CliMode::Open:
    case CliMode::Person:
        return runPerson(options, streams);
    case CliMode::None:
        break;
    }
    return UsageError; // a command line that chooses no mode is a problem of its own
}

} // namespace velmora
