// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

namespace velmora::desk {

// A long piece of work on the book, away from the window's thread on a
// connection of its own (a book's connection belongs to the thread that
// opened it), telling its progress and stopping when cancelled: a file
// imported (.vlm or CSV, taken whole or not at all: a damaged row, a refusal
// of the book or a cancel adds nothing of it), or the book exported as CSV
// (written through a temporary file, so a cancel or a failure leaves the
// target as it was). One job at a time.
class BookJob : public QObject
{
    Q_OBJECT

public:
    struct Outcome {
        QString fileName;
        qsizetype count = 0; // the clients imported or exported
        QString error;       // why nothing was done; empty when it was
        bool cancelled = false;
    };

    explicit BookJob(QObject *parent = nullptr);
    // Cancels what runs and waits for it: nothing is left half done.
    ~BookJob() override;

    // Each false when a job runs already.
    bool startImport(const QString &address, const QString &fileName);
    bool startExport(const QString &address, const QString &fileName);
    // Asks the job under way to stop.
    void cancel();
    [[nodiscard]] bool isRunning() const;
    // Waits for the job under way to end (its finished signal is then queued).
    void wait();

    // Why the file may not be written as an export of the book at address
    // (the book itself or its journal, a file imported or opened here, a
    // report's name); empty when it may. inputs: the files read in this window.
    [[nodiscard]] static QString exportClash(const QString &fileName, const QString &address,
                                             const QStringList &inputs);

Q_SIGNALS:
    // done of total clients so far; total is 0 while it is not known yet.
    void progress(qsizetype done, qsizetype total);
    void finished(const velmora::desk::BookJob::Outcome &outcome);

private:
    // Tells the progress now and then; false once the job is cancelled.
    class Control;
    bool start(const std::function<Outcome(Control &)> &work);

    QThread *m_thread = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancel;
};

} // namespace velmora::desk
