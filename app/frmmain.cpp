// SPDX-License-Identifier: MIT
#include "frmmain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QVBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabBar>

#include <algorithm>
#include <cmath>

#include "digitpicture.h"
#include "enginetext.h"
#include "frmabout.h"
#include "frmtellafriend.h"
#include "keyfilter.h"
#include "linklabel.h"
#include "listpopupstyle.h"
#include "links.h"
#include "outreachtexts.h"
#include "readablecolours.h"
#include "readingdocument.h"
#include "readingsfile.h"
#include "readingtabbar.h"
#include "reportfile.h"
#include "readingview.h"
#include "trimspaces.h"
#include "uifonts.h"
#include "version.h"

using namespace Qt::StringLiterals;
using velmora::MessageIcon;

namespace {

// The window's own texts.
constexpr auto kIntroText = "Are you self motivated? Or do you need someone to encourage you? "
                            "Know what Velmora has to tell about you with this software.";
constexpr auto kFirstNameRefused = "First Name Can Accept Text Only";
constexpr auto kMiddleNameRefused = "Middle Name Can Accept Text Only";
constexpr auto kLastNameRefused = "Last Name Can Accept Text Only";
constexpr auto kEnterFirstName = "Please Enter First Name";
constexpr auto kEnterLastName = "Please Enter Last Name";
constexpr auto kWrongFebruaryDate = "Please Enter Correct Date Or Month!";
constexpr auto kWrongThirtyDayDate = "Please Enter Correct Date Or Month !";
constexpr auto kNotSaved = "The Reading Could Not Be Saved.";
constexpr auto kNotPrinted = "The Reading Could Not Be Printed.";
// Where the report dialogs start: the folder of the last file chosen in either.
constexpr auto kFolderSection = "Folders";
constexpr auto kFolderKey = "Reports";
constexpr auto kSaveTitle = "Velmora";
constexpr auto kSaveFilter = "Rich Text Format (*.vlm)";
constexpr auto kOpenTitle = "Select the source file";
constexpr auto kOpenFilter = "Velmora (*.vlm)";
constexpr auto kReportSuffix = "vlm";
constexpr auto kFullBrandOffer = "Home Business Opportunity. Start your own Internet business and make money online. "
                                 "Get this software fully branded for your website. Click here for more details.";
constexpr auto kCoBrandOffer = "Co-brand this software for your site.  Increase loyalty and traffic to your site. "
                               "Put your site's name &  link here. See \"Help\" for details. "
                               "Click Here for more info on co-branding.";

constexpr int kFirstListYear = 1900;
constexpr int kLastListYear = 2050;
constexpr int kVisibleListRows = 12;

constexpr std::array<const char *, velmora::kReadingCount> kFrameNames = {
    "fraDestiny",       "fraPersonality",   "fraSoulUrge",         "fraRealization",
    "fraPinnacle",      "fraHiddenPassion", "fraSubconsciousSelf", "fraAttitude",
};

// Letters A-Z and a-z, and Backspace: everything else typed into a name is refused.
bool isNameCharacter(char32_t code)
{
    return (code >= U'A' && code <= U'Z') || (code >= U'a' && code <= U'z') || code == 8;
}

template<typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

} // namespace

