// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QPageSize>
#include <QString>
#include <QUrl>

#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace velmora {

// The caption of every message box.
inline constexpr QLatin1StringView kApplicationTitle{"Tavi Velmora"};

enum class MessageIcon { Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct Message {
    MessageIcon icon = MessageIcon::Information;
    QString text;
    QString caption;
    MessageButtons buttons = MessageButtons::Ok;

    friend bool operator==(const Message &, const Message &) = default;
};

struct FileDialogRequest {
    enum class Mode { Save, Open };

    Mode mode = Mode::Open;
    QString title;
    QString filter;
    QString defaultSuffix;
    // The folder the dialog starts in; empty: the desktop's choice.
    QString folder;

    friend bool operator==(const FileDialogRequest &, const FileDialogRequest &) = default;
};

enum class PrintOutcome { Printed, Cancelled, Failed };

// Paints a document on the pages of a printer; false when it cannot.
using PagePainter = std::function<bool(QPagedPaintDevice &device)>;

// What the print dialog prints: the document's name (the print queue's, and
// the title of a PDF printed to a file), its creator, the paper the dialog
// starts with, and what paints the pages.
struct PrintJob {
    QString title;
    QString creator;
    QPageSize pageSize;
    PagePainter paint;
};
// Takes a report file handed over by another copy of the program, named in
// the system's bytes (any Linux file name, not only text); an empty name asks
// only that the program come to the front. False when it cannot take it now.
using ReportReceiver = std::function<bool(const QByteArray &fileName)>;

// Everything the program asks of the desktop: modal message boxes, file and
// print dialogs, the browser, the clipboard, the per-user settings store, the clock,
// the random generator and the single-instance check. The program reaches the
// desktop only through this interface, so tests can stand in for each part.
class Platform
{
public:
    virtual ~Platform() = default;

    // Shows a modal message box and waits for the answer.
    virtual MessageAnswer showMessage(QWidget *parent, const Message &message) = 0;
    // The chosen file, or an empty string when the user cancels.
    virtual QString chooseFile(QWidget *parent, const FileDialogRequest &request) = 0;
    // Shows the print dialog; when the user prints, paints on the printer chosen.
    virtual PrintOutcome print(QWidget *parent, const PrintJob &job) = 0;
    // Hands the address to the default browser; failures are not reported.
    virtual void openUrl(const QUrl &url) = 0;
    virtual void clearClipboard() = 0;
    // A missing value reads as an empty string.
    [[nodiscard]] virtual QString settingsValue(const QString &section, const QString &key) = 0;
    virtual void setSettingsValue(const QString &section, const QString &key, const QString &value) = 0;
    [[nodiscard]] virtual QDate today() = 0;
    virtual void seedRandom() = 0;
    // A number drawn uniformly from [0, 1).
    [[nodiscard]] virtual double random() = 0;
    // False when another copy of the program already runs for this user.
    [[nodiscard]] virtual bool claimSingleInstance() = 0;
    // Hands a report file (the system's bytes of its name) to the copy that
    // already runs for this user, or asks that copy to come to the front when
    // the name is empty; false when no copy takes it.
    [[nodiscard]] virtual bool handOverReport(const QByteArray &fileName) = 0;
    // From now on, report files handed over by later copies go to receiver.
    virtual void receiveReports(ReportReceiver receiver) = 0;
    // Closes every window of the program and ends its event loop.
    virtual void quitApplication() = 0;
};

// True for a folder a file dialog may start in and the program may remember:
// an absolute path to a folder that can be read and entered, not on a
// pseudo file system (/proc, /sys, /dev), where a dialog reading the files
// can hang for ever.
[[nodiscard]] bool isUsableFolder(const QString &folder);

// Removes leading and trailing space characters only; tabs and line breaks stay.
[[nodiscard]] QString trimSpaces(const QString &text);

} // namespace velmora
