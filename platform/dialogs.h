// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

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

// Modal message boxes and file dialogs: each waits for the user's answer.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer showMessage(QWidget *parent, const Message &message) = 0;
    // The chosen file, or an empty string when the user cancels.
    virtual QString chooseFile(QWidget *parent, const FileDialogRequest &request) = 0;
};

} // namespace velmora
