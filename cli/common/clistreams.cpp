// SPDX-License-Identifier: MIT
#include "clistreams.h"

#include <QFile>

#include <cerrno>
#include <vector>

#include "birthdata.h"
#include "clidiagnostics.h"
#include "namefolding.h"
#include "outputfiles.h"
#include "reportfile.h"
#include "systemreason.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

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

CliStreams::CliStreams(std::FILE *output, std::FILE *errors, QByteArrayList argumentBytes)
    : m_output(output)
    , m_errors(errors)
    , m_argumentBytes(std::move(argumentBytes))
{
}

int CliStreams::usageError(const QString &text)
{
    printError(m_errors, (text + u" (see --help)"_s).toStdString());
    return UsageError;
}

int CliStreams::failure(const QString &text)
{
    return failure(text.toStdString());
}

int CliStreams::failure(std::string_view text)
{
    printError(m_errors, text);
    return Failure;
}

bool CliStreams::write(std::string_view bytes)
{
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_output) == bytes.size() && std::fflush(m_output) == 0)
        return true;
    printError(m_errors, "cannot write the output");
    return false;
}

int CliStreams::writeAll(std::string_view bytes)
{
    return write(bytes) ? Success : Failure;
}

int CliStreams::writeAll(const QByteArray &bytes)
{
    return writeAll(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

int CliStreams::writeMadeFile(const QString &fileName, const QByteArray &bytes, const QString &kind,
                              const QString &extension)
{
    if (fileName == u"-"_s)
        return writeAll(bytes);
    QString reason;
    if (!saveMadeFile(fileName, bytes, kind, extension, &reason))
        return failure(u"%1: cannot write the %2: %3"_s.arg(fileName, kind, reason));
    return Success;
}

int CliStreams::writePdf(const QString &fileName, const QByteArray &pdf)
{
    // Drawn in memory first: a document that cannot be drawn touches no file.
    if (pdf.isEmpty())
        return failure(u"%1: cannot write the PDF file: the document could not be drawn"_s.arg(fileName));
    return writeMadeFile(fileName, pdf, u"PDF file"_s, u".pdf"_s);
}

bool CliStreams::isExactName(const QString &fileName) const
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

int CliStreams::checkName(const QString &fileName)
{
    if (fileName.isEmpty() || fileName == u"-"_s || isExactName(fileName))
        return Success;
    return failure(u"%1: the file name is not valid UTF-8, so it cannot be used exactly; rename the file"_s.arg(
        fileName));
}

std::FILE *CliStreams::openInput(const QString &fileName)
{
    if (fileName.isEmpty() || fileName == u"-"_s)
        return stdin;
    if (checkName(fileName) != Success)
        return nullptr;
    std::FILE *input = std::fopen(QFile::encodeName(fileName).constData(), "rb");
    if (input == nullptr)
        failure(u"%1: cannot open: %2"_s.arg(fileName, systemReason(errno)));
    return input;
}

void CliStreams::closeInput(std::FILE *input)
{
    if (input != nullptr && input != stdin)
        std::fclose(input);
}

void CliStreams::warnOfUncounted(const BirthData &data)
{
    const std::string name = fullName(data);
    const std::vector<std::string> uncounted = uncountedCharacters(name);
    if (uncounted.empty())
        return;
    printError(m_errors, listed(uncounted) + " in " + name + (uncounted.size() == 1 ? " does" : " do")
                             + " not count: only the letters A–Z do");
}

std::optional<BirthData> CliStreams::openReport(const QString &fileName, bool fold)
{
    if (checkName(fileName) != Success)
        return std::nullopt;
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
    if (fold) {
        for (std::string *name : {&data->FirstName, &data->MiddleName, &data->LastName})
            *name = foldAccents(*name);
    }
    return data;
}

std::string countedName(std::string_view name, bool fold)
{
    return fold ? foldAccents(name) : std::string(name);
}

} // namespace velmora
