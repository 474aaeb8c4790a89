// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <memory>

class frmMain;

namespace velmora {
class Platform;
}

// The start-up sequence: refuse a second copy, seed the random generator,
// run the update reminder before any window is visible, show the main
// window, bring one promotion label to the front, open the report file given
// (if any), and take the report files later copies hand over. Returns nothing
// when another copy already runs (the program then ends): a second copy given
// a report file hands it to the running copy and ends without a word; one
// given none asks the running copy to come to the front and says so. A
// running copy that does not answer is reported as such, and one that ended
// in between leaves its place to this copy. The file is named in the
// system's bytes, so any Linux file name opens.
[[nodiscard]] std::unique_ptr<frmMain> startApplication(velmora::Platform &platform,
                                                        const QByteArray &reportFile = {});
