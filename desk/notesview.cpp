// SPDX-License-Identifier: MIT
#include "notesview.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "clientspanel.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {
namespace {

constexpr int kOtherRole = Qt::UserRole + 1;

} // namespace

NotesView::NotesView(QWidget *parent)
    : QWidget(parent)
    , m_none(new QLabel(u"Keep the person as a client of the book to write notes and tags and to keep the "
                        "readings made."_s,
                        this))
    , m_notes(new QPlainTextEdit(this))
    , m_tags(new QLineEdit(this))
    , m_history(new QListWidget(this))
    , m_links(new QListWidget(this))
    , m_linkLabel(new QLineEdit(this))
    , m_addLink(new QPushButton(u"Add Link"_s, this))
    , m_removeLink(new QPushButton(u"Remove Link"_s, this))
    , m_openLink(new QPushButton(u"Open Linked Client"_s, this))
    , m_linkBox(new QWidget(this))
{
    m_none->setWordWrap(true);
    m_notes->setObjectName(u"txtNotes"_s);
    m_notes->setAccessibleName(u"Notes on the client"_s);
    m_tags->setObjectName(u"txtTags"_s);
    m_tags->setAccessibleName(u"Tags, apart by commas"_s);
    m_tags->setPlaceholderText(u"regular, referred, business"_s);
    m_history->setObjectName(u"lstHistory"_s);
    m_history->setAccessibleName(u"Readings made for the client"_s);

    m_links->setObjectName(u"lstLinks"_s);
    m_links->setAccessibleName(u"Links to other clients"_s);
    m_linkLabel->setObjectName(u"txtLinkLabel"_s);
    m_linkLabel->setAccessibleName(u"What the other client is to this one"_s);
    m_linkLabel->setPlaceholderText(u"partner, child, business partner"_s);
    m_addLink->setObjectName(u"cmdAddLink"_s);
    m_addLink->setAccessibleName(u"Link the client found to this client"_s);
    m_removeLink->setObjectName(u"cmdRemoveLink"_s);
    m_removeLink->setAccessibleName(u"Remove the chosen link"_s);
    m_openLink->setObjectName(u"cmdOpenLink"_s);
    m_openLink->setAccessibleName(u"Open the client of the chosen link"_s);

    auto *linksLabel = new QLabel(u"Links:"_s, m_linkBox);
    linksLabel->setBuddy(m_links);
    auto *labelLabel = new QLabel(u"Linked as:"_s, m_linkBox);
    labelLabel->setBuddy(m_linkLabel);
    auto *linkButtons = new QHBoxLayout;
    linkButtons->addWidget(m_openLink);
    linkButtons->addWidget(m_removeLink);
    auto *linkLayout = new QVBoxLayout(m_linkBox);
    linkLayout->setContentsMargins(0, 0, 0, 0);
    linkLayout->addWidget(linksLabel);
    linkLayout->addWidget(m_links, 1);
    linkLayout->addLayout(linkButtons);
    auto *addRow = new QHBoxLayout;
    addRow->addWidget(labelLabel);
    addRow->addWidget(m_linkLabel, 1);
    addRow->addWidget(m_addLink);
    linkLayout->addLayout(addRow);

    auto *form = new QFormLayout;
    auto *notesLabel = new QLabel(u"Notes:"_s, this);
    notesLabel->setBuddy(m_notes);
    auto *tagsLabel = new QLabel(u"Ta&gs:"_s, this);
    tagsLabel->setBuddy(m_tags);
    auto *historyLabel = new QLabel(u"Readings made:"_s, this);
    historyLabel->setBuddy(m_history);
    form->addRow(notesLabel, m_notes);
    form->addRow(tagsLabel, m_tags);
    form->addRow(historyLabel, m_history);
    auto *columns = new QHBoxLayout;
    columns->addLayout(form, 3);
    columns->addWidget(m_linkBox, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_none);
    layout->addLayout(columns, 1);
    m_linkBox->hide(); // until there is a book to find the other client in

    connect(m_notes, &QPlainTextEdit::textChanged, this, &NotesView::notesEdited);
    connect(m_tags, &QLineEdit::editingFinished, this, [this] {
        if (m_tags->isModified()) {
            m_tags->setModified(false);
            Q_EMIT tagsEdited();
        }
    });
    connect(m_links, &QListWidget::currentRowChanged, this, &NotesView::updateLinkButtons);
    connect(m_links, &QListWidget::itemActivated, this, &NotesView::openLink);
    connect(m_addLink, &QPushButton::clicked, this, &NotesView::addLink);
    connect(m_removeLink, &QPushButton::clicked, this, &NotesView::removeLink);
    connect(m_openLink, &QPushButton::clicked, this, &NotesView::openLink);
    showClient(std::nullopt);
}

