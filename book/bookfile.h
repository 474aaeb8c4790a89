// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace velmora::book {

// What is at an embedded book's address, looked at before the database
// driver is let near it.
struct BookFile {
    QString path;       // the file to open: the address, or the regular file a link leads to
    bool fresh = false; // there is no book yet: the file was just made, or is empty
    QString error;      // why it is refused, and what to do; empty when it may be opened
};

// Checks the address; when nothing is there, makes the file, empty and
// readable by the user alone (and, with makeFolder, its folder, reachable by
// the user alone). A file that is there is only read: a text file, a folder,
// a named pipe or device, a link to anything but a regular file, a file too
// short to be a whole database, or one on a read-only medium is refused.
[[nodiscard]] BookFile prepareBookFile(const QString &address, bool makeFolder);

} // namespace velmora::book
