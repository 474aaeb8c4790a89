// SPDX-License-Identifier: MIT
#include "keyfilter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace velmora {

KeyFilter::KeyFilter(QLineEdit *box, Platform &platform, QString message, Predicate accepts)
    : QObject(box)
    , m_box(box)
    , m_platform(platform)
    , m_message(std::move(message))
    , m_accepts(accepts)
{
    box->installEventFilter(this);
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
        const int code = typedCharacterCode(*static_cast<QKeyEvent *>(event));
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
    m_platform.showMessage(m_box->window(),
                           Message{MessageIcon::Critical, m_message, QString(kApplicationTitle), MessageButtons::Ok});
    m_box->setFocus();
}

} // namespace velmora
