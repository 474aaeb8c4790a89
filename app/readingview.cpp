// SPDX-License-Identifier: MIT
#include "readingview.h"

#include <QTextCharFormat>
#include <QTextCursor>

#include "uifonts.h"

namespace {

// CR LF and a lone CR both end a line; the document wants "\n".
QString documentText(std::string_view text)
{
    QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    result.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    result.replace(u'\r', u'\n');
    return result;
}

} // namespace

ReadingView::ReadingView(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    setFont(velmora::uifonts::readingFont());
    document()->setDefaultFont(velmora::uifonts::readingFont());
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    velmora::keepReadable(this, QPalette::Base, QPalette::Text, {kTextColour, kHeadingColour});
}

void ReadingView::showReading(const velmora::Reading &reading)
{
    clear();
    QTextCharFormat plain;
    plain.setFontWeight(QFont::Normal);
    plain.setForeground(kTextColour);
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    heading.setForeground(kHeadingColour);

    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (const velmora::Passage &passage : reading.passages())
        cursor.insertText(documentText(passage.text), passage.style == velmora::Style::Heading ? heading : plain);
    cursor.endEditBlock();
    moveCursor(QTextCursor::Start);
}
