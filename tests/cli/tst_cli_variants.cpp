// SPDX-License-Identifier: MIT
// Name variants as the tool weighs them: every number checked against the
// tool's own run for one person, the order the wishes give, the refusals,
// the shapes of CSV and JSON, and the printed sheet.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <sys/stat.h>

#include "clirun.h"
#include "documents.h"

using namespace Qt::StringLiterals;

namespace {

// Whether a variant, as the JSON output gives it, meets the wishes of a test row.
using Meets = std::function<bool(const QJsonObject &)>;

const QString kDate = u"1990-05-17"_s;
const QStringList kJonSmith = {u"--first"_s, u"Jon|John|Jonathan"_s, u"--last"_s, u"Smith|Smyth"_s,
                               u"--date"_s, kDate};
// Spellings of which some carry a Karmic Debt under classic (Ann Lee: 13, Jon Lee: 16).
const QStringList kWithDebts = {u"--first"_s, u"Ann|Jon|Mary"_s, u"--last"_s, u"Lee|Smith"_s, u"--date"_s, kDate};

QJsonArray jsonArray(const CliRun &run)
{
    return QJsonDocument::fromJson(run.out).array();
}

QString nameOf(const QJsonObject &variant)
{
    QStringList parts;
    for (const QString &key : {u"first"_s, u"middle"_s, u"last"_s}) {
        if (!variant[key].toString().isEmpty())
            parts << variant[key].toString();
    }
    return parts.join(u' ');
}

QStringList namesOf(const QJsonArray &variants)
{
    QStringList names;
    for (const QJsonValue &variant : variants)
        names << nameOf(variant.toObject());
    return names;
}

// The variants' names in the order of the table: those that meet the test
// first, then the rest, each in the order of the variants.
QStringList matchesFirst(const QJsonArray &variants, const Meets &meets)
{
    QStringList matches;
    QStringList rest;
    for (const QJsonValue &variant : variants)
        (meets(variant.toObject()) ? matches : rest) << nameOf(variant.toObject());
    return matches + rest;
}

} // namespace

Q_DECLARE_METATYPE(Meets)

class TestCliVariants : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString path(const QString &name) const { return m_folder.filePath(name); }

