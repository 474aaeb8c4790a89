// SPDX-License-Identifier: MIT
#include "readingcolours.h"

#include <QTextCursor>

#include "enginetext.h"
#include "readingdocument.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {
namespace {

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Base).lightness() < 128;
}

// The colour share of the way from one colour to another (0 the first, 1 the second).
QColor between(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](int a, int b) { return static_cast<int>(a + (b - a) * share + 0.5); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

} // namespace

QColor headingColour(const QPalette &palette)
{
    // 7.9:1 on a base as dark as #202020; the printed green reaches 5.1:1 on white.
    return isDark(palette) ? QColor(0x6c, 0xd0, 0x6c) : kHeadingColour;
}

LetterChartColours letterChartColours(const QPalette &palette)
{
    const QColor shade = isDark(palette) ? palette.color(QPalette::Base).lighter(180) : QColor(224, 224, 224);
    return {palette.color(QPalette::Text), headingColour(palette), shade};
}

TimelineColours timelineColours(const QPalette &palette)
{
    if (!isDark(palette))
        return printedTimelineColours();
    // No text stands on the bars; their shades only need to tell the current period from the others.
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const QColor heading = headingColour(palette);
    return {text, heading, between(base, text, 0.15), between(base, heading, 0.35)};
}

namespace {

QTextCharFormat plainFormat(const QPalette &palette)
{
    QTextCharFormat plain;
    plain.setForeground(palette.color(QPalette::Text));
    return plain;
}

QTextCharFormat headingFormat(const QPalette &palette)
{
    QTextCharFormat heading;
    heading.setForeground(headingColour(palette));
    heading.setFontWeight(QFont::Bold);
    return heading;
}

} // namespace

void insertHeading(QTextCursor &cursor, const QString &text, const QPalette &palette)
{
    cursor.insertText(text, headingFormat(palette));
}

void insertPlain(QTextCursor &cursor, const QString &text, const QPalette &palette)
{
    cursor.insertText(text, plainFormat(palette));
}

void insertReading(QTextCursor &cursor, const Reading &reading, const QPalette &palette)
{
    const QTextCharFormat plain = plainFormat(palette);
    const QTextCharFormat heading = headingFormat(palette);
    for (const Passage &passage : reading.passages()) {
        QString text = toQString(passage.text);
        text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
        cursor.insertText(text, passage.style == Style::Heading ? heading : plain);
    }
}

} // namespace velmora::desk
