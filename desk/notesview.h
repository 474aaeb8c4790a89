// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QWidget>

#include "clientbook.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace velmora::desk {

// A client's notes and tags, as the practitioner types them, and the
// readings made for the client. Without a client of the book it says so and
// takes nothing.
class NotesView : public QWidget
{
    Q_OBJECT

public:
    explicit NotesView(QWidget *parent = nullptr);

    // The client's notes, tags and history; nothing: no client of the book is shown.
    void showClient(const std::optional<book::Client> &client);

    [[nodiscard]] QString notes() const;
    [[nodiscard]] QStringList tags() const;
    [[nodiscard]] int historyCount() const;

Q_SIGNALS:
    // The practitioner typed in the notes (each keystroke), or finished changing the tags.
    void notesEdited();
    void tagsEdited();

private:
    QLabel *m_none;
    QPlainTextEdit *m_notes;
    QLineEdit *m_tags;
    QListWidget *m_history;
};

} // namespace velmora::desk
