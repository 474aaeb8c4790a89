// SPDX-License-Identifier: MIT
#pragma once

#include <QLatin1StringView>
#include <QMap>
#include <QWidget>

#include <optional>
#include <span>

#include "numberid.h"

class QButtonGroup;
class QLabel;
class QTextBrowser;
class QToolButton;
class QTreeWidget;

namespace velmora {
class Chart;
}

namespace velmora::desk {

class LetterChartsWidget;
class TimelineWidget;

// The chart of one person at a glance: the core numbers (Life Path, Destiny,
// Soul Urge, Personality, Birthday, Maturity) as numerologists write them,
// every other number the system has, the Inclusion grid and the Planes, the
// pinnacles and challenges along the client's life, the Karmic Lessons and Debts; the number chosen shows its reading and its working.
class ChartView : public QWidget
{
    Q_OBJECT

public:
    explicit ChartView(QWidget *parent = nullptr);

    // Requires a chart with its working. The number open stays open where
    // the chart's system has it; else the Life Path opens.
    void showChart(const Chart &chart);
    void clear();

    // Shows the number's reading and working; false when the chart has no such number.
    bool openNumber(NumberId id);
    [[nodiscard]] std::optional<NumberId> openedNumber() const { return m_opened; }

    // What the view shows for a number ("29/11/2"), or empty when it shows none.
    [[nodiscard]] QString shownNumber(NumberId id) const { return m_shown.value(id); }

private:
    void showReading(NumberId id);

    QButtonGroup *m_core;
    QTreeWidget *m_numbers;
    LetterChartsWidget *m_letterCharts;
    QLabel *m_karmic;
    QTextBrowser *m_reading;
    TimelineWidget *m_timeline;
    const Chart *m_chart = nullptr;
    std::optional<NumberId> m_opened;
    QMap<NumberId, QString> m_shown;
};

// A core number and its caption; Maturity is the Realization number under
// the name practitioners use.
struct CoreNumber {
    NumberId id;
    QLatin1StringView caption;
};

// The core numbers in the order the view shows them.
[[nodiscard]] std::span<const CoreNumber> coreNumbers();

} // namespace velmora::desk