void NotesView::setBook(const QString &address, std::function<QString(qint64)> nameOf)
{
    m_nameOf = std::move(nameOf);
    m_bookAddress = address;
    delete m_finderLabel;
    delete m_finder;
    m_finderLabel = nullptr;
    m_finder = nullptr;
    m_linkBox->show();
    if (isVisible())
        linkFinder();
    updateLinkButtons();
}

ClientsPanel *NotesView::linkFinder()
{
    // Made when first wanted: while the page is hidden, its search needs no
    // thread, no connection and no first search at start-up.
    if (m_finder != nullptr || m_bookAddress.isEmpty())
        return m_finder;
    m_finder = new ClientsPanel(m_bookAddress, m_linkBox);
    m_finder->setObjectName(u"linkFinder"_s);
    m_finder->hideButtons();
    // Named apart from the clients column's search and list, which are shown beside them.
    auto *search = m_finder->findChild<QLineEdit *>(u"txtSearch"_s);
    search->setObjectName(u"txtLinkSearch"_s);
    search->setAccessibleName(u"Find the client to link to"_s);
    auto *found = m_finder->findChild<QAbstractItemView *>(u"lstClients"_s);
    found->setObjectName(u"lstLinkClients"_s);
    found->setAccessibleName(u"Clients to link to"_s);
    m_finderLabel = new QLabel(u"Link with:"_s, m_linkBox);
    m_finderLabel->setBuddy(search);
    // Tab goes through the links, then finding and linking another client.
    for (const auto &[from, to] : {std::pair<QWidget *, QWidget *>{m_links, m_openLink}, {m_openLink, m_removeLink},
                                   {m_removeLink, search}, {search, found}, {found, m_linkLabel}, {m_linkLabel, m_addLink}})
        setTabOrder(from, to);
    auto *layout = static_cast<QVBoxLayout *>(m_linkBox->layout());
    layout->insertWidget(layout->count() - 1, m_finderLabel);
    layout->insertWidget(layout->count() - 1, m_finder, 1);
    connect(m_finder, &ClientsPanel::clientChosen, this, [this](qint64 id) {
        m_found = id;
        updateLinkButtons();
    });
    return m_finder;
}

void NotesView::showEvent(QShowEvent *event)
{
    linkFinder();
    QWidget::showEvent(event);
}

QStringList NotesView::linksShown() const
{
    QStringList shown;
    for (int row = 0; row < m_links->count(); ++row)
        shown << m_links->item(row)->text();
    return shown;
}

void NotesView::addLink()
{
    if (m_clientId == 0 || m_found == 0 || m_found == m_clientId)
        return;
    Q_EMIT linkAdded(m_found, m_linkLabel->text().trimmed());
}

void NotesView::removeLink()
{
    if (m_clientId != 0 && m_links->currentRow() >= 0)
        Q_EMIT linkRemoved(m_links->currentRow());
}

void NotesView::openLink()
{
    if (const QListWidgetItem *item = m_links->currentItem())
        Q_EMIT linkOpened(item->data(kOtherRole).toLongLong());
}

void NotesView::updateLinkButtons()
{
    const bool chosen = m_links->currentRow() >= 0;
    m_removeLink->setEnabled(m_clientId != 0 && chosen);
    m_openLink->setEnabled(chosen);
    m_addLink->setEnabled(m_clientId != 0 && m_found != 0 && m_found != m_clientId);
    m_linkLabel->setEnabled(m_clientId != 0);
}

void NotesView::showClient(const std::optional<book::Client> &client)
{
    const QSignalBlocker blockNotes(m_notes);
    const QSignalBlocker blockTags(m_tags);
    m_none->setVisible(!client);
    m_notes->setEnabled(client.has_value());
    m_tags->setEnabled(client.has_value());
    m_history->clear();
    m_links->clear();
    m_clientId = client ? client->id : 0;
    updateLinkButtons();
    if (!client) {
        m_notes->clear();
        m_tags->clear();
        return;
    }
    for (const book::ClientLink &link : client->links) {
        const QString name = m_nameOf ? m_nameOf(link.otherId) : QString();
        const QString other = u"%1 (client %2)"_s.arg(name.isEmpty() ? u"a client no longer in the book"_s : name)
                                  .arg(link.otherId);
        auto *item = new QListWidgetItem(link.label.isEmpty() ? other : link.label + u": "_s + other, m_links);
        item->setData(kOtherRole, link.otherId);
    }
    updateLinkButtons();
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
