// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <optional>

#include "birthdata.h"
#include "chart.h"

class QLabel;
class QTableWidget;
class QTextBrowser;

namespace velmora {
struct System;
}

namespace velmora::desk {

class PersonForm;

// The client beside a second person under the same system and date of
// interest: their core numbers in two columns, and how their Life Path and
// Destiny numbers get on.
class CompareView : public QWidget
{
    Q_OBJECT

public:
    explicit CompareView(QWidget *parent = nullptr);

    void showClient(const std::optional<BirthData> &client, const System &system, const CalendarDate &dateOfInterest);
    [[nodiscard]] PersonForm *otherForm() const { return m_other; }

    // The cell of the table: row by core number, column 1 the client's, 2 the other's.
    [[nodiscard]] QString cell(int row, int column) const;
    [[nodiscard]] QString relationsText() const;

private:
    void refresh();

    PersonForm *m_other;
    QTableWidget *m_table;
    QTextBrowser *m_relations;
    std::optional<BirthData> m_client;
    std::optional<Chart> m_clientChart; // worked out once per client, system and date, not per keystroke
    const System *m_system = nullptr;
    CalendarDate m_dateOfInterest;
};

} // namespace velmora::desk
