// SPDX-License-Identifier: MIT
#include "namesview.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFont>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTableWidget>
#include <QThreadPool>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

#include "descriptors.h"
#include "enginetext.h"
#include "numbernotation.h"
#include "personinput.h"
#include "readingcolours.h"
#include "readingdocument.h"
#include "variantsheet.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {
namespace {

constexpr std::array<NumberId, 3> kNameNumbers = {NumberId::Destiny, NumberId::SoulUrge, NumberId::Personality};
constexpr std::array<QLatin1StringView, 3> kPartNames = {QLatin1StringView("First"), QLatin1StringView("Middle"),
                                                         QLatin1StringView("Last")};
constexpr QStringView kCheckMark{u"\u2713"};
// What a screen reader says of a blank cell.
constexpr QStringView kNone{u"none"};

QString isoText(const BirthData &person)
{
    return QString::asprintf("%04d-%02d-%02d", person.BirthYear, person.BirthMonth, person.BirthDay);
}

// The values of a wish as typed, "6, 8", "6 or 8" or "6 8", as the tool takes them: "6,8".
QString wishValues(const QString &typed)
{
    static const QRegularExpression apart(u"(\\s|,|\\bor\\b)+"_s);
    return typed.split(apart, Qt::SkipEmptyParts).join(u',');
}

} // namespace

// The spellings weighed: one row each, the matches first, a match in bold
// and with a check mark when there are wishes.
class VariantsModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void reset(std::vector<NameVariant> variants, const System *system, bool wished)
    {
        beginResetModel();
        m_variants = std::move(variants);
        m_system = system;
        m_wished = wished;
        m_columns = {NumberId::Destiny, NumberId::SoulUrge, NumberId::Personality};
        if (system != nullptr && system->hasNumber(NumberId::KarmicDebts))
            m_columns.push_back(NumberId::KarmicDebts);
        endResetModel();
    }
    [[nodiscard]] const std::vector<NameVariant> &variants() const { return m_variants; }
    // The colour of the check mark: the headings' colour, which follows a dark theme.
    void setMarkColour(const QColor &colour)
    {
        m_markColour = colour;
        if (!m_variants.empty())
            Q_EMIT dataChanged(index(0, columnCount() - 1), index(rowCount() - 1, columnCount() - 1));
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_variants.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_columns.size()) + (m_wished ? 2 : 1);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        return heading(section);
    }
    [[nodiscard]] QString heading(int column) const
    {
        if (column == 0)
            return u"Name"_s;
        if (column <= static_cast<int>(m_columns.size())) {
            const NumberId id = m_columns[static_cast<std::size_t>(column - 1)];
            return id == NumberId::KarmicDebts ? u"Debts of the Name"_s : toQString(describe(id).name);
        }
        return u"Match"_s;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        const NameVariant &variant = m_variants[static_cast<std::size_t>(index.row())];
        switch (role) {
        case Qt::DisplayRole:
            return text(index.row(), index.column());
        case Qt::AccessibleTextRole:
            if (index.column() == columnCount() - 1 && m_wished)
                return variant.match ? u"meets the wishes"_s : u"does not meet the wishes"_s;
            // A blank cell (no Karmic Debt) is read as "none".
            if (QString shown = text(index.row(), index.column()); !shown.isEmpty())
                return shown;
            return kNone.toString();
        case Qt::FontRole:
            if (m_wished && variant.match) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::ForegroundRole:
            return index.column() == columnCount() - 1 && m_wished ? QVariant(m_markColour) : QVariant();
        case Qt::TextAlignmentRole:
            return index.column() == 0 ? QVariant() : QVariant(Qt::AlignCenter);
        default:
            return {};
        }
    }
    [[nodiscard]] QString text(int row, int column) const
    {
        const NameVariant &variant = m_variants[static_cast<std::size_t>(row)];
        if (column == 0)
            return toQString(writtenName(variant));
        if (column > static_cast<int>(m_columns.size()))
            return variant.match ? kCheckMark.toString() : QString();
        const NumberId id = m_columns[static_cast<std::size_t>(column - 1)];
        const NumberValue &number = variant.numbers[id];
        if (id != NumberId::KarmicDebts)
            return numberNotation(number.value(), number.compound, *m_system);
        // Only the debts the name carries: another spelling may lose them.
        QStringList debts;
        for (std::size_t k = 0; k < number.count; ++k) {
            if (isNameDebt(variant.numbers.debtSources[k]))
                debts << numberNotation(number.values[k], 0, *m_system);
        }
        return debts.join(u", "_s);
    }

