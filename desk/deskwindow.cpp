// SPDX-License-Identifier: MIT
#include "deskwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QShowEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

#include "chartview.h"
#include "clientspanel.h"
#include "chosenfile.h"
#include "compareview.h"
#include "enginetext.h"
#include "forecastview.h"
#include "namesview.h"
#include "notesview.h"
#include "personform.h"
#include "platform.h"
#include "practice.h"
#include "readingdocument.h"
#include "readingsfile.h"
#include "reportfile.h"
#include "system.h"
#include "variantsdocument.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {
namespace {

constexpr QLatin1StringView kTitle{"Tavi Velmora Desk"};
constexpr QLatin1StringView kSection{"Desk"};
constexpr QLatin1StringView kNotPrinted{"The report could not be printed."};
// What waits while an import holds the book: a write would wait for the import's transaction.
constexpr QLatin1StringView kWaitForImport{"%1 waits until the import ends."};
constexpr QLatin1StringView kHelpText{
    "Find a client down the left side (Ctrl+F: a name part, a date or tag:word), "
    "or type a person's names and date of birth at the top and keep them as a "
    "client. Choose the system and the date of interest; the pages show the "
    "chart, the forecast, a comparison with a second person and the client's "
    "notes and history. Every change to a client is saved at once.\n\n"
    "Chart: choose a number to read its reading and how it was found.\n"
    "Forecast: step by month (Ctrl+Page Up, Ctrl+Page Down) and by year "
    "(Ctrl+Shift+Page Up, Ctrl+Shift+Page Down); tick Personal Days and "
    "weekdays to make them stand out; export the months chosen as a calendar "
    "file or PDF (with days ticked, the calendar file holds only those days).\n"
    "Compare: type a second person, or find a client of the book.\n"
    "Names: the client's names and their numbers; type alternatives of each "
    "name part apart by bars (Jon|John) and the numbers wished for, weigh the "
    "spellings, and keep the one chosen as a later name.\n"
    "Notes and History: link the client to another client found by name.\n\n"
    "Ctrl+N a new client, Ctrl+O open a report file, Ctrl+I import clients (a report or CSV), "
    "Ctrl+Shift+E export them as CSV, Ctrl+Z undo the last edit or removal of a client, "
    "Ctrl+P print, Ctrl+1 to Ctrl+5 the pages, F1 this help."};

// Which parts of a client two copies differ in, one bit each, so that
// typing on in one part makes one edit to undo, not one for each pause.
unsigned changedParts(const book::Client &a, const book::Client &b)
{
    unsigned parts = 0;
    unsigned bit = 1;
    for (const bool differs : {a.first != b.first, a.middle != b.middle, a.last != b.last, a.birth != b.birth,
                               a.laterNames != b.laterNames, a.nameInUse != b.nameInUse, a.notes != b.notes,
                               a.tags != b.tags, a.links != b.links, a.system != b.system}) {
        if (differs)
            parts |= bit;
        bit <<= 1;
    }
    return parts;
}

QString clientNamed(const book::Client &client)
{
    return u"%1 (client %2)"_s.arg(book::nameInUse(client)).arg(client.id);
}

// Alike in all the clients list shows of a client and finds it by.
bool listedAlike(const book::Client &a, const book::Client &b)
{
    return a.first == b.first && a.middle == b.middle && a.last == b.last && a.birth == b.birth
        && a.laterNames == b.laterNames && a.nameInUse == b.nameInUse && a.tags == b.tags;
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
    , m_names(new NamesView(this))
    , m_notes(new NotesView(this))
    , m_keep(new QPushButton(u"&Keep as Client"_s, this))
    , m_notesTimer(new QTimer(this))
    , m_job(new BookJob(this))
    , m_jobProgress(new QProgressBar(this))
    , m_cancelJob(new QPushButton(u"Cancel"_s, this))
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
    m_keep->setObjectName(u"cmdKeepClient"_s);
    m_keep->setAccessibleName(u"Keep the person as a client of the book"_s);
    m_keep->hide();
    top->addWidget(m_keep);

    m_pages->setObjectName(u"tabsClient"_s);
    m_pages->setAccessibleName(u"Client's pages"_s);
    m_pages->addTab(m_chartView, u"&Chart"_s);
    m_pages->addTab(m_forecast, u"Forec&ast"_s);
    m_pages->addTab(m_compare, u"Co&mpare"_s);
    m_pages->addTab(m_notes, u"Notes and Histor&y"_s);
    m_pages->addTab(m_names, u"&Names"_s);

    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_person);
    layout->addLayout(top);
    layout->addWidget(m_pages, 1);
    setCentralWidget(page);
    statusBar()->setObjectName(u"statusBar"_s);
    m_jobProgress->setObjectName(u"prgBookJob"_s);
    m_jobProgress->setAccessibleName(u"Progress of the import or export"_s);
    m_cancelJob->setObjectName(u"cmdCancelBookJob"_s);
    m_cancelJob->setAccessibleName(u"Cancel the import or export"_s);
    statusBar()->addPermanentWidget(m_jobProgress);
    statusBar()->addPermanentWidget(m_cancelJob);
    m_jobProgress->hide();
    m_cancelJob->hide();
    connect(m_cancelJob, &QPushButton::clicked, this, &DeskWindow::cancelBookJob);
    connect(m_job, &BookJob::progress, this, [this](qsizetype done, qsizetype total) {
        m_jobProgress->setRange(0, static_cast<int>(total));
        m_jobProgress->setValue(static_cast<int>(done));
    });
    connect(m_job, &BookJob::finished, this, &DeskWindow::jobFinished);

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
    connect(m_keep, &QPushButton::clicked, this, &DeskWindow::keepAsClient);
    connect(m_forecast, &ForecastView::exportAsked, this, &DeskWindow::exportForecast);
    // Notes are saved a moment after the typing stops, and at once when the
    // client changes or the window closes.
    m_notesTimer->setSingleShot(true);
    m_notesTimer->setInterval(400);
    connect(m_notes, &NotesView::notesEdited, m_notesTimer, qOverload<>(&QTimer::start));
    connect(m_notes, &NotesView::tagsEdited, this, &DeskWindow::saveClient);
    connect(m_notesTimer, &QTimer::timeout, this, &DeskWindow::saveClient);
    connect(m_names, &NamesView::keepAsked, this, &DeskWindow::keepName);
    connect(m_names, &NamesView::printAsked, this, &DeskWindow::printNamesSheet);
    connect(m_names, &NamesView::pdfAsked, this, &DeskWindow::saveNamesPdf);
    connect(m_notes, &NotesView::linkAdded, this, &DeskWindow::addLink);
    connect(m_notes, &NotesView::linkRemoved, this, [this](int index) {
        if (m_client && index >= 0 && index < m_client->links.size()) {
            m_client->links.removeAt(index);
            saveClient();
        }
    });
    connect(m_notes, &NotesView::linkOpened, this, &DeskWindow::showClient);

