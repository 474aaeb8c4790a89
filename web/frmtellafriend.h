// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <array>

#include "modtellafriend.h"
#include "desktop.h"
#include "dialogs.h"
#include "randomnumbers.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class IconPicture;
class LinkLabel;

// The last window of a session, shown when the main window closes and kept
// above all other windows. It refers the program to a friend through the main
// site, invites the user to the forum and to the software catalogue; closing
// it ends the program.
class frmTellAFriend : public QWidget
{
    Q_OBJECT

public:
    frmTellAFriend(velmora::Dialogs &dialogs, velmora::Desktop &desktop, velmora::RandomNumbers &random,
                   QWidget *parent = nullptr);
    ~frmTellAFriend() override;

    // The entries of the last submit and the last address sent.
    [[nodiscard]] const velmora::ReferralRecord &referral() const { return m_referral; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Placeholder {
        QWidget *box;
        QLatin1StringView text;
    };

    void buildReferralFrame();
    void submit();
    void showProblem(QLatin1StringView text);

    velmora::Dialogs &m_dialogs;
    velmora::Desktop &m_desktop;
    velmora::RandomNumbers &m_random;
    velmora::ReferralRecord m_referral;
    std::array<Placeholder, 5> m_placeholders{};

    IconPicture *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *cmdClose = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLineEdit *txtName = nullptr;
    QLineEdit *txtEmail = nullptr;
    QLineEdit *txtFriendName = nullptr;
    QLineEdit *txtFriendEmail = nullptr;
    QPushButton *cmdSubmit = nullptr;
    QPlainTextEdit *txtMessage = nullptr;
    QGroupBox *Frame6 = nullptr;
    QLabel *Label3 = nullptr;
    LinkLabel *lblGoToHome = nullptr;
};
