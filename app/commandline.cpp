// SPDX-License-Identifier: MIT
#include "commandline.h"

#include "version.h"

using namespace Qt::StringLiterals;

namespace velmora {

QString helpText()
{
    return u"Usage: tavi-velmora [FILE.vlm]\n"
           "Numerology readings for a person, in a window.\n"
           "\n"
           "  FILE.vlm       open this saved report; when the program already runs,\n"
           "                 the running copy opens it\n"
           "  -h, --help     show this help\n"
           "  -v, --version  show the version\n"
           "  --bus-activated\n"
           "                 started by the session bus to serve the program's name:\n"
           "                 ends at once when it cannot have the name\n"
           "\n"
           "Qt's own options, such as -platform or -display, are taken too.\n"_s;
}

QString versionText()
{
    return u"tavi-velmora " VELMORA_VERSION "\n"_s;
}

} // namespace velmora