    buildMenus();
    m_forecast->showMonth(m_interest->date());
    recompute();
}

DeskWindow::~DeskWindow()
{
    // The job's thread tells the window; it ends before the window does.
    m_job->cancel();
    m_job->wait();
}

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
    action(file, u"actFindClient"_s, u"&Find Client"_s, QKeySequence::Find, [this] {
        if (m_clients == nullptr)
            return;
        m_clientsDock->show();
        m_clients->findChild<QLineEdit *>(u"txtSearch"_s)->setFocus(Qt::ShortcutFocusReason);
        m_clients->findChild<QLineEdit *>(u"txtSearch"_s)->selectAll();
    });
    action(file, u"actOpenReport"_s, u"&Open Report File\u2026"_s, QKeySequence::Open, [this] {
        const QString chosen = m_platform.chooseFile(
            this, {FileDialogRequest::Mode::Open, u"Open Report File"_s, u"Reports (*.vlm)"_s, u"vlm"_s, {}});
        if (!chosen.isEmpty())
            openReportFile(chosen);
    });
    file->addSeparator();
    m_importAction = action(file, u"actImportClients"_s, u"&Import Clients\u2026"_s, QKeySequence(Qt::CTRL | Qt::Key_I),
                            &DeskWindow::importClients);
    m_exportAction = action(file, u"actExportClients"_s, u"E&xport Clients\u2026"_s,
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), &DeskWindow::exportClients);
    m_cancelJobAction = action(file, u"actCancelBookJob"_s, u"&Cancel Import or Export"_s, QKeySequence(),
                               &DeskWindow::cancelBookJob);
    m_cancelJobAction->setEnabled(false);
    // Until a book is open.
    m_importAction->setEnabled(false);
    m_exportAction->setEnabled(false);
    file->addSeparator();
    m_printAction = action(file, u"actPrint"_s, u"&Print\u2026"_s, QKeySequence::Print, &DeskWindow::printReport);
    m_pdfAction = action(file, u"actSavePdf"_s, u"Save as P&DF\u2026"_s, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                         &DeskWindow::saveReportPdf);
    file->addSeparator();
    action(file, u"actQuit"_s, u"&Quit"_s, QKeySequence::Quit, [this] { close(); });

    QMenu *edit = menuBar()->addMenu(u"&Edit"_s);
    m_undoAction = action(edit, u"actUndo"_s, u"&Undo"_s, QKeySequence::Undo, &DeskWindow::undo);
    edit->addSeparator();
    // The links are those of the Notes page, which shows them.
    action(edit, u"actAddLink"_s, u"Add &Link to the Client Found"_s, QKeySequence(), [this] {
        showPage(Page::Notes);
        m_notes->addLink();
    });
    action(edit, u"actRemoveLink"_s, u"Remo&ve Link"_s, QKeySequence(), [this] {
        showPage(Page::Notes);
        m_notes->removeLink();
    });
    action(edit, u"actOpenLink"_s, u"&Open Linked Client"_s, QKeySequence(), [this] {
        showPage(Page::Notes);
        m_notes->openLink();
    });
    edit->addSeparator();
    m_removeAction = action(edit, u"actRemoveClient"_s, u"&Remove Client\u2026"_s,
                            QKeySequence(Qt::CTRL | Qt::Key_Delete), &DeskWindow::removeClient);
    updateUndoAction();

    QMenu *view = menuBar()->addMenu(u"&View"_s);
    const std::array<QString, 5> pages = {u"&Chart"_s, u"&Forecast"_s, u"Co&mpare"_s, u"&Notes and History"_s,
                                          u"Nam&es"_s};
    for (int k = 0; k < 5; ++k)
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
    forecast->addSeparator();
    action(forecast, u"actExportIcs"_s, u"Export Calendar &File (.ics)\u2026"_s, QKeySequence(),
           [this] { exportForecast(ForecastFile::Ics); });
    action(forecast, u"actExportCalendarPdf"_s, u"Export Calendar P&DF\u2026"_s, QKeySequence(),
           [this] { exportForecast(ForecastFile::Pdf); });

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
    // The system is remembered for each client.
    if (m_client && m_client->system != toQString(system.key)) {
        m_client->system = toQString(system.key);
        saveClient();
    }
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
    if (m_client && person) {
        // The names and the date typed are the client's: saved at once.
        const QDate birth(person->BirthYear, person->BirthMonth, person->BirthDay);
        const QString first = toQString(person->FirstName);
        const QString middle = toQString(person->MiddleName);
        const QString last = toQString(person->LastName);
        if (m_client->first != first || m_client->middle != middle || m_client->last != last
            || m_client->birth != birth) {
            m_client->first = first;
            m_client->middle = middle;
            m_client->last = last;
            m_client->birth = birth;
            saveClient();
        }
    }
    showNames();
    updateKeepButton();
    m_printAction->setEnabled(person.has_value());
    m_pdfAction->setEnabled(person.has_value());
    for (const QString &name : {u"actExportIcs"_s, u"actExportCalendarPdf"_s})
        findChild<QAction *>(name)->setEnabled(person.has_value());
    setWindowTitle(person ? toQString(fullName(*person)) + u" \u2013 "_s + kTitle : QString(kTitle));
}

