// SPDX-License-Identifier: MIT
#include "modtellafriend.h"

#include <QUrl>

#include "links.h"
#include "desktop.h"
#include "dialogs.h"

namespace velmora {

namespace {

constexpr QLatin1StringView kEnterName{"Please Enter Your Name"};
constexpr QLatin1StringView kEnterMessage{"Please Enter Your Message"};
constexpr QLatin1StringView kEnterFriendName{"Please Enter Your Friend's Name"};

bool isMissing(const QString &entry, QLatin1StringView placeholder)
{
    return entry.isEmpty() || entry == placeholder;
}

QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

QString referralAddress(const ReferralRecord &record)
{
    return kMainSite + QLatin1StringView("/orvex-refer-a-friend.php") + u'?' + QLatin1StringView("taf1=")
        + encoded(record.SenderName) + QLatin1StringView("&taf2=") + encoded(record.SenderEmail)
        + QLatin1StringView("&taf3=") + encoded(record.Message) + QLatin1StringView("&taf4=")
        + encoded(record.FriendName) + QLatin1StringView("&taf5=") + encoded(record.FriendEmail)
        + QLatin1StringView("&taf6=") + encoded(kProductSite + u'/');
}

void SendReferral(Dialogs &dialogs, Desktop &desktop, QWidget *parent, ReferralRecord &record)
{
    QLatin1StringView problem;
    if (isMissing(record.SenderName, kNamePlaceholder))
        problem = kEnterName;
    else if (isMissing(record.Message, kMessagePlaceholder))
        problem = kEnterMessage;
    else if (isMissing(record.FriendName, kFriendNamePlaceholder))
        problem = kEnterFriendName;
    if (!problem.isNull()) {
        dialogs.showMessage(parent, Message{MessageIcon::Critical, problem, QString(kApplicationTitle)});
        return;
    }
    record.ReferralAddress = referralAddress(record);
    OpenWebPage(desktop, record.ReferralAddress);
}

} // namespace velmora
