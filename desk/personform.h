// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <optional>

#include "birthdata.h"

class QDateEdit;
class QLineEdit;

namespace velmora::desk {

// A person typed in: first, middle and last name and the date of birth. The
// names are taken as typed (trimmed); only A-Z count in the numbers.
class PersonForm : public QWidget
{
    Q_OBJECT

public:
    // prefix names the controls' object names ("txtFirst" or "txtOtherFirst"
    // ...) and what a screen reader says of them ("Client's first name").
    PersonForm(const QString &prefix, const QString &whose, QWidget *parent = nullptr);

    // The person, or nothing while the first or the last name is empty.
    [[nodiscard]] std::optional<BirthData> person() const;
    // False, with the form left as it was, for a date that is not in the
    // calendar (a report may hold 31 February: the numbers take it, a date field cannot).
    bool setPerson(const BirthData &person);
    // Empties the names; the date stays for the next person.
    void clear();
    // The labels without access keys: a second form shown beside the
    // window's own would take its letters.
    void dropAccessKeys();

Q_SIGNALS:
    void changed();

private:
    QLineEdit *m_first;
    QLineEdit *m_middle;
    QLineEdit *m_last;
    QDateEdit *m_birth;
};

} // namespace velmora::desk
