// SPDX-License-Identifier: MIT
#include "scrambler.h"

#include <array>

namespace velmora {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. The undefined bytes
// of that block map to the control character of the same number, as the
// system codec does; the tests hold this table against the codec.
constexpr std::array<char16_t, 32> kBlock80 = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

QChar characterOf(int code)
{
    if (code >= 0x80 && code < 0xA0)
        return QChar(kBlock80[static_cast<std::size_t>(code - 0x80)]);
    return QChar(static_cast<char16_t>(code));
}

// The Windows-1252 code of the character, or -1 when it has none.
int codeOf(QChar character)
{
    const char16_t unicode = character.unicode();
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return unicode;
    for (std::size_t k = 0; k < kBlock80.size(); ++k) {
        if (kBlock80[k] == unicode)
            return 0x80 + static_cast<int>(k);
    }
    return -1;
}

// The code of the character moved by the offset, or nothing when the
// character has no code or the moved code lies outside 0-255.
std::optional<int> movedCode(QChar character, int offset)
{
    const int code = codeOf(character);
    const int moved = code + offset;
    if (code < 0 || moved < 0 || moved > 0xFF)
        return std::nullopt;
    return moved;
}

QString movedText(const QString &text, int offset)
{
    QString result;
    result.reserve(text.size());
    for (const QChar character : text) {
        if (const std::optional<int> code = movedCode(character, offset))
            result.append(characterOf(*code));
    }
    return result;
}

} // namespace

QString ScrambleText(const QString &text)
{
    return movedText(text, kScrambleOffset);
}

QString UnscrambleText(const QString &text)
{
    return movedText(text, -kScrambleOffset);
}

std::optional<QByteArray> scrambleToBytes(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar character : text) {
        const std::optional<int> code = movedCode(character, kScrambleOffset);
        if (!code)
            return std::nullopt;
        bytes.append(static_cast<char>(*code));
    }
    return bytes;
}

QString unscrambleFromBytes(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const int code = static_cast<unsigned char>(byte) - kScrambleOffset;
        if (code >= 0)
            text.append(characterOf(code));
    }
    return text;
}

} // namespace velmora
