// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

#include <optional>

#include "birthdata.h"
#include "chart.h"

class QAction;
class QActionGroup;
class QComboBox;
class QDateEdit;
class QTabWidget;

namespace velmora {
class Platform;
struct ReportOptions;
struct System;
}

namespace velmora::desk {

class ChartView;
class CompareView;
class ForecastView;
class PersonForm;

// The practitioner's window: the client's page (a person typed in) under the
// system chosen at the top and a date of interest, as a chart, a forecast
// and a comparison; printing and PDF through the reading document. It
// remembers its size, its layout, the system, the page shown and the person
// last shown.
class DeskWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum class Page { Chart, Forecast, Compare };

    explicit DeskWindow(Platform &platform, QWidget *parent = nullptr);
    ~DeskWindow() override;

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
    void showHelp();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenus();
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
    QActionGroup *m_systemActions = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_pdfAction = nullptr;
    std::optional<Chart> m_chart;
    QByteArray m_pendingSplitter;
};

} // namespace velmora::desk
