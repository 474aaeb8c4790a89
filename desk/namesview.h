// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

#include "birthdata.h"
#include "clientbook.h"
#include "namevariants.h"
#include "variantsdocument.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTableWidget;

namespace velmora::desk {

class VariantsModel;

// The client's names, the birth name and every later one with its date and
// label, beside their Destiny, Soul Urge and Personality; below, spellings
// made from the alternatives typed for each name part (Jon|John), weighed
// against the wishes for those numbers, those that meet them first and
// marked. A spelling chosen can be kept as a later name of the client.
class NamesView : public QWidget
{
    Q_OBJECT

public:
    explicit NamesView(QWidget *parent = nullptr);
    ~NamesView() override;

    // The names of the client of the book, or of the person typed in alone,
    // under the system; the spellings are weighed again under it.
    void showPerson(const std::optional<BirthData> &person, const std::optional<book::Client> &client,
                    const System &system, const QDate &dateOfInterest);

    // Weighs the spellings the alternatives make against the wishes, away
    // from the window's thread (10,000 spellings take 40 ms and more), and
    // shows them when weighed(); a later weighing supersedes it. False, with
    // the reason shown on the page and the table emptied, when the
    // alternatives or a wish cannot be taken.
    bool weigh();
    [[nodiscard]] bool isWeighing() const { return m_weighing != 0; }
    [[nodiscard]] const std::vector<NameVariant> &variants() const;
    // The spelling chosen in the table; nothing while none is.
    [[nodiscard]] std::optional<NameVariant> chosenVariant() const;
    // The names sheet of the spellings weighed; nothing before a weighing.
    [[nodiscard]] std::optional<VariantSheet> sheet() const;

    // A cell of the names: row 0 the birth name, columns as headed.
    [[nodiscard]] QString nameCell(int row, int column) const;
    [[nodiscard]] int nameRows() const;

Q_SIGNALS:
    // The practitioner keeps the chosen spelling as a later name.
    void keepAsked(const velmora::book::LaterName &name);
    void printAsked();
    // A weighing has ended, its spellings shown or its refusal said.
    void weighed();
    void pdfAsked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void showNames();
    void updateButtons();
    void keepChosen();
    // Refuses the weighing: the reason shown, the table emptied.
    bool refuse(const QString &problem);
    struct Weighing;
    void showWeighing(Weighing &weighing);

    QTableWidget *m_names;
    std::array<QLineEdit *, 3> m_parts;
    std::array<QLineEdit *, 3> m_wants;
    QCheckBox *m_noDebts;
    QPushButton *m_weigh;
    QLabel *m_problem;
    QTableView *m_table;
    VariantsModel *m_model;
    QLineEdit *m_label;
    QPushButton *m_keep;
    QPushButton *m_print;
    QPushButton *m_pdf;

    std::optional<BirthData> m_person;
    std::optional<book::Client> m_client;
    const System *m_system = nullptr;
    QDate m_dateOfInterest;
    VariantWishes m_wishes;
    bool m_weighed = false;
    quint64 m_serial = 0;   // the latest weighing asked for
    quint64 m_weighing = 0; // the weighing under way, 0 when none is
};

} // namespace velmora::desk