void DeskWindow::newClient()
{
    flushNotes();
    m_client.reset();
    m_notes->showClient(std::nullopt);
    if (m_clients != nullptr)
        m_clients->selectClient(0);
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
    bringToFront(*this);
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
    if (page() == Page::Names) {
        printNamesSheet();
        return;
    }
    if (!m_chart)
        return;
    const Chart &chart = *m_chart;
    const PrintOutcome outcome = m_platform.print(
        this, {documentTitle(chart.person()), documentCreator(), localePageSize(),
               [&chart, options = reportOptions()](QPagedPaintDevice &printer) {
                   return paintReadings(printer, chart, options);
               },
               readingsPdfFileName(chart.person())});
    if (outcome == PrintOutcome::Failed)
        m_platform.showMessage(this, {MessageIcon::Critical, kNotPrinted, QString(kTitle), MessageButtons::Ok});
    else if (outcome == PrintOutcome::Printed)
        addToHistory(u"reading, printed"_s, m_interest->date());
}

void DeskWindow::saveReportPdf()
{
    if (page() == Page::Names) {
        saveNamesPdf();
        return;
    }
    if (!m_chart)
        return;
    savePdf(readingsPdfFileName(m_chart->person()),
            [this, chart = *m_chart] { return readingsPdf(chart, localePageSize(), reportOptions()); });
}

