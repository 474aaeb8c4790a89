// SPDX-License-Identifier: MIT
#include "chartview.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "chart.h"
#include "enginetext.h"
#include "letterchartswidget.h"
#include "lifetimeline.h"
#include "morenumberstext.h"
#include "readingcolours.h"
#include "timelinewidget.h"
#include "writtennumber.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {
namespace {

using enum NumberId;

constexpr std::array<CoreNumber, 6> kCore = {{{LifePath, "Life Path"_L1},
                                              {Destiny, "Destiny"_L1},
                                              {SoulUrge, "Soul Urge"_L1},
                                              {Personality, "Personality"_L1},
                                              {Birthday, "Birthday"_L1},
                                              {Realization, "Maturity"_L1}}};
bool isCore(NumberId id)
{
    return std::ranges::find(kCore, id, &CoreNumber::id) != kCore.end();
}

QString captionOf(NumberId id)
{
    const auto core = std::ranges::find(kCore, id, &CoreNumber::id);
    return core != kCore.end() ? QString(core->caption) : toQString(describe(id).name);
}

QString coreButtonText(NumberId id, const QString &written)
{
    return captionOf(id) + u'\n' + written;
}

constexpr int kIdRole = Qt::UserRole + 1;

} // namespace

std::span<const CoreNumber> coreNumbers()
{
    return kCore;
}

ChartView::ChartView(QWidget *parent)
    : QWidget(parent)
    , m_core(new QButtonGroup(this))
    , m_numbers(new QTreeWidget(this))
    , m_letterCharts(new LetterChartsWidget(this))
    , m_karmic(new QLabel(this))
    , m_reading(new QTextBrowser(this))
    , m_timeline(new TimelineWidget(this))
{
    auto *coreBox = new QGroupBox(u"Core numbers"_s, this);
    auto *coreGrid = new QGridLayout(coreBox);
    QFont big = font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    for (std::size_t k = 0; k < kCore.size(); ++k) {
        auto *button = new QToolButton(coreBox);
        const QString key = toQString(describe(kCore[k].id).key);
        button->setObjectName(u"cmdCore_"_s + key);
        button->setCheckable(true);
        button->setFont(big);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        button->setText(coreButtonText(kCore[k].id, u"\u2013"_s));
        m_core->addButton(button, static_cast<int>(kCore[k].id));
        coreGrid->addWidget(button, static_cast<int>(k / 3), static_cast<int>(k % 3));
    }
    connect(m_core, &QButtonGroup::idClicked, this, [this](int id) { showReading(static_cast<NumberId>(id)); });

    m_numbers->setObjectName(u"lstNumbers"_s);
    m_numbers->setAccessibleName(u"Every number of the chart"_s);
    m_numbers->setHeaderLabels({u"Number"_s, u"Value"_s});
    m_numbers->setRootIsDecorated(false);
    m_numbers->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    connect(m_numbers, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (item != nullptr)
            showReading(static_cast<NumberId>(item->data(0, kIdRole).toInt()));
    });

    m_letterCharts->setObjectName(u"letterCharts"_s);
    m_letterCharts->setAccessibleName(u"Inclusion grid and Planes of Expression"_s);
    m_karmic->setObjectName(u"lblKarmic"_s);
    m_karmic->setWordWrap(true);
    m_karmic->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_reading->setObjectName(u"txtReading"_s);
    m_reading->setAccessibleName(u"Reading and working of the number chosen"_s);

    auto *left = new QWidget(this);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(coreBox);
    auto *lettersBox = new QGroupBox(u"Inclusion and Planes"_s, left);
    auto *lettersLayout = new QVBoxLayout(lettersBox);
    lettersLayout->addWidget(m_letterCharts);
    lettersLayout->addWidget(m_karmic);
    leftLayout->addWidget(lettersBox);
    m_timeline->setObjectName(u"timeline"_s);
    m_timeline->setAccessibleName(u"Pinnacles and challenges along the client's life"_s);
    leftLayout->addWidget(m_timeline);
    leftLayout->addWidget(m_numbers, 1);

    auto *splitter = new QSplitter(this);
    splitter->setObjectName(u"chartSplitter"_s);
    splitter->addWidget(left);
    splitter->addWidget(m_reading);
    splitter->setStretchFactor(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    clear();
}

void ChartView::clear()
{
    m_chart = nullptr;
    m_shown.clear();
    for (const CoreNumber &core : kCore) {
        QAbstractButton *button = m_core->button(static_cast<int>(core.id));
        button->setText(coreButtonText(core.id, u"\u2013"_s));
        button->setAccessibleName(captionOf(core.id));
        button->setEnabled(false);
    }
    m_numbers->clear();
    m_letterCharts->clear();
    m_timeline->showTimeline(std::nullopt);
    m_karmic->clear();
    m_reading->setPlainText(u"Type a first and a last name to see the chart."_s);
}

