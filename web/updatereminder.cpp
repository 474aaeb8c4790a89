// SPDX-License-Identifier: MIT
#include "updatereminder.h"

#include <QLocale>

#include "links.h"
#include "clock.h"
#include "desktop.h"
#include "dialogs.h"
#include "settingsstore.h"
#include "scrambler.h"

namespace velmora {

namespace {

constexpr auto kReminderQuestion = "There maybe an update to this software available"
                                   "\r"
                                   "Do you want to check for an update?";

void storeReminderDate(SettingsStore &settings, Clock &clock, const QString &key)
{
    const QString today = clock.today().toString(Qt::ISODate);
    settings.setSettingsValue(kReminderSection, key, ScrambleText(today));
}

} // namespace

QDate readReminderDate(const QString &text)
{
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return iso;
    return QLocale::system().toDate(text, QLocale::ShortFormat);
}

void CheckForUpdateReminder(Dialogs &dialogs, Desktop &desktop, SettingsStore &settings, Clock &clock)
{
    const QString key = ScrambleText(kReminderKey);
    const QString stored = UnscrambleText(settings.settingsValue(kReminderSection, key));
    const QDate reminded = readReminderDate(stored);
    // A first run, or a value that reads as no date at all, starts the count
    // afresh without asking, rather than leaving the reminder silent for ever.
    if (!reminded.isValid()) {
        storeReminderDate(settings, clock, key);
        return;
    }
    const qint64 days = clock.today().daysTo(reminded);
    if (days >= -kReminderDays && days <= kReminderDays)
        return;
    const MessageAnswer answer = dialogs.showMessage(
        nullptr, Message{MessageIcon::Information, QLatin1StringView(kReminderQuestion), QString(kApplicationTitle),
                         MessageButtons::YesNo});
    storeReminderDate(settings, clock, key);
    if (answer == MessageAnswer::Yes)
        OpenDownloadPage(desktop);
}

} // namespace velmora
