// SPDX-License-Identifier: MIT
#include "startup.h"

#include "formstyle.h"
#include "frmmain.h"
#include "links.h"
#include "platform.h"
#include "updatereminder.h"

std::unique_ptr<frmMain> startApplication(velmora::Platform &platform)
{
    if (!platform.claimSingleInstance()) {
        platform.showMessage(nullptr,
                             velmora::Message{velmora::MessageIcon::Information, QStringLiteral("Application is already running"),
                                              QString(velmora::kApplicationTitle)});
        velmora::EndApplication(platform);
        return nullptr;
    }
    platform.seedRandom();
    velmora::CheckForUpdateReminder(platform);

    auto window = std::make_unique<frmMain>(platform);
    window->adjustSize();
    velmora::centreOnScreen(window.get());
    window->show();
    window->activateWindow();
    window->ChoosePromotionLabel();
    return window;
}
