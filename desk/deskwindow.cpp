// SPDX-License-Identifier: MIT
#include "deskwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QShowEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

#include "chartview.h"
#include "compareview.h"
#include "enginetext.h"
#include "forecastview.h"
#include "personform.h"
#include "platform.h"
#include "practice.h"
#include "readingdocument.h"
#include "reportfile.h"
#include "system.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {
namespace {

constexpr QLatin1StringView kTitle{"Tavi Velmora Desk"};
constexpr QLatin1StringView kSection{"Desk"};
constexpr QLatin1StringView kNotPrinted{"The report could not be printed."};
constexpr QLatin1StringView kHelpText{
    "Type the client's names and date of birth at the top, choose the system "
    "and the date of interest; the pages show the chart, the forecast and a "
    "comparison with a second person.\n\n"
    "Chart: choose a number to read its reading and how it was found.\n"
    "Forecast: step by month (Ctrl+Page Up, Ctrl+Page Down) and by year "
    "(Ctrl+Shift+Page Up, Ctrl+Shift+Page Down); tick Personal Days and "
    "weekdays to make them stand out.\n"
    "Compare: type a second person.\n\n"
    "Ctrl+N a new client, Ctrl+O open a report file, Ctrl+P print, "
    "Ctrl+1 to Ctrl+3 the pages, F1 this help."};

// What a print to a file, or a saved PDF, proposes: the readings named after
// the person in the documents folder. A '/' would lead into a folder, and a
// name has at most 255 bytes.
QString pdfFileName(const BirthData &person)
{
    QString name = u"Velmora readings - "_s + toQString(fullName(person));
    name.replace(u'/', u'-');
    const QString suffix = u".pdf"_s;
    while (QFile::encodeName(name + suffix).size() > 255)
        name.chop(name.size() > 1 && name.back().isLowSurrogate() ? 2 : 1);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!isUsableFolder(folder))
        folder = QDir::homePath();
    return QDir(folder).filePath(name + suffix);
}

} // namespace

DeskWindow::DeskWindow(Platform &platform, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_system(&classicSystem())
    , m_person(new PersonForm(u"txtClient"_s, u"Client's"_s, this))
    , m_systemBox(new QComboBox(this))
    , m_interest(new QDateEdit(this))
    , m_pages(new QTabWidget(this))
    , m_chartView(new ChartView(this))
    , m_forecast(new ForecastView(this))
    , m_compare(new CompareView(this))
{
    setObjectName(u"frmDesk"_s);
    setWindowTitle(kTitle);

    for (const System *system : systems())
        m_systemBox->addItem(toQString(system->name), toQString(system->key));
    m_systemBox->setObjectName(u"cboSystem"_s);
    m_systemBox->setAccessibleName(u"Numerology system"_s);
    m_interest->setObjectName(u"dtInterest"_s);
    m_interest->setAccessibleName(u"Date of interest"_s);
    m_interest->setDisplayFormat(u"yyyy-MM-dd"_s);
    m_interest->setCalendarPopup(true);
    m_interest->setDateRange(QDate(kMinYear, 1, 1), QDate(kMaxYear, 12, 31));
    m_interest->setDate(m_platform.today());
    auto *today = new QPushButton(u"&Today"_s, this);
    today->setObjectName(u"cmdToday"_s);
    today->setAccessibleName(u"Date of interest: today"_s);

    auto *top = new QHBoxLayout;
    auto *systemLabel = new QLabel(u"&System:"_s, this);
    systemLabel->setBuddy(m_systemBox);
    auto *interestLabel = new QLabel(u"&Date of interest:"_s, this);
    interestLabel->setBuddy(m_interest);
    top->addWidget(systemLabel);
    top->addWidget(m_systemBox);
    top->addSpacing(fontMetrics().averageCharWidth() * 2);
    top->addWidget(interestLabel);
    top->addWidget(m_interest);
    top->addWidget(today);
    top->addStretch(1);

    m_pages->setObjectName(u"tabsClient"_s);
    m_pages->setAccessibleName(u"Client's pages"_s);
    m_pages->addTab(m_chartView, u"&Chart"_s);
    m_pages->addTab(m_forecast, u"&Forecast"_s);
    m_pages->addTab(m_compare, u"Co&mpare"_s);

    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_person);
    layout->addLayout(top);
    layout->addWidget(m_pages, 1);
    setCentralWidget(page);
    statusBar()->setObjectName(u"statusBar"_s);

    connect(m_person, &PersonForm::changed, this, &DeskWindow::recompute);
    connect(m_systemBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (const System *system = findSystem(m_systemBox->itemData(index).toString().toStdString()))
            setSystem(*system);
    });
    connect(m_interest, &QDateEdit::dateChanged, this, [this](QDate date) {
        m_forecast->showMonth(date);
        recompute();
    });
    connect(today, &QPushButton::clicked, this, [this] { setDateOfInterest(m_platform.today()); });

    buildMenus();
    m_forecast->showMonth(m_interest->date());
    recompute();
}