void ChartView::showChart(const Chart &chart)
{
    m_chart = &chart;
    m_shown.clear();
    for (const NumberDescriptor &number : numberDescriptors()) {
        if (chart[number.id].defined)
            m_shown.insert(number.id, writtenNumber(chart, number.id));
    }
    for (const CoreNumber &core : kCore) {
        QAbstractButton *button = m_core->button(static_cast<int>(core.id));
        const QString written = m_shown.value(core.id);
        button->setEnabled(!written.isEmpty());
        button->setText(coreButtonText(core.id, written.isEmpty() ? u"\u2013"_s : written));
        button->setAccessibleName(written.isEmpty() ? captionOf(core.id) + u": not in this system"_s
                                                    : captionOf(core.id) + u' ' + written);
    }

    {
        const QSignalBlocker block(m_numbers);
        m_numbers->clear();
        for (const NumberDescriptor &number : numberDescriptors()) {
            if (isCore(number.id) || !m_shown.contains(number.id))
                continue;
            auto *item = new QTreeWidgetItem(m_numbers, {toQString(number.name), m_shown.value(number.id)});
            item->setData(0, kIdRole, static_cast<int>(number.id));
        }
    }
    m_letterCharts->showChart(chart);
    m_timeline->showTimeline(chart.shows(SectionId::Pinnacles) ? std::optional(LifeTimeline::of(chart)) : std::nullopt);
    const auto listed = [&](NumberId id) {
        const QString shown = m_shown.value(id);
        return shown.isEmpty() || shown == u"\u2013"_s ? u"none"_s : shown;
    };
    QStringList karmic;
    if (chart[KarmicLessons].defined)
        karmic << u"Karmic Lessons: "_s + listed(KarmicLessons);
    if (chart[KarmicDebts].defined)
        karmic << u"Karmic Debts: "_s + listed(KarmicDebts);
    m_karmic->setText(karmic.join(u"    "_s));
    m_karmic->setAccessibleName(karmic.join(u"; "_s));

    const NumberId open = m_opened && m_shown.contains(*m_opened) ? *m_opened : LifePath;
    showReading(open);
}

bool ChartView::openNumber(NumberId id)
{
    if (m_chart == nullptr || !m_shown.contains(id))
        return false;
    showReading(id);
    return true;
}

void ChartView::showReading(NumberId id)
{
    if (m_chart == nullptr || !m_shown.contains(id))
        return;
    m_opened = id;
    const Chart &chart = *m_chart;
    if (QAbstractButton *button = m_core->button(static_cast<int>(id)))
        button->setChecked(true);
    else if (QAbstractButton *checked = m_core->checkedButton()) {
        m_core->setExclusive(false);
        checked->setChecked(false);
        m_core->setExclusive(true);
    }
    {
        const QSignalBlocker block(m_numbers);
        for (int row = 0; row < m_numbers->topLevelItemCount(); ++row) {
            QTreeWidgetItem *item = m_numbers->topLevelItem(row);
            if (item->data(0, kIdRole).toInt() == static_cast<int>(id))
                m_numbers->setCurrentItem(item);
        }
    }

    m_reading->clear();
    QTextCursor cursor(m_reading->document());
    const QPalette colours = m_reading->palette();
    QTextCharFormat title;
    title.setFontWeight(QFont::Bold);
    title.setFontPointSize(font().pointSizeF() * 1.5);
    title.setForeground(colours.color(QPalette::Text));
    cursor.insertText(captionOf(id) + u' ' + m_shown.value(id), title);
    cursor.insertBlock();
    cursor.insertBlock();
    const SectionDescriptor &section = describe(describe(id).section);
    if (section.part == Part::Readings) {
        insertReading(cursor, chart.reading(section.id), colours);
    } else {
        const TextSection text = textSection(chart, section.id);
        insertHeading(cursor, toQString(text.heading), colours);
        cursor.insertBlock();
        insertPlain(cursor, toQString(text.text), colours);
    }
    cursor.insertBlock();
    cursor.insertBlock();
    QTextCharFormat workingTitle = title;
    workingTitle.setFontPointSize(font().pointSizeF() * 1.2);
    cursor.insertText(u"Working"_s, workingTitle);
    cursor.insertBlock();
    insertPlain(cursor, toQString(workingText(chart.working(id), true)), colours);
    m_reading->moveCursor(QTextCursor::Start);
}

} // namespace velmora::desk
