// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>

#include "chartview.h"
#include "compareview.h"
#include "deskwindow.h"
#include "fakeplatform.h"
#include "forecastview.h"
#include "personform.h"
#include "readingdocument.h"
#include "system.h"
#include "writtennumber.h"

using namespace Qt::StringLiterals;
using velmora::NumberId;

Q_DECLARE_METATYPE(velmora::NumberId)

namespace {

void typePerson(QWidget &window, const QString &prefix, const QString &first, const QString &middle,
                const QString &last, QDate birth)
{
    window.findChild<QLineEdit *>(prefix + u"First"_s)->setText(first);
    window.findChild<QLineEdit *>(prefix + u"Middle"_s)->setText(middle);
    window.findChild<QLineEdit *>(prefix + u"Last"_s)->setText(last);
    window.findChild<QDateEdit *>(prefix + u"Birth"_s)->setDate(birth);
}

const QDate kKennedyBorn{1917, 5, 29};

} // namespace

class DeskPagesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesNumbersAsNumerologistsDo_data();
    void writesNumbersAsNumerologistsDo();
    void systemSwitchRecomputesEveryNumberShown_data();
    void systemSwitchRecomputesEveryNumberShown();
    void forecastStepsAcrossYearsAndStopsAtTheCalendarsEnds_data();
    void forecastStepsAcrossYearsAndStopsAtTheCalendarsEnds();
    void forecastMarksTheDaysChosen_data();
    void forecastMarksTheDaysChosen();
    void compareFollowsBothPeopleAndTheSystem_data();
    void compareFollowsBothPeopleAndTheSystem();
};

void DeskPagesTest::writesNumbersAsNumerologistsDo_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<NumberId>("number");
    QTest::addColumn<QString>("written");
    QTest::newRow("a root alone") << u"classic"_s << NumberId::LifePath << u"7"_s;
    QTest::newRow("a birthday through a master") << u"classic"_s << NumberId::Birthday << u"29/11/2"_s;
    QTest::newRow("a master kept over its root") << u"common"_s << NumberId::Pinnacle2 << u"11/2"_s;
    QTest::newRow("a compound to its root") << u"chaldean"_s << NumberId::LifePath << u"34/7"_s;
    QTest::newRow("a compound where no master stops") << u"chaldean"_s << NumberId::Birthday << u"29/2"_s;
    QTest::newRow("every debt of a list") << u"classic"_s << NumberId::KarmicDebts << u"13/4, 16/7"_s;
    QTest::newRow("an empty list") << u"classic"_s << NumberId::KarmicLessons << u"\u2013"_s;
}

void DeskPagesTest::writesNumbersAsNumerologistsDo()
{
    QFETCH(QString, system);
    QFETCH(NumberId, number);
    QFETCH(QString, written);
    velmora::BirthData kennedy{"John", "Fitzgerald", "Kennedy", 29, 5, "May", 1917};
    const velmora::Chart chart = velmora::chartOf(kennedy, *velmora::findSystem(system.toStdString()), {9, 12, 2026});
    QCOMPARE(velmora::desk::writtenNumber(chart, number), written);
}

void DeskPagesTest::systemSwitchRecomputesEveryNumberShown_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("classic to chaldean") << u"classic"_s << u"chaldean"_s;
    QTest::newRow("chaldean to common") << u"chaldean"_s << u"common"_s;
    QTest::newRow("common to classic") << u"common"_s << u"classic"_s;
}

// Every number the view shows is the new system's, and a number the new
// system lacks is no longer shown: no stale value survives the switch.
void DeskPagesTest::systemSwitchRecomputesEveryNumberShown()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    FakePlatform platform;
    velmora::desk::DeskWindow window(platform);
    const auto *before = velmora::findSystem(from.toStdString());
    const auto *after = velmora::findSystem(to.toStdString());
    window.setSystem(*before);
    typePerson(window, u"txtClient"_s, u"John"_s, u"Fitzgerald"_s, u"Kennedy"_s, kKennedyBorn);
    window.chartView()->openNumber(NumberId::Personality);

    auto *systems = window.findChild<QComboBox *>(u"cboSystem"_s);
    systems->setCurrentIndex(systems->findData(to));
    QCOMPARE(&window.system(), after);

    const velmora::Chart expected = velmora::chartOf(*window.personForm()->person(), *after,
                                                      velmora::calendarDate(platform.date));
    for (const velmora::NumberDescriptor &number : velmora::numberDescriptors()) {
        const QString shown = window.chartView()->shownNumber(number.id);
        if (expected[number.id].defined)
            QCOMPARE(shown, velmora::desk::writtenNumber(expected, number.id));
        else
            QVERIFY2(shown.isEmpty(), qPrintable(u"%1 still shows %2"_s.arg(number.key.data(), shown)));
    }
    // The number open stays open when the system has it.
    QCOMPARE(window.chartView()->openedNumber(), std::optional(NumberId::Personality));
    QCOMPARE(window.forecastView()->days().front().personalYear, expected.number(NumberId::PersonalYear));
}

