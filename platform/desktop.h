// SPDX-License-Identifier: MIT
#pragma once

class QUrl;

namespace velmora {

// The desktop around the program: the browser, the clipboard, and the end of
// the session's event loop.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // Hands the address to the default browser; failures are not reported.
    virtual void openUrl(const QUrl &url) = 0;
    virtual void clearClipboard() = 0;
    // Closes every window of the program and ends its event loop.
    virtual void quitApplication() = 0;
};

} // namespace velmora