frmMain::frmMain(const WindowServices &services, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_services(services)
{
    setObjectName(u"frmMain"_s);
    setWindowTitle(velmora::toQString(velmora::kProgramCaption));
    setFont(velmora::uifonts::windowFont());

    auto *client = new QWidget(this);
    client->setFixedSize(640, 365);
    setCentralWidget(client);
    buildMenus();
    buildStrips(client);

    m_pages = named(new QStackedWidget(client), "pages");
    m_pages->setGeometry(0, 32, 640, 287);
    fraMain = named(new QFrame(m_pages), "fraMain");
    fraResult = named(new QFrame(m_pages), "fraResult");
    m_pages->addWidget(fraMain);
    m_pages->addWidget(fraResult);

    buildInputPage();
    buildShortcuts();
    // The result page is built when the first reading needs it: the first
    // screen shows up sooner and takes less memory.

    // Window initialisation: the lists filled and preset, the input page in front.
    for (int day = 1; day <= 31; ++day)
        cboDate->addItem(QString::number(day));
    for (int month = 1; month <= 12; ++month)
        cboMonth->addItem(velmora::toQString(velmora::monthName(month)));
    for (int year = kFirstListYear; year <= kLastListYear; ++year)
        cboYear->addItem(QString::number(year));
    resetLists();
    m_pages->setCurrentWidget(fraMain);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    txtNameFirst->setFocus();
    // Alt+D belongs to "&Donate" and to "&Do It Once Again"; see eventFilter().
    qApp->installEventFilter(this);
}

frmMain::~frmMain() = default;

void frmMain::buildMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(u"&File"_s);
    mnuFile->setObjectName(u"mnuFile"_s);
    // The hidden calculate item still answers through its action.
    mnuCalculate = named(new QAction(this), "mnuCalculate");
    mnuCalculate->setVisible(false);
    connect(mnuCalculate, &QAction::triggered, this, &frmMain::proceed);
    mnuFile->addAction(mnuCalculate);
    QAction *mnuSep1 = mnuFile->addSeparator();
    mnuSep1->setObjectName(u"mnuSep1"_s);
    mnuSep1->setVisible(false);
    mnuExit = named(mnuFile->addAction(u"E&xit"_s), "mnuExit");
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);

    QMenu *mnuHelp = menuBar()->addMenu(u"&Help"_s);
    mnuHelp->setObjectName(u"mnuHelp"_s);
    mnuOnline = named(mnuHelp->addAction(u"&Online Help"_s), "mnuOnline");
    connect(mnuOnline, &QAction::triggered, this, [this] { velmora::OpenHelpPage(m_services.desktop); });
    mnuVisit = named(mnuHelp->addAction(u"&Visit Us Online"_s), "mnuVisit");
    connect(mnuVisit, &QAction::triggered, this, [this] { velmora::OpenHomePage(m_services.desktop); });
    mnuHelp->addSeparator()->setObjectName(u"mnuSep2"_s);
    mnuUpdate = named(mnuHelp->addAction(u"Check for Software &Update"_s), "mnuUpdate");
    connect(mnuUpdate, &QAction::triggered, this, [this] { velmora::OpenDownloadPage(m_services.desktop); });
    mnuHelp->addSeparator()->setObjectName(u"mnuSep3"_s);
    mnuAbout = named(mnuHelp->addAction(u"&About Software"_s), "mnuAbout");
    connect(mnuAbout, &QAction::triggered, this, [this] {
        frmAbout about(m_services.desktop, this);
        about.exec();
    });

    mnuDonate = named(menuBar()->addAction(u"&Donate"_s), "mnuDonate");
    connect(mnuDonate, &QAction::triggered, this, [this] { velmora::OpenDonationPage(m_services.desktop); });
    // The entry is never shown, so it stays out of the menu bar: there its
    // access key would still clash with "&Open Previously Saved Reading".
    mnuMakeMoney = named(new QAction(u"Make Money &Online"_s, this), "mnuMakeMoney");
    mnuMakeMoney->setVisible(false);
    mnuMakeMoney->setEnabled(false);
    connect(mnuMakeMoney, &QAction::triggered, this, [this] { velmora::OpenFullBrandPage(m_services.desktop); });
}

void frmMain::buildShortcuts()
{
    const auto addKey = [this](const char *name, const QKeySequence &key, auto slot) {
        auto *action = named(new QAction(this), name);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        return action;
    };
    m_openKey = addKey("keyOpen", QKeySequence(Qt::CTRL | Qt::Key_O), &frmMain::OpenReport);
    m_saveKey = addKey("keySave", QKeySequence(Qt::CTRL | Qt::Key_S), &frmMain::SaveReport);
    m_printKey = addKey("keyPrint", QKeySequence(Qt::CTRL | Qt::Key_P), &frmMain::printReport);
    addKey("keyExit", QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { mnuExit->trigger(); });
    addKey("keyHelp", QKeySequence(Qt::Key_F1), [this] { mnuOnline->trigger(); });
    // Open belongs to the input page, Save and Print to the result page; on the
    // other page the keys reach the focused control as before.
    connect(m_pages, &QStackedWidget::currentChanged, this, &frmMain::updateShortcuts);
    updateShortcuts();
}

void frmMain::updateShortcuts()
{
    const bool result = m_pages->currentWidget() == fraResult;
    m_openKey->setEnabled(!result);
    m_saveKey->setEnabled(result);
    m_printKey->setEnabled(result);
}

