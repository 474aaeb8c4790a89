// SPDX-License-Identifier: MIT
#include <QStringDecoder>
#include <QTest>
#include <QStandardPaths>

#include "scrambler.h"

using namespace Qt::StringLiterals;

namespace {

QString windows1252(int code)
{
    QStringDecoder decoder("windows-1252");
    return decoder.decode(QByteArray(1, static_cast<char>(code)));
}

} // namespace

class TestScrambler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Settings and standard folders stay away from the user's own.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void followsTheSystemCodec();
    void scramblesToTheStoredForm_data();
    void scramblesToTheStoredForm();
    void leavesOutWhatCannotBeMoved_data();
    void leavesOutWhatCannotBeMoved();
};

// The built-in code table against the system's codec, code by code, both
// directions: every character with a code up to 252 comes back exactly. The
// codec decodes the five undefined bytes to the control of the same number,
// and the table does the same.
void TestScrambler::followsTheSystemCodec()
{
    QVERIFY(QStringDecoder("windows-1252").isValid());
    QCOMPARE(windows1252(0x81), QString(QChar(0x81)));
    for (int code = 0; code <= 0xFF; ++code) {
        const QString character = windows1252(code);
        QCOMPARE(character.size(), 1);
        const QByteArray stored(1, static_cast<char>(code));
        if (code + velmora::kScrambleOffset <= 0xFF) {
            const QString moved = windows1252(code + velmora::kScrambleOffset);
            QCOMPARE(velmora::ScrambleText(character), moved);
            QCOMPARE(velmora::UnscrambleText(moved), character);
            QCOMPARE(velmora::scrambleToBytes(character),
                     QByteArray(1, static_cast<char>(code + velmora::kScrambleOffset)));
        } else {
            QCOMPARE(velmora::scrambleToBytes(character), std::nullopt);
        }
        const QString unscrambled =
            code >= velmora::kScrambleOffset ? windows1252(code - velmora::kScrambleOffset) : QString();
        QCOMPARE(velmora::unscrambleFromBytes(stored), unscrambled);
    }
}

void TestScrambler::scramblesToTheStoredForm_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("scrambled");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("letters") << u"Duration"_s << u"Gxudwlrq"_s << QByteArray("Gxudwlrq");
    QTest::newRow("digits") << u"1985"_s << u"4<;8"_s << QByteArray("4<;8");
    QTest::newRow("euro sign to florin") << u"\u20AC"_s << u"\u0192"_s << QByteArray("\x83");
    QTest::newRow("tilde to an undefined byte") << u"~"_s << u"\u0081"_s << QByteArray("\x81");
    QTest::newRow("letter to the last code") << u"\u00FC"_s << u"\u00FF"_s << QByteArray("\xFF");
}

// The stored form of every report ever written rests on these.
void TestScrambler::scramblesToTheStoredForm()
{
    QFETCH(QString, plain);
    QFETCH(QString, scrambled);
    QFETCH(QByteArray, bytes);

    QCOMPARE(velmora::ScrambleText(plain), scrambled);
    QCOMPARE(velmora::scrambleToBytes(plain), bytes);
    QCOMPARE(velmora::unscrambleFromBytes(bytes), plain);
}

void TestScrambler::leavesOutWhatCannotBeMoved_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("scrambled");
    QTest::addColumn<QString>("unscrambled");
    QTest::addColumn<bool>("storable");

    QTest::newRow("code plus offset above 255") << u"a\u00FDb"_s << u"de"_s << u"^\u00FA_"_s << false;
    QTest::newRow("no Windows-1252 code") << u"a\u2603b"_s << u"de"_s << u"^_"_s << false;
    QTest::newRow("C1 control without a code") << u"a\u0080b"_s << u"de"_s << u"^_"_s << false;
    QTest::newRow("surrogate pair") << u"a\U0001F600b"_s << u"de"_s << u"^_"_s << false;
    QTest::newRow("code below offset") << u"\u0002d"_s << u"\u0005g"_s << u"a"_s << true;
}

void TestScrambler::leavesOutWhatCannotBeMoved()
{
    QFETCH(QString, text);
    QFETCH(QString, scrambled);
    QFETCH(QString, unscrambled);
    QFETCH(bool, storable);

    QCOMPARE(velmora::ScrambleText(text), scrambled);
    QCOMPARE(velmora::UnscrambleText(text), unscrambled);
    QCOMPARE(velmora::scrambleToBytes(text).has_value(), storable);
}

QTEST_GUILESS_MAIN(TestScrambler)
#include "tst_scrambler.moc"
