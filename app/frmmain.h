// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

#include <array>

#include "birthdata.h"
#include "calculations.h"
#include "platform.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabBar;
class DigitPicture;
class ReadingView;

// The main window: the input page with the birth data, and the result page
// with the eight readings under their tabs. It owns the birth data behind the
// readings shown and the numbers of the last run.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(velmora::Platform &platform, QWidget *parent = nullptr);
    ~frmMain() override;

    // Checks the input page in a fixed order; the first failure shows its
    // message and moves the focus as the failure demands.
    [[nodiscard]] bool ValidateInput();
    // Calculates the eight readings for BirthData, in tab order.
    void RunCalculations();
    // Selects the first tab and brings the result page to the front.
    void ShowResultPage();

    [[nodiscard]] const velmora::BirthData &birthData() const { return m_birthData; }
    [[nodiscard]] const velmora::Numbers &numbers() const { return m_numbers; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildInputPage();
    void buildResultPage();
    void proceed();
    void doItOnceAgain();
    void fillBirthData();
    void resetLists();
    void showMessage(velmora::MessageIcon icon, const QString &text);

    velmora::Platform &m_platform;
    velmora::BirthData m_birthData;
    velmora::Numbers m_numbers;

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
};
