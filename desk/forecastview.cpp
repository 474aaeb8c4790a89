// SPDX-License-Identifier: MIT
#include "forecastview.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dayfilter.h"
#include "system.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {
namespace {

constexpr int kWeeks = 6;
constexpr int kDateRole = Qt::UserRole;
constexpr int kChosenRole = Qt::UserRole + 1;

QPushButton *stepButton(QWidget *parent, const QString &name, const QString &text, const QString &accessible)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAccessibleName(accessible);
    return button;
}

// The cells around the month hold no day: neither the keyboard nor a screen
// reader stops on them.
void fillBlanks(QTableWidget *grid)
{
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column)
            if (grid->item(row, column) == nullptr) {
                auto *blank = new QTableWidgetItem;
                blank->setFlags(Qt::NoItemFlags);
                grid->setItem(row, column, blank);
            }
}

} // namespace

ForecastView::ForecastView(QWidget *parent)
    : QWidget(parent)
    , m_heading(new QLabel(this))
    , m_grid(new QTableWidget(kWeeks, 7, this))
{
    m_heading->setObjectName(u"lblForecastMonth"_s);
    QFont big = m_heading->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_heading->setFont(big);
    m_heading->setAlignment(Qt::AlignCenter);

    auto *steps = new QHBoxLayout;
    QPushButton *previousYear = stepButton(this, u"cmdPreviousYear"_s, u"\u00ab &Year"_s, u"Previous year"_s);
    QPushButton *previousMonth = stepButton(this, u"cmdPreviousMonth"_s, u"\u2039 &Month"_s, u"Previous month"_s);
    QPushButton *nextMonth = stepButton(this, u"cmdNextMonth"_s, u"M&onth \u203a"_s, u"Next month"_s);
    QPushButton *nextYear = stepButton(this, u"cmdNextYear"_s, u"Y&ear \u00bb"_s, u"Next year"_s);
    steps->addWidget(previousYear);
    steps->addWidget(previousMonth);
    steps->addWidget(m_heading, 1);
    steps->addWidget(nextMonth);
    steps->addWidget(nextYear);
    connect(previousYear, &QPushButton::clicked, this, [this] { stepMonths(-12); });
    connect(previousMonth, &QPushButton::clicked, this, [this] { stepMonths(-1); });
    connect(nextMonth, &QPushButton::clicked, this, [this] { stepMonths(1); });
    connect(nextYear, &QPushButton::clicked, this, [this] { stepMonths(12); });

    m_grid->setObjectName(u"tblForecast"_s);
    m_grid->setAccessibleName(u"Personal Days of the month"_s);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    QStringList weekdays;
    for (int day = 1; day <= 7; ++day)
        weekdays << QLocale::c().dayName(day, QLocale::ShortFormat);
    m_grid->setHorizontalHeaderLabels(weekdays);

    auto *choose = new QGroupBox(u"Days to stand out"_s, this);
    // Two rows, so that the window stays narrow.
    auto *chooseRows = new QVBoxLayout(choose);
    auto *chooseLayout = new QHBoxLayout;
    chooseRows->addLayout(chooseLayout);
    chooseLayout->addWidget(new QLabel(u"Personal Day:"_s, choose));
    for (int value = 1; value <= 9; ++value) {
        auto *box = new QCheckBox(QString::number(value), choose);
        box->setObjectName(u"chkPersonalDay%1"_s.arg(value));
        box->setAccessibleName(u"Personal Day %1"_s.arg(value));
        connect(box, &QCheckBox::toggled, this, &ForecastView::markChosen);
        chooseLayout->addWidget(box);
        m_dayBoxes[static_cast<std::size_t>(value - 1)] = box;
    }
    chooseLayout->addStretch(1);
    chooseLayout = new QHBoxLayout;
    chooseRows->addLayout(chooseLayout);
    chooseLayout->addWidget(new QLabel(u"Weekday:"_s, choose));
    for (int day = 1; day <= 7; ++day) {
        auto *box = new QCheckBox(QLocale::c().dayName(day, QLocale::ShortFormat), choose);
        box->setObjectName(u"chkWeekday%1"_s.arg(day));
        box->setAccessibleName(QLocale::c().dayName(day));
        connect(box, &QCheckBox::toggled, this, &ForecastView::markChosen);
        chooseLayout->addWidget(box);
        m_weekdayBoxes[static_cast<std::size_t>(day - 1)] = box;
    }
    chooseLayout->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(steps);
    layout->addWidget(m_grid, 1);
    layout->addWidget(choose);
}

