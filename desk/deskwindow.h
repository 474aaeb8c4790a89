// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QMap>

#include <functional>
#include <memory>
#include <optional>

#include "birthdata.h"
#include "bookjob.h"
#include "chart.h"
#include "clientbook.h"
#include "forecastexport.h"

class QAction;
class QActionGroup;
class QComboBox;
class QDateEdit;
class QDockWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTimer;

namespace velmora {
class Platform;
struct ReportOptions;
struct System;
}

namespace velmora::desk {

class ChartView;
class ClientsPanel;
class CompareView;
class ForecastView;
class NamesView;
class NotesView;
class PersonForm;

// The practitioner's window: the client's page (a client of the book, or a
// person typed in) under the system chosen at the top and a date of
// interest, as a chart, a forecast, a comparison and the client's notes and
// history; the clients of the book down one side; printing and PDF through
// the reading document, each added to the client's history. Every edit of a
// client is saved at once through the book. It remembers its size, its
// layout, the system, the page and the client or person last shown.
class DeskWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum class Page { Chart, Forecast, Compare, Notes, Names };

    explicit DeskWindow(Platform &platform, QWidget *parent = nullptr);
    ~DeskWindow() override;

    // Opens the client book at address and shows its clients down one side.
    // A book that cannot be opened is said there, with what to do; the
    // window works on without it, and nothing typed is passed off as saved.
    void openBook(const QString &address);
    [[nodiscard]] book::ClientBook *book() const { return m_book.get(); }
    [[nodiscard]] ClientsPanel *clientsPanel() const { return m_clients; }
    [[nodiscard]] NotesView *notesView() const { return m_notes; }
    // The client of the book shown; nothing for a person typed in.
    [[nodiscard]] const std::optional<book::Client> &client() const { return m_client; }
    // Shows the client of the book; false, after saying why, when it cannot be read.
    bool showClient(qint64 id);
    // Keeps the person typed in as a new client of the book.
    void keepAsClient();

    // Brings back what the last window kept; the window is shown after.
    void restoreState();
    // Keeps the size, layout, system, page and person for the next start.
    void saveState();

    // Opens a report file (.vlm) as the client's person; false, after saying
    // why, when it cannot be read.
    bool openReportFile(const QString &fileName);
    // Brings the window to the front (a second start, a file handed over).
    void comeToFront();

    void setSystem(const System &system);
    [[nodiscard]] const System &system() const { return *m_system; }
    void setDateOfInterest(QDate date);
    [[nodiscard]] QDate dateOfInterest() const;
    void showPage(Page page);
    [[nodiscard]] Page page() const;

    [[nodiscard]] PersonForm *personForm() const { return m_person; }
    [[nodiscard]] ChartView *chartView() const { return m_chartView; }
    [[nodiscard]] ForecastView *forecastView() const { return m_forecast; }
    [[nodiscard]] CompareView *compareView() const { return m_compare; }
    [[nodiscard]] NamesView *namesView() const { return m_names; }
    // The chart shown, with its working; nothing while no person is complete.
    [[nodiscard]] const std::optional<Chart> &chart() const { return m_chart; }

    // Import (a report or CSV file, taken whole or not at all) and export
    // (every client as CSV) run away from the window's thread, showing their
    // progress, and can be cancelled; the clients' list is read again after.
    void importClients();
    void exportClients();
    // False when there is no book or a job runs already.
    bool importFile(const QString &fileName);
    bool exportFile(const QString &fileName);
    void cancelBookJob();
    [[nodiscard]] BookJob *bookJob() const { return m_job; }

    // Takes back the last edit of a client, or the last removal, through the
    // book; refused, with a message, when the client was changed elsewhere since.
    void undo();
    [[nodiscard]] bool canUndo() const { return m_lastChange.has_value(); }
    // Removes the client shown, once the practitioner says yes to the client named.
    void removeClient();

    void newClient();
    void printReport();
    void saveReportPdf();
    // Keeps the name as a later name of the client shown, saved at once.
    void keepName(const book::LaterName &name);
    void printNamesSheet();
    void saveNamesPdf();
    // Exports the forecast's months as a calendar file or PDF, the days
    // chosen marked; added to the client's history.
    void exportForecast(ForecastFile file);
    void showHelp();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenus();
    void showNames();
    // Asks for a PDF file (proposed), writes what make draws to it and adds
    // the document to the client's history.
    void savePdf(const QString &proposed, const std::function<QByteArray()> &make);
    void startedJob(bool started, const QString &doing);
    void jobFinished(const BookJob::Outcome &outcome);
    void addLink(qint64 otherId, const QString &label);
    void updateUndoAction();
    // Writes the client through the book, keeping the edit for Undo, then
    // shows it as stored; false, after saying why and showing the client as
    // the book has it, when it was not written.
    bool writeClient(const book::Client &client);
    // While an import holds the book (a write would wait for its transaction),
    // edits and readings made wait here and are written when it ends.
    [[nodiscard]] bool bookHeld() const;
    void writeHeldEdits();
    // Keeps an edit saved for Undo; typing on in the same part of the same client extends the last one.
    void keepEdit(book::Client before, const book::Client &after);
    // Writes the client shown through the book (or holds it while an import
    // runs); false when it was not written.
    bool saveClient();
    // Saves the notes at once when they wait for the typing to stop.
    void flushNotes();
    // dateOfInterest: the date the reading is made for; none for a calendar.
    void addToHistory(const QString &document, QDate dateOfInterest);
    void updateKeepButton();
    // The client book's file; empty for a book on a server or none.
    [[nodiscard]] QString bookFile() const;
    [[nodiscard]] ReportOptions reportOptions();
    void recompute();

    Platform &m_platform;
    const System *m_system;
    PersonForm *m_person;
    QComboBox *m_systemBox;
    QDateEdit *m_interest;
    QTabWidget *m_pages;
    ChartView *m_chartView;
    ForecastView *m_forecast;
    CompareView *m_compare;
    NamesView *m_names;
    NotesView *m_notes;
    QPushButton *m_keep;
    QTimer *m_notesTimer;
    ClientsPanel *m_clients = nullptr;
    QDockWidget *m_clientsDock = nullptr;
    std::unique_ptr<book::ClientBook> m_book;
    std::optional<book::Client> m_client;
    QActionGroup *m_systemActions = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_pdfAction = nullptr;
    std::optional<Chart> m_chart;
    QByteArray m_pendingSplitter;
    QString m_address;
    QStringList m_inputs; // files read here, never written over by an export
    BookJob *m_job;
    bool m_exporting = false;
    bool m_importing = false; // from the import's start until the window has taken its outcome
    QProgressBar *m_jobProgress;
    QPushButton *m_cancelJob;
    QAction *m_importAction = nullptr;
    QAction *m_exportAction = nullptr;
    QAction *m_cancelJobAction = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_removeAction = nullptr;
    // What Undo takes back: a client as it was before the last edit (and as
    // that edit left it), or a client removed.
    struct LastChange {
        book::Client before;
        std::optional<book::Client> after; // nothing: the client was removed
    };
    std::optional<LastChange> m_lastChange;
    QMap<qint64, book::Client> m_heldEdits;
    QList<std::pair<qint64, book::HistoryEntry>> m_heldHistory;
};

} // namespace velmora::desk
