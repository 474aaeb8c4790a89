// SPDX-License-Identifier: MIT
#include "frmtellafriend.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cmath>
#include <string_view>

#include "enginetext.h"
#include "trimspaces.h"
#include "formstyle.h"
#include "iconpicture.h"
#include "keyfilter.h"
#include "linklabel.h"
#include "links.h"
#include "outreachtexts.h"
#include "uifonts.h"
#include "version.h"

using namespace Qt::StringLiterals;
using velmora::toQString;

namespace {

// The window's own texts.
constexpr QLatin1StringView kVisitPrefix{"Click Here To Visit "};
constexpr QLatin1StringView kVisitSuffix{" Now"};
constexpr QLatin1StringView kVisitCatalogue{"Click Here To Visit Quillon"};
constexpr QLatin1StringView kSpaceRefused{"Email Address Cannot Contain Space"};
constexpr QLatin1StringView kDistinctAddresses{"Please Enter Distinct Email Addresses"};
constexpr QLatin1StringView kProperAddress{"Please Enter Proper Email Address"};

// floor(r * 4) kept within the four appeals, whatever the generator returns.
std::size_t appealIndex(double r)
{
    const double scaled = std::floor(r * 4);
    if (scaled >= 3)
        return 3;
    return scaled >= 1 ? static_cast<std::size_t>(scaled) : 0;
}

bool isAddressCharacter(char32_t code)
{
    return code != U' ';
}

bool isProperAddress(const QString &address)
{
    return address.contains(u'@') && address.contains(u'.');
}

// The message box reads and takes its lines with CR LF between them, as the
// rest of the program's texts do.
QString textOf(const QWidget *box)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(box))
        return line->text();
    return qobject_cast<const QPlainTextEdit *>(box)->toPlainText().replace(u'\n', u"\r\n"_s);
}

void setTextOf(QWidget *box, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(text);
    else
        qobject_cast<QPlainTextEdit *>(box)->setPlainText(QString(text).replace(u"\r\n"_s, u"\n"_s));
}

// A top-level QWidget reads as a mere "filler" to screen readers: this one
// is a window.
QAccessibleInterface *accessibleWindow(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(frmTellAFriend::staticMetaObject.className()) && object != nullptr)
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

