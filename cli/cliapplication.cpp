// SPDX-License-Identifier: MIT
#include "cliapplication.h"

#include <optional>

#include "batchrun.h"
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
    const CliOptions &options = line.options;
    if (const QString clash = commandLineClash(options, m_output); !clash.isEmpty())
        return streams.failure(clash);
    switch (options.mode) {
    case CliMode::Compare:
        return CompareRun(options, streams).run();
    case CliMode::Variants:
        return VariantsRun(options, streams).run();
    case CliMode::Batch:
        return runBatch(options, streams);
    case CliMode::Open:
    case CliMode::Person: {
        std::optional<CalendarRun> calendar;
        if (options.calendarGiven) {
            calendar = CalendarRun::fromOptions(options, streams);
            if (!calendar)
                return UsageError;
            calendar->setNow(m_now);
        }
        return PersonRun(options, streams, calendar ? &*calendar : nullptr).run();
    }
    case CliMode::None:
        break;
    }
    return UsageError; // a command line that chooses no mode is a problem of its own
}

} // namespace velmora