void DeskWindow::savePdf(const QString &proposed, const std::function<QByteArray()> &make)
{
    const QString fileName = saveChosenFile(
        m_platform, this,
        {{FileDialogRequest::Mode::Save, u"Save as PDF"_s, u"PDF documents (*.pdf)"_s, u"pdf"_s,
          QFileInfo(proposed).absolutePath()},
         u"PDF"_s,
         u".pdf"_s},
        bookFile(), make);
    if (fileName.isEmpty())
        return;
    statusBar()->showMessage(u"Saved %1"_s.arg(QDir::toNativeSeparators(fileName)));
    addToHistory(u"pdf:"_s + fileName, m_interest->date());
}

QString DeskWindow::bookFile() const
{
    // A book in a file is the one input the window could write over.
    return m_book && !m_book->address().contains(u"://"_s) ? m_book->address() : QString();
}

void DeskWindow::exportForecast(ForecastFile file)
{
    const std::optional<BirthData> person = m_person->person();
    if (!person)
        return;
    const ForecastExport forecast{*person, m_system, m_forecast->exportSpan(), m_forecast->chosenFilter()};
    const std::vector<CalendarDay> days = forecast.days();
    if (const QString problem = forecast.problem(file, days); !problem.isEmpty()) {
        m_platform.showMessage(this, {MessageIcon::Critical, problem, QString(kTitle), MessageButtons::Ok});
        return;
    }
    const QString fileName = saveChosenFile(m_platform, this, ForecastExport::chosenFile(file), bookFile(),
                                            [&] { return forecast.bytes(file, days, QDateTime::currentDateTimeUtc()); });
    if (fileName.isEmpty())
        return;
    statusBar()->showMessage(u"Saved %1"_s.arg(QDir::toNativeSeparators(fileName)));
    // As the tool keeps a calendar it made for a client: the file, no date of interest.
    addToHistory((file == ForecastFile::Ics ? u"ics:"_s : u"pdf:"_s) + QFileInfo(fileName).absoluteFilePath(), QDate());
}

void DeskWindow::printNamesSheet()
{
    const std::optional<VariantSheet> sheet = m_names->sheet();
    const std::optional<BirthData> person = m_person->person();
    if (!sheet || !person) {
        statusBar()->showMessage(u"Weigh the spellings on the Names page first: the names sheet shows them."_s);
        return;
    }
    const PrintOutcome outcome = m_platform.print(
        this, {sheet->title, documentCreator(), localePageSize(),
               [&sheet](QPagedPaintDevice &printer) { return paintVariantSheet(printer, *sheet); },
               readingsPdfFileName(*person, u"Velmora name variants"_s)});
    if (outcome == PrintOutcome::Failed)
        m_platform.showMessage(this, {MessageIcon::Critical, u"The names sheet could not be printed."_s,
                                      QString(kTitle), MessageButtons::Ok});
    else if (outcome == PrintOutcome::Printed)
        addToHistory(u"names sheet, printed"_s, m_interest->date());
}

void DeskWindow::saveNamesPdf()
{
    std::optional<VariantSheet> sheet = m_names->sheet();
    const std::optional<BirthData> person = m_person->person();
    if (!sheet || !person) {
        statusBar()->showMessage(u"Weigh the spellings on the Names page first: the names sheet shows them."_s);
        return;
    }
    savePdf(readingsPdfFileName(*person, u"Velmora name variants"_s),
            [sheet = std::move(*sheet)] { return variantSheetPdf(sheet, localePageSize()); });
}

void DeskWindow::keepName(const book::LaterName &name)
{
    if (!m_book || !m_client)
        return;
    m_client->laterNames.append(name);
    if (saveClient())
        statusBar()->showMessage(u"Kept %1 as a later name"_s.arg(book::joinedName(name.first, name.middle, name.last)));
}

void DeskWindow::showNames()
{
    m_names->showPerson(m_person->person(), m_client, *m_system, m_interest->date());
}