void ForecastView::showPerson(const std::optional<BirthData> &person, const System &system)
{
    m_person = person;
    m_system = &system;
    refresh();
}

void ForecastView::showMonth(QDate date)
{
    const QDate first(date.year(), date.month(), 1);
    if (!first.isValid() || first == m_month)
        return;
    m_month = first;
    refresh();
    Q_EMIT monthChanged(m_month);
}

void ForecastView::stepMonths(int months)
{
    const QDate next = m_month.addMonths(months);
    // The calendar's years are 1-9999: a step beyond them stays where it is.
    if (next.isValid() && next.year() >= kMinYear && next.year() <= kMaxYear)
        showMonth(next);
}

void ForecastView::choosePersonalDay(int value, bool chosen)
{
    if (value >= 1 && value <= 9)
        m_dayBoxes[static_cast<std::size_t>(value - 1)]->setChecked(chosen);
}

void ForecastView::chooseWeekday(int weekday, bool chosen)
{
    if (weekday >= 1 && weekday <= 7)
        m_weekdayBoxes[static_cast<std::size_t>(weekday - 1)]->setChecked(chosen);
}

QString ForecastView::heading() const
{
    return m_heading->text();
}

void ForecastView::refresh()
{
    m_grid->clearContents();
    m_days.clear();
    if (!m_month.isValid() || !m_person || m_system == nullptr) {
        m_heading->setText(m_month.isValid() ? QLocale::c().toString(m_month, u"MMMM yyyy"_s) : QString());
        fillBlanks(m_grid);
        return;
    }
    const QDate last = m_month.addMonths(1).addDays(-1);
    m_days = calendarDays(*m_person, *m_system, m_month, last);
    const CalendarDay &first = m_days.front();
    m_heading->setText(u"%1: Personal Year %2, Personal Month %3"_s.arg(QLocale::c().toString(m_month, u"MMMM yyyy"_s))
                           .arg(first.personalYear)
                           .arg(first.personalMonth));
    m_heading->setAccessibleName(m_heading->text());
    const int offset = m_month.dayOfWeek() - 1;
    for (const CalendarDay &day : m_days) {
        const int cell = offset + day.date.day() - 1;
        auto *item = new QTableWidgetItem(u"%1\n%2"_s.arg(day.date.day()).arg(day.personalDay));
        item->setTextAlignment(Qt::AlignCenter);
        item->setData(Qt::AccessibleTextRole,
                      u"%1: Personal Day %2"_s.arg(QLocale::c().toString(day.date, QLocale::LongFormat)).arg(day.personalDay));
        item->setData(kDateRole, day.date);
        m_grid->setItem(cell / 7, cell % 7, item);
    }
    fillBlanks(m_grid);
    markChosen();
}

QList<QDate> ForecastView::chosenDays() const
{
    QList<QDate> chosen;
    for (int row = 0; row < m_grid->rowCount(); ++row)
        for (int column = 0; column < m_grid->columnCount(); ++column)
            if (const QTableWidgetItem *item = m_grid->item(row, column);
                item != nullptr && item->data(kChosenRole).toBool())
                chosen << item->data(kDateRole).toDate();
    return chosen;
}

void ForecastView::markChosen()
{
    unsigned values = 0;
    unsigned weekdays = 0;
    for (std::size_t k = 0; k < m_dayBoxes.size(); ++k)
        values |= m_dayBoxes[k]->isChecked() ? 1U << (k + 1) : 0U;
    for (std::size_t k = 0; k < m_weekdayBoxes.size(); ++k)
        weekdays |= m_weekdayBoxes[k]->isChecked() ? 1U << (k + 1) : 0U;
    // Nothing chosen: no day stands out (the filter would take every day).
    const bool any = values != 0 || weekdays != 0;
    DayFilter filter;
    if (values != 0)
        filter.addWish(DayFilter::Cycle::Day, values);
    filter.setWeekdays(weekdays);
    const QPalette colours = palette();
    for (const CalendarDay &day : m_days) {
        const int cell = m_month.dayOfWeek() - 1 + day.date.day() - 1;
        QTableWidgetItem *item = m_grid->item(cell / 7, cell % 7);
        if (item == nullptr)
            continue;
        const bool chosen = any && filter.matches(day);
        QFont font = m_grid->font();
        font.setBold(chosen);
        item->setFont(font);
        item->setData(kChosenRole, chosen);
        item->setBackground(chosen ? colours.brush(QPalette::Highlight) : QBrush());
        item->setForeground(chosen ? colours.brush(QPalette::HighlightedText) : QBrush());
    }
}

} // namespace velmora::desk