DeskWindow::~DeskWindow() = default;

void DeskWindow::buildMenus()
{
    const auto action = [this](QMenu *menu, const QString &name, const QString &text, const QKeySequence &keys,
                               auto slot) {
        QAction *made = menu->addAction(text);
        made->setObjectName(name);
        made->setShortcut(keys);
        connect(made, &QAction::triggered, this, slot);
        return made;
    };
    QMenu *file = menuBar()->addMenu(u"&File"_s);
    action(file, u"actNewClient"_s, u"&New Client"_s, QKeySequence::New, &DeskWindow::newClient);
    action(file, u"actOpenReport"_s, u"&Open Report File\u2026"_s, QKeySequence::Open, [this] {
        const QString chosen = m_platform.chooseFile(
            this, {FileDialogRequest::Mode::Open, u"Open Report File"_s, u"Reports (*.vlm)"_s, u"vlm"_s, {}});
        if (!chosen.isEmpty())
            openReportFile(chosen);
    });
    file->addSeparator();
    m_printAction = action(file, u"actPrint"_s, u"&Print\u2026"_s, QKeySequence::Print, &DeskWindow::printReport);
    m_pdfAction = action(file, u"actSavePdf"_s, u"Save as P&DF\u2026"_s, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                         &DeskWindow::saveReportPdf);
    file->addSeparator();
    action(file, u"actQuit"_s, u"&Quit"_s, QKeySequence::Quit, [this] { close(); });

    QMenu *view = menuBar()->addMenu(u"&View"_s);
    const std::array<QString, 3> pages = {u"&Chart"_s, u"&Forecast"_s, u"Co&mpare"_s};
    for (int k = 0; k < 3; ++k)
        action(view, u"actPage%1"_s.arg(k + 1), pages[static_cast<std::size_t>(k)],
               QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + k)), [this, k] { m_pages->setCurrentIndex(k); });
    view->addSeparator();
    QMenu *systemMenu = view->addMenu(u"&System"_s);
    m_systemActions = new QActionGroup(this);
    for (const System *system : systems()) {
        QAction *choice = systemMenu->addAction(toQString(system->name));
        choice->setObjectName(u"actSystem_"_s + toQString(system->key));
        choice->setCheckable(true);
        choice->setChecked(system == m_system);
        m_systemActions->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, system] { setSystem(*system); });
    }
    action(view, u"actToday"_s, u"Date of Interest: &Today"_s, QKeySequence(Qt::CTRL | Qt::Key_T),
           [this] { setDateOfInterest(m_platform.today()); });

    QMenu *forecast = menuBar()->addMenu(u"F&orecast"_s);
    const auto step = [this](int months) {
        return [this, months] {
            showPage(Page::Forecast);
            m_forecast->stepMonths(months);
        };
    };
    action(forecast, u"actPreviousMonth"_s, u"&Previous Month"_s, QKeySequence(Qt::CTRL | Qt::Key_PageUp), step(-1));
    action(forecast, u"actNextMonth"_s, u"&Next Month"_s, QKeySequence(Qt::CTRL | Qt::Key_PageDown), step(1));
    action(forecast, u"actPreviousYear"_s, u"P&revious Year"_s, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp),
           step(-12));
    action(forecast, u"actNextYear"_s, u"N&ext Year"_s, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown),
           step(12));

    QMenu *help = menuBar()->addMenu(u"&Help"_s);
    action(help, u"actHelp"_s, u"&Help"_s, QKeySequence::HelpContents, &DeskWindow::showHelp);
}

