// SPDX-License-Identifier: MIT
// Writes the tool's bash completion from its template, with the words it
// offers taken from the tool itself: its options, the systems, the numbers
// --want takes and the cycles --find takes.
//   velmora-completion TEMPLATE OUTPUT
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cstdio>

#include "calendarspan.h"
#include "clioptions.h"
#include "descriptors.h"
#include "enginetext.h"
#include "readingdocument.h"
#include "system.h"

namespace {

QStringList withEquals(const QStringList &keys)
{
    QStringList words;
    for (const QString &key : keys)
        words << key + u'=';
    return words;
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace velmora;
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmora-completion TEMPLATE OUTPUT\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "velmora-completion: cannot read %s\n", argv[1]);
        return 1;
    }
    QStringList systemKeys;
    for (const System *system : systems())
        systemKeys << toQString(system->key);
    // Every number some system has.
    QStringList wants;
    for (const NumberDescriptor &number : numberDescriptors()) {
        if (std::ranges::any_of(systems(), [&](const System *system) { return system->hasNumber(number.id); }))
            wants << toQString(number.key);
    }
    QString text = QString::fromUtf8(in.readAll());
    text.replace(QStringLiteral("@OPTIONS@"), optionNames().join(u' '));
    text.replace(QStringLiteral("@SYSTEMS@"), systemKeys.join(u' '));
    text.replace(QStringLiteral("@WANTS@"), withEquals(wants).join(u' '));
    text.replace(QStringLiteral("@FINDS@"), withEquals(DayFilter::keys()).join(u' '));
    text.replace(QStringLiteral("@SECTIONS@"), reportSectionNames().join(u' '));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text.toUtf8()) < 0 || !out.flush()) {
        std::fprintf(stderr, "velmora-completion: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
