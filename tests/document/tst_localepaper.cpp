// SPDX-License-Identifier: MIT
// The paper of the locale, from a real locale: en_US is generated for the
// test with localedef into a folder of its own (LOCPATH), so that the test
// needs no root and no locale installed on the machine. The folder is kept in
// the build folder, one for each version of the C library: generating the
// locale took 2.0 s of CPU time, the rest of the test 0.9 s.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cstdlib>
#include <gnu/libc-version.h>
#include <memory>
#include <string>

#include "fakeplatform.h"
#include "frmmain.h"
#include "readingdocument.h"

using namespace Qt::StringLiterals;

namespace {

// pdfinfo's "Page size:" of a PDF document, such as "612 x 792"; empty when
// it cannot be read.
QString pdfPageSize(const QByteArray &pdf)
{
    QProcess process;
    process.start(QStringLiteral(VELMORA_PDFINFO), {u"-"_s});
    process.write(pdf);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    static const QRegularExpression size(u"^Page size:\\s+([0-9.]+ x [0-9.]+) pts"_s,
                                         QRegularExpression::MultilineOption);
    return size.match(QString::fromUtf8(process.readAllStandardOutput())).captured(1);
}

// Sets the C library's paper to a locale's for as long as it lives.
class PaperLocale
{
public:
    explicit PaperLocale(const char *name)
        : m_before(std::setlocale(LC_PAPER, nullptr))
        , m_set(std::setlocale(LC_PAPER, name) != nullptr)
    {
    }
    ~PaperLocale() { std::setlocale(LC_PAPER, m_before.c_str()); }
    PaperLocale(const PaperLocale &) = delete;
    PaperLocale &operator=(const PaperLocale &) = delete;
    [[nodiscard]] bool isSet() const { return m_set; }

private:
    std::string m_before;
    bool m_set;
};

} // namespace

class TestLocalePaper : public QObject
{
    Q_OBJECT

private:
    QString m_locales = QStringLiteral(VELMORA_LOCALE_FOLDER "/glibc-") + QString::fromLatin1(gnu_get_libc_version());

    QProcessEnvironment toolEnvironment(const QStringList &settings) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LC_ALL", "LC_PAPER", "LANG", "LANGUAGE"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(u"LOCPATH"_s, m_locales);
        for (const QString &setting : settings)
            environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        return environment;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QDir locales(m_locales);
        QVERIFY(locales.mkpath(u"."_s));
        if (!QFileInfo::exists(locales.filePath(u"en_US.UTF-8/LC_PAPER"_s))) {
            const QString localedef = QStandardPaths::findExecutable(u"localedef"_s);
            if (localedef.isEmpty())
                QSKIP("localedef is missing (Debian: libc-bin), so en_US.UTF-8 cannot be generated");
            // Made aside and moved in whole, so that a run never finds half a locale.
            const QTemporaryDir made(locales.filePath(u"made-XXXXXX"_s));
            QVERIFY(made.isValid());
            QProcess process;
            process.start(localedef, {u"-i"_s, u"en_US"_s, u"-f"_s, u"UTF-8"_s, made.filePath(u"en_US.UTF-8"_s)});
            if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
                || process.exitCode() != 0)
                QSKIP(qPrintable(u"en_US.UTF-8 cannot be generated (Debian: the locales package holds its source): "_s
                                 + QString::fromLocal8Bit(process.readAllStandardError()).trimmed()));
            QDir().rename(made.filePath(u"en_US.UTF-8"_s), locales.filePath(u"en_US.UTF-8"_s));
            QVERIFY(QFileInfo::exists(locales.filePath(u"en_US.UTF-8/LC_PAPER"_s)));
        }
        // The C library reads LOCPATH whenever a locale is set.
        qputenv("LOCPATH", QFile::encodeName(m_locales));
    }

    void theLocalesPaperIsChosen_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<bool>("letter");
        QTest::newRow("en_US.UTF-8: Letter") << "en_US.UTF-8"_ba << true;
        QTest::newRow("C: A4") << "C"_ba << false;
    }
    void theLocalesPaperIsChosen()
    {
        QFETCH(QByteArray, locale);
        QFETCH(bool, letter);
        const PaperLocale paper(locale.constData());
        QVERIFY(paper.isSet());
        QCOMPARE(velmora::localePageSize().id(), letter ? QPageSize::Letter : QPageSize::A4);
    }

    // The print dialog starts with the paper the window asks for.
    void thePrintDialogStartsWithTheLocalesPaper_data() { theLocalesPaperIsChosen_data(); }
    void thePrintDialogStartsWithTheLocalesPaper()
    {
        QFETCH(QByteArray, locale);
        QFETCH(bool, letter);
        const PaperLocale paper(locale.constData());
        QVERIFY(paper.isSet());
        FakePlatform platform;
        frmMain window(platform);
        window.findChild<QLineEdit *>(u"txtNameFirst"_s)->setText(u"Anna"_s);
        window.findChild<QLineEdit *>(u"txtNameMiddle"_s)->setText(u"Lee"_s);
        window.findChild<QLineEdit *>(u"txtNameLast"_s)->setText(u"Smith"_s);
        window.findChild<QComboBox *>(u"cboYear"_s)->setCurrentText(u"1975"_s);
        window.findChild<QPushButton *>(u"cmdProceed"_s)->click();
        window.printReport();
        QCOMPARE(platform.printJobs.size(), 1);
        QCOMPARE(platform.printJobs[0].pageSize.id(), letter ? QPageSize::Letter : QPageSize::A4);
        QCOMPARE(pdfPageSize(platform.printedPdf), letter ? u"612 x 792"_s : u"595 x 842"_s);
    }

    void toolWritesOnTheLocalesPaper_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("pageSize");
        QTest::newRow("LANG=en_US.UTF-8") << QStringList{u"LANG=en_US.UTF-8"_s} << u"612 x 792"_s;
        QTest::newRow("LC_PAPER=en_US.UTF-8 over LANG=C.UTF-8")
            << QStringList{u"LANG=C.UTF-8"_s, u"LC_PAPER=en_US.UTF-8"_s} << u"612 x 792"_s;
        QTest::newRow("LANG=C.UTF-8") << QStringList{u"LANG=C.UTF-8"_s} << u"595 x 842"_s;
        QTest::newRow("LC_ALL=C over LC_PAPER=en_US.UTF-8")
            << QStringList{u"LC_ALL=C"_s, u"LC_PAPER=en_US.UTF-8"_s} << u"595 x 842"_s;
        QTest::newRow("no locale at all") << QStringList{} << u"595 x 842"_s;
    }
    void toolWritesOnTheLocalesPaper()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, pageSize);
        QProcess tool;
        tool.setProcessEnvironment(toolEnvironment(settings));
        tool.start(QStringLiteral(VELMORA_CLI_PATH), {u"--first"_s, u"Anna"_s, u"--middle"_s, u"Lee"_s, u"--last"_s,
                                                    u"Smith"_s, u"--date"_s, u"1975-09-20"_s, u"--pdf"_s, u"-"_s});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(pdfPageSize(tool.readAllStandardOutput()), pageSize);
    }
};

QTEST_MAIN(TestLocalePaper)
#include "tst_localepaper.moc"
