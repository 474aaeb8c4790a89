// SPDX-License-Identifier: MIT
#include "frmmain.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QVBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>

#include "digitpicture.h"
#include "keyfilter.h"
#include "readingtabbar.h"
#include "readingview.h"
#include "uifonts.h"

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

constexpr std::array<const char *, 12> kMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                                                      "July",    "August",   "September", "October", "November", "December"};
constexpr int kFirstListYear = 1900;
constexpr int kLastListYear = 2050;

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

frmMain::frmMain(velmora::Platform &platform, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_platform(platform)
{
    setObjectName(u"frmMain"_s);
    setWindowTitle(QString(velmora::kWindowCaption));
    setFont(uifonts::windowFont());

    auto *client = new QWidget(this);
    client->setFixedSize(640, 365);
    setCentralWidget(client);

    m_pages = named(new QStackedWidget(client), "pages");
    m_pages->setGeometry(0, 32, 640, 287);
    fraMain = named(new QFrame(m_pages), "fraMain");
    fraResult = named(new QFrame(m_pages), "fraResult");
    m_pages->addWidget(fraMain);
    m_pages->addWidget(fraResult);

    buildInputPage();
    buildResultPage();

    // Window initialisation: the lists filled and preset, the input page in front.
    for (int day = 1; day <= 31; ++day)
        cboDate->addItem(QString::number(day));
    for (const char *month : kMonthNames)
        cboMonth->addItem(QLatin1StringView(month));
    for (int year = kFirstListYear; year <= kLastListYear; ++year)
        cboYear->addItem(QString::number(year));
    resetLists();
    m_pages->setCurrentWidget(fraMain);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    txtNameFirst->setFocus();
}

frmMain::~frmMain() = default;

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
    cmdOpen->setFont(uifonts::windowFont(9, true));

    auto *intro = named(new QLabel(QLatin1StringView(kIntroText), fraMain), "lblLabel_6");
    intro->setGeometry(315, 48, 280, 57);
    intro->setWordWrap(true);
    intro->setFont(uifonts::windowFont(8.25, true));
    lblLabel[6] = intro;

    const auto addBox = [this](QGroupBox *frame, std::size_t labelIndex, int x, int width, const QString &caption,
                               QWidget *field) {
        auto *label = new QLabel(caption, frame);
        label->setObjectName(u"lblLabel_%1"_s.arg(labelIndex));
        label->setGeometry(x, 16, width, 16);
        label->setBuddy(field);
        field->setGeometry(x, 32, width, 21);
        field->setAccessibleName(caption);
        lblLabel[labelIndex] = label;
    };

    fraName = named(new QGroupBox(u"Name"_s, fraMain), "fraName");
    fraName->setGeometry(315, 112, 280, 60);
    txtNameFirst = named(new QLineEdit(fraName), "txtNameFirst");
    txtNameMiddle = named(new QLineEdit(fraName), "txtNameMiddle");
    txtNameLast = named(new QLineEdit(fraName), "txtNameLast");
    addBox(fraName, 3, 10, 80, u"First"_s, txtNameFirst);
    addBox(fraName, 4, 100, 80, u"Middle"_s, txtNameMiddle);
    addBox(fraName, 5, 190, 80, u"Last"_s, txtNameLast);
    new velmora::KeyFilter(txtNameFirst, m_platform, QLatin1StringView(kFirstNameRefused), isNameCharacter);
    new velmora::KeyFilter(txtNameMiddle, m_platform, QLatin1StringView(kMiddleNameRefused), isNameCharacter);
    new velmora::KeyFilter(txtNameLast, m_platform, QLatin1StringView(kLastNameRefused), isNameCharacter);

    fraDOB = named(new QGroupBox(u"Date Of Birth"_s, fraMain), "fraDOB");
    fraDOB->setGeometry(315, 180, 280, 60);
    cboDate = named(new QComboBox(fraDOB), "cboDate");
    cboMonth = named(new QComboBox(fraDOB), "cboMonth");
    cboYear = named(new QComboBox(fraDOB), "cboYear");
    addBox(fraDOB, 0, 10, 67, u"Date"_s, cboDate);
    addBox(fraDOB, 1, 87, 90, u"Month"_s, cboMonth);
    addBox(fraDOB, 2, 187, 80, u"Year"_s, cboYear);
    for (QComboBox *list : {cboDate, cboMonth, cboYear})
        list->setMaxVisibleItems(12);

    for (QGroupBox *frame : {fraName, fraDOB})
        frame->setFont(uifonts::windowFont(8.25, true));
    for (QLabel *label : {lblLabel[0], lblLabel[1], lblLabel[2], lblLabel[3], lblLabel[4], lblLabel[5]})
        label->setFont(uifonts::windowFont());
    for (QWidget *field : std::initializer_list<QWidget *>{txtNameFirst, txtNameMiddle, txtNameLast, cboDate,
                                                           cboMonth, cboYear})
        field->setFont(uifonts::windowFont());

    cmdProceed = named(new QPushButton(u"&Get My Velmora Result"_s, fraMain), "cmdProceed");
    cmdProceed->setGeometry(315, 248, 280, 25);
    cmdProceed->setFont(uifonts::windowFont(8.25, true));
    connect(cmdProceed, &QPushButton::clicked, this, &frmMain::proceed);

    // The first name box has the focus; the tab order runs through the names,
    // the date lists and the button.
    cmdOpen->setFocusPolicy(Qt::ClickFocus);
    setTabOrder(txtNameFirst, txtNameMiddle);
    setTabOrder(txtNameMiddle, txtNameLast);
    setTabOrder(txtNameLast, cboDate);
    setTabOrder(cboDate, cboMonth);
    setTabOrder(cboMonth, cboYear);
    setTabOrder(cboYear, cmdProceed);
}

