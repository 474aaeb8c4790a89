// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include "dialogs.h"

class QKeyEvent;
class QLineEdit;

namespace velmora {

// Screens the characters typed into a text box before the box takes them. A
// refused character is dropped, the box's message is shown with the critical
// icon, and the focus goes back to the box. Keys that type nothing (arrows,
// Tab, Delete, Shift) always pass; text pasted through the context menu is
// not typed and is not screened.
class KeyFilter : public QObject
{
    Q_OBJECT

public:
    using Predicate = bool (*)(char32_t code);

    KeyFilter(QLineEdit *box, Dialogs &dialogs, QString message, Predicate accepts);

    // The character code a key press types, as the keyboard produces it: the
    // text of the key, or 1-26 for Ctrl with a letter. -1 when it types nothing.
    [[nodiscard]] static int typedCharacterCode(const QKeyEvent &event);
    // Alt with a key types no character: the box neither takes nor refuses it.
    [[nodiscard]] static bool isAltCombination(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refuse();

    QLineEdit *m_box;
    Dialogs &m_dialogs;
    QString m_message;
    Predicate m_accepts;
};

} // namespace velmora
