// SPDX-License-Identifier: MIT
#include "compareview.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

#include <array>

#include "chart.h"
#include "chartview.h"
#include "clientbook.h"
#include "compatibility.h"
#include "enginetext.h"
#include "personform.h"
#include "readingcolours.h"
#include "writtennumber.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {
namespace {

// A search shows at most this many clients to choose from: a name part or a date narrows them.
constexpr int kShownClients = 200;

// A client as the choice lists them.
QString clientEntry(const QString &name, QDate birth)
{
    return u"%1, born %2"_s.arg(name, birth.toString(Qt::ISODate));
}

} // namespace

CompareView::CompareView(QWidget *parent)
    : QWidget(parent)
    , m_other(new PersonForm(u"txtOther"_s, u"Second person's"_s, this))
    , m_table(new QTableWidget(static_cast<int>(coreNumbers().size()), 2, this))
    , m_relations(new QTextBrowser(this))
    , m_search(new QLineEdit(this))
    , m_clients(new QComboBox(this))
    , m_clientProblem(new QLabel(this))
{
    auto *otherBox = new QGroupBox(u"Compare with"_s, this);
    auto *otherLayout = new QVBoxLayout(otherBox);
    m_search->setObjectName(u"txtCompareSearch"_s);
    m_search->setAccessibleName(u"Find a client to compare with"_s);
    m_search->setPlaceholderText(u"a name part, a date or tag:word"_s);
    m_search->setClearButtonEnabled(true);
    m_clients->setObjectName(u"cboCompareClient"_s);
    m_clients->setAccessibleName(u"Second person: the person typed in, or a client found"_s);
    m_clients->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_clientProblem->setObjectName(u"lblCompareProblem"_s);
    m_clientProblem->setWordWrap(true);
    m_clientProblem->hide();
    auto *choice = new QFormLayout;
    auto *searchLabel = new QLabel(u"Find client:"_s, this);
    searchLabel->setBuddy(m_search);
    auto *clientLabel = new QLabel(u"Compare with:"_s, this);
    clientLabel->setBuddy(m_clients);
    choice->addRow(searchLabel, m_search);
    choice->addRow(clientLabel, m_clients);
    otherLayout->addLayout(choice);
    otherLayout->addWidget(m_clientProblem);
    m_other->dropAccessKeys();
    otherLayout->addWidget(m_other);
    for (QWidget *widget : {static_cast<QWidget *>(m_search), static_cast<QWidget *>(m_clients),
                            static_cast<QWidget *>(searchLabel), static_cast<QWidget *>(clientLabel)})
        widget->setProperty("bookOnly", true);

    m_table->setObjectName(u"tblCompare"_s);
    m_table->setAccessibleName(u"Core numbers side by side"_s);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    QStringList rows;
    for (const CoreNumber &core : coreNumbers())
        rows << QString(core.caption);
    m_table->setVerticalHeaderLabels(rows);
    // Every row in sight, at any font size.
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_relations->setObjectName(u"txtRelations"_s);
    m_relations->setAccessibleName(u"How the two get on"_s);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(otherBox);
    layout->addWidget(m_table);
    layout->addWidget(m_relations, 1);
    connect(m_other, &PersonForm::changed, this, &CompareView::refresh);
    connect(m_search, &QLineEdit::textChanged, this, &CompareView::findClients);
    connect(m_clients, &QComboBox::activated, this,
            [this](int index) { chooseClient(m_clients->itemData(index).toLongLong()); });
    setBook(nullptr);
}

void CompareView::setBook(book::ClientBook *book)
{
    m_book = book;
    for (QWidget *widget : findChildren<QWidget *>()) {
        if (widget->property("bookOnly").toBool())
            widget->setVisible(book != nullptr);
    }
    chooseClient(0);
    findClients();
}

void CompareView::findClients()
{
    const QSignalBlocker block(m_clients);
    m_clients->clear();
    m_clients->addItem(u"The person typed below"_s, qint64{0});
    if (m_book == nullptr)
        return;
    const std::optional<QList<book::ClientSummary>> found = m_book->findClients(m_search->text(), kShownClients);
    if (!found) {
        m_clientProblem->setText(u"The clients could not be found: %1"_s.arg(m_book->errorString()));
        m_clientProblem->show();
        return;
    }
    m_clientProblem->hide();
    for (const book::ClientSummary &client : *found)
        m_clients->addItem(clientEntry(client.name, client.birth), client.id);
    // The client compared with stays chosen while the search still finds them.
    const int shown = m_clients->findData(m_otherClientId);
    m_clients->setCurrentIndex(shown < 0 ? 0 : shown);
}