void DeskPagesTest::forecastStepsAcrossYearsAndStopsAtTheCalendarsEnds_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("months");
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QString>("heading");
    QTest::newRow("December to January")
        << QDate(2026, 12, 1) << 1 << QDate(2027, 1, 1) << u"January 2027: Personal Year 9, Personal Month 1"_s;
    QTest::newRow("January back to December")
        << QDate(2027, 1, 1) << -1 << QDate(2026, 12, 1) << u"December 2026: Personal Year 8, Personal Month 2"_s;
    QTest::newRow("a year on") << QDate(2026, 12, 1) << 12 << QDate(2027, 12, 1)
                               << u"December 2027: Personal Year 9, Personal Month 3"_s;
    QTest::newRow("past the last year") << QDate(9999, 12, 1) << 1 << QDate(9999, 12, 1)
                                        << u"December 9999: Personal Year 7, Personal Month 1"_s;
    QTest::newRow("before the first year") << QDate(1, 1, 1) << -1 << QDate(1, 1, 1)
                                           << u"January 0001: Personal Year 8, Personal Month 9"_s;
}

void DeskPagesTest::forecastStepsAcrossYearsAndStopsAtTheCalendarsEnds()
{
    QFETCH(QDate, start);
    QFETCH(int, months);
    QFETCH(QDate, shown);
    QFETCH(QString, heading);
    FakePlatform platform;
    velmora::desk::DeskWindow window(platform);
    typePerson(window, u"txtClient"_s, u"John"_s, u"Fitzgerald"_s, u"Kennedy"_s, kKennedyBorn);
    velmora::desk::ForecastView &forecast = *window.forecastView();
    forecast.showMonth(start);
    forecast.stepMonths(months);
    QCOMPARE(forecast.month(), shown);
    QCOMPARE(forecast.heading(), heading);
    QCOMPARE(forecast.days().front().date, shown);
    QCOMPARE(forecast.days().back().date, shown.addMonths(1).addDays(-1));
}

void DeskPagesTest::forecastMarksTheDaysChosen_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QDate>("month");
    QTest::addColumn<QList<int>>("personalDays");
    QTest::addColumn<QList<int>>("weekdays");
    QTest::addColumn<QList<int>>("chosen"); // the days of the month
    QTest::newRow("nothing asked, nothing marked") << u"classic"_s << QDate(2027, 3, 1) << QList<int>{}
                                                   << QList<int>{} << QList<int>{};
    QTest::newRow("Fridays of Personal Day 8") << u"classic"_s << QDate(2027, 3, 1) << QList<int>{8}
                                               << QList<int>{5} << QList<int>{5};
    QTest::newRow("two Personal Days") << u"classic"_s << QDate(2027, 1, 1) << QList<int>{1, 5} << QList<int>{}
                                       << QList<int>{4, 9, 13, 18, 22, 27, 31};
    QTest::newRow("weekends of Personal Day 3, Chaldean")
        << u"chaldean"_s << QDate(2026, 12, 1) << QList<int>{3} << QList<int>{6, 7} << QList<int>{19};
    QTest::newRow("Mondays alone") << u"classic"_s << QDate(2027, 2, 1) << QList<int>{} << QList<int>{1}
                                   << QList<int>{1, 8, 15, 22};
}

void DeskPagesTest::forecastMarksTheDaysChosen()
{
    QFETCH(QString, system);
    QFETCH(QDate, month);
    QFETCH(QList<int>, personalDays);
    QFETCH(QList<int>, weekdays);
    QFETCH(QList<int>, chosen);
    FakePlatform platform;
    velmora::desk::DeskWindow window(platform);
    window.setSystem(*velmora::findSystem(system.toStdString()));
    typePerson(window, u"txtClient"_s, u"John"_s, u"Fitzgerald"_s, u"Kennedy"_s, kKennedyBorn);
    velmora::desk::ForecastView &forecast = *window.forecastView();
    forecast.showMonth(month);
    for (const int value : personalDays)
        forecast.choosePersonalDay(value, true);
    for (const int day : weekdays)
        forecast.chooseWeekday(day, true);
    QList<int> marked;
    for (const QDate &date : forecast.chosenDays())
        marked << date.day();
    QCOMPARE(marked, chosen);
    // The marks follow the month stepped to.
    forecast.stepMonths(1);
    for (const QDate &date : forecast.chosenDays())
        QCOMPARE(date.month(), month.addMonths(1).month());
}

void DeskPagesTest::compareFollowsBothPeopleAndTheSystem_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("lifePaths");
    QTest::addColumn<QString>("relation");
    QTest::newRow("classic") << u"classic"_s << u"7|2"_s << u"Life Path 7 and 2: challenging"_s;
    QTest::newRow("chaldean") << u"chaldean"_s << u"34/7|38/2"_s << u"Life Path 7 and 2: challenging"_s;
}

void DeskPagesTest::compareFollowsBothPeopleAndTheSystem()
{
    QFETCH(QString, system);
    QFETCH(QString, lifePaths);
    QFETCH(QString, relation);
    FakePlatform platform;
    velmora::desk::DeskWindow window(platform);
    velmora::desk::CompareView &compare = *window.compareView();
    typePerson(window, u"txtClient"_s, u"John"_s, u"Fitzgerald"_s, u"Kennedy"_s, kKennedyBorn);
    QVERIFY(compare.cell(0, 2).isEmpty());
    typePerson(window, u"txtOther"_s, u"Jacqueline"_s, u"Lee"_s, u"Bouvier"_s, QDate(1929, 7, 28));
    window.setSystem(*velmora::findSystem(system.toStdString()));
    QCOMPARE(compare.cell(0, 1) + u'|' + compare.cell(0, 2), lifePaths);
    QVERIFY2(compare.relationsText().startsWith(relation), qPrintable(compare.relationsText()));
}

QTEST_MAIN(DeskPagesTest)
#include "tst_deskpages.moc"
