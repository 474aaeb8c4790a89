// SPDX-License-Identifier: MIT
#include "cliapplication.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "batchrun.h"
#include "calendarics.h"
#include "calendardocument.h"
#include "calendaroutput.h"
#include "chart.h"
#include "compatibility.h"
#include "clidiagnostics.h"
#include "clioptions.h"
#include "enginetext.h"
#include "namefolding.h"
#include "outputfiles.h"
#include "personinput.h"
#include "progressmeter.h"
#include "readingdocument.h"
#include "readingoutput.h"
#include "reportfile.h"
#include "systemreason.h"
#include "vectorstate.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

std::string utf8(const QString &text)
{
    return text.toStdString();
}

// "é", "é and ñ", "é, ñ and ø"
std::string listed(const std::vector<std::string> &items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

} // namespace

CliApplication::CliApplication(std::FILE *output, std::FILE *errors, Clock today)
    : m_output(output)
    , m_errors(errors)
    , m_today(std::move(today))
{
}

int CliApplication::usageError(const QString &text)
{
    printError(m_errors, utf8(text + u" (see --help)"_s));
    return UsageError;
}

int CliApplication::failure(const QString &text)
{
    printError(m_errors, utf8(text));
    return Failure;
}

bool CliApplication::write(const char *data, std::size_t size)
{
    if (std::fwrite(data, 1, size, m_output) == size && std::fflush(m_output) == 0)
        return true;
    printError(m_errors, "cannot write the output");
    return false;
}

int CliApplication::writeAll(const QByteArray &bytes)
{
    return write(bytes.constData(), static_cast<std::size_t>(bytes.size())) ? Success : Failure;
}

int CliApplication::writeMadeFile(const QString &fileName, const QByteArray &bytes, const QString &kind,
                                  const QString &extension)
{
    if (fileName == u"-"_s)
        return writeAll(bytes);
    QString reason;
    if (!saveMadeFile(fileName, bytes, kind, extension, &reason))
        return failure(u"%1: cannot write the %2: %3"_s.arg(fileName, kind, reason));
    return Success;
}

int CliApplication::writePdf(const QString &fileName, const QByteArray &pdf)
{
    // Drawn in memory first: a document that cannot be drawn touches no file.
    if (pdf.isEmpty())
        return failure(u"%1: cannot write the PDF file: the document could not be drawn"_s.arg(fileName));
    return writeMadeFile(fileName, pdf, u"PDF file"_s, u".pdf"_s);
}

bool CliApplication::isExactName(const QString &fileName) const
{
    // A byte sequence that is not UTF-8 reads as U+FFFD, and the name would
    // then stand for another file: the one whose name holds U+FFFD itself.
    if (!fileName.contains(QChar::ReplacementCharacter))
        return true;
    for (const QByteArray &bytes : m_argumentBytes) {
        const QString text = QString::fromLocal8Bit(bytes);
        if (text.contains(fileName) && text.toLocal8Bit() != bytes)
            return false;
    }
    return true;
}

QString CliApplication::inexactNameText(const QString &fileName)
{
    return u"%1: the file name is not valid UTF-8, so it cannot be used exactly; rename the file"_s.arg(fileName);
}

