// SPDX-License-Identifier: MIT
#include "notesview.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace velmora::desk {

NotesView::NotesView(QWidget *parent)
    : QWidget(parent)
    , m_none(new QLabel(u"Keep the person as a client of the book to write notes and tags and to keep the "
                        "readings made."_s,
                        this))
    , m_notes(new QPlainTextEdit(this))
    , m_tags(new QLineEdit(this))
    , m_history(new QListWidget(this))
{
    m_none->setWordWrap(true);
    m_notes->setObjectName(u"txtNotes"_s);
    m_notes->setAccessibleName(u"Notes on the client"_s);
    m_tags->setObjectName(u"txtTags"_s);
    m_tags->setAccessibleName(u"Tags, apart by commas"_s);
    m_tags->setPlaceholderText(u"regular, referred, business"_s);
    m_history->setObjectName(u"lstHistory"_s);
    m_history->setAccessibleName(u"Readings made for the client"_s);

    auto *form = new QFormLayout;
    auto *notesLabel = new QLabel(u"N&otes:"_s, this);
    notesLabel->setBuddy(m_notes);
    auto *tagsLabel = new QLabel(u"T&ags:"_s, this);
    tagsLabel->setBuddy(m_tags);
    auto *historyLabel = new QLabel(u"&Readings made:"_s, this);
    historyLabel->setBuddy(m_history);
    form->addRow(notesLabel, m_notes);
    form->addRow(tagsLabel, m_tags);
    form->addRow(historyLabel, m_history);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_none);
    layout->addLayout(form, 1);

    connect(m_notes, &QPlainTextEdit::textChanged, this, &NotesView::notesEdited);
    connect(m_tags, &QLineEdit::editingFinished, this, [this] {
        if (m_tags->isModified()) {
            m_tags->setModified(false);
            Q_EMIT tagsEdited();
        }
    });
    showClient(std::nullopt);
}

void NotesView::showClient(const std::optional<book::Client> &client)
{
    const QSignalBlocker blockNotes(m_notes);
    const QSignalBlocker blockTags(m_tags);
    m_none->setVisible(!client);
    m_notes->setEnabled(client.has_value());
    m_tags->setEnabled(client.has_value());
    m_history->clear();
    if (!client) {
        m_notes->clear();
        m_tags->clear();
        return;
    }
    // The notes stay as they are while the practitioner types in them.
    if (m_notes->toPlainText() != client->notes)
        m_notes->setPlainText(client->notes);
    if (!m_tags->hasFocus())
        m_tags->setText(client->tags.join(u", "_s));
    // The latest reading first.
    for (auto it = client->history.crbegin(); it != client->history.crend(); ++it)
        m_history->addItem(u"%1  %2, %3%4"_s.arg(QLocale::c().toString(it->made.toLocalTime(), u"yyyy-MM-dd HH:mm"_s),
                                                 it->document, it->system,
                                                 it->dateOfInterest.isValid()
                                                     ? u", date of interest "_s + it->dateOfInterest.toString(Qt::ISODate)
                                                     : QString()));
}

QString NotesView::notes() const
{
    return m_notes->toPlainText();
}

QStringList NotesView::tags() const
{
    QStringList tags;
    for (const QString &tag : m_tags->text().split(u',', Qt::SkipEmptyParts))
        if (const QString trimmed = tag.trimmed(); !trimmed.isEmpty() && !tags.contains(trimmed))
            tags << trimmed;
    return tags;
}

int NotesView::historyCount() const
{
    return m_history->count();
}

} // namespace velmora::desk
