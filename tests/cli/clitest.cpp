// SPDX-License-Identifier: MIT
#include "clitest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

#include "fakeplatform.h"
#include "frmmain.h"

using namespace Qt::StringLiterals;

namespace {


WindowReadings readingsShown(const frmMain &window)
{
    WindowReadings readings;
    const QTabBar *tabs = window.findChild<QTabBar *>(u"TS"_s);
    if (tabs == nullptr) // no reading shown yet: the result page is built when the first one is
        return readings;
    for (int k = 0; k < tabs->count(); ++k) {
        readings.captions << tabs->tabText(k);
        readings.texts << window.findChild<QTextEdit *>(u"RTB_%1"_s.arg(k))->toPlainText();
    }
    return readings;
}

} // namespace

Outcome runCli(const QStringList &arguments, const QByteArray &input, int timeoutMs,
               const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELMORA_CLI_PATH), arguments);
    return finishRun(process, input, timeoutMs);
}

Outcome runCliWithBytes(const QString &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(u"/bin/sh"_s, {u"-c"_s, u"exec \"$0\" "_s + arguments, QStringLiteral(VELMORA_CLI_PATH)});
    return finishRun(process, {}, 10000);
}

QStringList personArguments(const QString &first, const QString &middle, const QString &last, const QString &date)
{
    QStringList arguments{u"--first"_s, first, u"--last"_s, last, u"--date"_s, date};
    if (!middle.isEmpty())
        arguments << u"--middle"_s << middle;
    return arguments;
}

bool isOneLine(const QByteArray &text)
{
    return text.endsWith('\n') && text.count('\n') == 1 && text.startsWith("tavi-velmora-cli: ");
}

WindowReadings windowReadings(const QString &first, const QString &middle, const QString &last, const QDate &date)
{
    FakePlatform platform;
    frmMain window(platform);
    window.findChild<QLineEdit *>(u"txtNameFirst"_s)->setText(first);
    window.findChild<QLineEdit *>(u"txtNameMiddle"_s)->setText(middle);
    window.findChild<QLineEdit *>(u"txtNameLast"_s)->setText(last);
    window.findChild<QComboBox *>(u"cboDate"_s)->setCurrentIndex(date.day() - 1);
    window.findChild<QComboBox *>(u"cboMonth"_s)->setCurrentIndex(date.month() - 1);
    window.findChild<QComboBox *>(u"cboYear"_s)->setCurrentText(QString::number(date.year()));
    window.findChild<QPushButton *>(u"cmdProceed"_s)->click();
    return readingsShown(window);
}

WindowReadings windowOpening(const QString &fileName, QStringList *messages)
{
    FakePlatform platform;
    frmMain window(platform);
    platform.chosenFiles.push_back(fileName);
    window.findChild<QPushButton *>(u"cmdOpen"_s)->click();
    if (messages != nullptr) {
        for (const velmora::Message &message : platform.messages)
            *messages << message.text;
    }
    return readingsShown(window);
}

void CliTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}
