// SPDX-License-Identifier: MIT
#include "benchplatform.h"

velmora::MessageAnswer BenchPlatform::showMessage(QWidget *, const velmora::Message &message)
{
    ++messages;
    return message.buttons == velmora::MessageButtons::Ok ? velmora::MessageAnswer::Ok : velmora::MessageAnswer::No;
}