void DeskWindow::setSystem(const System &system)
{
    if (m_system == &system)
        return;
    m_system = &system;
    {
        const QSignalBlocker block(m_systemBox);
        m_systemBox->setCurrentIndex(m_systemBox->findData(toQString(system.key)));
    }
    for (QAction *choice : m_systemActions->actions())
        choice->setChecked(choice->objectName() == u"actSystem_"_s + toQString(system.key));
    recompute();
}

void DeskWindow::setDateOfInterest(QDate date)
{
    m_interest->setDate(date);
}

QDate DeskWindow::dateOfInterest() const
{
    return m_interest->date();
}

void DeskWindow::showPage(Page page)
{
    m_pages->setCurrentIndex(static_cast<int>(page));
}

DeskWindow::Page DeskWindow::page() const
{
    return static_cast<Page>(m_pages->currentIndex());
}

void DeskWindow::recompute()
{
    const std::optional<BirthData> person = m_person->person();
    const CalendarDate interest = calendarDate(m_interest->date());
    if (person)
        m_chart.emplace(chartOf(*person, *m_system, interest, true));
    else
        m_chart.reset();
    if (m_chart)
        m_chartView->showChart(*m_chart);
    else
        m_chartView->clear();
    m_forecast->showPerson(person, *m_system);
    m_compare->showClient(person, *m_system, interest);
    m_printAction->setEnabled(person.has_value());
    m_pdfAction->setEnabled(person.has_value());
    setWindowTitle(person ? toQString(fullName(*person)) + u" \u2013 "_s + kTitle : QString(kTitle));
}

void DeskWindow::newClient()
{
    m_person->clear();
    m_person->findChild<QWidget *>(u"txtClientFirst"_s)->setFocus(Qt::ShortcutFocusReason);
    showPage(Page::Chart);
}

bool DeskWindow::openReportFile(const QString &fileName)
{
    QString reason;
    const std::optional<BirthData> person = loadReportFile(fileName, &reason);
    QString problem;
    if (!person)
        problem = reason.isEmpty() ? QString(kCheckTheFile) : reason;
    else if (!m_person->setPerson(*person))
        problem = u"The date of birth in it is not a date of the calendar."_s;
    if (!problem.isEmpty()) {
        m_platform.showMessage(this, {MessageIcon::Critical, u"%1\n%2"_s.arg(QDir::toNativeSeparators(fileName), problem),
                                      QString(kTitle), MessageButtons::Ok});
        return false;
    }
    statusBar()->showMessage(u"Opened %1"_s.arg(QDir::toNativeSeparators(fileName)));
    return true;
}

void DeskWindow::comeToFront()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

ReportOptions DeskWindow::reportOptions()
{
    // The practice's heading as the tool's report has it; a logo that cannot
    // be read leaves the heading without it.
    ReportOptions options;
    options.practice = readPracticeFile(practiceFilePath());
    if (!options.practice.logoFile.isEmpty()) {
        QString problem;
        if (const std::optional<QImage> logo = loadLogo(options.practice.logoFile, &problem))
            options.logo = *logo;
    }
    options.preparedOn = m_platform.today();
    return options;
}

void DeskWindow::printReport()
{
    if (!m_chart)
        return;
    const Chart &chart = *m_chart;
    const PrintOutcome outcome = m_platform.print(
        this, {documentTitle(chart.person()), documentCreator(), localePageSize(),
               [&chart, options = reportOptions()](QPagedPaintDevice &printer) {
                   return paintReadings(printer, chart, options);
               },
               pdfFileName(chart.person())});
    if (outcome == PrintOutcome::Failed)
        m_platform.showMessage(this, {MessageIcon::Critical, kNotPrinted, QString(kTitle), MessageButtons::Ok});
}