void frmMain::buildStrips(QWidget *client)
{
    Label14 = named(new LinkLabel(velmora::toQString(velmora::kForumInvitation),
                                  client),
                    "Label14");
    Label14->setGeometry(147, 0, 346, 29);
    Label14->setAlignment(Qt::AlignCenter);
    Label14->setFont(velmora::uifonts::windowFont(8.25, true));

    connect(Label14, &LinkLabel::clicked, this, [this] { velmora::OpenHomePage(m_services.desktop); });

    fraFullBrand = named(new QFrame(client), "fraFullBrand");
    fraFullBrand->setGeometry(0, 320, 640, 43);
    fraFullBrand->setFrameShape(QFrame::NoFrame);
    lblFullBrand = named(new LinkLabel(QLatin1StringView(kFullBrandOffer), fraFullBrand), "lblFullBrand");
    lblCobrand = named(new LinkLabel(QLatin1StringView(kCoBrandOffer), fraFullBrand), "lblCobrand");
    for (LinkLabel *label : {lblFullBrand, lblCobrand}) {
        label->setGeometry(0, 0, 640, 43);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setContentsMargins(8, 2, 8, 2);
        label->setAutoFillBackground(true);
        velmora::keepReadable(label, QPalette::Window, QPalette::Link, {velmora::kPromotionColour});
    }
    // Only the label in front shows: the one behind it is hidden, so that
    // neither the keyboard nor a screen reader comes upon it.
    lblFullBrand->hide();
    connect(lblFullBrand, &LinkLabel::clicked, this, [this] { velmora::OpenFullBrandPage(m_services.desktop); });
    connect(lblCobrand, &LinkLabel::clicked, this, [this] { velmora::OpenCoBrandPage(m_services.desktop); });
}

int frmMain::promotionDraw(double r)
{
    // std::nearbyint rounds an exact half to the even neighbour.
    return static_cast<int>(std::nearbyint(r * 6 + 1));
}

void frmMain::ChoosePromotionLabel()
{
    const int n = promotionDraw(m_services.random.random());
    LinkLabel *front = nullptr;
    if (n == 2 || n == 4 || n == 6)
        front = lblFullBrand;
    else if (n == 1 || n == 3 || n == 5)
        front = lblCobrand;
    if (front == nullptr)
        return;
    front->show();
    front->raise();
    (front == lblFullBrand ? lblCobrand : lblFullBrand)->hide();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // The last window: the invitation to refer a friend, which ends the
    // program when it closes.
    if (!m_closing) {
        m_closing = true;
        auto *tellAFriend = new frmTellAFriend(m_services.dialogs, m_services.desktop, m_services.random);
        tellAFriend->setAttribute(Qt::WA_DeleteOnClose);
        tellAFriend->show();
    }
    event->accept();
}

