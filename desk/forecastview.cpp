// SPDX-License-Identifier: MIT
#include "forecastview.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

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
    , m_exportFirst(new QDateEdit(this))
    , m_exportLast(new QDateEdit(this))
{
    m_heading->setObjectName(u"lblForecastMonth"_s);
    QFont big = m_heading->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_heading->setFont(big);
    m_heading->setAlignment(Qt::AlignCenter);

    auto *steps = new QHBoxLayout;
    QPushButton *previousYear = stepButton(this, u"cmdPreviousYear"_s, u"\u00ab Year"_s, u"Previous year"_s);
    QPushButton *previousMonth = stepButton(this, u"cmdPreviousMonth"_s, u"\u2039 Month"_s, u"Previous month"_s);
    QPushButton *nextMonth = stepButton(this, u"cmdNextMonth"_s, u"Month \u203a"_s, u"Next month"_s);
    QPushButton *nextYear = stepButton(this, u"cmdNextYear"_s, u"Year \u00bb"_s, u"Next year"_s);
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

    auto *exports = new QHBoxLayout;
    const auto monthField = [&](QDateEdit *field, const QString &name, const QString &label,
                                const QString &accessible) {
        field->setObjectName(name);
        field->setAccessibleName(accessible);
        field->setDisplayFormat(u"MMM yyyy"_s);
        field->setDateRange(QDate(kMinYear, 1, 1), QDate(kMaxYear, 12, 1));
        auto *caption = new QLabel(label, this);
        caption->setBuddy(field);
        exports->addWidget(caption);
        exports->addWidget(field);
    };
    monthField(m_exportFirst, u"dtExportFirst"_s, u"Export from"_s, u"Export from the month"_s);
    monthField(m_exportLast, u"dtExportLast"_s, u"&until"_s, u"Export to the month"_s);
    connect(m_exportFirst, &QDateEdit::dateChanged, this,
            [this](QDate first) { setExportMonths(first, m_exportLast->date()); });
    auto *icsButton = stepButton(this, u"cmdExportIcs"_s, u"Calendar File (.ics)\u2026"_s,
                                 u"Export the months as a calendar file"_s);
    auto *pdfButton = stepButton(this, u"cmdExportPdf"_s, u"Calendar PDF\u2026"_s,
                                 u"Export the months as a calendar PDF"_s);
    connect(icsButton, &QPushButton::clicked, this, [this] { Q_EMIT exportAsked(ForecastFile::Ics); });
    connect(pdfButton, &QPushButton::clicked, this, [this] { Q_EMIT exportAsked(ForecastFile::Pdf); });
    exports->addWidget(icsButton);
    exports->addWidget(pdfButton);
    m_exportButtons = {icsButton, pdfButton};
    exports->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(steps);
    layout->addWidget(m_grid, 1);
    layout->addWidget(choose);
    layout->addLayout(exports);
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
    setExportMonths(first, first);
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

std::optional<DayFilter> ForecastView::chosenFilter() const
{
    unsigned values = 0;
    unsigned weekdays = 0;
    for (std::size_t k = 0; k < m_dayBoxes.size(); ++k)
        values |= m_dayBoxes[k]->isChecked() ? 1U << (k + 1) : 0U;
    for (std::size_t k = 0; k < m_weekdayBoxes.size(); ++k)
        weekdays |= m_weekdayBoxes[k]->isChecked() ? 1U << (k + 1) : 0U;
    // Nothing chosen: no filter (an empty one would take every day).
    if (values == 0 && weekdays == 0)
        return std::nullopt;
    DayFilter filter;
    if (values != 0)
        filter.addWish(DayFilter::Cycle::Day, values);
    filter.setWeekdays(weekdays);
    return filter;
}

CalendarSpan ForecastView::exportSpan() const
{
    const QDate first = m_exportFirst->date();
    const QDate last = m_exportLast->date();
    return {QDate(first.year(), first.month(), 1), QDate(last.year(), last.month(), 1).addMonths(1).addDays(-1)};
}

void ForecastView::setExportMonths(QDate first, QDate last)
{
    first = QDate(first.year(), first.month(), 1);
    const QDate latest = std::min(first.addYears(kMaxCalendarYears).addMonths(-1), QDate(kMaxYear, 12, 1));
    const QSignalBlocker blockFirst(m_exportFirst);
    const QSignalBlocker blockLast(m_exportLast);
    m_exportFirst->setDate(first);
    m_exportLast->setDateRange(first, latest);
    m_exportLast->setDate(std::clamp(QDate(last.year(), last.month(), 1), first, latest));
}

QString ForecastView::heading() const
{
    return m_heading->text();
}

void ForecastView::refresh()
{
    m_grid->clearContents();
    m_days.clear();
    for (QPushButton *button : m_exportButtons)
        button->setEnabled(m_person.has_value() && m_system != nullptr);
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
    const std::optional<DayFilter> filter = chosenFilter();
    const QPalette colours = palette();
    for (const CalendarDay &day : m_days) {
        const int cell = m_month.dayOfWeek() - 1 + day.date.day() - 1;
        QTableWidgetItem *item = m_grid->item(cell / 7, cell % 7);
        if (item == nullptr)
            continue;
        const bool chosen = filter && filter->matches(day);
        QFont font = m_grid->font();
        font.setBold(chosen);
        item->setFont(font);
        item->setData(kChosenRole, chosen);
        item->setBackground(chosen ? colours.brush(QPalette::Highlight) : QBrush());
        item->setForeground(chosen ? colours.brush(QPalette::HighlightedText) : QBrush());
    }
}

} // namespace velmora::desk