void DeskWindow::showHelp()
{
    m_platform.showMessage(this, {MessageIcon::Information, kHelpText, QString(kTitle), MessageButtons::Ok});
}

void DeskWindow::restoreState()
{
    const auto value = [this](const QString &key) { return m_platform.settingsValue(kSection, key); };
    // A first start has room for the clients' names, the chart and its
    // reading, within the screen.
    if (!restoreGeometry(QByteArray::fromBase64(value(u"Geometry"_s).toLatin1())))
        resize(QSize(fontMetrics().averageCharWidth() * 150, fontMetrics().height() * 44)
                   .boundedTo(screen()->availableGeometry().size()));
    if (!QMainWindow::restoreState(QByteArray::fromBase64(value(u"State"_s).toLatin1())) && m_clientsDock != nullptr)
        resizeDocks({m_clientsDock}, {fontMetrics().averageCharWidth() * 32}, Qt::Horizontal);
    // The splitter takes its sizes once the window has its own: before, the
    // space it gains on showing would all go to the reading.
    m_pendingSplitter = QByteArray::fromBase64(value(u"ChartSplitter"_s).toLatin1());
    if (const System *system = findSystem(value(u"System"_s).toStdString()))
        setSystem(*system);
    const int page = value(u"Page"_s).toInt();
    if (page >= 0 && page < m_pages->count())
        m_pages->setCurrentIndex(page);
    // The client last shown, when the book has them still; else the person typed.
    if (const qint64 id = value(u"Client"_s).toLongLong(); id > 0 && m_book && showClient(id))
        return;
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
    keep(u"Client"_s, m_client ? QString::number(m_client->id) : QString());
    const std::optional<BirthData> person = m_person->person();
    keep(u"First"_s, person ? toQString(person->FirstName) : QString());
    keep(u"Middle"_s, person ? toQString(person->MiddleName) : QString());
    keep(u"Last"_s, person ? toQString(person->LastName) : QString());
    keep(u"Birth"_s, person ? QDate(person->BirthYear, person->BirthMonth, person->BirthDay).toString(Qt::ISODate)
                            : QString());
}

void DeskWindow::closeEvent(QCloseEvent *event)
{
    // An import under way is given up (nothing of its file stays), so that
    // the changes held for it are written now.
    if (m_importing) {
        m_job->cancel();
        m_job->wait();
        m_importing = false;
    }
    if (m_book)
        writeHeldEdits();
    flushNotes();
    saveState();
    event->accept();
}

void DeskWindow::openBook(const QString &address)
{
    QString problem;
    m_book = book::ClientBook::open(address, &problem);
    m_address = address;
    m_clients = new ClientsPanel(address, this);
    m_clientsDock = new QDockWidget(u"Clients"_s, this);
    m_clientsDock->setObjectName(u"dockClients"_s);
    m_clientsDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    m_clientsDock->setWidget(m_clients);
    addDockWidget(Qt::LeftDockWidgetArea, m_clientsDock);
    if (!m_book)
        m_clients->showProblem(u"The client book cannot be opened, so no client is kept or shown; what is typed "
                               "here is not saved.\n\n"_s + problem);
    m_compare->setBook(m_book.get());
    connect(m_clients, &ClientsPanel::clientChosen, this, &DeskWindow::showClient);
    connect(m_clients, &ClientsPanel::newClientAsked, this, &DeskWindow::newClient);
    m_importAction->setEnabled(m_book != nullptr);
    m_exportAction->setEnabled(m_book != nullptr);
    connect(m_clients, &ClientsPanel::importAsked, this, &DeskWindow::importClients);
    connect(m_clients, &ClientsPanel::exportAsked, this, &DeskWindow::exportClients);
    if (m_book)
        m_notes->setBook(address, [this](qint64 id) {
            const std::optional<book::Client> other = m_book ? m_book->client(id) : std::nullopt;
            return other ? book::nameInUse(*other) : QString();
        });
    updateKeepButton();
}

bool DeskWindow::showClient(qint64 id)
{
    if (!m_book)
        return false;
    flushNotes();
    // A change held while an import runs is the client as the practitioner left them.
    std::optional<book::Client> client = m_heldEdits.contains(id) ? m_heldEdits.value(id) : m_book->client(id);
    if (!client) {
        statusBar()->showMessage(u"The client could not be read: %1"_s.arg(m_book->errorString()));
        return false;
    }
    // Shown before it is the client, so that filling the form saves nothing.
    m_client.reset();
    if (const System *system = findSystem(client->system.toStdString()))
        setSystem(*system);
    m_person->setPerson(book::birthDataOf(*client));
    m_client = std::move(client);
    m_notes->showClient(m_client);
    m_clients->selectClient(id);
    showNames();
    updateKeepButton();
    return true;
}

