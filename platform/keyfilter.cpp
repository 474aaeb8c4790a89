// SPDX-License-Identifier: MIT
#include "keyfilter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace velmora {

KeyFilter::KeyFilter(QLineEdit *box, Dialogs &dialogs, QString message, Predicate accepts)
    : QObject(box)
    , m_box(box)
    , m_dialogs(dialogs)
    , m_message(std::move(message))
    , m_accepts(accepts)
{
    box->installEventFilter(this);
}

bool KeyFilter::isAltCombination(const QKeyEvent &event)
{
    // Ctrl+Alt is how some keyboards type their third-level characters; Alt on
    // its own goes on to the menu bar.
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const int key = event.key();
    const bool modifierKey = key == Qt::Key_Alt || key == Qt::Key_AltGr || key == Qt::Key_Shift
                             || key == Qt::Key_Control || key == Qt::Key_Meta;
    return modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) && !modifierKey;
}

int KeyFilter::typedCharacterCode(const QKeyEvent &event)
{
    const int key = event.key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete)
        return -1;
    if (event.modifiers().testFlag(Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    const QList<uint> codes = event.text().toUcs4();
    return codes.isEmpty() ? -1 : static_cast<int>(codes.constFirst());
}

bool KeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box)
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // An Alt combination that no access key took types nothing at all.
        if (isAltCombination(*key))
            return true;
        const int code = typedCharacterCode(*key);
        if (code < 0 || m_accepts(static_cast<char32_t>(code)))
            return false;
        refuse();
        return true;
    }
    if (event->type() == QEvent::InputMethod) {
        const QList<uint> codes = static_cast<QInputMethodEvent *>(event)->commitString().toUcs4();
        for (const uint code : codes) {
            if (!m_accepts(static_cast<char32_t>(code))) {
                refuse();
                return true;
            }
        }
    }
    return false;
}

void KeyFilter::refuse()
{
    m_dialogs.showMessage(m_box->window(),
                           Message{MessageIcon::Critical, m_message, QString(kApplicationTitle), MessageButtons::Ok});
    m_box->setFocus();
}

} // namespace velmora