frmTellAFriend::frmTellAFriend(velmora::Dialogs &dialogs, velmora::Desktop &desktop,
                               velmora::RandomNumbers &random, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
    , m_dialogs(dialogs)
    , m_desktop(desktop)
    , m_random(random)
{
    using velmora::placed;
    using velmora::twipsRect;
    static const bool accessible = (QAccessible::installFactory(accessibleWindow), true);
    Q_UNUSED(accessible);
    velmora::setUpWindow(this, "frmTellAFriend"_L1);

    // The icon is decoration: it takes no focus.
    Picture1 = placed(new IconPicture(windowIcon(), this), "Picture1"_L1, twipsRect(360, 120, 540, 540));
    Label1 = placed(new QLabel(velmora::toQString(velmora::kProgramCaption), this), "Label1"_L1, twipsRect(1080, 240, 5355, 435));
    Label1->setFont(velmora::uifonts::windowFont(12, true));
    Label2 = placed(new QLabel(this), "Label2"_L1, twipsRect(120, 840, 6975, 1095));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Check1 = placed(new QCheckBox(kVisitPrefix + velmora::kMainSiteHost + kVisitSuffix, this), "Check1"_L1,
                    twipsRect(30, 2040, 7185, 555));
    Check1->setCursor(Qt::PointingHandCursor);
    cmdClose = placed(new QPushButton(u"E&xit"_s, this), "cmdClose"_L1, twipsRect(6000, 2760, 1245, 375));

    buildReferralFrame();

    Frame6 = placed(new QGroupBox(u"Download Quillon"_s, this), "Frame6"_L1, twipsRect(7320, 120, 3735, 4575));
    Label3 = placed(new QLabel(toQString(velmora::kQuillonOffer), Frame6), "Label3"_L1, twipsRect(120, 360, 3495, 3855));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblGoToHome = placed(new LinkLabel(kVisitCatalogue, Frame6), "lblGoToHome"_L1, twipsRect(75, 4250, 3585, 210));
    lblGoToHome->setAlignment(Qt::AlignCenter);
    // The frames' captions are bold; what the frames hold is not.
    for (QGroupBox *frame : {Frame2, Frame6})
        frame->setFont(velmora::uifonts::windowFont(8.25, true));
    for (QWidget *inside : std::initializer_list<QWidget *>{txtName, txtEmail, txtFriendName, txtFriendEmail,
                                                            cmdSubmit, txtMessage, Label3, lblGoToHome})
        inside->setFont(velmora::uifonts::windowFont());

    setTabOrder(cmdClose, Check1);
    setTabOrder(Check1, txtName);
    setTabOrder(txtName, cmdSubmit);
    setTabOrder(cmdSubmit, txtEmail);
    setTabOrder(txtEmail, txtFriendEmail);
    setTabOrder(txtFriendEmail, txtFriendName);
    setTabOrder(txtFriendName, txtMessage);
    // The catalogue link comes last, so the keyboard reaches it too.
    setTabOrder(txtMessage, lblGoToHome);

    connect(Check1, &QCheckBox::clicked, this, [this](bool ticked) {
        // The box only passes the click on: it never stays ticked.
        if (!ticked)
            return;
        Check1->setChecked(false);
        velmora::OpenHomePage(m_desktop);
    });
    connect(lblGoToHome, &LinkLabel::clicked, this, [this] { velmora::OpenSoftwareCatalogPage(m_desktop); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { velmora::EndApplication(m_desktop); });
    connect(cmdSubmit, &QPushButton::clicked, this, &frmTellAFriend::submit);

    m_random.seedRandom();
    Label2->setText(toQString(velmora::kAppeals[appealIndex(m_random.random())]));

    setFixedSize(velmora::twips(11115), velmora::twips(4725));
    velmora::centreOnScreen(this);
    cmdClose->setFocus();
}

frmTellAFriend::~frmTellAFriend() = default;

void frmTellAFriend::buildReferralFrame()
{
    using velmora::placed;
    using velmora::twipsRect;
    Frame2 = placed(new QGroupBox(u"Refer A Friend"_s, this), "Frame2"_L1, twipsRect(120, 3240, 7065, 1455));
    txtName = placed(new QLineEdit(Frame2), "txtName"_L1, twipsRect(85, 360, 3375, 285));
    txtEmail = placed(new QLineEdit(Frame2), "txtEmail"_L1, twipsRect(3600, 360, 3375, 285));
    txtFriendName = placed(new QLineEdit(Frame2), "txtFriendName"_L1, twipsRect(85, 720, 3375, 285));
    txtFriendEmail = placed(new QLineEdit(Frame2), "txtFriendEmail"_L1, twipsRect(3600, 720, 3375, 285));
    cmdSubmit = placed(new QPushButton(u"Refer A Friend &Now"_s, Frame2), "cmdSubmit"_L1,
                       twipsRect(1920, 1080, 3375, 285));
    // The message box lies below the frame's visible area: it is never seen,
    // yet it takes the focus in turn and its text travels with the referral.
    txtMessage = placed(new QPlainTextEdit(Frame2), "txtMessage"_L1, twipsRect(4800, 3600, 1815, 495));
    txtMessage->setTabChangesFocus(true);

    m_placeholders = {{{txtName, velmora::kNamePlaceholder},
                       {txtEmail, velmora::kEmailPlaceholder},
                       {txtFriendName, velmora::kFriendNamePlaceholder},
                       {txtFriendEmail, velmora::kFriendEmailPlaceholder},
                       {txtMessage, velmora::kMessagePlaceholder}}};
    for (const Placeholder &placeholder : m_placeholders) {
        // The placeholder says what the box is for, also to screen readers,
        // which would otherwise hear the frame's caption for every box.
        placeholder.box->setAccessibleName(placeholder.text);
        setTextOf(placeholder.box, placeholder.text);
        placeholder.box->installEventFilter(this);
    }
    // The message starts as its placeholder with a line break after it; that
    // text differs from the placeholder and counts as a message.
    setTextOf(txtMessage, velmora::kMessagePlaceholder + u"\r\n"_s);

    new velmora::KeyFilter(txtEmail, m_dialogs, kSpaceRefused, isAddressCharacter);
    new velmora::KeyFilter(txtFriendEmail, m_dialogs, kSpaceRefused, isAddressCharacter);
}

bool frmTellAFriend::eventFilter(QObject *watched, QEvent *event)
{
    const bool focusIn = event->type() == QEvent::FocusIn;
    if (focusIn || event->type() == QEvent::FocusOut) {
        // Only moves within the window count; another window (a message box,
        // the browser) taking the activation leaves the entries alone.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (const Placeholder &placeholder : m_placeholders) {
                if (placeholder.box != watched)
                    continue;
                const QString entry = velmora::trimSpaces(textOf(placeholder.box));
                if (focusIn && entry == placeholder.text)
                    setTextOf(placeholder.box, QString());
                else if (!focusIn && entry.isEmpty())
                    setTextOf(placeholder.box, placeholder.text);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmTellAFriend::showProblem(QLatin1StringView text)
{
    m_dialogs.showMessage(this, velmora::Message{velmora::MessageIcon::Critical, text,
                                                  QString(velmora::kApplicationTitle)});
}

void frmTellAFriend::submit()
{
    m_referral.SenderName = velmora::trimSpaces(txtName->text());
    m_referral.SenderEmail = velmora::trimSpaces(txtEmail->text());
    m_referral.Message = velmora::trimSpaces(textOf(txtMessage));
    m_referral.FriendName = velmora::trimSpaces(txtFriendName->text());
    m_referral.FriendEmail = velmora::trimSpaces(txtFriendEmail->text());

    if (m_referral.SenderEmail == m_referral.FriendEmail) {
        showProblem(kDistinctAddresses);
        return;
    }
    if (!isProperAddress(m_referral.SenderEmail) || !isProperAddress(m_referral.FriendEmail)) {
        showProblem(kProperAddress);
        return;
    }
    velmora::SendReferral(m_dialogs, m_desktop, this, m_referral);
}

void frmTellAFriend::closeEvent(QCloseEvent *event)
{
    velmora::EndApplication(m_desktop);
    event->accept();
}
