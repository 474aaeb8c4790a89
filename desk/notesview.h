// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

#include "clientbook.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace velmora::desk {

class ClientsPanel;

// A client's notes and tags, as the practitioner types them, the client's
// links to other clients of the book (shown by their names, added by
// finding the other client, removed, opened), and the readings made for the
// client. Without a client of the book it says so and takes nothing.
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

    // The book the other client of a link is found in, and how a client's
    // name is read from it (empty: the client is not in the book).
    void setBook(const QString &address, std::function<QString(qint64)> nameOf);
    // The links as shown, one line each.
    [[nodiscard]] QStringList linksShown() const;
    // The search the other client of a link is found with, made when first
    // wanted (the page shown); none without a book.
    [[nodiscard]] ClientsPanel *linkFinder();

    // Links the client to the other client chosen in the finder, with the label typed.
    void addLink();
    // Removes the chosen link.
    void removeLink();
    // Opens the client of the chosen link.
    void openLink();

Q_SIGNALS:
    // The practitioner typed in the notes (each keystroke), or finished changing the tags.
    void notesEdited();
    void tagsEdited();
    void linkAdded(qint64 otherId, const QString &label);
    void linkRemoved(int index);
    void linkOpened(qint64 otherId);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_none;
    QPlainTextEdit *m_notes;
    QLineEdit *m_tags;
    QListWidget *m_history;
    QListWidget *m_links;
    QLineEdit *m_linkLabel;
    QPushButton *m_addLink;
    QPushButton *m_removeLink;
    QPushButton *m_openLink;
    QWidget *m_linkBox;
    QString m_bookAddress;
    ClientsPanel *m_finder = nullptr;
    QLabel *m_finderLabel = nullptr;
    qint64 m_found = 0; // the client chosen in the finder
    std::function<QString(qint64)> m_nameOf;
    qint64 m_clientId = 0;
    void updateLinkButtons();
};

} // namespace velmora::desk
