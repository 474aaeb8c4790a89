// SPDX-License-Identifier: MIT
// Names reach a terminal through the tool's text output: their control
// characters are shown as '?', never obeyed. JSON escapes them.
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include "clirun.h"

using namespace Qt::StringLiterals;

namespace {

// Bytes that a terminal would take as a command: C0 controls but the line
// breaks of the output itself, DEL, and C1 controls written in UTF-8.
bool holdsControls(const QByteArray &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte < 0x20 && byte != '\n') || byte == 0x7F)
            return true;
        if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80
            && static_cast<unsigned char>(text[i + 1]) <= 0x9F)
            return true;
    }
    return false;
}

// A report of the person, written byte by byte as a report holds it: every
// byte of a line plus 3, lines ending in CR LF.
QByteArray reportBytes(const QByteArray &first, const QByteArray &last)
{
    QByteArray report;
    for (const QByteArray &line : {first, QByteArray(), last, "7"_ba, "3"_ba, "March"_ba, "1985"_ba}) {
        for (const char byte : line)
            report.append(static_cast<char>(byte + 3));
        report.append("\r\n");
    }
    return report;
}

} // namespace

class TestCliTerminal : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

private Q_SLOTS:
    void comparedNamesShowTheirControlsAsQuestionMarks_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("shown");
        QTest::newRow("escape sequence") << u"Ma\x1b[31mry"_s << u"Ma?[31mry Smith, born 7 March 1985"_s;
        QTest::newRow("C1 control sequence introducer") << u"Ma\u009b31mry"_s << u"Ma?31mry Smith, born 7 March 1985"_s;
        QTest::newRow("bell and delete") << u"Ma\ary\x7f"_s << u"Ma?ry? Smith, born 7 March 1985"_s;
        QTest::newRow("line break and carriage return") << u"Ma\nry\r"_s << u"Ma?ry? Smith, born 7 March 1985"_s;
        QTest::newRow("letters with accents stay") << u"Zoë"_s << u"Zoë Smith, born 7 March 1985"_s;
    }
    void comparedNamesShowTheirControlsAsQuestionMarks()
    {
        QFETCH(QString, first);
        QFETCH(QString, shown);
        const QString person = first + u",,Smith,1985-03-07"_s;
        const CliRun text = runTool({u"--compare"_s, person, u"John,,Smith,1980-07-15"_s});
        QCOMPARE(text.exitCode, 0);
        QVERIFY2(!holdsControls(text.out), text.out.constData());
        QVERIFY2(text.out.split('\n').contains(shown.toUtf8()), text.out.constData());
        QVERIFY(!holdsControls(text.err));

        // JSON keeps the name as it was, escaped where JSON escapes.
        const CliRun json = runTool({u"--compare"_s, u"John,,Smith,1980-07-15"_s, person, u"--format"_s, u"json"_s});
        QCOMPARE(json.exitCode, 0);
        QVERIFY(std::ranges::none_of(json.out, [](char byte) { return byte >= 0 && byte < 0x20 && byte != '\n'; }));
        const QJsonObject second = QJsonDocument::fromJson(json.out).object().value(u"second"_s).toObject();
        QCOMPARE(second.value(u"first"_s).toString(), first);
    }

    // A report's names hold no control character: such a report is refused,
    // and nothing of it reaches the output.
    void reportWithAControlInANameIsRefusedUnshown_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("--open") << QStringList{u"--open"_s, u"escape.vlm"_s};
        QTest::newRow("--open --explain") << QStringList{u"--open"_s, u"escape.vlm"_s, u"--explain"_s};
        QTest::newRow("--compare") << QStringList{u"--compare"_s, u"escape.vlm"_s, u"John,,Smith,1980-07-15"_s};
    }
    void reportWithAControlInANameIsRefusedUnshown()
    {
        QFETCH(QStringList, arguments);
        QFile report(m_folder.filePath(u"escape.vlm"_s));
        QVERIFY(report.open(QIODevice::WriteOnly));
        report.write(reportBytes("Ma\x1b[31mry", "Smith"));
        report.close();
        const CliRun run = runTool(arguments, {}, 30000, m_folder.path());
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err, "tavi-velmora-cli: escape.vlm: Please Check The File.\n"_ba);
    }

    // The same report with a sound name opens, so the refusal above is the name's.
    void soundReportOfTheSameShapeOpens()
    {
        QFile report(m_folder.filePath(u"sound.vlm"_s));
        QVERIFY(report.open(QIODevice::WriteOnly));
        report.write(reportBytes("Mary", "Smith"));
        report.close();
        const CliRun run =
            runTool({u"--compare"_s, u"sound.vlm"_s, u"John,,Smith,1980-07-15"_s}, {}, 30000, m_folder.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("\nMary Smith, born 7 March 1985\n"));
    }
};

QTEST_GUILESS_MAIN(TestCliTerminal)
#include "tst_cliterminal.moc"