void DeskWindow::keepAsClient()
{
    const std::optional<BirthData> person = m_person->person();
    if (!m_book || m_client || !person)
        return;
    if (bookHeld()) {
        statusBar()->showMessage(kWaitForImport.arg(u"Keeping a client"_s));
        return;
    }
    book::Client client;
    client.first = toQString(person->FirstName);
    client.middle = toQString(person->MiddleName);
    client.last = toQString(person->LastName);
    client.birth = QDate(person->BirthYear, person->BirthMonth, person->BirthDay);
    client.system = toQString(m_system->key);
    const qint64 id = m_book->addClient(client);
    if (id == 0) {
        m_platform.showMessage(this, {MessageIcon::Critical, u"The client was not kept: %1"_s.arg(m_book->errorString()),
                                      QString(kTitle), MessageButtons::Ok});
        return;
    }
    showClient(id);
    m_clients->search();
    statusBar()->showMessage(u"Kept %1 as a client"_s.arg(client.first + u' ' + client.last));
}

bool DeskWindow::saveClient()
{
    if (!m_book || !m_client)
        return false;
    m_client->notes = m_notes->notes();
    m_client->tags = m_notes->tags();
    if (bookHeld()) {
        m_heldEdits.insert(m_client->id, *m_client);
        statusBar()->showMessage(u"The change to %1 is kept, and written to the book when the import ends"_s.arg(
            clientNamed(*m_client)));
        showNames();
        return true;
    }
    return writeClient(*m_client);
}

bool DeskWindow::writeClient(const book::Client &client)
{
    const qint64 id = client.id;
    // The client as the book has it before the edit, for Undo.
    std::optional<book::Client> before = m_book->client(id);
    if (!before || !m_book->updateClient(client)) {
        // Nothing is passed off as saved: the client shows again as the book has it.
        m_platform.showMessage(this, {MessageIcon::Critical,
                                      u"The change to %1 was not saved: %2"_s.arg(clientNamed(client),
                                                                                  m_book->errorString()),
                                      QString(kTitle), MessageButtons::Ok});
        if (m_client && m_client->id == id && !showClient(id)) {
            // Gone from the book (removed elsewhere): what is shown is a person typed in, not a client.
            m_client.reset();
            m_notes->showClient(std::nullopt);
            showNames();
            updateKeepButton();
        }
        return false;
    }
    std::optional<book::Client> after = m_book->client(id);
    // Only a change to what the list shows or finds by asks it again (a change of system: 15.4 ms processor, now 6.3).
    const bool relist = !after || !listedAlike(*before, *after);
    if (after)
        keepEdit(std::move(*before), *after);
    if (m_client && m_client->id == id) {
        m_client = std::move(after);
        m_notes->showClient(m_client);
        showNames();
    }
    if (relist)
        m_clients->search();
    return true;
}

bool DeskWindow::bookHeld() const
{
    return m_importing;
}

void DeskWindow::writeHeldEdits()
{
    QMap<qint64, book::Client> held = std::exchange(m_heldEdits, {});
    // The client shown is written as the page has them now, notes being typed included.
    if (m_client && (held.remove(m_client->id) > 0 || m_notesTimer->isActive())) {
        m_notesTimer->stop();
        saveClient();
    }
    for (const book::Client &client : std::as_const(held))
        writeClient(client);
    for (const auto &[id, entry] : std::exchange(m_heldHistory, {}))
        if (!m_book->addHistory(id, entry))
            statusBar()->showMessage(
                u"The reading was not added to the client's history: %1"_s.arg(m_book->errorString()));
}

void DeskWindow::flushNotes()
{
    if (m_notesTimer->isActive()) {
        m_notesTimer->stop();
        saveClient();
    }
}

