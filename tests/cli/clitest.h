// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDate>
#include <QObject>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <array>

#include "clirun.h"

// What the tool did: its status and both output streams.
using Outcome = CliRun;

Outcome runCli(const QStringList &arguments, const QByteArray &input = {}, int timeoutMs = 60000,
               const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

// Runs the tool through the shell, so that an argument may hold bytes that
// are not UTF-8 (written as printf escapes, such as \\377): QProcess would
// pass them as U+FFFD.
Outcome runCliWithBytes(const QString &arguments, const QString &folder);

QStringList personArguments(const QString &first, const QString &middle, const QString &last, const QString &date);

// The tool's one-line message on standard error.
bool isOneLine(const QByteArray &text);

// The eleven numbers in batch column order: destiny, personality, soul urge,
// realization, four pinnacles, hidden passion, subconscious self, attitude.
using Numbers = std::array<int, 11>;

// Worked by hand from the letter chart and the reduction rules.
inline constexpr Numbers kJohnSmith1980 = {8, 11, 6, 3, 4, 6, 1, 7, 8, 7, 4};
inline constexpr Numbers kAnnaSmith1975 = {9, 7, 2, 6, 11, 6, 8, 22, 5, 6, 2};

// The captions and texts the real window shows for a person.
struct WindowReadings {
    QStringList captions;
    QStringList texts;
};

WindowReadings windowReadings(const QString &first, const QString &middle, const QString &last, const QDate &date);

// Opens a report in the real window; the messages it showed go to messages.
WindowReadings windowOpening(const QString &fileName, QStringList *messages = nullptr);

// The tool's tests share a temporary folder for their files, and keep the
// window they compare with away from the user's settings.
class CliTest : public QObject
{
    Q_OBJECT

protected:
    [[nodiscard]] QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase();
};
