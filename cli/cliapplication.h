// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayList>
#include <QDate>
#include <QDateTime>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "calendarspan.h"
#include "personalcycles.h"
#include "system.h"

class QCommandLineParser;

namespace velmora {

struct BirthData;
class Chart;

// The command-line tool: reads its options, runs one of the three modes (one
// person, a saved report, a CSV batch) and gives the exit status. Usage
// errors and refused input are one line on the error stream.
class CliApplication
{
public:
    // Today's date, the date of interest unless --on names one.
    using Clock = std::function<QDate()>;

    CliApplication(std::FILE *output, std::FILE *errors, Clock today = &QDate::currentDate);

    // The arguments include the program name first, as QCoreApplication gives
    // them; argumentBytes, when given, are the same arguments as the system
    // passed them, so that a file name that is not UTF-8 can be told apart.
    [[nodiscard]] int run(const QStringList &arguments, const QByteArrayList &argumentBytes = {});

    // The moment a calendar file is stamped with (DTSTAMP); by default the system's clock.
    void setNow(std::function<QDateTime()> now) { m_now = std::move(now); }

private:
    enum class Format { Text, Json, Csv };

    [[nodiscard]] bool isExactName(const QString &fileName) const;
    static QString inexactNameText(const QString &fileName);
    int usageError(const QString &text);
    int failure(const QString &text);
    int runPerson(const QCommandLineParser &parser, bool printReadings);
    int runOpen(const QString &fileName, const QString &pdfFile, bool printReadings);
    // Writes the PDF file when one is named, then prints the readings if asked to.
    int finish(const BirthData &data, const QString &pdfFile, bool printReadings);
    int runBatch(const QString &inputFile);
    int runCompare(const QString &first, const QString &second);
    // The table of name variants (clivariants.cpp), and its PDF when named.
    int runVariants(const QCommandLineParser &parser, bool printTable);
    // The calendar of the span: the PDF and the .ics when named, then the days if asked for.
    int runCalendar(const BirthData &data, const QString &pdfFile, bool printCalendar);
    int printCalendar(const std::vector<CalendarDay> &days);
    int print(const Chart &chart);
    // A report file's person, or a message and nothing when the window would refuse it.
    std::optional<BirthData> openReport(const QString &fileName);
    // A person written FIRST,MIDDLE,LAST,YYYY-MM-DD, or a report file.
    std::optional<BirthData> comparedPerson(const QString &operand);
    // The names as they count: with their accents folded when asked to.
    [[nodiscard]] std::string countedName(const QString &name) const;
    [[nodiscard]] std::string countedName(std::string_view name) const;
    // One line on the error stream when characters of the person's name do not count.
    void warnOfUncounted(const BirthData &data);
    bool write(const char *data, std::size_t size);
    int writeAll(const QByteArray &bytes);
    // A file the tool makes (kind: "PDF file", "calendar file"; extension:
    // ".pdf", ".ics"): to standard output for "-", otherwise by saveMadeFile.
    int writeMadeFile(const QString &fileName, const QByteArray &bytes, const QString &kind,
                      const QString &extension);
    // The same for a PDF drawn in memory; empty when it could not be drawn.
    int writePdf(const QString &fileName, const QByteArray &pdf);

    std::FILE *m_output;
    std::FILE *m_errors;
    Format m_format = Format::Text;
    Clock m_today;
    std::function<QDateTime()> m_now = &QDateTime::currentDateTimeUtc;
    std::optional<CalendarSpan> m_calendar;
    std::optional<DayFilter> m_dayFilter;
    QString m_icsFile;
    bool m_icsName = false;
    CalendarDate m_dateOfInterest;
    bool m_explain = false;
    // The rules every number is found by; named on the command line or not.
    const System *m_system = &classicSystem();
    bool m_nameSystem = false;
    bool m_foldAccents = false;
    bool m_replaceColumns = false;
    QByteArrayList m_argumentBytes;
};

} // namespace velmora