private:
    std::vector<NameVariant> m_variants;
    const System *m_system = nullptr;
    bool m_wished = false;
    std::vector<NumberId> m_columns;
    QColor m_markColour;
};

NamesView::NamesView(QWidget *parent)
    : QWidget(parent)
    , m_names(new QTableWidget(0, 6, this))
    , m_noDebts(new QCheckBox(u"No Karmic Debt carried by the name"_s, this))
    , m_weigh(new QPushButton(u"Wei&gh Spellings"_s, this))
    , m_problem(new QLabel(this))
    , m_table(new QTableView(this))
    , m_model(new VariantsModel(this))
    , m_label(new QLineEdit(this))
    , m_keep(new QPushButton(u"Keep as Later Name"_s, this))
    , m_print(new QPushButton(u"Print Names Sheet\u2026"_s, this))
    , m_pdf(new QPushButton(u"Save Names Sheet as PDF\u2026"_s, this))
{
    m_names->setObjectName(u"tblNames"_s);
    m_names->setAccessibleName(u"The client's names and their numbers"_s);
    m_names->setHorizontalHeaderLabels(
        {u"Name"_s, u"Label"_s, u"Taken"_s, u"Destiny"_s, u"Soul Urge"_s, u"Personality"_s});
    m_names->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_names->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_names->verticalHeader()->hide();
    m_names->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_names->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_names->setTabKeyNavigation(false);

    auto *spellings = new QGroupBox(u"Spellings weighed with wishes"_s, this);
    auto *form = new QFormLayout;
    for (std::size_t k = 0; k < m_parts.size(); ++k) {
        auto *part = new QLineEdit(this);
        part->setObjectName(u"txtVariant"_s + kPartNames[k]);
        part->setAccessibleName(u"%1 name alternatives, apart by bars"_s.arg(kPartNames[k]));
        part->setPlaceholderText(k == 0 ? u"Jon|John"_s : k == 2 ? u"Smith|Smyth"_s : QString());
        auto *label = new QLabel(u"%1 name:"_s.arg(kPartNames[k]), this);
        label->setBuddy(part);
        form->addRow(label, part);
        connect(part, &QLineEdit::returnPressed, this, &NamesView::weigh);
        m_parts[k] = part;
    }
    for (std::size_t k = 0; k < m_wants.size(); ++k) {
        const QString name = toQString(describe(kNameNumbers[k]).name);
        auto *want = new QLineEdit(this);
        want->setObjectName(u"txtWant"_s + toQString(describe(kNameNumbers[k]).key));
        want->setAccessibleName(u"%1 wished for, such as 6 or 8"_s.arg(name));
        want->setPlaceholderText(u"any"_s);
        auto *label = new QLabel(u"%1 wished:"_s.arg(name), this);
        label->setBuddy(want);
        form->addRow(label, want);
        connect(want, &QLineEdit::returnPressed, this, &NamesView::weigh);
        m_wants[k] = want;
    }
    m_noDebts->setObjectName(u"chkNoDebts"_s);
    m_noDebts->setAccessibleName(u"Wish: no Karmic Debt carried by the name"_s);
    form->addRow(m_noDebts);
    m_weigh->setObjectName(u"cmdWeigh"_s);
    m_weigh->setAccessibleName(u"Weigh the spellings against the wishes"_s);
    m_problem->setObjectName(u"lblVariantsProblem"_s);
    m_problem->setWordWrap(true);
    m_problem->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_problem->hide();

    m_table->setObjectName(u"tblVariants"_s);
    m_table->setAccessibleName(u"Spellings weighed, those meeting the wishes first"_s);
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Columns sized from the first rows and those in sight, not from all 10,000: 28 ms down to 5 ms.
    m_table->horizontalHeader()->setResizeContentsPrecision(100);

    m_label->setObjectName(u"txtNameLabel"_s);
    m_label->setAccessibleName(u"Label of the name kept, such as business"_s);
    m_label->setPlaceholderText(u"business, chosen, married"_s);
    auto *labelLabel = new QLabel(u"Label:"_s, this);
    labelLabel->setBuddy(m_label);
    m_keep->setObjectName(u"cmdKeepName"_s);
    m_keep->setAccessibleName(u"Keep the chosen spelling as a later name of the client"_s);
    m_print->setObjectName(u"cmdPrintNames"_s);
    m_print->setAccessibleName(u"Print the names sheet"_s);
    m_pdf->setObjectName(u"cmdSaveNamesPdf"_s);
    m_pdf->setAccessibleName(u"Save the names sheet as PDF"_s);

    // Weighing and printing above the table, keeping the spelling chosen in
    // it below: one row of all of them would not fit beside the clients.
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_weigh);
    buttons->addStretch(1);
    buttons->addWidget(m_print);
    buttons->addWidget(m_pdf);
    auto *keeping = new QHBoxLayout;
    keeping->addWidget(labelLabel);
    keeping->addWidget(m_label, 1);
    keeping->addWidget(m_keep);
    auto *spellingsLayout = new QVBoxLayout(spellings);
    spellingsLayout->addLayout(form);
    spellingsLayout->addLayout(buttons);
    spellingsLayout->addWidget(m_problem);
    spellingsLayout->addWidget(m_table, 1);
    spellingsLayout->addLayout(keeping);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_names);
    layout->addWidget(spellings, 1);
    // Tab follows the page as it reads: the names, the spellings' fields and
    // buttons, the table, then the label and keeping the spelling chosen.
    QList<QWidget *> order = {m_names};
    order.append(QList<QWidget *>(m_parts.begin(), m_parts.end()));
    order.append(QList<QWidget *>(m_wants.begin(), m_wants.end()));
    order << m_noDebts << m_weigh << m_print << m_pdf << m_table << m_label << m_keep;
    for (qsizetype k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);

    connect(m_weigh, &QPushButton::clicked, this, &NamesView::weigh);
    connect(m_keep, &QPushButton::clicked, this, &NamesView::keepChosen);
    connect(m_print, &QPushButton::clicked, this, &NamesView::printAsked);
    connect(m_pdf, &QPushButton::clicked, this, &NamesView::pdfAsked);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &NamesView::updateButtons);
    m_model->setMarkColour(headingColour(m_table->palette()));
    updateButtons();
}

