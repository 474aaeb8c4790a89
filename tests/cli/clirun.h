// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// Runs the built tool (VELMORA_CLI_PATH) and gives what it ended with and wrote.
struct CliRun {
    int exitCode = -1; // -1: it did not end in time, or crashed
    QByteArray out;
    QByteArray err;
};

// Feeds the started process its input and waits for it to end.
inline CliRun finishRun(QProcess &process, const QByteArray &input, int timeoutMs)
{
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

inline CliRun runTool(const QStringList &arguments, const QByteArray &input = {}, int timeoutMs = 30000,
                      const QString &workingDirectory = {})
{
    QProcess process;
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(VELMORA_CLI_PATH), arguments);
    return finishRun(process, input, timeoutMs);
}