void frmMain::buildInputPage()
{
    static constexpr std::array<int, 3> kColumns = {88, 144, 200};
    static constexpr std::array<int, 3> kRows = {40, 112, 184};
    for (int k = 0; k < 9; ++k) {
        auto *picture = new DigitPicture(k + 1, fraMain);
        picture->setObjectName(u"picNo_%1"_s.arg(k));
        picture->setGeometry(kColumns[static_cast<std::size_t>(k % 3)], kRows[static_cast<std::size_t>(k / 3)], 38,
                             55);
        picNo[static_cast<std::size_t>(k)] = picture;
    }

    cmdOpen = named(new QPushButton(u"&Open Previously Saved Reading"_s, fraMain), "cmdOpen");
    cmdOpen->setGeometry(315, 16, 280, 25);
    cmdOpen->setFont(velmora::uifonts::windowFont(9, true));

    auto *intro = named(new QLabel(QLatin1StringView(kIntroText), fraMain), "lblLabel_6");
    intro->setGeometry(315, 48, 280, 57);
    intro->setWordWrap(true);
    intro->setFont(velmora::uifonts::windowFont(8.25, true));
    lblLabel[6] = intro;

    const auto addBox = [this](QGroupBox *frame, std::size_t labelIndex, int x, int width, const QString &caption,
                               QWidget *field) {
        auto *label = new QLabel(caption, frame);
        label->setObjectName(u"lblLabel_%1"_s.arg(labelIndex));
        label->setFont(velmora::uifonts::windowFont());
        field->setFont(velmora::uifonts::windowFont());
        // The caption sits clear of the frame's title and line, the box below
        // the caption and clear of the frame's bottom edge.
        static constexpr int kGap = 3;
        static constexpr int kFieldHeight = 21;
        const int labelHeight = label->sizeHint().height();
        const int fieldTop = std::min(frame->contentsRect().top() + kGap + labelHeight,
                                      frame->height() - kGap - kFieldHeight);
        label->setGeometry(x, fieldTop - labelHeight, width, labelHeight);
        label->setBuddy(field);
        field->setGeometry(x, fieldTop, width, kFieldHeight);
        field->setAccessibleName(caption);
        lblLabel[labelIndex] = label;
    };

    fraName = named(new QGroupBox(u"Name"_s, fraMain), "fraName");
    fraName->setGeometry(315, 112, 280, 60);
    fraName->setFont(velmora::uifonts::windowFont(8.25, true));
    txtNameFirst = named(new QLineEdit(fraName), "txtNameFirst");
    txtNameMiddle = named(new QLineEdit(fraName), "txtNameMiddle");
    txtNameLast = named(new QLineEdit(fraName), "txtNameLast");
    addBox(fraName, 3, 10, 80, u"First"_s, txtNameFirst);
    addBox(fraName, 4, 100, 80, u"Middle"_s, txtNameMiddle);
    addBox(fraName, 5, 190, 80, u"Last"_s, txtNameLast);
    new velmora::KeyFilter(txtNameFirst, m_services.dialogs, QLatin1StringView(kFirstNameRefused), isNameCharacter);
    new velmora::KeyFilter(txtNameMiddle, m_services.dialogs, QLatin1StringView(kMiddleNameRefused), isNameCharacter);
    new velmora::KeyFilter(txtNameLast, m_services.dialogs, QLatin1StringView(kLastNameRefused), isNameCharacter);

    fraDOB = named(new QGroupBox(u"Date Of Birth"_s, fraMain), "fraDOB");
    fraDOB->setGeometry(315, 180, 280, 60);
    fraDOB->setFont(velmora::uifonts::windowFont(8.25, true));
    cboDate = named(new QComboBox(fraDOB), "cboDate");
    cboMonth = named(new QComboBox(fraDOB), "cboMonth");
    cboYear = named(new QComboBox(fraDOB), "cboYear");
    addBox(fraDOB, 0, 10, 67, u"Date"_s, cboDate);
    addBox(fraDOB, 1, 87, 90, u"Month"_s, cboMonth);
    addBox(fraDOB, 2, 187, 80, u"Year"_s, cboYear);
    auto *listStyle = new ListPopupStyle;
    listStyle->setParent(this);
    for (QComboBox *list : {cboDate, cboMonth, cboYear}) {
        list->setStyle(listStyle);
        list->setMaxVisibleItems(kVisibleListRows);
    }

    cmdProceed = named(new QPushButton(u"&Get My Velmora Result"_s, fraMain), "cmdProceed");
    cmdProceed->setGeometry(315, 248, 280, 25);
    cmdProceed->setFont(velmora::uifonts::windowFont(8.25, true));
    connect(cmdProceed, &QPushButton::clicked, this, &frmMain::proceed);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::OpenReport);

    // The first name box has the focus; the tab order runs through the names,
    // the date lists and the button.
    setTabOrder(txtNameFirst, txtNameMiddle);
    setTabOrder(txtNameMiddle, txtNameLast);
    setTabOrder(txtNameLast, cboDate);
    setTabOrder(cboDate, cboMonth);
    setTabOrder(cboMonth, cboYear);
    setTabOrder(cboYear, cmdProceed);
    setTabOrder(cmdProceed, cmdOpen);
}

