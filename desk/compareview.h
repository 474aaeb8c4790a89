// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <optional>

#include "birthdata.h"
#include "chart.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTextBrowser;

namespace velmora {
struct System;
namespace book {
class ClientBook;
}
}

namespace velmora::desk {

class PersonForm;

// The client beside a second person under the same system and date of
// interest: their core numbers in two columns, and how their Life Path and
// Destiny numbers get on. The second person is typed in, or a client of the
// book found by name, date or tag and chosen (under their birth name, as
// their chart shows them).
class CompareView : public QWidget
{
    Q_OBJECT

public:
    explicit CompareView(QWidget *parent = nullptr);

    void showClient(const std::optional<BirthData> &client, const System &system, const CalendarDate &dateOfInterest);
    [[nodiscard]] PersonForm *otherForm() const { return m_other; }
    // The book whose clients can be compared with; none hides the choice.
    void setBook(book::ClientBook *book);
    // Finds the clients for the search typed (at most kShownClients).
    void findClients();
    // Compares with the client of the book; 0: with the person typed in.
    // False, with the person typed in chosen, when the client cannot be read.
    bool chooseClient(qint64 id);
    [[nodiscard]] qint64 chosenClient() const { return m_otherClientId; }

    // The cell of the table: row by core number, column 1 the client's, 2 the other's.
    [[nodiscard]] QString cell(int row, int column) const;
    [[nodiscard]] QString relationsText() const;

private:
    void refresh();

    [[nodiscard]] std::optional<BirthData> otherPerson() const;

    PersonForm *m_other;
    book::ClientBook *m_book = nullptr;
    qint64 m_otherClientId = 0;
    std::optional<BirthData> m_otherClient;
    QTableWidget *m_table;
    QTextBrowser *m_relations;
    QLineEdit *m_search;
    QComboBox *m_clients;
    QLabel *m_clientProblem;
    std::optional<BirthData> m_client;
    std::optional<Chart> m_clientChart; // worked out once per client, system and date, not per keystroke
    const System *m_system = nullptr;
    CalendarDate m_dateOfInterest;
};

} // namespace velmora::desk