NamesView::~NamesView() = default;

void NamesView::showPerson(const std::optional<BirthData> &person, const std::optional<book::Client> &client,
                           const System &system, const QDate &dateOfInterest)
{
    // The spellings share the person's date of birth, and the wishes and the
    // numbers are the system's: weighed again when either changes.
    const auto born = [](const std::optional<BirthData> &someone) {
        return someone ? isoText(*someone) : QString();
    };
    const bool changed = m_system != &system || born(m_person) != born(person);
    m_person = person;
    m_client = client;
    m_system = &system;
    m_dateOfInterest = dateOfInterest;
    m_noDebts->setEnabled(system.hasNumber(NumberId::KarmicDebts));
    showNames();
    if (m_weighed && changed)
        weigh();
    updateButtons();
}

void NamesView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        m_model->setMarkColour(headingColour(m_table->palette()));
    QWidget::changeEvent(event);
}

void NamesView::showNames()
{
    m_names->setRowCount(0);
    if (!m_person || m_system == nullptr)
        return;
    struct Shown {
        BirthData person;
        QString label;
        QDate taken;
    };
    std::vector<Shown> shown = {{*m_person, u"birth name"_s, {}}};
    if (m_client) {
        for (const book::LaterName &name : m_client->laterNames) {
            BirthData later = *m_person;
            later.FirstName = name.first.toStdString();
            later.MiddleName = name.middle.toStdString();
            later.LastName = name.last.toStdString();
            shown.push_back({later, name.label, name.taken});
        }
    }
    const int inUse = m_client ? m_client->nameInUse + 1 : 0;
    m_names->setRowCount(static_cast<int>(shown.size()));
    const CalendarDate interest = calendarDate(m_dateOfInterest);
    for (int row = 0; row < m_names->rowCount(); ++row) {
        const Shown &name = shown[static_cast<std::size_t>(row)];
        const Chart chart = chartOf(name.person, *m_system, interest);
        QStringList cells = {toQString(fullName(name.person)),
                             row == inUse ? name.label + u" (in use)"_s : name.label,
                             name.taken.isValid() ? name.taken.toString(Qt::ISODate) : QString()};
        for (const NumberId id : kNameNumbers)
            cells << numberNotation(chart, id);
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            // A blank cell is read as "none", not skipped in silence (the birth name was never taken).
            if (cells[column].isEmpty())
                item->setData(Qt::AccessibleTextRole, kNone.toString());
            if (column >= 3)
                item->setTextAlignment(Qt::AlignCenter);
            m_names->setItem(row, column, item);
        }
    }
}

