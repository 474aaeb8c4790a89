// SPDX-License-Identifier: MIT
#include "readingsfile.h"

#include <QDir>
#include <QFile>

#include "enginetext.h"
#include "platform.h"

using namespace Qt::StringLiterals;

namespace velmora {

QString readingsPdfFileName(const BirthData &person, const QString &what)
{
    QString name = what + u" - "_s + toQString(fullName(person));
    name.replace(u'/', u'-');
    const QString suffix = u".pdf"_s;
    while (QFile::encodeName(name + suffix).size() > 255)
        name.chop(name.size() > 1 && name.back().isLowSurrogate() ? 2 : 1);
    return QDir(documentsFolder()).filePath(name + suffix);
}

} // namespace velmora
