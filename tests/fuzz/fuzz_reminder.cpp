// SPDX-License-Identifier: MIT
// Feeds arbitrary text to the update reminder as its stored value. Whatever
// the value, the check must not crash, and whatever it stores must read back
// as today's date.
#include <QDate>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform.h"
#include "scrambler.h"
#include "updatereminder.h"

namespace {

const QDate kToday(2026, 12, 8);

class StorePlatform final : public velmora::Platform
{
public:
    explicit StorePlatform(QString stored)
        : m_stored(std::move(stored))
    {
    }

    velmora::MessageAnswer showMessage(QWidget *, const velmora::Message &) override
    {
        return velmora::MessageAnswer::No;
    }
    QString chooseFile(QWidget *, const velmora::FileDialogRequest &) override { return {}; }
    velmora::PrintOutcome print(QWidget *, const velmora::PrintJob &) override
    {
        return velmora::PrintOutcome::Cancelled;
    }
    void openUrl(const QUrl &) override { std::abort(); } // the answer is always No
    void clearClipboard() override {}
    QString settingsValue(const QString &, const QString &) override { return m_stored; }
    void setSettingsValue(const QString &, const QString &, const QString &value) override
    {
        m_stored = value;
        written = true;
    }
    QDate today() override { return kToday; }
    void seedRandom() override {}
    double random() override { return 0.0; }
    bool claimSingleInstance() override { return true; }
    bool handOverReport(const QString &) override { return false; }
    void receiveReports(velmora::ReportReceiver) override {}
    void quitApplication() override {}

    QString stored() const { return m_stored; }
    bool written = false;

private:
    QString m_stored;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString value = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    StorePlatform platform(value);
    velmora::CheckForUpdateReminder(platform);
    if (platform.written && velmora::readReminderDate(velmora::UnscrambleText(platform.stored())) != kToday)
        std::abort();
    return 0;
}