// What a weighing works out away from the window's thread.
struct NamesView::Weighing {
    quint64 serial = 0;
    const System *system = nullptr;
    VariantWishes wishes;
    std::vector<NameVariant> variants;
    InputFault fault = InputFault::None;
    std::size_t uncounted = 0; // spellings with characters that do not count
};

bool NamesView::refuse(const QString &problem)
{
    m_weighing = 0;
    m_problem->setText(problem);
    m_problem->show();
    m_model->reset({}, m_system, false);
    updateButtons();
    Q_EMIT weighed();
    return false;
}

bool NamesView::weigh()
{
    m_weighed = true;
    ++m_serial;
    if (!m_person || m_system == nullptr)
        return refuse(u"Type the client's names and date of birth first: the spellings share the date of birth."_s);
    std::array<std::vector<std::string>, 3> parts;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        std::optional<std::vector<std::string>> alternatives = splitAlternatives(m_parts[k]->text().toStdString());
        if (!alternatives)
            return refuse(u"%1 name: an empty alternative; write the names apart by single bars, such as Jon|John."_s.arg(
                kPartNames[k]));
        parts[k] = std::move(*alternatives);
    }
    if (const std::size_t longest = longestVariantName(parts); longest > kMaxVariantNameLength)
        return refuse(u"The alternatives make a name of %1 characters; at most %2 are weighed."_s.arg(longest).arg(
            kMaxVariantNameLength));
    if (const std::uint64_t count = variantCount(parts[0].size(), parts[1].size(), parts[2].size());
        count > kMaxVariants)
        return refuse(u"The alternatives make %1 spellings; at most %2 are weighed."_s.arg(count).arg(kMaxVariants));
    auto weighing = std::make_shared<Weighing>();
    weighing->serial = m_serial;
    weighing->system = m_system;
    std::string problem;
    for (std::size_t k = 0; k < m_wants.size(); ++k) {
        const QString values = wishValues(m_wants[k]->text());
        if (values.isEmpty())
            continue;
        const std::string want = std::string(describe(kNameNumbers[k]).key) + '=' + values.toStdString();
        if (!weighing->wishes.addWant(want, *m_system, &problem)) {
            // The reason after the wish as the tool quotes it.
            const std::size_t reason = problem.find("': ");
            return refuse(toQString(describe(kNameNumbers[k]).name) + u" wished: "_s
                          + toQString(reason == std::string::npos ? problem : problem.substr(reason + 3)) + u'.');
        }
    }
    if (m_noDebts->isEnabled() && m_noDebts->isChecked() && !weighing->wishes.addNoDebts(*m_system, &problem))
        return refuse(toQString(problem));
    // Nothing of an earlier weighing stays to be kept or printed meanwhile.
    m_weighing = m_serial;
    m_model->reset({}, m_system, false);
    m_problem->setText(u"Weighing the spellings\u2026"_s);
    m_problem->show();
    updateButtons();
    QThreadPool::globalInstance()->start(
        [weighing, parts = std::move(parts), date = isoText(*m_person).toStdString(),
         interest = calendarDate(m_dateOfInterest), view = QPointer<NamesView>(this)] {
            weighing->fault = combineVariants(parts, date, false, weighing->variants);
            if (weighing->fault == InputFault::None) {
                weighing->uncounted = static_cast<std::size_t>(std::ranges::count_if(weighing->variants, &hasUncounted));
                weighVariants(weighing->variants, *weighing->system, interest, weighing->wishes);
            }
            // Shown on the window's thread; dropped there when the view has gone.
            QMetaObject::invokeMethod(QCoreApplication::instance(), [weighing, view] {
                if (view)
                    view->showWeighing(*weighing);
            });
        });
    return true;
}