void frmMain::buildResultPage()
{
    if (TS != nullptr)
        return;
    TS = named(new ReadingTabBar(fraResult), "TS");
    TS->setFont(velmora::uifonts::windowFont());
    TS->setGeometry(3, 7, 632, ReadingTabBar::kRowHeight);

    m_readingFrames = named(new QStackedWidget(fraResult), "readingFrames");
    m_readingFrames->setFrameShape(QFrame::StyledPanel);
    for (const velmora::SectionDescriptor &section : velmora::sectionsOf(velmora::Part::Readings)) {
        const std::size_t k = velmora::indexOf(section.id);
        TS->addTab(velmora::toQString(section.caption));
        auto *frame = named(new QFrame(m_readingFrames), kFrameNames[k]);
        auto *view = new ReadingView(frame);
        view->setObjectName(u"RTB_%1"_s.arg(k));
        auto *layout = new QVBoxLayout(frame);
        layout->setContentsMargins(8, 8, 8, 8);
        layout->addWidget(view);
        // Named after its tab, but not the same: a screen reader tells the two apart.
        view->setAccessibleName(TS->tabText(static_cast<int>(k)) + u" reading"_s);
        view->viewport()->setMouseTracking(true);
        connect(view, &QTextEdit::textChanged, this, [this] { m_services.desktop.clearClipboard(); });
        m_readingFrames->addWidget(frame);
        m_frames[k] = frame;
        RTB[k] = view;
    }
    // The reading frames lie just below the row of tabs.
    m_readingFrames->setGeometry(3, 47, 632, 203);
    connect(TS, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0)
            m_readingFrames->setCurrentIndex(index);
    });

    cmdSave = named(new QPushButton(u"&Save"_s, fraResult), "cmdSave");
    cmdSave->setGeometry(8, 257, 67, 25);
    cmdBack = named(new QPushButton(u"&Do It Once Again"_s, fraResult), "cmdBack");
    cmdBack->setGeometry(355, 257, 280, 25);
    for (QPushButton *button : {cmdSave, cmdBack})
        button->setFont(velmora::uifonts::windowFont(8.25, true));
    connect(cmdBack, &QPushButton::clicked, this, &frmMain::doItOnceAgain);
    connect(cmdSave, &QPushButton::clicked, this, &frmMain::SaveReport);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    // On the result page Alt+D is "&Do It Once Again"; on the input page,
    // where that button is hidden, it is "&Donate".
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_D && key->modifiers() == Qt::AltModifier && isActiveWindow()
            && m_pages->currentWidget() == fraResult) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                cmdBack->click();
            return true;
        }
        return QMainWindow::eventFilter(watched, event);
    }
    const bool overReading = std::any_of(RTB.begin(), RTB.end(),
                                         [watched](ReadingView *view) { return view && view->viewport() == watched; });
    if (!overReading)
        return QMainWindow::eventFilter(watched, event);
    // Any mouse activity over a reading empties the clipboard.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        m_services.desktop.clearClipboard();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::showMessage(MessageIcon icon, const QString &text)
{
    m_services.dialogs.showMessage(this, velmora::Message{icon, text, QString(velmora::kApplicationTitle)});
}

bool frmMain::ValidateInput()
{
    if (velmora::trimSpaces(txtNameFirst->text()).isEmpty()) {
        showMessage(MessageIcon::Critical, QLatin1StringView(kEnterFirstName));
        txtNameFirst->setFocus();
        return false;
    }
    const int year = cboYear->currentText().toInt();
    const int day = cboDate->currentIndex() + 1;
    const int month = cboMonth->currentIndex() + 1;
    if (month == 2 && day > velmora::daysInMonth(2, year)) {
        showMessage(MessageIcon::Information, QLatin1StringView(kWrongFebruaryDate));
        return false;
    }
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31) {
        showMessage(MessageIcon::Information, QLatin1StringView(kWrongThirtyDayDate));
        return false;
    }
    if (velmora::trimSpaces(txtNameLast->text()).isEmpty()) {
        showMessage(MessageIcon::Critical, QLatin1StringView(kEnterLastName));
        txtNameLast->setFocus();
        return false;
    }
    return true;
}

void frmMain::fillBirthData()
{
    m_birthData.FirstName = velmora::trimSpaces(txtNameFirst->text()).toStdString();
    m_birthData.MiddleName = velmora::trimSpaces(txtNameMiddle->text()).toStdString();
    m_birthData.LastName = velmora::trimSpaces(txtNameLast->text()).toStdString();
    m_birthData.BirthDay = static_cast<std::int16_t>(cboDate->currentIndex() + 1);
    m_birthData.BirthMonth = static_cast<std::int16_t>(cboMonth->currentIndex() + 1);
    m_birthData.BirthMonthName = velmora::trimSpaces(cboMonth->currentText()).toStdString();
    m_birthData.BirthYear = static_cast<std::int16_t>(velmora::trimSpaces(cboYear->currentText()).toInt());
}

