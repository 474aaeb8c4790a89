// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace velmora {

// Writes the bytes through a temporary file that replaces the target only
// when complete. The name is used when nothing or a regular file is there; a
// link is followed only to a regular file that linkTargetFits accepts, which
// is then replaced and the link kept. A FIFO, a device, a folder or a link to
// anything else is refused and left exactly as it was. False, with the reason
// set when asked for (the system's words, or linkRefusal for a link), when
// the file is not written.
[[nodiscard]] bool saveWholeFile(const QString &fileName, const QByteArray &bytes, QString *reason,
                                 const std::function<bool(const QString &target)> &linkTargetFits,
                                 const QString &linkRefusal);

} // namespace velmora
