// SPDX-License-Identifier: MIT
#include "cliapplication.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <array>
#include <cerrno>
#include <cstring>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "batchrun.h"
#include "calculations.h"
#include "clidiagnostics.h"
#include "filesave.h"
#include "personinput.h"
#include "progressmeter.h"
#include "readingdocument.h"
#include "readingoutput.h"
#include "reportfile.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

// The window's own refusal of a report it cannot open.
constexpr auto kCheckTheFile = "Please Check The File.";

const QCommandLineOption kFirst(u"first"_s, u"First name (required for one person)."_s, u"NAME"_s);
const QCommandLineOption kMiddle(u"middle"_s, u"Middle name (may be left out)."_s, u"NAME"_s);
const QCommandLineOption kLast(u"last"_s, u"Last name (required for one person)."_s, u"NAME"_s);
const QCommandLineOption kDate(u"date"_s, u"Date of birth, YYYY-MM-DD (required for one person)."_s,
                               u"YYYY-MM-DD"_s);
const QCommandLineOption kFormat(u"format"_s,
                                 u"Output of the readings: text (the default) or json; with --batch, csv (the "
                                 "default) or json, one object per line."_s,
                                 u"FORMAT"_s);
const QCommandLineOption kOpen(u"open"_s, u"Show the readings of a saved report file."_s, u"FILE.vlm"_s);
const QCommandLineOption kSave(u"save"_s,
                               u"Save the person as a report file; the readings are printed too when --format "
                               "is given."_s,
                               u"FILE.vlm"_s);
const QCommandLineOption kPdf(u"pdf"_s,
                              u"Write the readings as a PDF document on the paper of the locale (A4 or Letter); "
                              "- writes it to standard output. The readings are printed too when --format is "
                              "given."_s,
                              u"FILE.pdf"_s);
const QCommandLineOption kBatch(u"batch"_s, u"Read CSV whose header names first, middle, last and date (any order "
                                            "and case; other columns are kept) and write it back with the eleven "
                                            "numbers."_s);
const QCommandLineOption kInput(u"input"_s, u"CSV input for --batch; - or none: standard input."_s, u"FILE"_s);

QString optionName(const QCommandLineOption &option)
{
    return u"--"_s + option.names().constFirst();
}

std::string utf8(const QString &text)
{
    return text.toStdString();
}

} // namespace

CliApplication::CliApplication(std::FILE *output, std::FILE *errors)
    : m_output(output)
    , m_errors(errors)
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
    parser.setApplicationDescription(
        u"Numerology readings for one person, for a saved report file, or for a CSV batch.\n"
        "Exit status: 0 done; 1 input refused (a person, a report file, one or more batch rows) or a file "
        "could not be read or written; 2 wrong command line."_s);
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Displays this help."_s);
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const std::array valueOptions = {kFirst, kMiddle, kLast, kDate, kFormat, kOpen, kSave, kPdf, kInput};
    for (const QCommandLineOption &option : valueOptions)
        parser.addOption(option);
    parser.addOption(kBatch);

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        const QByteArray text = parser.helpText().toUtf8();
        return write(text.constData(), static_cast<std::size_t>(text.size())) ? Success : Failure;
    }
    if (parser.isSet(version)) {
        const QByteArray text = (QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion()
                                 + u'\n')
                                    .toUtf8();
        return write(text.constData(), static_cast<std::size_t>(text.size())) ? Success : Failure;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(u"unexpected argument '%1'"_s.arg(parser.positionalArguments().constFirst()));
    for (const QCommandLineOption &option : valueOptions) {
        if (parser.values(option).size() > 1)
            return usageError(u"%1 is given more than once"_s.arg(optionName(option)));
    }
    for (const QCommandLineOption &option : {kSave, kPdf}) {
        if (parser.isSet(option) && parser.value(option).isEmpty())
            return usageError(u"%1 needs a file name, not an empty one"_s.arg(optionName(option)));
    }
    if (parser.value(kPdf) == u"-"_s && parser.isSet(kFormat))
        return usageError(u"--pdf - writes the PDF to standard output, so it does not combine with --format"_s);
    const bool batch = parser.isSet(kBatch);
    if (parser.isSet(kFormat)) {
        const QString format = parser.value(kFormat);
        if (format == u"json"_s)
            m_format = Format::Json;
        else if (format == (batch ? u"csv"_s : u"text"_s))
            m_format = Format::Text;
        else if (batch)
            return usageError(u"unknown format '%1' for --batch; use csv or json"_s.arg(format));
        else
            return usageError(u"unknown format '%1'; use text or json"_s.arg(format));
    }

    const bool person =
        parser.isSet(kFirst) || parser.isSet(kMiddle) || parser.isSet(kLast) || parser.isSet(kDate);
    if (batch) {
        for (const QCommandLineOption &option : {kFirst, kMiddle, kLast, kDate, kOpen, kSave, kPdf}) {
            if (parser.isSet(option))
                return usageError(u"--batch does not combine with %1"_s.arg(optionName(option)));
        }
        return runBatch(parser.value(kInput));
    }
    if (parser.isSet(kInput))
        return usageError(u"--input works only with --batch"_s);
    if (parser.isSet(kOpen)) {
        for (const QCommandLineOption &option : {kFirst, kMiddle, kLast, kDate, kSave}) {
            if (parser.isSet(option))
                return usageError(u"--open does not combine with %1"_s.arg(optionName(option)));
        }
        return runOpen(parser.value(kOpen), parser.value(kPdf), !parser.isSet(kPdf) || parser.isSet(kFormat));
    }
    if (person) {
        for (const QCommandLineOption &option : {kFirst, kLast, kDate}) {
            if (!parser.isSet(option))
                return usageError(u"%1 is missing; one person needs --first, --last and --date"_s.arg(
                    optionName(option)));
        }
        return runPerson(parser, (!parser.isSet(kSave) && !parser.isSet(kPdf)) || parser.isSet(kFormat));
    }
    if (parser.isSet(kSave))
        return usageError(u"--save needs a person: --first, --last and --date"_s);
    if (parser.isSet(kPdf))
        return usageError(u"--pdf needs a person (--first, --last and --date) or --open FILE.vlm"_s);
    return usageError(u"nothing to do: give --first, --last and --date, or --open FILE.vlm, or --batch"_s);
}