int CliApplication::run(const QStringList &arguments, const QByteArrayList &argumentBytes)
{
    m_argumentBytes = argumentBytes;
    QCommandLineParser parser;
    describeCommandLine(parser);
    if (!parser.parse(withCompareOperands(arguments)))
        return usageError(parser.errorText());
    if (parser.isSet(u"help"_s))
        return writeAll(parser.helpText().toUtf8());
    if (parser.isSet(u"version"_s))
        return writeAll((QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n')
                            .toUtf8());
    const CliMode mode = chosenMode(parser);
    if (const QString problem = commandLineProblem(parser, mode); !problem.isEmpty())
        return usageError(problem);
    if (const QString clash = commandLineClash(parser, mode, m_output); !clash.isEmpty())
        return failure(clash);
    const QString format = parser.value(u"format"_s);
    m_format = format == u"json"_s ? Format::Json : format == u"csv"_s ? Format::Csv : Format::Text;
    if (parser.isSet(u"calendar"_s)) {
        QString problem;
        m_calendar = parseCalendarSpan(parser.value(u"calendar"_s), &problem);
        if (!m_calendar)
            return usageError(problem);
        if (parser.isSet(u"find"_s)) {
            m_dayFilter = DayFilter::parse(parser.value(u"find"_s), parser.value(u"weekday"_s), &problem);
            if (!m_dayFilter)
                return usageError(problem);
        }
        m_icsFile = parser.value(u"ics"_s);
        if (!m_icsFile.isEmpty() && m_calendar->last > kLastIcsDay)
            return usageError(u"--ics: a calendar file holds days up to %1; expected a span that ends by then"_s.arg(
                kLastIcsDay.toString(Qt::ISODate)));
        m_icsName = parser.isSet(u"ics-name"_s);
    }
    m_explain = parser.isSet(u"explain"_s);
    m_nameSystem = parser.isSet(u"system"_s);
    if (m_nameSystem)
        m_system = findSystem(utf8(parser.value(u"system"_s))); // checked with the command line
    m_foldAccents = parser.isSet(u"fold-accents"_s);
    m_replaceColumns = parser.isSet(u"replace-columns"_s);
    if (parser.isSet(u"on"_s)) {
        const std::optional<IsoDate> on = parseIsoDate(utf8(parser.value(u"on"_s)));
        if (!on)
            return usageError(u"--on '%1': not a date written YYYY-MM-DD that exists (years 1 to 9999)"_s.arg(
                parser.value(u"on"_s)));
        m_dateOfInterest = {on->day, on->month, on->year};
    } else {
        const QDate today = m_today();
        m_dateOfInterest = {today.day(), today.month(), today.year()};
    }
    switch (mode) {
    case CliMode::Compare:
        return runCompare(parser.value(u"compare"_s), parser.positionalArguments().constFirst());
    case CliMode::Variants:
        return runVariants(parser, printsReadings(parser));
    case CliMode::Batch:
        return runBatch(parser.value(u"input"_s));
    case CliMode::Open:
        return runOpen(parser.value(u"open"_s), parser.value(u"pdf"_s), printsReadings(parser));
    case CliMode::Person:
        return runPerson(parser, printsReadings(parser));
    case CliMode::None:
        break;
    }
    return UsageError; // a command line that chooses no mode is a problem of its own
}

int CliApplication::runPerson(const QCommandLineParser &parser, bool printReadings)
{
    const std::string first = countedName(parser.value(u"first"_s));
    const std::string middle = countedName(parser.value(u"middle"_s));
    const std::string last = countedName(parser.value(u"last"_s));
    const std::string date = utf8(parser.value(u"date"_s));
    BirthData data;
    if (const InputFault fault = readPerson({first, middle, last, date}, data); fault != InputFault::None) {
        std::string text(faultText(fault));
        if (fault == InputFault::BadDate)
            text = "--date '" + date + "': " + text;
        printError(m_errors, text);
        return Failure;
    }
    if (parser.isSet(u"save"_s)) {
        const QString fileName = parser.value(u"save"_s);
        if (!isExactName(fileName))
            return failure(inexactNameText(fileName));
        if (!hasReportExtension(fileName))
            return failure(u"%1: a report file name must end in vlm"_s.arg(fileName));
        if (!writeReport(data))
            return failure(u"%1: a report file cannot hold these names (Windows-1252 characters only)"_s.arg(
                fileName));
        QString reason;
        if (!saveReportFile(fileName, data, &reason))
            return failure(u"%1: cannot write the report file: %2"_s.arg(fileName, reason));
    }
    return finish(data, parser.value(u"pdf"_s), printReadings);
}

std::optional<BirthData> CliApplication::openReport(const QString &fileName)
{
    if (!isExactName(fileName)) {
        failure(inexactNameText(fileName));
        return std::nullopt;
    }
    std::optional<BirthData> data;
    QString reason;
    if (hasReportExtension(fileName))
        data = loadReportFile(fileName, &reason);
    if (!data) {
        QString text = u"%1: %2"_s.arg(fileName, kCheckTheFile);
        if (!reason.isEmpty())
            text += u" ("_s + reason + u')';
        failure(text);
        return std::nullopt;
    }
    if (m_foldAccents) {
        for (std::string *name : {&data->FirstName, &data->MiddleName, &data->LastName})
            *name = foldAccents(*name);
    }
    return data;
}

int CliApplication::runOpen(const QString &fileName, const QString &pdfFile, bool printReadings)
{
    const std::optional<BirthData> data = openReport(fileName);
    return data ? finish(*data, pdfFile, printReadings) : Failure;
}

std::string CliApplication::countedName(const QString &name) const
{
    return countedName(utf8(name));
}

std::string CliApplication::countedName(std::string_view name) const
{
    return m_foldAccents ? foldAccents(name) : std::string(name);
}

void CliApplication::warnOfUncounted(const BirthData &data)
{
    const std::string name = fullName(data);
    const std::vector<std::string> uncounted = uncountedCharacters(name);
    if (uncounted.empty())
        return;
    printError(m_errors, listed(uncounted) + " in " + name + (uncounted.size() == 1 ? " does" : " do")
                             + " not count: only the letters A–Z do");
}

std::optional<BirthData> CliApplication::comparedPerson(const QString &operand)
{
    if (hasReportExtension(operand))
        return openReport(operand);
    const std::string text = utf8(operand);
    const std::optional<PersonFields> fields = splitPerson(text);
    if (!fields) {
        failure(u"%1: neither a report file (FILE.vlm) nor a person written FIRST,MIDDLE,LAST,YYYY-MM-DD"_s.arg(
            operand));
        return std::nullopt;
    }
    const std::string first = countedName(fields->first);
    const std::string middle = countedName(fields->middle);
    const std::string last = countedName(fields->last);
    BirthData data;
    if (const InputFault fault = readPerson({first, middle, last, fields->date}, data); fault != InputFault::None) {
        failure(u"%1: "_s.arg(operand) + toQString(faultText(fault)));
        return std::nullopt;
    }
    return data;
}

int CliApplication::runCompare(const QString &first, const QString &second)
{
    const std::optional<BirthData> one = comparedPerson(first);
    if (!one)
        return Failure;
    const std::optional<BirthData> other = comparedPerson(second);
    if (!other)
        return Failure;
    warnOfUncounted(*one);
    warnOfUncounted(*other);
    const Chart oneChart = chartOf(*one, *m_system, m_dateOfInterest);
    const Chart otherChart = chartOf(*other, *m_system, m_dateOfInterest);
    const Comparison comparison = ComparePeople(oneChart, otherChart);
    if (m_format == Format::Json)
        return writeAll(comparisonJson(oneChart, otherChart, comparison, m_nameSystem));
    const std::string text = comparisonText(oneChart, otherChart, comparison);
    return write(text.data(), text.size()) ? Success : Failure;
}

int CliApplication::finish(const BirthData &data, const QString &pdfFile, bool printReadings)
{
    warnOfUncounted(data);
    if (m_calendar)
        return runCalendar(data, pdfFile, printReadings);
    // With its working, which the PDF's appendix and --explain show.
    const Chart chart = chartOf(data, *m_system, m_dateOfInterest, true);
    if (!pdfFile.isEmpty()) {
        if (pdfFile != u"-"_s && !isExactName(pdfFile))
            return failure(inexactNameText(pdfFile));
        // A PDF on standard output is all that is written there.
        const int status = writePdf(pdfFile, readingsPdf(chart, localePageSize(), m_nameSystem));
        if (status != Success || pdfFile == u"-"_s)
            return status;
    }
    return printReadings ? print(chart) : Success;
}

int CliApplication::runCalendar(const BirthData &data, const QString &pdfFile, bool printCalendar)
{
    const std::vector<CalendarDay> days = calendarDays(data, *m_system, m_calendar->first, m_calendar->last);
    for (const QString &file : {pdfFile, m_icsFile}) {
        if (!file.isEmpty() && file != u"-"_s && !isExactName(file))
            return failure(inexactNameText(file));
    }
    if (!pdfFile.isEmpty()) {
        const int status = writePdf(pdfFile, calendarPdf(data, days, localePageSize(), QLocale().firstDayOfWeek()));
        if (status != Success)
            return status;
    }
    if (!m_icsFile.isEmpty()) {
        const int status = writeMadeFile(m_icsFile, calendarIcs(data, days, m_icsName, m_now()), u"calendar file"_s,
                                             u".ics"_s);
        if (status != Success)
            return status;
    }
    return printCalendar ? this->printCalendar(days) : Success;
}

int CliApplication::printCalendar(const std::vector<CalendarDay> &days)
{
    std::vector<CalendarDay> shown;
    if (m_dayFilter)
        std::ranges::copy_if(days, std::back_inserter(shown), [this](const CalendarDay &day) {
            return m_dayFilter->matches(day);
        });
    const std::vector<CalendarDay> &listed = m_dayFilter ? shown : days;
    std::string text;
    switch (m_format) {
    case Format::Json:
        text = calendarJson(listed);
        break;
    case Format::Csv:
        text = calendarCsv(listed);
        break;
    case Format::Text:
        if (!m_dayFilter)
            text = calendarText(listed, QLocale().firstDayOfWeek());
        else if (listed.empty())
            text = "No day from " + m_calendar->first.toString(Qt::ISODate).toStdString() + " to "
                + m_calendar->last.toString(Qt::ISODate).toStdString() + " matches.\n";
        else
            text = daysText(listed);
        break;
    }
    return write(text.data(), text.size()) ? Success : Failure;
}

int CliApplication::print(const Chart &chart)
{
    if (m_format == Format::Json)
        return writeAll(QJsonDocument(chartObject(chart, m_explain, m_nameSystem)).toJson(QJsonDocument::Indented));
    std::string text = readingsText(chart);
    text.append("\n").append(moreNumbersText(chart));
    text.append("\n").append(letterChartsText(chart));
    if (m_explain)
        text.append("\n").append(workingsText(chart, m_nameSystem));
    return write(text.data(), text.size()) ? Success : Failure;
}

int CliApplication::runBatch(const QString &inputFile)
{
    std::FILE *input = stdin;
    if (!inputFile.isEmpty() && inputFile != u"-"_s) {
        if (!isExactName(inputFile))
            return failure(inexactNameText(inputFile));
        input = std::fopen(QFile::encodeName(inputFile).constData(), "rb");
        if (input == nullptr)
            return failure(u"%1: cannot open: %2"_s.arg(inputFile, systemReason(errno)));
    }
    struct stat info {};
    const std::uint64_t size = fstat(fileno(input), &info) == 0 && S_ISREG(info.st_mode)
        ? static_cast<std::uint64_t>(info.st_size)
        : 0;
    ProgressMeter progress(m_errors, isatty(fileno(m_errors)) != 0, size);
    BatchRun batch(input, m_output, m_errors, &progress,
                   m_format == Format::Json ? BatchRun::Format::JsonLines : BatchRun::Format::Csv);
    batch.setDateOfInterest(m_dateOfInterest);
    batch.setFoldAccents(m_foldAccents);
    batch.setSystem(*m_system);
    batch.setReplaceColumns(m_replaceColumns);
    clearVectorUpperState(); // after the last Qt call before the rows
    const int status = batch.run();
    if (input != stdin)
        std::fclose(input);
    return status;
}

} // namespace velmora
