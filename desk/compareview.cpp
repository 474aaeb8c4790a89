// SPDX-License-Identifier: MIT
#include "compareview.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

#include <array>

#include "chart.h"
#include "chartview.h"
#include "compatibility.h"
#include "enginetext.h"
#include "personform.h"
#include "readingcolours.h"
#include "writtennumber.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {

CompareView::CompareView(QWidget *parent)
    : QWidget(parent)
    , m_other(new PersonForm(u"txtOther"_s, u"Second person's"_s, this))
    , m_table(new QTableWidget(static_cast<int>(coreNumbers().size()), 2, this))
    , m_relations(new QTextBrowser(this))
{
    auto *otherBox = new QGroupBox(u"Compare with"_s, this);
    auto *otherLayout = new QVBoxLayout(otherBox);
    otherLayout->addWidget(m_other);

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
    refresh();
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
    const std::optional<BirthData> other = m_other->person();
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
