// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

#include "birthdata.h"

namespace velmora {

// A report file (.vlm) holds the seven values of the birth data, one
// scrambled line each, in this order: first name, middle name (may be empty),
// last name, day, month number, month name, year; numbers in plain decimal.
// Lines end in CR LF; the text is Windows-1252. Lines after the seventh are
// ignored.

inline constexpr qint64 kMaxReportSize = 64 * 1024;

// What the window and the tool say of a report file they cannot read.
inline constexpr QLatin1StringView kCheckTheFile{"Please Check The File."};

// The bytes of the report for the birth data, or nothing when the data would
// not read back unchanged: a field that cannot be stored exactly (see
// scrambleToBytes, or a line break in it), or data readReport refuses.
[[nodiscard]] std::optional<QByteArray> writeReport(const BirthData &data);

// The birth data of a report, or nothing when the bytes are not a sound
// report: larger than kMaxReportSize, fewer than seven lines, a line with a
// byte below the scrambling offset, an empty (or all-space) first or last
// name, a name with a control character, or a number line that does not
// convert or lies outside day 1-31, month 1-12, year 1-9999. A line ends at
// CR LF or at a lone CR; a lone LF belongs to the line. A number is decimal
// text, optionally signed and with a fraction after a point, white space
// around it allowed; it rounds to the nearest whole number, an exact half to the even
// neighbour ("12.6" reads 13, "12.5" reads 12). Names and the month name are
// kept as read: other characters than letters are allowed and take no part
// in the calculations.
[[nodiscard]] std::optional<BirthData> readReport(QByteArrayView bytes);

// True when the last three characters of the name are exactly "vlm".
[[nodiscard]] bool hasReportExtension(const QString &fileName);

// Reads a report file; nothing when it is no regular file, cannot be read, is
// too large (it is not read whole then) or is not a sound report. When asked
// for, the reason tells why the system could not read it (for example "No
// such file or directory"); it is empty when the file was read but holds no
// sound report.
[[nodiscard]] std::optional<BirthData> loadReportFile(const QString &fileName, QString *reason = nullptr);

// Writes the report through a temporary file that replaces the target only
// when complete. A link is followed only to a regular file whose own name
// ends in "vlm", which is then replaced and the link kept; a link to anything
// else, a FIFO, a device or a folder is refused and left as it was. False,
// with any existing file left as it was, when the data cannot be stored
// exactly (the reason is then empty) or the file cannot be written (the
// reason says why).
[[nodiscard]] bool saveReportFile(const QString &fileName, const BirthData &data, QString *reason = nullptr);

} // namespace velmora