bool CompareView::chooseClient(qint64 id)
{
    std::optional<book::Client> client;
    m_clientProblem->hide();
    if (id != 0 && m_book != nullptr) {
        client = m_book->client(id);
        if (!client) {
            m_clientProblem->setText(u"The client could not be read: %1"_s.arg(m_book->errorString()));
            m_clientProblem->show();
        }
    }
    m_otherClientId = client ? id : 0;
    m_otherClient = client ? std::optional(book::birthDataOf(*client)) : std::nullopt;
    if (m_clients->findData(m_otherClientId) < 0 && client)
        m_clients->addItem(clientEntry(book::nameInUse(*client), client->birth), id);
    {
        const QSignalBlocker block(m_clients);
        m_clients->setCurrentIndex(m_clients->findData(m_otherClientId));
    }
    m_other->setEnabled(!client);
    refresh();
    return id == 0 || client.has_value();
}

std::optional<BirthData> CompareView::otherPerson() const
{
    return m_otherClientId != 0 ? m_otherClient : m_other->person();
}

void CompareView::showClient(const std::optional<BirthData> &client, const System &system,
                             const CalendarDate &dateOfInterest)
{
    m_client = client;
    m_system = &system;
    m_dateOfInterest = dateOfInterest;
    m_clientChart.reset();
    if (client)
        m_clientChart.emplace(chartOf(*client, system, dateOfInterest));
    refresh();
}

QString CompareView::cell(int row, int column) const
{
    const QTableWidgetItem *item = m_table->item(row, column - 1);
    return item != nullptr ? item->text() : QString();
}

QString CompareView::relationsText() const
{
    return m_relations->toPlainText();
}

void CompareView::refresh()
{
    m_table->clearContents();
    const std::optional<BirthData> other = otherPerson();
    const auto header = [](const std::optional<BirthData> &person, const QString &none) {
        return person ? toQString(fullName(*person)) : none;
    };
    m_table->setHorizontalHeaderLabels({header(m_client, u"Client"_s), header(other, u"Second person"_s)});
    if (m_system == nullptr) {
        m_relations->clear();
        return;
    }
    std::optional<Chart> otherChart;
    if (other)
        otherChart.emplace(chartOf(*other, *m_system, m_dateOfInterest));
    const std::array<const Chart *, 2> charts = {m_clientChart ? &*m_clientChart : nullptr,
                                                 otherChart ? &*otherChart : nullptr};
    for (int column = 0; column < 2; ++column) {
        if (!charts[column])
            continue;
        int row = 0;
        for (const CoreNumber &core : coreNumbers()) {
            const NumberValue &value = (*charts[column])[core.id];
            auto *item = new QTableWidgetItem(value.defined ? writtenNumber(*charts[column], core.id) : u"\u2013"_s);
            item->setTextAlignment(Qt::AlignCenter);
            m_table->setItem(row++, column, item);
        }
    }
    m_relations->clear();
    if (!charts[0] || !charts[1]) {
        m_relations->setPlainText(u"Type the second person's first and last name to compare."_s);
        return;
    }
    const Comparison comparison = ComparePeople(*charts[0], *charts[1]);
    QTextCursor cursor(m_relations->document());
    const QPalette colours = m_relations->palette();
    const auto pairing = [&](NumberId id, const Pairing &pair) {
        insertHeading(cursor, u"%1 %2 and %3: %4"_s.arg(toQString(describe(id).name)).arg(pair.first).arg(pair.second)
                                  .arg(toQString(relationName(pair.relation))),
                      colours);
        cursor.insertBlock();
        insertPlain(cursor, toQString(pair.text), colours);
        cursor.insertBlock();
        cursor.insertBlock();
    };
    pairing(NumberId::LifePath, comparison.lifePath);
    pairing(NumberId::Destiny, comparison.destiny);
}

} // namespace velmora::desk
