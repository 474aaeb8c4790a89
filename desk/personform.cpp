// SPDX-License-Identifier: MIT
#include "personform.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace velmora::desk {
namespace {

QLineEdit *nameEdit(QWidget *parent, const QString &objectName, const QString &accessibleName)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setAccessibleName(accessibleName);
    edit->setClearButtonEnabled(true);
    return edit;
}

} // namespace

PersonForm::PersonForm(const QString &prefix, const QString &whose, QWidget *parent)
    : QWidget(parent)
    , m_first(nameEdit(this, prefix + u"First"_s, whose + u" first name"_s))
    , m_middle(nameEdit(this, prefix + u"Middle"_s, whose + u" middle name"_s))
    , m_last(nameEdit(this, prefix + u"Last"_s, whose + u" last name"_s))
    , m_birth(new QDateEdit(this))
{
    m_birth->setObjectName(prefix + u"Birth"_s);
    m_birth->setAccessibleName(whose + u" date of birth"_s);
    m_birth->setDisplayFormat(u"yyyy-MM-dd"_s);
    m_birth->setCalendarPopup(true);
    m_birth->setDateRange(QDate(kMinYear, 1, 1), QDate(kMaxYear, 12, 31));
    m_birth->setDate(QDate(1980, 1, 1));
    m_first->setPlaceholderText(u"First"_s);
    m_middle->setPlaceholderText(u"Middle"_s);
    m_last->setPlaceholderText(u"Last"_s);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](const QString &text, QWidget *field) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field);
        layout->addWidget(label);
        layout->addWidget(field, field == m_birth ? 0 : 1);
    };
    add(u"Fi&rst:"_s, m_first);
    add(u"M&iddle:"_s, m_middle);
    add(u"&Last:"_s, m_last);
    add(u"&Born:"_s, m_birth);

    for (QLineEdit *edit : {m_first, m_middle, m_last})
        connect(edit, &QLineEdit::textChanged, this, &PersonForm::changed);
    connect(m_birth, &QDateEdit::dateChanged, this, &PersonForm::changed);
}

void PersonForm::dropAccessKeys()
{
    for (QLabel *label : findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        label->setText(label->text().remove(u'&'));
}

std::optional<BirthData> PersonForm::person() const
{
    BirthData person;
    person.FirstName = m_first->text().trimmed().toStdString();
    person.MiddleName = m_middle->text().trimmed().toStdString();
    person.LastName = m_last->text().trimmed().toStdString();
    if (person.FirstName.empty() || person.LastName.empty())
        return std::nullopt;
    const QDate date = m_birth->date();
    person.BirthDay = static_cast<std::int16_t>(date.day());
    person.BirthMonth = static_cast<std::int16_t>(date.month());
    person.BirthYear = static_cast<std::int16_t>(date.year());
    person.BirthMonthName = std::string(monthName(date.month()));
    return person;
}

bool PersonForm::setPerson(const BirthData &person)
{
    const QDate birth(person.BirthYear, person.BirthMonth, person.BirthDay);
    if (!birth.isValid())
        return false;
    const QSignalBlocker blockFirst(m_first);
    const QSignalBlocker blockMiddle(m_middle);
    const QSignalBlocker blockLast(m_last);
    const QSignalBlocker blockBirth(m_birth);
    m_first->setText(QString::fromStdString(person.FirstName));
    m_middle->setText(QString::fromStdString(person.MiddleName));
    m_last->setText(QString::fromStdString(person.LastName));
    m_birth->setDate(birth);
    Q_EMIT changed();
    return true;
}

void PersonForm::clear()
{
    {
        const QSignalBlocker blockFirst(m_first);
        const QSignalBlocker blockMiddle(m_middle);
        const QSignalBlocker blockLast(m_last);
        m_first->clear();
        m_middle->clear();
        m_last->clear();
    }
    Q_EMIT changed();
}

} // namespace velmora::desk
