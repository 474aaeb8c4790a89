// SPDX-License-Identifier: MIT
#include "updatereminder.h"

#include <QLocale>

#include "links.h"
#include "platform.h"
#include "scrambler.h"

namespace velmora {

namespace {

constexpr auto kReminderQuestion = "There maybe an update to this software available"
                                   "\r"
                                   "Do you want to check for an update?";

void storeReminderDate(Platform &platform, const QString &key)
{
    const QString today = platform.today().toString(Qt::ISODate);
    platform.setSettingsValue(kReminderSection, key, ScrambleText(today));
}

} // namespace

QDate readReminderDate(const QString &text)
{
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return iso;
    return QLocale::system().toDate(text, QLocale::ShortFormat);
}

void CheckForUpdateReminder(Platform &platform)
{
    const QString key = ScrambleText(kReminderKey);
    const QString stored = UnscrambleText(platform.settingsValue(kReminderSection, key));
    const QDate reminded = readReminderDate(stored);
    // A first run, or a value that reads as no date at all, starts the count
    // afresh without asking, rather than leaving the reminder silent for ever.
    if (!reminded.isValid()) {
        storeReminderDate(platform, key);
        return;
    }
    const qint64 days = platform.today().daysTo(reminded);
    if (days >= -kReminderDays && days <= kReminderDays)
        return;
    const MessageAnswer answer = platform.showMessage(
        nullptr, Message{MessageIcon::Information, QLatin1StringView(kReminderQuestion), QString(kApplicationTitle),
                         MessageButtons::YesNo});
    storeReminderDate(platform, key);
    if (answer == MessageAnswer::Yes)
        OpenDownloadPage(platform);
}

} // namespace velmora
