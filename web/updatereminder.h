// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QString>

namespace velmora {

class Clock;
class Desktop;
class Dialogs;
class SettingsStore;

// At most once in any fifteen days, asks whether the user wants to look for
// a newer version, and opens the download page on Yes. The date of the last
// reminder (or of the first run) lives in the per-user settings, scrambled.
void CheckForUpdateReminder(Dialogs &dialogs, Desktop &desktop, SettingsStore &settings, Clock &clock);

// The stored reminder date as text: ISO 8601 as the program writes it, or the
// locale's short form that stored settings may hold. An invalid date when it
// reads as neither.
[[nodiscard]] QDate readReminderDate(const QString &text);

inline constexpr QLatin1StringView kReminderSection{"Settings"};
inline constexpr QLatin1StringView kReminderKey{"Duration"}; // stored scrambled
inline constexpr int kReminderDays = 14;

} // namespace velmora