int CliApplication::runPerson(const QCommandLineParser &parser, bool printReadings)
{
    const std::string first = utf8(parser.value(kFirst));
    const std::string middle = utf8(parser.value(kMiddle));
    const std::string last = utf8(parser.value(kLast));
    const std::string date = utf8(parser.value(kDate));
    BirthData data;
    if (const InputFault fault = readPerson({first, middle, last, date}, data); fault != InputFault::None) {
        std::string text(faultText(fault));
        if (fault == InputFault::BadDate)
            text = "--date '" + date + "': " + text;
        printError(m_errors, text);
        return Failure;
    }
    if (parser.isSet(kSave)) {
        const QString fileName = parser.value(kSave);
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
    return finish(data, parser.value(kPdf), printReadings);
}

int CliApplication::runOpen(const QString &fileName, const QString &pdfFile, bool printReadings)
{
    if (!isExactName(fileName))
        return failure(inexactNameText(fileName));
    std::optional<BirthData> data;
    QString reason;
    if (hasReportExtension(fileName))
        data = loadReportFile(fileName, &reason);
    if (!data) {
        QString text = u"%1: %2"_s.arg(fileName, QLatin1StringView(kCheckTheFile));
        if (!reason.isEmpty())
            text += u" ("_s + reason + u')';
        return failure(text);
    }
    return finish(*data, pdfFile, printReadings);
}

int CliApplication::finish(const BirthData &data, const QString &pdfFile, bool printReadings)
{
    const Results results = calculateAll(data);
    if (!pdfFile.isEmpty()) {
        if (pdfFile != u"-"_s && !isExactName(pdfFile))
            return failure(inexactNameText(pdfFile));
        // Drawn in memory first: a document that cannot be drawn touches no file.
        const QByteArray pdf = readingsPdf(data, results, localePageSize());
        if (pdf.isEmpty())
            return failure(u"%1: cannot write the PDF file: the document could not be drawn"_s.arg(pdfFile));
        if (pdfFile == u"-"_s)
            return write(pdf.constData(), static_cast<std::size_t>(pdf.size())) ? Success : Failure;
        QString reason;
        if (!saveWholeFile(pdfFile, pdf, &reason, {}, u"a link to something other than a regular file"_s))
            return failure(u"%1: cannot write the PDF file: %2"_s.arg(pdfFile, reason));
    }
    return printReadings ? print(data, results) : Success;
}

int CliApplication::print(const BirthData &data, const Results &results)
{
    if (m_format == Format::Json) {
        const QByteArray json = readingsJson(data, results);
        return write(json.constData(), static_cast<std::size_t>(json.size())) ? Success : Failure;
    }
    const std::string text = readingsText(results);
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
            return failure(u"%1: cannot open: %2"_s.arg(inputFile, QString::fromLocal8Bit(std::strerror(errno))));
    }
    struct stat info {};
    const std::uint64_t size = fstat(fileno(input), &info) == 0 && S_ISREG(info.st_mode)
        ? static_cast<std::uint64_t>(info.st_size)
        : 0;
    ProgressMeter progress(m_errors, isatty(fileno(m_errors)) != 0, size);
    const int status = BatchRun(input, m_output, m_errors, &progress,
                                m_format == Format::Json ? BatchRun::Format::JsonLines : BatchRun::Format::Csv)
                           .run();
    if (input != stdin)
        std::fclose(input);
    return status;
}

} // namespace velmora
