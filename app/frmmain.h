// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

#include <array>
#include <optional>

#include "birthdata.h"
#include "chart.h"
#include "platform.h"

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabBar;
class DigitPicture;
class LinkLabel;
class ReadingView;

// What the main window asks of the desktop: messages and report dialogs, the
// browser and the clipboard, the folder it remembers, the promotion's draw,
// printing and the date the printout carries. The full platform supplies them
// all.
struct WindowServices {
    WindowServices(velmora::Dialogs &dialogs, velmora::Desktop &desktop, velmora::SettingsStore &settings,
                   velmora::RandomNumbers &random, velmora::Printing &printing, velmora::Clock &clock)
        : dialogs(dialogs), desktop(desktop), settings(settings), random(random), printing(printing), clock(clock)
    {
    }
    // Not explicit: a window is built from the whole platform.
    WindowServices(velmora::Platform &platform)
        : WindowServices(platform, platform, platform, platform, platform, platform)
    {
    }

    velmora::Dialogs &dialogs;
    velmora::Desktop &desktop;
    velmora::SettingsStore &settings;
    velmora::RandomNumbers &random;
    velmora::Printing &printing;
    velmora::Clock &clock;
};

// The main window: the input page with the birth data, and the result page
// with the eight readings under their tabs. It owns the birth data behind the
// readings shown and the numbers of the last run.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(const WindowServices &services, QWidget *parent = nullptr);
    ~frmMain() override;

    // Checks the input page in a fixed order; the first failure shows its
    // message and moves the focus as the failure demands.
    [[nodiscard]] bool ValidateInput();
    // Calculates the eight readings for BirthData, in tab order.
    void RunCalculations();
    // Selects the first tab and brings the result page to the front.
    void ShowResultPage();
    // Saves the birth data behind the readings shown as a report file.
    void SaveReport();
    // Reads a report file into the birth data and shows its readings.
    void OpenReport();
    // Opens the report file as Open does with the file chosen in its dialog:
    // the same checks, the same message, the readings shown.
    // readFrom, when given, is where the bytes are read (a descriptor's path
    // for a name Qt cannot spell); fileName still decides the extension.
    void openReportFile(const QString &fileName, const QString &readFrom);
    void openReportFile(const QString &fileName) { openReportFile(fileName, fileName); }
    // Prints the readings shown, with the person on top, through the print dialog.
    void printReport();
    // Shows the window in front of the others, restored if it was minimised.
    void comeToFront();

    // Brings one of the two promotion labels to the front by a random draw:
    // n = r * 6 + 1 rounded half to even; 2, 4, 6 the full-brand offer, 1, 3,
    // 5 the co-brand offer, 7 leaves the stacking as laid out.
    void ChoosePromotionLabel();
    [[nodiscard]] static int promotionDraw(double r);

    [[nodiscard]] const velmora::BirthData &birthData() const { return m_birthData; }
    // The chart behind the readings shown; empty before the first run.
    [[nodiscard]] const std::optional<velmora::Chart> &chart() const { return m_chart; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildShortcuts();
    void updateShortcuts();
    QString chooseReportFile(velmora::FileDialogRequest request);
    void buildStrips(QWidget *client);
    void buildInputPage();
    void buildResultPage();
    void proceed();
    void doItOnceAgain();
    void fillBirthData();
    void resetLists();
    void showMessage(velmora::MessageIcon icon, const QString &text);

    WindowServices m_services;
    velmora::BirthData m_birthData;
    std::optional<velmora::Chart> m_chart;

    QAction *mnuCalculate = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuOnline = nullptr;
    QAction *mnuVisit = nullptr;
    QAction *mnuUpdate = nullptr;
    QAction *mnuAbout = nullptr;
    QAction *mnuDonate = nullptr;
    QAction *mnuMakeMoney = nullptr;

    // Keys with no menu item of their own: the visible menus stay as they are.
    QAction *m_openKey = nullptr;
    QAction *m_saveKey = nullptr;
    QAction *m_printKey = nullptr;

    LinkLabel *Label14 = nullptr;
    QFrame *fraFullBrand = nullptr;
    LinkLabel *lblFullBrand = nullptr;
    LinkLabel *lblCobrand = nullptr;

    QStackedWidget *m_pages = nullptr;
    QFrame *fraMain = nullptr;
    QFrame *fraResult = nullptr;

    std::array<DigitPicture *, 9> picNo{};
    QPushButton *cmdOpen = nullptr;
    std::array<QLabel *, 7> lblLabel{};
    QGroupBox *fraName = nullptr;
    QLineEdit *txtNameFirst = nullptr;
    QLineEdit *txtNameMiddle = nullptr;
    QLineEdit *txtNameLast = nullptr;
    QGroupBox *fraDOB = nullptr;
    QComboBox *cboDate = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboYear = nullptr;
    QPushButton *cmdProceed = nullptr;

    QTabBar *TS = nullptr;
    QStackedWidget *m_readingFrames = nullptr;
    std::array<QFrame *, velmora::kReadingCount> m_frames{};
    std::array<ReadingView *, velmora::kReadingCount> RTB{};
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdBack = nullptr;

    bool m_closing = false;
};
