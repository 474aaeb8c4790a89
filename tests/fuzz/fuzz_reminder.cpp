// SPDX-License-Identifier: MIT
// Feeds arbitrary text to the update reminder as its stored value. Whatever
// the value, the check must not crash, and whatever it stores must read back
// as today's date.
#include <QDate>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "clock.h"
#include "desktop.h"
#include "dialogs.h"
#include "settingsstore.h"
#include "scrambler.h"
#include "updatereminder.h"

namespace {

const QDate kToday(2026, 12, 8);

// The reminder's view of the desktop: the stored value, a fixed day, and a
// No to the question, so the browser is never asked for.
class StorePlatform final : public velmora::Dialogs,
                            public velmora::Desktop,
                            public velmora::SettingsStore,
                            public velmora::Clock
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
    void openUrl(const QUrl &) override { std::abort(); } // the answer is always No
    void clearClipboard() override {}
    QString settingsValue(const QString &, const QString &) override { return m_stored; }
    void setSettingsValue(const QString &, const QString &, const QString &value) override
    {
        m_stored = value;
        written = true;
    }
    QDate today() override { return kToday; }
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
    velmora::CheckForUpdateReminder(platform, platform, platform, platform);
    if (platform.written && velmora::readReminderDate(velmora::UnscrambleText(platform.stored())) != kToday)
        std::abort();
    return 0;
}
