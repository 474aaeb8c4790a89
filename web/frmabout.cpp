// SPDX-License-Identifier: MIT
#include "frmabout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "formstyle.h"
#include "iconpicture.h"
#include "linklabel.h"
#include "links.h"
#include "uifonts.h"
#include "enginetext.h"
#include "version.h"

using namespace Qt::StringLiterals;

namespace {

// The box's own texts.
constexpr QLatin1StringView kDescription{
    "Tavi Velmora calculates the numbers that describe your level of motivation in life. These numbers include "
    "the destiny number, personality number, soul urge number, realization number, pinnacle numbers, hidden "
    "passion number, subconscious self number and attitude number."};
constexpr QLatin1StringView kVisitHomePage{"Click here to visit "};
constexpr QLatin1StringView kOffer{"Home Business Opportunity. Start your own Internet business and make money "
                                   "online. Get this software fully branded for your website."};
constexpr QLatin1StringView kMoreDetails{"Click here for more details"};

// The links end at the right margin; a face wider than Verdana lets them grow
// to the left rather than cutting them off.
void alignRight(LinkLabel *link)
{
    QRect area = link->geometry();
    const QSize wanted = link->sizeHint();
    area.setLeft(std::min(area.left(), area.right() + 1 - wanted.width()));
    area.setHeight(std::max(area.height(), wanted.height()));
    link->setGeometry(area);
    link->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace

frmAbout::frmAbout(velmora::Desktop &desktop, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , m_desktop(desktop)
{
    using velmora::placed;
    using velmora::twipsRect;
    velmora::setUpWindow(this, "frmAbout"_L1);
    setModal(true);

    picIcon = placed(new IconPicture(windowIcon(), this), "picIcon"_L1, twipsRect(90, 120, 480, 480));
    Label2 = placed(new QLabel(velmora::toQString(velmora::kProgramCaption), this), "Label2"_L1, twipsRect(750, 120, 4380, 270));
    Label2->setFont(velmora::uifonts::windowFont(12, true));
    Label1 = placed(new QLabel(kDescription, this), "Label1"_L1, twipsRect(750, 390, 5625, 1215));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblHomePage = placed(new LinkLabel(kVisitHomePage + velmora::kMainSite, this), "lblHomePage"_L1,
                        twipsRect(2325, 1605, 4050, 195));
    Label3 = placed(new QLabel(kOffer, this), "Label3"_L1, twipsRect(90, 1920, 6285, 615));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblCoBrand = placed(new LinkLabel(kMoreDetails, this), "lblCoBrand"_L1, twipsRect(4080, 2535, 2295, 195));
    for (LinkLabel *link : {lblHomePage, lblCoBrand})
        alignRight(link);

    Line2 = placed(new QFrame(this), "Line2"_L1, QRect(0, velmora::twips(2910) - 1, velmora::twips(6435), 2));
    Line2->setFrameShape(QFrame::HLine);
    Line2->setFrameShadow(QFrame::Sunken);

    cmdOK = placed(new QPushButton(u"OK"_s, this), "cmdOK"_L1, twipsRect(5115, 3000, 1260, 345));
    // OK is the default button for Enter; Escape rejects the dialog, which closes it just the same.
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdOK->setFocus();

    connect(lblHomePage, &LinkLabel::clicked, this, [this] { velmora::OpenHomePage(m_desktop); });
    connect(lblCoBrand, &LinkLabel::clicked, this, [this] { velmora::OpenFullBrandPage(m_desktop); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(velmora::twips(6435), velmora::twips(3390));
    velmora::centreOnScreen(this);
}

frmAbout::~frmAbout() = default;
