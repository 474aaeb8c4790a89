// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "birthdata.h"

namespace velmora {

// What a print to a file, or a saved PDF, proposes: the readings named after
// the person ("Velmora readings - Mary Smith.pdf") in documentsFolder(). A '/'
// in a name would lead into a folder, and a name has at most 255 bytes. what
// names another document ("Velmora name variants").
[[nodiscard]] QString readingsPdfFileName(const BirthData &person, const QString &what = QStringLiteral("Velmora readings"));

} // namespace velmora
