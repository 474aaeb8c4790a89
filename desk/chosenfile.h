// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

#include "dialogs.h"

namespace velmora {
class Platform;
}

namespace velmora::desk {

// A file the window makes where the person chooses: the dialog's request,
// what the file is in a message ("PDF file") and its extension (".pdf").
struct ChosenFile {
    FileDialogRequest request;
    QString kind;
    QString extension;
};

// Asks for the file through the platform's dialog and writes the bytes made
// then through a temporary file, as the tool writes a made file; never onto
// the client book (bookFile; empty for a book on a server or none) nor under
// a report's name. What went wrong is said in a message, with nothing
// written. The file written, or an empty string (cancelled too).
[[nodiscard]] QString saveChosenFile(Platform &platform, QWidget *parent, const ChosenFile &file,
                                     const QString &bookFile, const std::function<QByteArray()> &bytes);

} // namespace velmora::desk
