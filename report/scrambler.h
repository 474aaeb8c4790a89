// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace velmora {

// The program's own character scrambler, used for report files and for the
// stored reminder date. A character is taken as its code in the Windows-1252
// code page (on every platform) and moved up by kScrambleOffset; unscrambling
// moves it back down. The offset fixes the format of every report file ever
// written: never change it.
//
// The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the control characters U+0081, U+008D, U+008F, U+0090 and U+009D,
// as the system codec decodes them, so each of the 256 codes has exactly one
// character and the two directions are exact inverses on the codes 0-252.
inline constexpr int kScrambleOffset = 3;

// Text in, text out. A character without a Windows-1252 code, or whose code
// plus the offset would pass 255 (minus: fall below 0), is left out.
[[nodiscard]] QString ScrambleText(const QString &text);
[[nodiscard]] QString UnscrambleText(const QString &text);

// The scrambled Windows-1252 bytes of the text, or nothing when some
// character cannot be stored exactly (no Windows-1252 code, or code plus the
// offset above 255). Files are scrambled as bytes, so a scrambled byte never
// passes through a text codec.
[[nodiscard]] std::optional<QByteArray> scrambleToBytes(const QString &text);
// The text of scrambled Windows-1252 bytes; bytes below the offset are left out.
[[nodiscard]] QString unscrambleFromBytes(QByteArrayView bytes);

} // namespace velmora
