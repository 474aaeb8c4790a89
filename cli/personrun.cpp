// SPDX-License-Identifier: MIT
#include "personrun.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <string>
#include <tuple>

#include "bookaccess.h"
#include "calendarrun.h"
#include "chart.h"
#include "clidiagnostics.h"
#include "clioptions.h"
#include "clistreams.h"
#include "personinput.h"
#include "practice.h"
#include "readingdocument.h"
#include "readingoutput.h"
#include "reportfile.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

// The largest notes file read.
constexpr qint64 kNotesMaxBytes = 10 * 1024 * 1024;

} // namespace

PersonRun::PersonRun(const CliOptions &options, CliStreams &streams, const CalendarRun *calendar)
    : m_options(options)
    , m_streams(streams)
    , m_calendar(calendar)
{
}

int PersonRun::run()
{
    // A logo or notes refused stop the run before --save writes the report.
    const std::optional<ReportOptions> report = reportOptions();
    if (!report)
        return Failure;
    const std::optional<BirthData> person = m_options.mode == CliMode::Open
        ? m_streams.openReport(m_options.openFile, m_options.foldAccents)
        : typedPerson();
    return person ? finish(*person, *report) : Failure;
}

std::optional<ReportOptions> PersonRun::reportOptions()
{
    ReportOptions report;
    report.sections = m_options.sections;
    report.nameSystem = m_options.systemNamed;
    report.preparedOn = m_options.today;
    if (m_options.pdfFile.isEmpty() && m_options.odtFile.isEmpty() && m_options.htmlFile.isEmpty())
        return report;
    PracticeDetails &practice = report.practice;
    practice = readPracticeFile(practiceFilePath());
    if (m_options.practitionerGiven)
        practice.name = m_options.practitioner;
    if (m_options.contactGiven)
        practice.contact = m_options.contact;
    if (!m_options.logoFile.isEmpty())
        practice.logoFile = m_options.logoFile;
    if (!practice.logoFile.isEmpty()) {
        if (m_streams.checkName(practice.logoFile) != Success)
            return std::nullopt;
        QString problem;
        const std::optional<QImage> logo = loadLogo(practice.logoFile, &problem);
        if (!logo) {
            m_streams.failure((m_options.logoFile.isEmpty() ? practiceFilePath() + u": logo "_s : u"--logo "_s)
                              + problem);
            return std::nullopt;
        }
        report.logo = *logo;
    }
    if (!readNotes(report))
        return std::nullopt;
    return report;
}

bool PersonRun::readNotes(ReportOptions &report)
{
    const QString &fileName = m_options.notesFile;
    if (fileName.isEmpty())
        return true;
    if (m_streams.checkName(fileName) != Success)
        return false;
    QFile file(fileName);
    const auto refuse = [&](const QString &reason) {
        m_streams.failure(u"--notes-file %1: %2"_s.arg(fileName, reason));
        return false;
    };
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly))
        return refuse(u"cannot be read"_s);
    if (file.size() > kNotesMaxBytes)
        return refuse(u"larger than 10 MB"_s);
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return refuse(u"not UTF-8 text"_s);
    const QStringList known = reportSectionNames();
    const QStringList lines = text.split(u'\n');
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const QString line = lines[k].trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype colon = line.indexOf(u':');
        const QString section = line.left(colon).trimmed();
        if (colon < 0 || !known.contains(section))
            return refuse(u"line %1 does not start with a section and a colon (SECTION: text); the sections are %2"_s.arg(
                QString::number(k + 1), known.join(u", "_s)));
        report.notes[section] << line.mid(colon + 1).trimmed();
    }
    return true;
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
        visibleText(book::joinedName(m_options.first, m_options.middle, m_options.last).toStdString());
    if (m_options.clientNameInUse.isEmpty())
        return line + birthName + "\n\n";
    return line + visibleText(m_options.clientNameInUse.toStdString()) + ", born " + birthName
        + "; the readings are of the birth name\n\n";
}

int PersonRun::finish(const BirthData &person, const ReportOptions &report)
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
        const int status = m_streams.writePdf(pdfFile, readingsPdf(chart, localePageSize(), report));
        if (status != Success || pdfFile == u"-"_s)
            return status;
    }
    for (const auto &[fileName, kind, extension, bytes] :
         {std::tuple{m_options.odtFile, u"OpenDocument file"_s, u".odt"_s, &reportOdt},
          std::tuple{m_options.htmlFile, u"HTML file"_s, u".html"_s, &reportHtml}}) {
        if (fileName.isEmpty())
            continue;
        if (const int status = m_streams.checkName(fileName); status != Success)
            return status;
        const QByteArray made = bytes(chart, report);
        if (made.isEmpty())
            return m_streams.failure(u"%1: cannot write the %2: the document could not be made"_s.arg(fileName, kind));
        // A document on standard output is all that is written there.
        const int status = m_streams.writeMadeFile(fileName, made, kind, extension);
        if (status != Success || fileName == u"-"_s)
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
