// SPDX-License-Identifier: MIT
#include "cliapplication.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "batchrun.h"
#include "calculations.h"
#include "clidiagnostics.h"
#include "clioptions.h"
#include "filesave.h"
#include "personinput.h"
#include "progressmeter.h"
#include "readingdocument.h"
#include "readingoutput.h"
#include "reportfile.h"
#include "systemreason.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

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

int CliApplication::writeAll(const QByteArray &bytes)
{
    return write(bytes.constData(), static_cast<std::size_t>(bytes.size())) ? Success : Failure;
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
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(u"help"_s))
        return writeAll(parser.helpText().toUtf8());
    if (parser.isSet(u"version"_s))
        return writeAll((QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n')
                            .toUtf8());
    const CliMode mode = chosenMode(parser);
    if (const QString problem = commandLineProblem(parser, mode); !problem.isEmpty())
        return usageError(problem);
    m_format = parser.value(u"format"_s) == u"json"_s ? Format::Json : Format::Text;
    switch (mode) {
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
    const std::string first = utf8(parser.value(u"first"_s));
    const std::string middle = utf8(parser.value(u"middle"_s));
    const std::string last = utf8(parser.value(u"last"_s));
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

int CliApplication::runOpen(const QString &fileName, const QString &pdfFile, bool printReadings)
{
    if (!isExactName(fileName))
        return failure(inexactNameText(fileName));
    std::optional<BirthData> data;
    QString reason;
    if (hasReportExtension(fileName))
        data = loadReportFile(fileName, &reason);
    if (!data) {
        QString text = u"%1: %2"_s.arg(fileName, kCheckTheFile);
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
            return writeAll(pdf);
        QString reason;
        if (!saveWholeFile(pdfFile, pdf, &reason, {}, u"a link to something other than a regular file"_s))
            return failure(u"%1: cannot write the PDF file: %2"_s.arg(pdfFile, reason));
    }
    return printReadings ? print(data, results) : Success;
}

int CliApplication::print(const BirthData &data, const Results &results)
{
    if (m_format == Format::Json) {
        return writeAll(readingsJson(data, results));
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
            return failure(u"%1: cannot open: %2"_s.arg(inputFile, systemReason(errno)));
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
