// SPDX-License-Identifier: MIT
#include "bookjob.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>


#include "clientbook.h"
#include "clientfiles.h"
#include "filesave.h"
#include "madefiles.h"
#include "reportfile.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {
namespace {

// Progress is told at most this often, so that the window is not flooded.
constexpr qint64 kProgressMs = 50;

} // namespace

class BookJob::Control
{
public:
    explicit Control(BookJob &job)
        : m_job(job)
        , m_cancelled(job.m_cancel)
    {
        m_sinceTold.start();
    }
    [[nodiscard]] bool cancelled() const { return m_cancelled->load(); }
    bool tell(qsizetype done, qsizetype total)
    {
        if (cancelled())
            return false;
        if (m_sinceTold.elapsed() >= kProgressMs) {
            m_sinceTold.restart();
            Q_EMIT m_job.progress(done, total);
        }
        return true;
    }

private:
    BookJob &m_job;
    std::shared_ptr<std::atomic<bool>> m_cancelled;
    QElapsedTimer m_sinceTold;
};

BookJob::BookJob(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<BookJob::Outcome>();
}

BookJob::~BookJob()
{
    cancel();
    wait();
}

bool BookJob::start(const std::function<Outcome(Control &)> &work)
{
    if (isRunning())
        return false;
    wait();
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_thread = QThread::create([this, work] {
        Control control(*this);
        Q_EMIT progress(0, 0);
        Outcome outcome = work(control);
        outcome.cancelled = !outcome.error.isEmpty() && control.cancelled();
        Q_EMIT finished(outcome);
    });
    m_thread->setObjectName(u"bookJob"_s);
    m_thread->start(QThread::LowPriority);
    return true;
}

bool BookJob::startImport(const QString &address, const QString &fileName)
{
    return start([address, fileName](Control &control) {
        Outcome outcome{fileName, 0, {}, false};
        std::optional<QList<book::Client>> clients = book::clientsFromFile(fileName, &outcome.error);
        if (!clients)
            return outcome;
        const std::unique_ptr<book::ClientBook> book = book::ClientBook::open(address, &outcome.error);
        if (!book)
            return outcome;
        const qsizetype total = clients->size();
        if (control.cancelled()) {
            outcome.error = u"The import was cancelled; nothing of it was kept"_s;
            return outcome;
        }
        if (!book->addClients(*clients, nullptr, [&](qsizetype stored) { return control.tell(stored, total); })) {
            outcome.error = book->errorString();
            return outcome;
        }
        outcome.count = total;
        return outcome;
    });
}

bool BookJob::startExport(const QString &address, const QString &fileName)
{
    return start([address, fileName](Control &control) {
        Outcome outcome{fileName, 0, {}, false};
        const std::unique_ptr<book::ClientBook> book = book::ClientBook::open(address, &outcome.error);
        if (!book)
            return outcome;
        const qsizetype total = book->clientCount().value_or(0);
        book::ClientCsvWriter writer;
        const bool read = book->forEachClient([&](const book::Client &client) {
            writer.write(client);
            return control.tell(++outcome.count, total);
        });
        if (!read || control.cancelled()) {
            outcome.error = read ? u"The export was cancelled; no file was written"_s : book->errorString();
            return outcome;
        }
        const std::optional<QByteArray> csv = writer.finish();
        if (!csv)
            outcome.error = u"out of memory"_s;
        else if (!saveWholeFile(fileName, *csv, &outcome.error,
                                [](const QString &target) { return target.endsWith(u".csv"_s, Qt::CaseInsensitive); },
                                u"a link to something other than a CSV file"_s))
            outcome.error = u"The file was not written: "_s + outcome.error;
        return outcome;
    });
}

void BookJob::cancel()
{
    if (m_cancel)
        m_cancel->store(true);
}

bool BookJob::isRunning() const
{
    return m_thread != nullptr && !m_thread->isFinished();
}

void BookJob::wait()
{
    if (m_thread == nullptr)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

QString BookJob::exportClash(const QString &fileName, const QString &address, const QStringList &inputs)
{
    if (hasReportExtension(fileName))
        return u"Only a report is written under a name ending in vlm; the clients are exported as CSV."_s;
    if (!address.contains(u"://"_s)) {
        for (const QString &suffix : {u""_s, u"-wal"_s, u"-shm"_s, u"-journal"_s})
            if (isSameFile(fileName, address + suffix))
                return u"That is the client book itself; choose another file for the export."_s;
    }
    for (const QString &input : inputs)
        if (isSameFile(fileName, input))
            return u"That file was read here (%1); choose another file, so that it is not written over."_s.arg(
                QDir::toNativeSeparators(input));
    return {};
}

} // namespace velmora::desk
