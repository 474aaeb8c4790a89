// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QList>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

#include "birthdata.h"
#include "calendardays.h"
#include "calendarspan.h"
#include "dayfilter.h"
#include "forecastexport.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableWidget;

namespace velmora {
struct System;
}

namespace velmora::desk {

// A month of Personal Days under the Personal Year and Month, stepped by
// month and year; the days chosen by their personal day and weekday stand
// out. Under it the months an export covers (the month shown, until other
// months are chosen) and the buttons that ask for a calendar file or PDF.
class ForecastView : public QWidget
{
    Q_OBJECT

public:
    explicit ForecastView(QWidget *parent = nullptr);

    // The person and system the days are found for; nothing clears the grid.
    void showPerson(const std::optional<BirthData> &person, const System &system);
    // Shows the month of date (any day of it).
    void showMonth(QDate date);
    [[nodiscard]] QDate month() const { return m_month; }

    void stepMonths(int months);

    // The days the grid shows and those that stand out, for the views above it and for tests.
    [[nodiscard]] const std::vector<CalendarDay> &days() const { return m_days; }
    [[nodiscard]] QList<QDate> chosenDays() const;
    // The heading over the grid: "March 2027: Personal Year 5, Personal Month 8".
    [[nodiscard]] QString heading() const;

    // Picks days by personal day (1-9) and weekday (1 Monday ... 7 Sunday).
    void choosePersonalDay(int value, bool chosen);
    void chooseWeekday(int weekday, bool chosen);
    // The wishes the ticked boxes make, as --find and --weekday make them;
    // nothing while no box is ticked.
    [[nodiscard]] std::optional<DayFilter> chosenFilter() const;

    // The months an export covers: from the first day of the first month to
    // the last day of the last, at most kMaxCalendarYears years.
    [[nodiscard]] CalendarSpan exportSpan() const;
    // Any day of the first and last month; the last is kept within the years allowed.
    void setExportMonths(QDate first, QDate last);

Q_SIGNALS:
    void monthChanged(QDate month);
    void exportAsked(velmora::desk::ForecastFile file);

private:
    void refresh();
    void markChosen();

    QLabel *m_heading;
    QTableWidget *m_grid;
    std::array<QCheckBox *, 9> m_dayBoxes{};
    std::array<QCheckBox *, 7> m_weekdayBoxes{};
    QDateEdit *m_exportFirst;
    QDateEdit *m_exportLast;
    std::array<QPushButton *, 2> m_exportButtons{};
    std::optional<BirthData> m_person;
    const System *m_system = nullptr;
    QDate m_month;
    std::vector<CalendarDay> m_days;
};

} // namespace velmora::desk
