// SPDX-License-Identifier: MIT
#include "readingview.h"

#include <QKeyEvent>
#include <QTextCursor>

#include "readablecolours.h"
#include "readingdocument.h"
#include "uifonts.h"

ReadingView::ReadingView(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    setFont(velmora::uifonts::readingFont());
    document()->setDefaultFont(velmora::uifonts::readingFont());
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setContextMenuPolicy(Qt::NoContextMenu);
    // No selection with the mouse, so nothing to drag.
    setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    velmora::keepReadable(this, QPalette::Base, QPalette::Text, {velmora::kTextColour, velmora::kHeadingColour});
}

void ReadingView::showReading(const velmora::Reading &reading)
{
    clear();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    velmora::insertReading(cursor, reading);
    cursor.endEditBlock();
    moveCursor(QTextCursor::Start);
}

void ReadingView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut)) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}