private Q_SLOTS:
    // Each variant's numbers are those the tool gives the same person alone.
    void numbersAreTheOnePersonRunsNumbers_data()
    {
        QTest::addColumn<QString>("system");
        QTest::newRow("classic") << u"classic"_s;
        QTest::newRow("common") << u"common"_s;
        QTest::newRow("chaldean, with compounds") << u"chaldean"_s;
    }
    void numbersAreTheOnePersonRunsNumbers()
    {
        QFETCH(QString, system);
        const CliRun run = runTool(kJonSmith + QStringList{u"--system"_s, system, u"--format"_s, u"json"_s});
        QCOMPARE(run.exitCode, 0);
        const QJsonArray variants = jsonArray(run);
        // In reading order: the last name varies fastest.
        QCOMPARE(namesOf(variants), (QStringList{u"Jon Smith"_s, u"Jon Smyth"_s, u"John Smith"_s, u"John Smyth"_s,
                                                 u"Jonathan Smith"_s, u"Jonathan Smyth"_s}));
        for (const QJsonValue &value : variants) {
            const QJsonObject variant = value.toObject();
            const CliRun single = runTool({u"--first"_s, variant[u"first"_s].toString(), u"--last"_s,
                                           variant[u"last"_s].toString(), u"--date"_s, kDate, u"--system"_s, system,
                                           u"--format"_s, u"json"_s});
            QCOMPARE(single.exitCode, 0);
            const QJsonObject chart = QJsonDocument::fromJson(single.out).object();
            for (const QString &key : {u"destiny"_s, u"soulUrge"_s, u"personality"_s}) {
                QCOMPARE(variant[key], chart[key][u"number"_s]);
                // A compound stands beside its root where the system has one.
                QCOMPARE(variant[key + u"Compound"_s], chart[key][u"compound"_s]);
            }
            if (system == u"chaldean"_s)
                QVERIFY(!variant.contains(u"karmicDebts"_s));
            else
            {
                QCOMPARE(variant[u"karmicDebts"_s], chart[u"karmicDebts"_s][u"numbers"_s]);
                QCOMPARE(variant[u"karmicDebtsFrom"_s], chart[u"karmicDebts"_s][u"from"_s]);
            }
        }
    }

    void putsMatchesFirstInTheirOrder_data()
    {
        QTest::addColumn<QStringList>("wishes");
        QTest::addColumn<QString>("system");
        using Test = Meets;
        QTest::addColumn<Test>("meets");
        const auto number = [](const QJsonObject &variant, const QString &key) { return variant[key].toInt(); };
        QTest::newRow("one number, two values")
            << QStringList{u"--want"_s, u"destiny=6,8"_s} << u"classic"_s
            << Test([=](const QJsonObject &v) { return number(v, u"destiny"_s) == 6 || number(v, u"destiny"_s) == 8; });
        QTest::newRow("two wishes, both met")
            << QStringList{u"--want"_s, u"destiny=6,8"_s, u"--want"_s, u"soulUrge=6"_s} << u"classic"_s
            << Test([=](const QJsonObject &v) {
                   return (number(v, u"destiny"_s) == 6 || number(v, u"destiny"_s) == 8) && number(v, u"soulUrge"_s) == 6;
               });
        // Only the name's debts count: one of the date is the same for every spelling.
        const auto noNameDebt = Test([](const QJsonObject &v) {
            return std::ranges::none_of(v[u"karmicDebtsFrom"_s].toArray(), [](const QJsonValue &from) {
                return QStringList{u"destiny"_s, u"soulUrge"_s, u"personality"_s}.contains(from.toString());
            });
        });
        QTest::newRow("no debts") << QStringList{u"--no-debts"_s} << u"classic"_s << noNameDebt;
        QTest::newRow("no debts under common") << QStringList{u"--no-debts"_s} << u"common"_s << noNameDebt;
        QTest::newRow("a master number") << QStringList{u"--want"_s, u"personality=11"_s} << u"classic"_s
                                         << Test([=](const QJsonObject &v) { return number(v, u"personality"_s) == 11; });
        QTest::newRow("a number not in the table") << QStringList{u"--want"_s, u"lifePath=5"_s} << u"classic"_s
                                                   << Test([=](const QJsonObject &v) { return number(v, u"lifePath"_s) == 5; });
        QTest::newRow("a chaldean compound") << QStringList{u"--want"_s, u"destiny=35"_s} << u"chaldean"_s
                                             << Test([=](const QJsonObject &v) {
                                                    return number(v, u"destinyCompound"_s) == 35;
                                                });
    }
    void putsMatchesFirstInTheirOrder()
    {
        QFETCH(QStringList, wishes);
        QFETCH(QString, system);
        QFETCH(Meets, meets);
        for (const QStringList &names : {kJonSmith, kWithDebts}) {
            const QStringList base = names + QStringList{u"--system"_s, system, u"--format"_s, u"json"_s};
            const QJsonArray plain = jsonArray(runTool(base));
            const CliRun run = runTool(base + wishes);
            QCOMPARE(run.exitCode, 0);
            const QJsonArray weighed = jsonArray(run);
            QCOMPARE(namesOf(weighed), matchesFirst(plain, meets));
            for (const QJsonValue &variant : weighed)
                QCOMPARE(variant[u"match"_s].toBool(), meets(variant.toObject()));
        }
    }

    void refusesWhatItCannotWeigh_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QStringList last = {u"--last"_s, u"Smith"_s, u"--date"_s, kDate};
        QTest::newRow("empty alternative") << QStringList{u"--first"_s, u"Jon||John"_s} + last
                                           << u"--first 'Jon||John': an empty alternative; expected names apart"_s;
        QTest::newRow("trailing bar") << QStringList{u"--first"_s, u"Jon"_s, u"--middle"_s, u"Paul|"_s} + last
                                      << u"--middle 'Paul|': an empty alternative"_s;
        const QString hundred = QStringList(100, u"A"_s).join(u'|');
        QTest::newRow("more than 10000 variants")
            << QStringList{u"--first"_s, hundred, u"--middle"_s, u"B|C"_s, u"--last"_s, hundred, u"--date"_s, kDate}
            << u"the alternatives make 20000 variants (100 × 2 × 100); at most 10000"_s;
        // 1,000 characters at most: 500 + 500 pass (see below), 500 + 501 do not.
        QTest::newRow("a name over the limit")
            << QStringList{u"--first"_s, u"Jon|"_s + QString(500, u'é'), u"--last"_s, QString(501, u'S'), u"--date"_s,
                           kDate}
            << u"the alternatives make a name of 1001 characters; name variants take names of at most 1000"_s;
        QTest::newRow("unknown number") << kJonSmith + QStringList{u"--want"_s, u"destney=5"_s}
                                        << u"no number destney under the classic system; expected one of destiny, "_s;
        QTest::newRow("a number the system lacks")
            << kJonSmith + QStringList{u"--system"_s, u"chaldean"_s, u"--want"_s, u"pinnacle1=3"_s}
            << u"no number pinnacle1 under the chaldean system"_s;
        QTest::newRow("value the number never takes") << kJonSmith + QStringList{u"--want"_s, u"destiny=10"_s}
                                                      << u"destiny is never 10 under the classic system; expected 1-9, 11 or 22"_s;
        QTest::newRow("33 under classic") << kJonSmith + QStringList{u"--want"_s, u"soulUrge=5,33"_s}
                                          << u"soulUrge is never 33 under the classic system"_s;
        QTest::newRow("beyond the compounds")
            << kJonSmith + QStringList{u"--system"_s, u"chaldean"_s, u"--want"_s, u"destiny=53"_s}
            << u"expected 1-9, or a compound number 10-52"_s;
        QTest::newRow("no values") << kJonSmith + QStringList{u"--want"_s, u"destiny="_s}
                                   << u"expected NUMBER=V[,V...], such as destiny=5,6"_s;
        QTest::newRow("no debts under chaldean")
            << kJonSmith + QStringList{u"--system"_s, u"chaldean"_s, u"--no-debts"_s}
            << u"the chaldean system finds no Karmic Debts"_s;
        QTest::newRow("want for one person")
            << QStringList{u"--first"_s, u"Jon"_s, u"--want"_s, u"destiny=5"_s} + last
            << u"--want needs name variants"_s;
        QTest::newRow("file and names") << QStringList{u"--variants"_s, u"-"_s, u"--first"_s, u"Jon"_s}
                                        << u"it does not combine with --first"_s;
        QTest::newRow("no date") << QStringList{u"--first"_s, u"Jon|John"_s, u"--last"_s, u"Smith"_s}
                                 << u"--date is missing; name variants need"_s;
    }
    void refusesWhatItCannotWeigh()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const CliRun run = runTool(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
        QVERIFY(run.out.isEmpty());
    }

    void readsCandidatesAndNamesDamagedRows()
    {
        const QByteArray csv = "\xEF\xBB\xBFLast,First,Date,Note\r\n"
                               "Smith,Jon,,kept\r\n"
                               + QString(500, u'é').toUtf8() + "," + QByteArray(501, 'S') + ",,too long\r\n"
                               "Smith,,1990-05-17,no first name\r\n"
                               "Smyth,John\r\n"
                               "Lee,Ann,1990-02-30,no such day\r\n"
                               "Lee,Mary,1985-01-02,own date\r\n"
                               "\"Lee,Joan,1990-05-17,open quote\r\n";
        const CliRun run = runTool({u"--variants"_s, u"-"_s, u"--date"_s, kDate, u"--format"_s, u"json"_s}, csv);
        QCOMPARE(run.exitCode, 1);
        const QJsonArray variants = jsonArray(run);
        QCOMPARE(namesOf(variants), (QStringList{u"Jon Smith"_s, u"Mary Lee"_s}));
        QCOMPARE(variants[0][u"date"_s].toString(), kDate);
        QCOMPARE(variants[1][u"date"_s].toString(), u"1985-01-02"_s);
        const QString errors = QString::fromUtf8(run.err);
        for (const QString &line : {u"line 3: the name has 1001 characters; name variants take names of at most 1000"_s,
                                    u"line 4: the first name is empty"_s, u"line 5: 2 fields, expected 4"_s,
                                    u"line 6: the date is not a real date"_s, u"line 8: "_s})
            QVERIFY2(errors.contains(line), run.err.constData());

        const CliRun noDate = runTool({u"--variants"_s, u"-"_s}, "first,last\nJon,Smith\n");
        QCOMPARE(noDate.exitCode, 2);
        QVERIFY2(noDate.err.contains("names no date column; expected one, or one --date for all"), noDate.err);

        QByteArray many = "first,last\n";
        for (int k = 0; k <= 10'000; ++k)
            many += "Jon,Smith\n";
        const CliRun tooMany = runTool({u"--variants"_s, u"-"_s, u"--date"_s, kDate}, many);
        QCOMPARE(tooMany.exitCode, 2);
        QVERIFY2(tooMany.err.contains("line 10002: more than 10000 variants"), tooMany.err);
        QVERIFY(tooMany.out.isEmpty());
    }

    void writesCsvAndJsonShapes_data()
    {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("classic") << u"classic"_s
                                 << "first,middle,last,date,destiny,soul_urge,personality,karmic_debts,life_path,match"_ba
                                 << QStringList{u"date"_s, u"destiny"_s, u"first"_s, u"karmicDebts"_s, u"karmicDebtsFrom"_s, u"last"_s,
                                                u"lifePath"_s, u"match"_s, u"middle"_s, u"personality"_s, u"soulUrge"_s};
        QTest::newRow("chaldean") << u"chaldean"_s
                                  << "first,middle,last,date,destiny,destiny_compound,soul_urge,soul_urge_compound,"
                                     "personality,personality_compound,life_path,life_path_compound,match"_ba
                                  // John Paul Smith's name total, 53, lies above the compounds: none for Destiny.
                                  << QStringList{u"date"_s, u"destiny"_s, u"first"_s, u"last"_s,
                                                 u"lifePath"_s, u"lifePathCompound"_s, u"match"_s, u"middle"_s,
                                                 u"personality"_s, u"personalityCompound"_s, u"soulUrge"_s,
                                                 u"soulUrgeCompound"_s};
    }
    void writesCsvAndJsonShapes()
    {
        QFETCH(QString, system);
        QFETCH(QByteArray, header);
        QFETCH(QStringList, keys);
        const QStringList arguments = QStringList{u"--first"_s, u"Jon|John"_s, u"--middle"_s, u"Paul"_s, u"--last"_s,
                                                  u"Smith"_s, u"--date"_s, kDate, u"--system"_s, system, u"--want"_s,
                                                  u"lifePath=5"_s};
        const CliRun csv = runTool(arguments + QStringList{u"--format"_s, u"csv"_s});
        QCOMPARE(csv.exitCode, 0);
        const QList<QByteArray> lines = csv.out.split('\n');
        QCOMPARE(lines.size(), 4); // the header, two rows and the end
        QCOMPARE(lines[0], header + '\r');
        QVERIFY2(lines[1].startsWith("Jon,Paul,Smith,1990-05-17,"), lines[1]);
        QVERIFY2(lines[1].endsWith(",yes\r"), lines[1]);
        QCOMPARE(lines[1].count(','), header.count(','));

        const CliRun json = runTool(arguments + QStringList{u"--format"_s, u"json"_s});
        QCOMPARE(json.exitCode, 0);
        const QJsonArray variants = jsonArray(json);
        QCOMPARE(variants.size(), 2);
        QCOMPARE(variants[1].toObject().keys(), keys);
        QCOMPARE(variants[1][u"middle"_s].toString(), u"Paul"_s);
        QCOMPARE(variants[1][u"match"_s].toBool(), true);
    }

    // Columns line up on the screen however many bytes a name's letters take.
    // A debt of the date stands apart from the name's, and a table none of
    // whose spellings meets the wishes says so.
    void setsTheDatesDebtsApartAndSaysWhenNoneMatches()
    {
        const CliRun run = runTool({u"--first"_s, u"Jon|Keith"_s, u"--last"_s, u"Smyth"_s, u"--date"_s,
                                    u"1985-03-16"_s, u"--system"_s, u"common"_s, u"--want"_s, u"destiny=9"_s,
                                    u"--no-debts"_s});
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> lines = run.out.split('\n');
        QVERIFY2(lines[0].contains("Karmic Debts    Debts of the Date"), lines[0]);
        QVERIFY2(lines[1].contains("13 (Soul Urge)  16 (Birthday)"), lines[1]);
        QVERIFY2(lines[2].endsWith(" 16 (Birthday)"), lines[2]);
        QVERIFY2(run.out.endsWith("\nNo spelling meets every wish.\n"), run.out);
    }

    void alignsColumnsByWhatTheScreenShows()
    {
        const CliRun run = runTool({u"--first"_s, u"Zoë|Jo|José Mañuel"_s, u"--last"_s, u"Smith"_s, u"--date"_s,
                                    kDate, u"--want"_s, u"destiny=1,2,3,4,5,6,7,8,9,11,22"_s});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = QString::fromUtf8(run.out).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QVERIFY2(lines[0].startsWith(u"Name"_s), qPrintable(lines[0]));
        const qsizetype destiny = lines[0].indexOf(u"Destiny"_s);
        for (const QString &line : lines.mid(1)) {
            QVERIFY2(line.at(destiny - 2) == u' ' && line.at(destiny) != u' ', qPrintable(line));
            QVERIFY2(line.endsWith(u"\u2713"_s), qPrintable(line));
        }
    }

    void printsTheComparisonSheet()
    {
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString file = path(u"variants.pdf"_s);
        const CliRun run = runTool(kJonSmith + QStringList{u"--want"_s, u"destiny=6,8"_s, u"--pdf"_s, file});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.isEmpty()); // the table goes to the PDF alone unless --format asks for it
        QProcess process;
        process.start(pdftotext, {u"-layout"_s, file, u"-"_s});
        QVERIFY(process.waitForFinished(30000));
        const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
        for (const QString &part : {u"Born 17 May 1990"_s, u"System: Classic"_s, u"Wishes: Destiny 6 or 8"_s,
                                    u"Name Destiny Soul Urge Personality Karmic Debts Match"_s,
                                    u"Destiny 6: John Smyth, Jonathan Smyth"_s,
                                    u"Destiny 8: John Smith, Jonathan Smith"_s, u"Page 1 of 1"_s})
            QVERIFY2(text.contains(part), qPrintable(u"no '"_s + part + u"' in: "_s + text));
        // The Destiny readings of the matches only.
        QVERIFY(!text.contains(u"Destiny 9:"_s));
        // The first paragraph of the reading the one-person run gives.
        const CliRun single = runTool({u"--first"_s, u"John"_s, u"--last"_s, u"Smyth"_s, u"--date"_s, kDate,
                                       u"--format"_s, u"json"_s});
        const QString reading = QJsonDocument::fromJson(single.out)[u"destiny"_s][u"text"_s].toString();
        const QString paragraph = reading.split(u"\n\n"_s).at(2).simplified();
        QVERIFY2(text.contains(paragraph.left(60)), qPrintable(paragraph));
    }

    // The sheet as a family receives it: the wishes in words, the family's
    // name at the top and in every footer, a sentence when no spelling meets
    // the wishes, and under chaldean each compound read beside its root.
    void sheetSpeaksToTheFamily_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("notShown");
        const QString family = u"Velmora name variants for the Smith or Smyth family"_s;
        QTest::newRow("two wishes")
            << (kJonSmith + QStringList{u"--want"_s, u"destiny=6,8"_s, u"--want"_s, u"soulUrge=6"_s})
            << QStringList{family, u"Wishes: Destiny 6 or 8, Soul Urge 6"_s, u"Destiny 8: John Smith"_s}
            << QStringList{u"No spelling meets"_s, u"Compound number"_s};
        QTest::newRow("no spelling meets them")
            << (kJonSmith + QStringList{u"--want"_s, u"destiny=22"_s, u"--no-debts"_s})
            << QStringList{family, u"Wishes: Destiny 22, no Karmic Debt carried by the name"_s,
                           u"No spelling meets every wish (Destiny 22, no Karmic Debt carried by the name)"_s}
            << QStringList{u"Destiny 9:"_s};
        QTest::newRow("chaldean compounds")
            << (kJonSmith + QStringList{u"--system"_s, u"chaldean"_s, u"--want"_s, u"destiny=30,35"_s})
            << QStringList{family, u"Wishes: Destiny 30 or 35"_s, u"Destiny 30/3: Jon Smith, Jon Smyth"_s,
                           u"Compound number 30, "_s, u"Compound number 35, "_s}
            << QStringList{u"Compound number 46"_s};
        QTest::newRow("one family name of three, shortened")
            << QStringList{u"--first"_s, u"Ann"_s, u"--last"_s, u"Lee|"_s + QString(70, u'x'), u"--date"_s, kDate}
            << QStringList{u"Velmora name variants for the Lee or "_s}
            << QStringList{QString(70, u'x')};
    }
    void sheetSpeaksToTheFamily()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, notShown);
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString file = path(u"family.pdf"_s);
        const CliRun run = runTool(arguments + QStringList{u"--pdf"_s, file});
        QCOMPARE(run.exitCode, 0);
        QProcess process;
        process.start(u"pdftotext"_s, {file, u"-"_s});
        QVERIFY(process.waitForFinished(30000));
        const QString all = QString::fromUtf8(process.readAllStandardOutput());
        const QString text = all.simplified();
        for (const QString &part : shown)
            QVERIFY2(text.contains(part), qPrintable(u"no '"_s + part + u"' in: "_s + text));
        for (const QString &part : notShown)
            QVERIFY2(!text.contains(part), qPrintable(u"'"_s + part + u"' in: "_s + text));
        // The title heads the first page and closes every page's footer.
        const QStringList pages = all.split(u'\f', Qt::SkipEmptyParts);
        for (const QString &page : pages)
            QVERIFY2(page.simplified().contains(QRegularExpression(QRegularExpression::escape(shown[0]) + u".* Page \\d+ of \\d+$"_s)),
                     qPrintable(page));
    }

    // The examples of name variants, run as written in whichever document
    // holds the section: what each shows is what the tool prints on its two
    // streams.
    void documentedExamplesShowWhatTheToolPrints()
    {
        QStringList lines;
        for (const Document &document : documents()) {
            // indexOf matches whole lines.
            const qsizetype from = document.lines.indexOf(QRegularExpression(u"#+ Name variants"_s));
            if (from < 0)
                continue;
            QVERIFY2(lines.isEmpty(), "two documents have a section Name variants");
            const qsizetype to = document.lines.indexOf(QRegularExpression(u"#+ .*"_s), from + 1);
            lines = document.lines.mid(from, to < 0 ? -1 : to - from);
        }
        QVERIFY2(!lines.isEmpty(), "no document has a section Name variants");
        int examples = 0;
        for (qsizetype k = 0; k < lines.size(); ++k) {
            if (!lines[k].startsWith(u"$ "_s))
                continue;
            // printf 'CSV' | tavi-velmora-cli ...: the CSV is the tool's input.
            QString command = lines[k].mid(2);
            QByteArray input;
            static const QRegularExpression piped(u"^printf '([^']*)' \\| (.*)$"_s);
            if (const QRegularExpressionMatch match = piped.match(command); match.hasMatch()) {
                input = match.captured(1).replace(u"\\n"_s, u"\n"_s).toUtf8();
                command = match.captured(2);
            }
            const QStringList shown = shownAfter(lines, k);
            const QStringList arguments = QProcess::splitCommand(command);
            QCOMPARE(arguments.constFirst(), u"tavi-velmora-cli"_s);
            const CliRun run = runTool(arguments.mid(1), input);
            QStringList printed = QString::fromUtf8(run.out + run.err).split(u'\n');
            printed.removeAll(QString());
            QCOMPARE(printed, shown);
            ++examples;
        }
        QCOMPARE(examples, 5);
    }

    // The rules of --save: a file that is not a regular file is not written to.
    void writesThePdfOnlyToARegularOrNewFile()
    {
        const QString fifo = path(u"fifo.pdf"_s);
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const CliRun run = runTool(kJonSmith + QStringList{u"--pdf"_s, fifo});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("not a regular file"), run.err.constData());
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliVariants)
#include "tst_cli_variants.moc"