void DeskWindow::saveReportPdf()
{
    if (!m_chart)
        return;
    FileDialogRequest request{FileDialogRequest::Mode::Save, u"Save as PDF"_s, u"PDF documents (*.pdf)"_s, u"pdf"_s,
                              QFileInfo(pdfFileName(m_chart->person())).absolutePath()};
    const QString fileName = m_platform.chooseFile(this, request);
    if (fileName.isEmpty())
        return;
    const QByteArray pdf = readingsPdf(*m_chart, localePageSize(), reportOptions());
    QSaveFile file(fileName);
    if (pdf.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit()) {
        m_platform.showMessage(this, {MessageIcon::Critical,
                                      u"%1\nThe PDF was not saved: %2"_s.arg(QDir::toNativeSeparators(fileName),
                                                                            pdf.isEmpty() ? u"it could not be drawn"_s
                                                                                          : file.errorString()),
                                      QString(kTitle), MessageButtons::Ok});
        return;
    }
    statusBar()->showMessage(u"Saved %1"_s.arg(QDir::toNativeSeparators(fileName)));
}

void DeskWindow::showHelp()
{
    m_platform.showMessage(this, {MessageIcon::Information, kHelpText, QString(kTitle), MessageButtons::Ok});
}

void DeskWindow::restoreState()
{
    const auto value = [this](const QString &key) { return m_platform.settingsValue(kSection, key); };
    restoreGeometry(QByteArray::fromBase64(value(u"Geometry"_s).toLatin1()));
    QMainWindow::restoreState(QByteArray::fromBase64(value(u"State"_s).toLatin1()));
    // The splitter takes its sizes once the window has its own: before, the
    // space it gains on showing would all go to the reading.
    m_pendingSplitter = QByteArray::fromBase64(value(u"ChartSplitter"_s).toLatin1());
    if (const System *system = findSystem(value(u"System"_s).toStdString()))
        setSystem(*system);
    const int page = value(u"Page"_s).toInt();
    if (page >= 0 && page < m_pages->count())
        m_pages->setCurrentIndex(page);
    BirthData person;
    person.FirstName = value(u"First"_s).toStdString();
    person.MiddleName = value(u"Middle"_s).toStdString();
    person.LastName = value(u"Last"_s).toStdString();
    const QDate birth = QDate::fromString(value(u"Birth"_s), Qt::ISODate);
    if (!person.FirstName.empty() && birth.isValid()) {
        person.BirthDay = static_cast<std::int16_t>(birth.day());
        person.BirthMonth = static_cast<std::int16_t>(birth.month());
        person.BirthYear = static_cast<std::int16_t>(birth.year());
        m_person->setPerson(person);
    }
}

void DeskWindow::saveState()
{
    const auto keep = [this](const QString &key, const QString &value) {
        m_platform.setSettingsValue(kSection, key, value);
    };
    keep(u"Geometry"_s, QString::fromLatin1(saveGeometry().toBase64()));
    keep(u"State"_s, QString::fromLatin1(QMainWindow::saveState().toBase64()));
    if (auto *splitter = m_chartView->findChild<QSplitter *>(u"chartSplitter"_s))
        keep(u"ChartSplitter"_s, QString::fromLatin1(splitter->saveState().toBase64()));
    keep(u"System"_s, toQString(m_system->key));
    keep(u"Page"_s, QString::number(m_pages->currentIndex()));
    const std::optional<BirthData> person = m_person->person();
    keep(u"First"_s, person ? toQString(person->FirstName) : QString());
    keep(u"Middle"_s, person ? toQString(person->MiddleName) : QString());
    keep(u"Last"_s, person ? toQString(person->LastName) : QString());
    keep(u"Birth"_s, person ? QDate(person->BirthYear, person->BirthMonth, person->BirthDay).toString(Qt::ISODate)
                            : QString());
}

void DeskWindow::closeEvent(QCloseEvent *event)
{
    saveState();
    event->accept();
}

void DeskWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_pendingSplitter.isEmpty())
        return;
    if (auto *splitter = m_chartView->findChild<QSplitter *>(u"chartSplitter"_s))
        splitter->restoreState(std::exchange(m_pendingSplitter, {}));
}

void DeskWindow::changeEvent(QEvent *event)
{
    // The readings are written in the palette's colours: a new theme writes them again.
    if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) && m_pdfAction != nullptr)
        recompute();
    QMainWindow::changeEvent(event);
}

} // namespace velmora::desk