void NamesView::showWeighing(Weighing &weighing)
{
    if (weighing.serial != m_weighing || weighing.system != m_system)
        return; // superseded by a later weighing
    if (weighing.fault != InputFault::None) {
        refuse(toQString(faultText(weighing.fault)));
        return;
    }
    m_weighing = 0;
    m_wishes = std::move(weighing.wishes);
    QStringList notes;
    if (!m_wishes.empty() && std::ranges::none_of(weighing.variants, &NameVariant::match))
        notes << u"No spelling meets every wish (%1): the table shows what each one gives instead."_s.arg(
            toQString(m_wishes.words()));
    if (weighing.uncounted > 0)
        notes << (weighing.uncounted == 1 ? u"1 spelling has"_s : u"%1 spellings have"_s.arg(weighing.uncounted))
                + u" characters in a name that do not count: only the letters A\u2013Z do."_s;
    m_problem->setText(notes.join(u'\n'));
    m_problem->setVisible(!notes.isEmpty());
    m_model->reset(std::move(weighing.variants), m_system, !m_wishes.empty());
    m_table->resizeColumnsToContents();
    updateButtons();
    Q_EMIT weighed();
}

const std::vector<NameVariant> &NamesView::variants() const
{
    return m_model->variants();
}

std::optional<NameVariant> NamesView::chosenVariant() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return variants()[static_cast<std::size_t>(rows.front().row())];
}

std::optional<VariantSheet> NamesView::sheet() const
{
    if (variants().empty() || m_system == nullptr)
        return std::nullopt;
    VariantSheet sheet = variantSheet(variants(), *m_system, m_wishes, calendarDate(m_dateOfInterest));
    for (int column = 0; column < m_model->columnCount(); ++column)
        sheet.head << m_model->heading(column);
    sheet.rows.reserve(variants().size());
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < m_model->columnCount(); ++column)
            cells << m_model->text(row, column);
        sheet.rows.push_back(std::move(cells));
    }
    return sheet;
}

QString NamesView::nameCell(int row, int column) const
{
    const QTableWidgetItem *item = m_names->item(row, column);
    return item != nullptr ? item->text() : QString();
}

int NamesView::nameRows() const
{
    return m_names->rowCount();
}

void NamesView::keepChosen()
{
    const std::optional<NameVariant> chosen = chosenVariant();
    if (!chosen || !m_client)
        return;
    Q_EMIT keepAsked({toQString(chosen->first), toQString(chosen->middle), toQString(chosen->last), m_dateOfInterest,
                      m_label->text().trimmed()});
}

void NamesView::updateButtons()
{
    const bool chosen = m_table->selectionModel()->hasSelection();
    m_keep->setEnabled(chosen && m_client.has_value());
    m_keep->setToolTip(m_client ? QString() : u"Keep the person as a client of the book first."_s);
    m_label->setEnabled(m_client.has_value());
    m_print->setEnabled(!variants().empty());
    m_pdf->setEnabled(!variants().empty());
}

} // namespace velmora::desk
