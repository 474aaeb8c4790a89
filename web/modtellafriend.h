// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace velmora {

class Desktop;
class Dialogs;

// What each referral box shows until the user types into it; an entry still
// equal to its placeholder counts as not filled in.
inline constexpr QLatin1StringView kNamePlaceholder{"Your Name"};
inline constexpr QLatin1StringView kEmailPlaceholder{"Your Email Address"};
inline constexpr QLatin1StringView kFriendNamePlaceholder{"Friend's Name"};
inline constexpr QLatin1StringView kFriendEmailPlaceholder{"Friend's Email Address"};
inline constexpr QLatin1StringView kMessagePlaceholder{"Your Message"};

// The entries of the last referral, each trimmed of spaces, and the address
// it was sent to. The address stays from one submit to the next.
struct ReferralRecord {
    QString SenderName;
    QString SenderEmail;
    QString Message;
    QString FriendName;
    QString FriendEmail;
    QString ReferralAddress;
};

// The referral page on the main site with the entries in its query. Every
// value is percent-encoded, so an entry holding "&", "=", "#", "?" or a space
// stays one value.
[[nodiscard]] QString referralAddress(const ReferralRecord &record);

// Checks the names and the message; the first one missing is reported with
// the critical icon and nothing is sent. Otherwise the address is built into
// the record and opened in the browser.
void SendReferral(Dialogs &dialogs, Desktop &desktop, QWidget *parent, ReferralRecord &record);

} // namespace velmora