void frmMain::buildResultPage()
{
    TS = named(new ReadingTabBar(fraResult), "TS");
    TS->setFont(uifonts::windowFont(7.5));
    TS->setGeometry(3, 7, 632, 40);

    m_readingFrames = named(new QStackedWidget(fraResult), "readingFrames");
    m_readingFrames->setFrameShape(QFrame::StyledPanel);
    for (std::size_t k = 0; k < velmora::kReadingCount; ++k) {
        TS->addTab(QString::fromUtf8(velmora::kReadingCaptions[k].data(),
                                     static_cast<qsizetype>(velmora::kReadingCaptions[k].size())));
        auto *frame = named(new QFrame(m_readingFrames), kFrameNames[k]);
        auto *view = new ReadingView(frame);
        view->setObjectName(u"RTB_%1"_s.arg(k));
        auto *layout = new QVBoxLayout(frame);
        layout->setContentsMargins(8, 8, 8, 8);
        layout->addWidget(view);
        view->setAccessibleName(TS->tabText(static_cast<int>(k)));
        view->viewport()->setMouseTracking(true);
        view->viewport()->installEventFilter(this);
        connect(view, &QTextEdit::textChanged, this, [this] { m_platform.clearClipboard(); });
        m_readingFrames->addWidget(frame);
        m_frames[k] = frame;
        RTB[k] = view;
    }
    TS->setGeometry(3, 7, 632, TS->sizeHint().height());
    m_readingFrames->setGeometry(3, TS->geometry().bottom(), 632, 250 - TS->geometry().bottom());
    connect(TS, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0)
            m_readingFrames->setCurrentIndex(index);
    });

    cmdSave = named(new QPushButton(u"&Save"_s, fraResult), "cmdSave");
    cmdSave->setGeometry(8, 257, 67, 25);
    cmdBack = named(new QPushButton(u"&Do It Once Again"_s, fraResult), "cmdBack");
    cmdBack->setGeometry(355, 257, 280, 25);
    for (QPushButton *button : {cmdSave, cmdBack})
        button->setFont(uifonts::windowFont(8.25, true));
    connect(cmdBack, &QPushButton::clicked, this, &frmMain::doItOnceAgain);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    // Any mouse activity over a reading empties the clipboard.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        m_platform.clearClipboard();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::showMessage(MessageIcon icon, const QString &text)
{
    m_platform.showMessage(this, velmora::Message{icon, text, QString(velmora::kApplicationTitle)});
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
    const velmora::Results results = velmora::calculateAll(m_birthData);
    m_numbers = results.numbers;
    for (std::size_t k = 0; k < velmora::kReadingCount; ++k)
        RTB[k]->showReading(results.readings[k]);
}

void frmMain::ShowResultPage()
{
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