void frmMain::RunCalculations()
{
    buildResultPage();
    // With its working and today's personal cycles, for the printout.
    m_chart.emplace(velmora::chartOf(m_birthData, velmora::classicSystem(),
                                     velmora::calendarDate(m_services.clock.today()), true));
    for (const velmora::SectionDescriptor &section : velmora::sectionsOf(velmora::Part::Readings))
        RTB[velmora::indexOf(section.id)]->showReading(m_chart->reading(section.id));
}

void frmMain::ShowResultPage()
{
    buildResultPage();
    TS->setCurrentIndex(0);
    m_readingFrames->setCurrentWidget(m_frames[0]);
    m_pages->setCurrentWidget(fraResult);
}

void frmMain::proceed()
{
    if (!ValidateInput())
        return;
    fillBirthData();
    RunCalculations();
    ShowResultPage();
}

QString frmMain::chooseReportFile(velmora::FileDialogRequest request)
{
    // A folder gone, unreadable or on a pseudo file system is neither where a
    // dialog starts nor remembered: the documents folder stands in for it.
    request.folder = m_services.settings.settingsValue(QLatin1StringView(kFolderSection), QLatin1StringView(kFolderKey));
    if (!request.folder.isEmpty() && !velmora::isUsableFolder(request.folder))
        request.folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString fileName = m_services.dialogs.chooseFile(this, request);
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!fileName.isEmpty() && velmora::isUsableFolder(folder))
        m_services.settings.setSettingsValue(QLatin1StringView(kFolderSection), QLatin1StringView(kFolderKey), folder);
    return fileName;
}

void frmMain::SaveReport()
{
    const QString fileName = chooseReportFile(velmora::FileDialogRequest{
        velmora::FileDialogRequest::Mode::Save, QLatin1StringView(kSaveTitle), QLatin1StringView(kSaveFilter),
        QLatin1StringView(kReportSuffix), {}});
    if (fileName.isEmpty())
        return;
    // A failed save leaves any earlier file as it was, and says so.
    if (!velmora::saveReportFile(fileName, m_birthData))
        showMessage(MessageIcon::Critical, QLatin1StringView(kNotSaved));
}

void frmMain::OpenReport()
{
    const QString fileName = chooseReportFile(velmora::FileDialogRequest{
        velmora::FileDialogRequest::Mode::Open, QLatin1StringView(kOpenTitle), QLatin1StringView(kOpenFilter),
        QLatin1StringView(kReportSuffix), {}});
    if (!fileName.isEmpty())
        openReportFile(fileName);
}

void frmMain::openReportFile(const QString &fileName, const QString &readFrom)
{
    // A file that does not hold sound birth data changes nothing: no reading
    // is made up from it.
    const std::optional<velmora::BirthData> data =
        velmora::hasReportExtension(fileName) ? velmora::loadReportFile(readFrom) : std::nullopt;
    if (!data) {
        showMessage(MessageIcon::Critical, velmora::kCheckTheFile);
        return;
    }
    // The input page keeps what it holds; only the readings show the file's person.
    m_birthData = *data;
    RunCalculations();
    ShowResultPage();
}

void frmMain::printReport()
{
    // The printout takes today as the date of interest: a window left open
    // past midnight prints the new day's cycles.
    const velmora::CalendarDate today = velmora::calendarDate(m_services.clock.today());
    if (!m_chart || m_chart->dateOfInterest() != today)
        m_chart.emplace(velmora::chartOf(m_birthData, velmora::classicSystem(), today, true));
    const velmora::PrintOutcome outcome = m_services.printing.print(
        this, {velmora::documentTitle(m_birthData), velmora::documentCreator(), velmora::localePageSize(),
               [this](QPagedPaintDevice &printer) {
                   // The summary page before the readings; no practice's heading.
                   velmora::ReportOptions options;
                   options.sections = velmora::printoutSectionNames();
                   options.preparedOn = m_services.clock.today();
                   return velmora::paintReadings(printer, *m_chart, options);
               },
               velmora::readingsPdfFileName(m_birthData)});
    if (outcome == velmora::PrintOutcome::Failed)
        showMessage(MessageIcon::Critical, QLatin1StringView(kNotPrinted));
}

void frmMain::comeToFront()
{
    velmora::bringToFront(*this);
}

void frmMain::resetLists()
{
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
}

void frmMain::doItOnceAgain()
{
    txtNameFirst->clear();
    txtNameMiddle->clear();
    txtNameLast->clear();
    txtNameFirst->setFocus();
    resetLists();
    m_pages->setCurrentWidget(fraMain);
}
