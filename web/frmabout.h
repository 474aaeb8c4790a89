// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "desktop.h"

class QFrame;
class QLabel;
class QPushButton;
class IconPicture;
class LinkLabel;

// The about box: the program's name and version, what it calculates, and
// links to the home page and to the offer of a fully branded copy. Opened
// modally; OK, Enter and Escape close it.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(velmora::Desktop &desktop, QWidget *parent = nullptr);
    ~frmAbout() override;

private:
    velmora::Desktop &m_desktop;

    IconPicture *picIcon = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    LinkLabel *lblHomePage = nullptr;
    QLabel *Label3 = nullptr;
    LinkLabel *lblCoBrand = nullptr;
    QFrame *Line2 = nullptr;
    QPushButton *cmdOK = nullptr;
};