void DeskWindow::addToHistory(const QString &document, QDate dateOfInterest)
{
    if (!m_book || !m_client)
        return;
    // Notes still waiting to be saved go first: the client is read again after.
    flushNotes();
    const book::HistoryEntry entry{QDateTime::currentDateTimeUtc(), toQString(m_system->key), dateOfInterest,
                                   document};
    if (bookHeld()) {
        m_heldHistory.append({m_client->id, entry});
        m_client->history.append(entry);
        m_notes->showClient(m_client);
        return;
    }
    if (!m_book->addHistory(m_client->id, entry)) {
        statusBar()->showMessage(u"The reading was not added to the client's history: %1"_s.arg(m_book->errorString()));
        return;
    }
    m_client = m_book->client(m_client->id);
    m_notes->showClient(m_client);
}

void DeskWindow::updateKeepButton()
{
    m_keep->setVisible(m_book != nullptr && !m_client);
    m_keep->setEnabled(m_person->person().has_value());
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

void DeskWindow::importClients()
{
    if (!m_book || m_job->isRunning())
        return;
    const QString chosen = m_platform.chooseFile(
        this, {FileDialogRequest::Mode::Open, u"Import Clients"_s,
               u"Clients (*.csv *.vlm);;CSV files (*.csv);;Reports (*.vlm);;All files (*)"_s, u"csv"_s, {}});
    if (!chosen.isEmpty())
        importFile(chosen);
}

void DeskWindow::exportClients()
{
    if (!m_book || m_job->isRunning())
        return;
    const QString chosen = m_platform.chooseFile(
        this, {FileDialogRequest::Mode::Save, u"Export Clients"_s, u"CSV files (*.csv)"_s, u"csv"_s, {}});
    if (!chosen.isEmpty())
        exportFile(chosen);
}

bool DeskWindow::importFile(const QString &fileName)
{
    if (!m_book || m_job->isRunning())
        return false;
    flushNotes();
    m_inputs << fileName;
    m_exporting = false;
    m_importing = m_job->startImport(m_address, fileName);
    startedJob(m_importing, u"Importing %1\u2026"_s.arg(QDir::toNativeSeparators(fileName)));
    return m_importing;
}

bool DeskWindow::exportFile(const QString &fileName)
{
    if (!m_book || m_job->isRunning())
        return false;
    flushNotes();
    if (const QString clash = BookJob::exportClash(fileName, m_address, m_inputs); !clash.isEmpty()) {
        m_platform.showMessage(this, {MessageIcon::Critical,
                                      u"%1\n%2 Nothing was written."_s.arg(QDir::toNativeSeparators(fileName), clash),
                                      QString(kTitle), MessageButtons::Ok});
        return false;
    }
    m_exporting = m_job->startExport(m_address, fileName);
    startedJob(m_exporting, u"Exporting the clients to %1\u2026"_s.arg(QDir::toNativeSeparators(fileName)));
    return m_exporting;
}

void DeskWindow::startedJob(bool started, const QString &doing)
{
    if (!started)
        return;
    m_jobProgress->setRange(0, 0);
    m_jobProgress->show();
    m_cancelJob->show();
    m_cancelJobAction->setEnabled(true);
    m_importAction->setEnabled(false);
    m_exportAction->setEnabled(false);
    m_undoAction->setEnabled(m_exporting && canUndo());
    m_removeAction->setEnabled(m_exporting);
    statusBar()->showMessage(doing);
}

void DeskWindow::cancelBookJob()
{
    if (m_job->isRunning())
        statusBar()->showMessage(u"Cancelling\u2026"_s);
    m_job->cancel();
}

void DeskWindow::jobFinished(const BookJob::Outcome &outcome)
{
    m_job->wait();
    m_importing = false;
    m_jobProgress->hide();
    m_cancelJob->hide();
    m_cancelJobAction->setEnabled(false);
    m_importAction->setEnabled(true);
    m_exportAction->setEnabled(true);
    m_removeAction->setEnabled(true);
    updateUndoAction();
    const QString file = QDir::toNativeSeparators(outcome.fileName);
    if (outcome.cancelled) {
        statusBar()->showMessage(m_exporting ? u"The export to %1 was cancelled; no file was written."_s.arg(file)
                                             : u"The import of %1 was cancelled; nothing of it was added."_s.arg(file));
    } else if (!outcome.error.isEmpty()) {
        statusBar()->clearMessage();
        m_platform.showMessage(
            this, {MessageIcon::Critical,
                   m_exporting ? u"%1\nThe clients were not exported: %2"_s.arg(file, outcome.error)
                               : u"%1: %2\nNothing of the file was imported."_s.arg(file, outcome.error),
                   QString(kTitle), MessageButtons::Ok});
    } else {
        statusBar()->showMessage(
            (m_exporting ? u"Exported %1 clients to %2"_s : u"Imported %1 clients from %2"_s).arg(outcome.count).arg(file));
    }
    if (!m_exporting) {
        writeHeldEdits();
        m_clients->search();
    }
}

void DeskWindow::keepEdit(book::Client before, const book::Client &after)
{
    if (m_lastChange && m_lastChange->after && *m_lastChange->after == before
        && changedParts(m_lastChange->before, before) == changedParts(before, after))
        before = std::move(m_lastChange->before);
    m_lastChange = LastChange{std::move(before), after};
    updateUndoAction();
}

void DeskWindow::updateUndoAction()
{
    if (!m_lastChange)
        m_undoAction->setText(u"&Undo"_s);
    else
        m_undoAction->setText((m_lastChange->after ? u"&Undo Edit of %1"_s : u"&Undo Removal of %1"_s)
                                  .arg(book::nameInUse(m_lastChange->before)));
    m_undoAction->setEnabled(m_lastChange.has_value() && m_book != nullptr && !bookHeld());
}

void DeskWindow::undo()
{
    flushNotes();
    if (!m_lastChange || !m_book)
        return;
    if (bookHeld()) {
        statusBar()->showMessage(kWaitForImport.arg(u"Undo"_s));
        return;
    }
    const LastChange change = *std::exchange(m_lastChange, std::nullopt);
    updateUndoAction();
    qint64 id = change.before.id;
    if (change.after) {
        // Written over the client as the edit left it: refused when it was changed elsewhere since.
        book::Client restored = change.before;
        restored.changed = change.after->changed;
        if (!m_book->updateClient(restored)) {
            m_platform.showMessage(this, {MessageIcon::Critical,
                                          u"The last edit of %1 was not undone: %2"_s.arg(clientNamed(change.before),
                                                                                          m_book->errorString()),
                                          QString(kTitle), MessageButtons::Ok});
            return;
        }
    } else {
        // A client removed comes back as a new client of the book, with the
        // links of theirs to clients still there; links others had to them went with them.
        book::Client again = change.before;
        again.links.removeIf([this](const book::ClientLink &link) { return !m_book->client(link.otherId); });
        id = m_book->addClient(again);
        if (id == 0) {
            m_platform.showMessage(this, {MessageIcon::Critical,
                                          u"%1 was not brought back: %2"_s.arg(clientNamed(change.before),
                                                                               m_book->errorString()),
                                          QString(kTitle), MessageButtons::Ok});
            return;
        }
    }
    showClient(id);
    m_clients->search();
    statusBar()->showMessage(change.after ? u"Undid the last edit of %1"_s.arg(clientNamed(change.before))
                                          : u"Brought back %1 as client %2"_s.arg(book::nameInUse(change.before)).arg(id));
}

void DeskWindow::removeClient()
{
    if (!m_book || !m_client)
        return;
    if (bookHeld()) {
        statusBar()->showMessage(kWaitForImport.arg(u"Removing a client"_s));
        return;
    }
    flushNotes();
    const book::Client shown = *m_client;
    const MessageAnswer answer = m_platform.showMessage(
        this, {MessageIcon::Information,
               u"Remove %1 from the book? Their names, notes, tags, links and the readings made for them go with "
               "them. Edit > Undo brings them back as a new client."_s.arg(clientNamed(shown)),
               QString(kTitle), MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes)
        return;
    std::optional<book::Client> before = m_book->client(shown.id);
    if (!before || !m_book->removeClient(shown.id)) {
        m_platform.showMessage(this, {MessageIcon::Critical,
                                      u"%1 was not removed: %2"_s.arg(clientNamed(shown), m_book->errorString()),
                                      QString(kTitle), MessageButtons::Ok});
        return;
    }
    m_lastChange = LastChange{std::move(*before), std::nullopt};
    updateUndoAction();
    m_client.reset();
    m_notes->showClient(std::nullopt);
    m_person->clear();
    m_clients->selectClient(0);
    m_clients->search();
    statusBar()->showMessage(u"Removed %1"_s.arg(clientNamed(shown)));
}

void DeskWindow::addLink(qint64 otherId, const QString &label)
{
    if (!m_client || otherId == m_client->id)
        return;
    m_client->links.append({otherId, label});
    saveClient();
}

} // namespace velmora::desk
