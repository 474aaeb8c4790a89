// SPDX-License-Identifier: MIT
#include "reportfile.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "filesave.h"
#include "scrambler.h"
#include "systemreason.h"

using namespace Qt::StringLiterals;

namespace velmora {

namespace {

constexpr std::size_t kLineCount = 7;
using Lines = std::array<QByteArrayView, kLineCount>;

// The first seven lines. A line ends at CR LF or at a lone CR; the last line
// may also end at the end of the bytes. Nothing when there are fewer.
std::optional<Lines> splitLines(QByteArrayView bytes)
{
    Lines lines;
    qsizetype begin = 0;
    for (QByteArrayView &line : lines) {
        if (begin >= bytes.size())
            return std::nullopt;
        qsizetype end = bytes.indexOf('\r', begin);
        if (end < 0)
            end = bytes.size();
        line = bytes.sliced(begin, end - begin);
        begin = end + 1;
        if (begin < bytes.size() && bytes.at(begin) == '\n')
            ++begin;
    }
    return lines;
}

// A byte below the offset has no unscrambled character: the program never
// writes one, so the line is damaged.
std::optional<QString> unscrambleLine(QByteArrayView line)
{
    for (const char byte : line) {
        if (static_cast<unsigned char>(byte) < kScrambleOffset)
            return std::nullopt;
    }
    return unscrambleFromBytes(line);
}

// Names hold no control character: no name can be typed with one, and one in
// a name means the file is damaged or is no report.
bool isSoundName(const QString &name, bool required)
{
    bool blank = true;
    for (const QChar character : name) {
        const char16_t unicode = character.unicode();
        if (unicode < 0x20 || (unicode >= 0x7F && unicode <= 0x9F))
            return false;
        blank = blank && unicode == u' ';
    }
    return !(required && blank);
}

// Decimal text, optionally signed, with an optional fraction after a point and
// white space around it, rounded to the nearest whole number (an exact half to
// the even one). Rounding works on the digits, so no binary fraction creeps in.
std::optional<std::int16_t> toNumber(const QString &line, int minimum, int maximum)
{
    constexpr int kSaturated = 100'000; // beyond every range, and far from overflow
    const QString text = line.trimmed();
    const qsizetype end = text.size();
    qsizetype k = 0;
    const auto isDigit = [&](qsizetype at) { return at < end && text.at(at) >= u'0' && text.at(at) <= u'9'; };
    const auto digit = [&](qsizetype at) { return text.at(at).unicode() - u'0'; };

    bool negative = false;
    if (k < end && (text.at(k) == u'+' || text.at(k) == u'-')) {
        negative = text.at(k) == u'-';
        ++k;
    }
    bool anyDigit = false;
    int magnitude = 0;
    for (; isDigit(k); ++k) {
        magnitude = std::min(kSaturated, magnitude * 10 + digit(k));
        anyDigit = true;
    }
    if (k < end && text.at(k) == u'.') {
        ++k;
        int firstFraction = 0; // the tenths digit
        bool beyondHalf = false; // a non-zero digit after the tenths
        for (qsizetype first = k; isDigit(k); ++k) {
            if (k == first)
                firstFraction = digit(k);
            else
                beyondHalf = beyondHalf || digit(k) != 0;
            anyDigit = true;
        }
        const bool roundUp = firstFraction > 5 || (firstFraction == 5 && (beyondHalf || magnitude % 2 == 1));
        if (roundUp)
            magnitude = std::min(kSaturated, magnitude + 1);
    }
    if (!anyDigit || k != end)
        return std::nullopt;
    const int value = negative ? -magnitude : magnitude;
    if (value < minimum || value > maximum)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

// Sets the reason, when asked for, and gives nothing.
std::nullopt_t fail(QString *reason, const QString &why)
{
    if (reason != nullptr)
        *reason = why;
    return std::nullopt;
}


QString notRegularReason(const struct stat &info)
{
    return S_ISDIR(info.st_mode) ? systemReason(EISDIR) : u"not a regular file"_s;
}

} // namespace

std::optional<QByteArray> writeReport(const BirthData &data)
{
    const std::array<QString, kLineCount> fields = {
        QString::fromStdString(data.FirstName), QString::fromStdString(data.MiddleName),
        QString::fromStdString(data.LastName),  QString::number(data.BirthDay),
        QString::number(data.BirthMonth),       QString::fromStdString(data.BirthMonthName),
        QString::number(data.BirthYear),
    };
    QByteArray bytes;
    for (const QString &field : fields) {
        const std::optional<QByteArray> line = scrambleToBytes(field);
        if (!line)
            return std::nullopt;
        bytes += *line;
        bytes += "\r\n";
    }
    // Whatever the program writes opens again as the same data: a line break
    // in a field, a name the reader refuses or a date outside the ranges is
    // refused here rather than written.
    if (readReport(bytes) != data)
        return std::nullopt;
    return bytes;
}

std::optional<BirthData> readReport(QByteArrayView bytes)
{
    if (bytes.size() > kMaxReportSize)
        return std::nullopt;
    const std::optional<Lines> lines = splitLines(bytes);
    if (!lines)
        return std::nullopt;
    std::array<QString, kLineCount> fields;
    for (std::size_t k = 0; k < kLineCount; ++k) {
        std::optional<QString> field = unscrambleLine((*lines)[k]);
        if (!field)
            return std::nullopt;
        fields[k] = std::move(*field);
    }
    const auto &[first, middle, last, day, month, monthName, year] = fields;
    if (!isSoundName(first, true) || !isSoundName(middle, false) || !isSoundName(last, true))
        return std::nullopt;
    const std::optional<std::int16_t> dayNumber = toNumber(day, 1, 31);
    const std::optional<std::int16_t> monthNumber = toNumber(month, 1, 12);
    const std::optional<std::int16_t> yearNumber = toNumber(year, kMinYear, kMaxYear);
    if (!dayNumber || !monthNumber || !yearNumber)
        return std::nullopt;

    BirthData data;
    data.FirstName = first.toStdString();
    data.MiddleName = middle.toStdString();
    data.LastName = last.toStdString();
    data.BirthDay = *dayNumber;
    data.BirthMonth = *monthNumber;
    data.BirthMonthName = monthName.toStdString();
    data.BirthYear = *yearNumber;
    return data;
}

bool hasReportExtension(const QString &fileName)
{
    return fileName.endsWith(u"vlm"_s, Qt::CaseSensitive);
}

std::optional<BirthData> loadReportFile(const QString &fileName, QString *reason)
{
    const QByteArray path = QFile::encodeName(fileName);
    // Only a regular file is read. The type is checked before the file is
    // opened, and again on what was opened; O_NONBLOCK keeps open() from
    // waiting for a writer should a FIFO have taken the file's place.
    struct stat info {};
    if (::stat(path.constData(), &info) != 0)
        return fail(reason, systemReason(errno));
    if (!S_ISREG(info.st_mode))
        return fail(reason, notRegularReason(info));
    const int descriptor = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (descriptor < 0)
        return fail(reason, systemReason(errno));
    QFile file;
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        const QString why = notRegularReason(info);
        ::close(descriptor);
        return fail(reason, why);
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return fail(reason, file.errorString());
    }
    // At most one byte past the limit is read: enough to know a file is too
    // large without reading it whole.
    QByteArray bytes;
    while (bytes.size() <= kMaxReportSize) {
        const QByteArray chunk = file.read(kMaxReportSize + 1 - bytes.size());
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        return fail(reason, file.errorString());
    fail(reason, QString());
    return readReport(bytes);
}

bool saveReportFile(const QString &fileName, const BirthData &data, QString *reason)
{
    const std::optional<QByteArray> bytes = writeReport(data);
    if (!bytes) {
        fail(reason, QString());
        return false;
    }
    // Through a link only a regular file whose own name ends in "vlm", so that
    // the link stays a link and no other file is ever written.
    return saveWholeFile(fileName, *bytes, reason, hasReportExtension,
                         u"a link to something other than a report file"_s);
}

} // namespace velmora
