// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

#include <memory>
#include <optional>

#include "birthdata.h"
#include "chart.h"
#include "clientbook.h"
#include "forecastexport.h"

class QAction;
class QActionGroup;
class QComboBox;
class QDateEdit;
class QDockWidget;
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
    enum class Page { Chart, Forecast, Compare, Notes };

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
    // The chart shown, with its working; nothing while no person is complete.
    [[nodiscard]] const std::optional<Chart> &chart() const { return m_chart; }

    void newClient();
    void printReport();
    void saveReportPdf();
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
    // Writes the client shown through the book, then shows it as stored.
    void saveClient();
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
};

} // namespace velmora::desk
