// SPDX-License-Identifier: MIT
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include "clitest.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Numbers)

// One person's readings as text and JSON, the further numbers and their working, set against the window's.
class TestCliReadings : public CliTest
{
    Q_OBJECT

private Q_SLOTS:
    void jsonGivesNumbersAndTheWindowsTexts_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("date");
        QTest::addColumn<Numbers>("numbers");
        QTest::addColumn<QByteArray>("warning");
        QTest::newRow("John Smith, 15 July 1980") << u"John"_s << QString() << u"Smith"_s << u"1980-07-15"_s
                                                  << kJohnSmith1980 << QByteArray();
        QTest::newRow("Anna Smith, 20 September 1975: master numbers")
            << u"Anna"_s << QString() << u"Smith"_s << u"1975-09-20"_s << kAnnaSmith1975 << QByteArray();
        QTest::newRow("Lynn Wynn, 1 January 2000: no vowels")
            << u"Lynn"_s << QString() << u"Wynn"_s << u"2000-01-01"_s << Numbers{6, 6, 0, 1, 2, 3, 5, 3, 5, 3, 2}
            << QByteArray();
        QTest::newRow("John Q Smith: a middle name counts")
            << u"John"_s << u"Q"_s << u"Smith"_s << u"1980-07-15"_s << Numbers{7, 1, 6, 2, 4, 6, 1, 7, 8, 7, 4}
            << QByteArray();
        QTest::newRow("characters outside A-Z are skipped, and said so")
            << u"  Jo-h'n 3\u00e9"_s << QString() << u"Smith "_s << u"1980-07-15"_s << kJohnSmith1980
            << QByteArray("tavi-velmora-cli: 3 and \u00e9 in Jo-h'n 3\u00e9 Smith do not count: only the letters "
                          "A\u2013Z do\n");
    }
    void jsonGivesNumbersAndTheWindowsTexts()
    {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QFETCH(QString, date);
        QFETCH(Numbers, numbers);
        QFETCH(QByteArray, warning);

        const Outcome run = runCli(personArguments(first, middle, last, date) << u"--format"_s << u"json"_s);
        QCOMPARE(run.err, warning);
        QCOMPARE(run.exitCode, 0);
        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(run.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);

        const QJsonObject input = root.value(u"input"_s).toObject();
        QCOMPARE(input.value(u"first"_s).toString(), first.trimmed());
        QCOMPARE(input.value(u"middle"_s).toString(), middle);
        QCOMPARE(input.value(u"last"_s).toString(), last.trimmed());
        QCOMPARE(input.value(u"date"_s).toString(), date);

        const QStringList keys = {u"destiny"_s,   u"personality"_s,   u"soulUrge"_s,         u"realization"_s,
                                  u"pinnacles"_s, u"hiddenPassion"_s, u"subconsciousSelf"_s, u"attitude"_s};
        QCOMPARE(root.size(), keys.size() + 1 + 8 + 2); // the further numbers, the Inclusion table and the planes
        const WindowReadings window = windowReadings(first, middle, last, QDate::fromString(date, Qt::ISODate));
        QList<int> found;
        for (qsizetype k = 0; k < keys.size(); ++k) {
            const QJsonObject reading = root.value(keys[k]).toObject();
            if (keys[k] == u"pinnacles"_s) {
                QVERIFY(!reading.contains(u"number"_s));
                for (const QJsonValue value : reading.value(u"numbers"_s).toArray())
                    found << value.toInt(-1);
            } else {
                QVERIFY(!reading.contains(u"numbers"_s));
                found << reading.value(u"number"_s).toInt(-1);
            }
            QCOMPARE(reading.value(u"text"_s).toString(), window.texts[k]);
        }
        QCOMPARE(found, QList<int>(numbers.begin(), numbers.end()));
    }

    void textIsTheWindowsTextUnderEachTabCaption()
    {
        const Outcome run = runCli(personArguments(u"John"_s, u"Q"_s, u"Smith"_s, u"1980-07-15"_s));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        const WindowReadings window = windowReadings(u"John"_s, u"Q"_s, u"Smith"_s, QDate(1980, 7, 15));
        QString expected;
        for (qsizetype k = 0; k < window.texts.size(); ++k) {
            if (k > 0)
                expected += u'\n';
            expected += window.captions[k] + u'\n' + QString(window.captions[k].size(), u'-') + u'\n'
                + window.texts[k] + u'\n';
        }
        QCOMPARE(window.captions.size(), 8);
        // The eight readings as before, then the further numbers.
        QVERIFY(QString::fromUtf8(run.out).startsWith(expected + u"\nMore numbers\n============\n"_s));
    }

    // One line per person on the error stream, and in a batch one line in all.
    void lettersThatDoNotCountAreSaid_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("warning");
        QTest::addColumn<QStringList>("sameAs"); // the person whose numbers these are
        const QStringList jose = personArguments(u"Jos\u00e9"_s, QString(), u"Smith"_s, u"1980-07-15"_s);
        QTest::newRow("é does not count") << jose
                                          << QByteArray("tavi-velmora-cli: \u00e9 in Jos\u00e9 Smith does not count: "
                                                        "only the letters A\u2013Z do\n")
                                          << personArguments(u"Jos"_s, QString(), u"Smith"_s, u"1980-07-15"_s);
        QTest::newRow("é counts as e when folded")
            << (QStringList(jose) << u"--fold-accents"_s) << QByteArray()
            << personArguments(u"Jose"_s, QString(), u"Smith"_s, u"1980-07-15"_s);
        QTest::newRow("ß counts as ss, Ø as O")
            << (personArguments(u"\u00d8rn"_s, QString(), u"Gro\u00df"_s, u"1980-07-15"_s) << u"--fold-accents"_s)
            << QByteArray() << personArguments(u"Orn"_s, QString(), u"Gross"_s, u"1980-07-15"_s);
        QTest::newRow("Cyrillic has no base letter")
            << (personArguments(u"\u0418\u0432\u0430\u043d"_s, QString(), u"Smith"_s, u"1980-07-15"_s)
                << u"--fold-accents"_s)
            << QByteArray("tavi-velmora-cli: \u0418, \u0432, \u0430 and \u043d in \u0418\u0432\u0430\u043d Smith do "
                          "not count: only the letters A\u2013Z do\n")
            << personArguments(u"."_s, QString(), u"Smith"_s, u"1980-07-15"_s); // a first name that counts nothing
    }
    void lettersThatDoNotCountAreSaid()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, warning);
        QFETCH(QStringList, sameAs);
        const QStringList json{u"--format"_s, u"json"_s, u"--on"_s, u"2026-01-01"_s};
        const Outcome run = runCli(QStringList(arguments) << json);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, warning);
        QJsonObject found = QJsonDocument::fromJson(run.out).object();
        QJsonObject expected = QJsonDocument::fromJson(runCli(QStringList(sameAs) << json).out).object();
        found.remove(u"input"_s);
        expected.remove(u"input"_s);
        QCOMPARE(found, expected);
    }

    // Worked by hand. David Brown: D4 A1 V4 I9 D4 B2 R9 O6 W5 N5 = 49, whose
    // digit sum 13 is a debt; his vowels A1 I9 O6 make exactly 16. Born on
    // 3 March his month and day reduce alike: a first challenge of 0.
    void moreNumbersWorkedByHand_data()
    {
        QTest::addColumn<QStringList>("person");
        QTest::addColumn<QString>("on");
        QTest::addColumn<QList<int>>("single"); // life path, birthday, personal year, month, day
        QTest::addColumn<QList<int>>("challenges");
        QTest::addColumn<QList<int>>("lessons");
        QTest::addColumn<QList<int>>("debts");
        QTest::addColumn<QStringList>("debtsFrom");
        QTest::addColumn<QStringList>("headings");
        const QStringList john = personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s);
        // 15 + 7 + 2025 = 2047 → 13 → 4; 4 + 12 = 16 → 7; 7 + 31 = 38 → 11 → 2
        QTest::newRow("John Smith on the last day of 2025")
            << john << u"2025-12-31"_s << QList<int>{4, 15, 4, 7, 2} << QList<int>{1, 3, 2, 2} << QList<int>{3, 7}
            << QList<int>{} << QStringList{}
            << QStringList{u"Life Path Number: 4"_s, u"Personal Year 2025: 4"_s,
                           u"Personal Month, December 2025: 7"_s, u"Personal Day, 31 December 2025: 2"_s,
                           u"Karmic Lessons: 3, 7"_s, u"Karmic Debts: none"_s};
        // 15 + 7 + 2026 = 2048 → 14 → 5; 5 + 1 = 6; 6 + 1 = 7
        QTest::newRow("John Smith on the first day of 2026")
            << john << u"2026-01-01"_s << QList<int>{4, 15, 5, 6, 7} << QList<int>{1, 3, 2, 2} << QList<int>{3, 7}
            << QList<int>{} << QStringList{}
            << QStringList{u"Personal Year 2026: 5"_s, u"Personal Day, 1 January 2026: 7"_s};
        // 3 + 3 + 1990 = 1996 → 25 → 7; m 3, d 3, y 1990 → 19 → 10 → 1; 3 + 3 + 2026 = 2032 → 7
        QTest::newRow("David Brown: debts in a digit sum and a starting total, a challenge of 0")
            << personArguments(u"David"_s, QString(), u"Brown"_s, u"1990-03-03"_s) << u"2026-06-15"_s
            << QList<int>{7, 3, 7, 4, 1} << QList<int>{0, 2, 2, 2} << QList<int>{3, 7, 8} << QList<int>{13, 16}
            << QStringList{u"destiny"_s, u"soulUrge"_s}
            << QStringList{u"Challenge Numbers: 0, 2, 2, 2"_s, u"Karmic Debts: 13 (Destiny), 16 (Soul Urge)"_s};
    }
    void moreNumbersWorkedByHand()
    {
        QFETCH(QStringList, person);
        QFETCH(QString, on);
        QFETCH(QList<int>, single);
        QFETCH(QList<int>, challenges);
        QFETCH(QList<int>, lessons);
        QFETCH(QList<int>, debts);
        QFETCH(QStringList, debtsFrom);
        QFETCH(QStringList, headings);

        const Outcome json = runCli(QStringList(person) << u"--on"_s << on << u"--format"_s << u"json"_s);
        QCOMPARE(json.exitCode, 0);
        const QJsonObject root = QJsonDocument::fromJson(json.out).object();
        const auto numbers = [&](const QString &key) {
            QList<int> list;
            for (const QJsonValue value : root.value(key).toObject().value(u"numbers"_s).toArray())
                list << value.toInt(-1);
            return list;
        };
        QList<int> found;
        for (const QString &key : {u"lifePath"_s, u"birthday"_s, u"personalYear"_s, u"personalMonth"_s,
                                   u"personalDay"_s})
            found << root.value(key).toObject().value(u"number"_s).toInt(-1);
        QCOMPARE(found, single);
        QCOMPARE(root.value(u"personalYear"_s).toObject().value(u"year"_s).toInt(), on.left(4).toInt());
        QCOMPARE(numbers(u"challenges"_s), challenges);
        QCOMPARE(numbers(u"karmicLessons"_s), lessons);
        QCOMPARE(numbers(u"karmicDebts"_s), debts);
        QStringList from;
        for (const QJsonValue value : root.value(u"karmicDebts"_s).toObject().value(u"from"_s).toArray())
            from << value.toString();
        QCOMPARE(from, debtsFrom);

        // The text gives the same numbers under their headings, each reading as in JSON.
        const Outcome text = runCli(QStringList(person) << u"--on"_s << on);
        QCOMPARE(text.exitCode, 0);
        const QString printed = QString::fromUtf8(text.out);
        for (const QString &heading : headings)
            QVERIFY2(printed.contains(u'\n' + heading + u'\n' + QString(heading.toUtf8().size(), u'-') + u'\n'),
                     qPrintable(heading));
        for (const QString &key : {u"lifePath"_s, u"challenges"_s, u"karmicLessons"_s, u"karmicDebts"_s})
            QVERIFY2(printed.contains(root.value(key).toObject().value(u"text"_s).toString()), qPrintable(key));
    }

    // Every working that adds terms adds them right, and every arrow is the
    // digit sum of the number before it.
    void explainedStepsAddUp_data()
    {
        QTest::addColumn<QStringList>("person");
        QTest::newRow("John Smith") << personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s);
        QTest::newRow("Anna Lee Smith: master numbers")
            << personArguments(u"Anna"_s, u"Lee"_s, u"Smith"_s, u"1975-09-20"_s);
        QTest::newRow("David Brown") << personArguments(u"David"_s, QString(), u"Brown"_s, u"1990-03-03"_s);
    }
    void explainedStepsAddUp()
    {
        QFETCH(QStringList, person);
        const Outcome json =
            runCli(QStringList(person) << u"--on"_s << u"2026-01-01"_s << u"--explain"_s << u"--format"_s << u"json"_s);
        QCOMPARE(json.exitCode, 0);
        const QJsonObject working = QJsonDocument::fromJson(json.out).object().value(u"working"_s).toObject();
        QCOMPARE(working.size(), 21);
        const auto digitSum = [](qint64 n) {
            qint64 sum = 0;
            for (; n > 0; n /= 10)
                sum += n % 10;
            return sum;
        };
        static const QRegularExpression number(u"\\d+"_s);
        int sums = 0;
        for (auto it = working.begin(); it != working.end(); ++it) {
            const QString line = it.value().toString();
            const qsizetype equals = line.indexOf(u" = "_s);
            if (equals < 0 || line.contains(u'|') || line.contains(u':'))
                continue; // differences, counts and the most frequent letter
            // "J1 O6 H8" or "day 15 + month 7 + year 1980": each term's value is its last number.
            const QString left = line.left(equals);
            qint64 terms = 0;
            for (const QString &term : left.contains(u" + "_s) ? left.split(u" + "_s) : left.split(u' ')) {
                QString value;
                for (const QRegularExpressionMatch &match : number.globalMatch(term))
                    value = match.captured();
                terms += value.toLongLong();
            }
            QList<qint64> chain;
            for (const QString &step : line.mid(equals + 3).section(u" ("_s, 0, 0).split(u" → "_s))
                chain << step.toLongLong();
            QVERIFY2(chain.constFirst() == terms, qPrintable(it.key() + u": "_s + line));
            for (qsizetype k = 1; k < chain.size(); ++k)
                QVERIFY2(chain[k] == digitSum(chain[k - 1]), qPrintable(it.key() + u": "_s + line));
            ++sums;
        }
        QVERIFY(sums >= 10);

        const Outcome text = runCli(QStringList(person) << u"--on"_s << u"2026-01-01"_s << u"--explain"_s);
        QCOMPARE(text.exitCode, 0);
        const QString printed = QString::fromUtf8(text.out);
        QVERIFY(printed.contains(u"\nHow the numbers were found\n==========================\n"_s));
        QVERIFY(printed.contains(u"\nDestiny: "_s + working.value(u"destiny"_s).toString() + u'\n'));
    }

    void explainShowsTheLettersWithTheirValues()
    {
        const Outcome text = runCli(personArguments(u"John"_s, QString(), u"Smith"_s, u"1980-07-15"_s)
                                    << u"--explain"_s);
        QCOMPARE(text.exitCode, 0);
        for (const char *line : {"Destiny: J1 O6 H8 N5 S1 M4 I9 T2 H8 = 44 → 8\n",
                                 "Personality: J1 H8 N5 S1 M4 T2 H8 = 29 → 11 (master number, kept)\n",
                                 "Life Path: day 15 + month 7 + year 1980 = 2002 → 4\n"})
            QVERIFY2(text.out.contains(line), line);
    }
};

QTEST_MAIN(TestCliReadings)
#include "tst_cli_readings.moc"
