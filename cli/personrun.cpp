// SPDX-License-Identifier: MIT
#include "personrun.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <string>

#include "bookaccess.h"
#include "calendarrun.h"
#include "chart.h"
#include "clidiagnostics.h"
#include "clioptions.h"
#include "clistreams.h"
#include "personinput.h"
#include "readingdocument.h"
#include "readingoutput.h"
#include "reportfile.h"

using namespace Qt::StringLiterals;

namespace velmora {

PersonRun::PersonRun(const CliOptions &options, CliStreams &streams, const CalendarRun *calendar)
    : m_options(options)
    , m_streams(streams)
    , m_calendar(calendar)
{
}

int PersonRun::run()
{
    const std::optional<BirthData> person = m_options.mode == CliMode::Open
        ? m_streams.openReport(m_options.openFile, m_options.foldAccents)
        : typedPerson();
    return person ? finish(*person) : Failure;
}

std::optional<BirthData> PersonRun::typedPerson()
{
    const std::string first = countedName(m_options.first.toStdString(), m_options.foldAccents);
    const std::string middle = countedName(m_options.middle.toStdString(), m_options.foldAccents);
    const std::string last = countedName(m_options.last.toStdString(), m_options.foldAccents);
    const std::string date = m_options.date.toStdString();
    BirthData data;
    if (const InputFault fault = readPerson({first, middle, last, date}, data); fault != InputFault::None) {
        std::string text(faultText(fault));
        if (fault == InputFault::BadDate)
            text = "--date '" + date + "': " + text;
        m_streams.failure(text);
        return std::nullopt;
    }
    const QString &fileName = m_options.saveFile;
    if (fileName.isEmpty())
        return data;
    if (m_streams.checkName(fileName) != Success)
        return std::nullopt;
    QString reason;
    if (!hasReportExtension(fileName))
        m_streams.failure(u"%1: a report file name must end in vlm"_s.arg(fileName));
    else if (!writeReport(data))
        m_streams.failure(u"%1: a report file cannot hold these names (Windows-1252 characters only)"_s.arg(fileName));
    else if (!saveReportFile(fileName, data, &reason))
        m_streams.failure(u"%1: cannot write the report file: %2"_s.arg(fileName, reason));
    else
        return data;
    return std::nullopt;
}

std::string PersonRun::clientLine() const
{
    if (m_options.clientId == 0)
        return {};
    std::string line = "Client " + std::to_string(m_options.clientId) + ": ";
    const std::string birthName =
        visibleText(joinedName(m_options.first, m_options.middle, m_options.last).toStdString());
    if (m_options.clientNameInUse.isEmpty())
        return line + birthName + "\n\n";
    return line + visibleText(m_options.clientNameInUse.toStdString()) + ", born " + birthName
        + "; the readings are of the birth name\n\n";
}

int PersonRun::finish(const BirthData &person)
{
    m_streams.warnOfUncounted(person);
    if (m_calendar != nullptr)
        return m_calendar->run(person, m_streams);
    // With its working, which the PDF's appendix and --explain show.
    const Chart chart = chartOf(person, *m_options.system, m_options.dateOfInterest, true);
    const QString &pdfFile = m_options.pdfFile;
    if (!pdfFile.isEmpty()) {
        if (const int status = m_streams.checkName(pdfFile); status != Success)
            return status;
        // A PDF on standard output is all that is written there.
        const int status = m_streams.writePdf(pdfFile, readingsPdf(chart, localePageSize(), m_options.systemNamed));
        if (status != Success || pdfFile == u"-"_s)
            return status;
    }
    return m_options.printed ? print(chart) : Success;
}

int PersonRun::print(const Chart &chart)
{
    if (m_options.format == OutputFormat::Json) {
        QJsonObject object = chartObject(chart, m_options);
        if (m_options.clientId != 0) {
            QJsonObject client{{u"id"_s, m_options.clientId}};
            if (!m_options.clientNameInUse.isEmpty())
                client.insert(u"nameInUse"_s, m_options.clientNameInUse);
            object.insert(u"client"_s, client);
        }
        return m_streams.writeAll(QJsonDocument(object).toJson(QJsonDocument::Indented));
    }
    std::string text = clientLine();
    text.append(readingsText(chart));
    text.append("\n").append(moreNumbersText(chart));
    text.append("\n").append(letterChartsText(chart));
    if (m_options.explain)
        text.append("\n").append(workingsText(chart, m_options));
    return m_streams.writeAll(text);
}

} // namespace velmora
