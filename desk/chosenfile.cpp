// SPDX-License-Identifier: MIT
#include "chosenfile.h"

#include <QDir>

#include <cstdio>
#include <vector>

#include "madefiles.h"
#include "platform.h"

using namespace Qt::StringLiterals;

namespace velmora::desk {

QString saveChosenFile(Platform &platform, QWidget *parent, const ChosenFile &file, const QString &bookFile,
                       const std::function<QByteArray()> &bytes)
{
    const QString fileName = platform.chooseFile(parent, file.request);
    if (fileName.isEmpty())
        return {};
    // The book is read and written by the window; a report's name is for reports only.
    std::vector<NamedFile> inputs;
    if (!bookFile.isEmpty())
        inputs.push_back({u"the client book"_s, bookFile});
    QString problem = outputClash(inputs, {{u"The "_s + file.kind, fileName}}, stdout);
    if (problem.isEmpty()) {
        // Drawn before anything is touched: a document that cannot be drawn leaves the file as it was.
        const QByteArray made = bytes();
        QString reason = u"it could not be drawn"_s;
        if (made.isEmpty() || !saveMadeFile(fileName, made, file.kind, file.extension, &reason))
            problem = u"%1\nThe %2 was not saved: %3"_s.arg(QDir::toNativeSeparators(fileName), file.kind, reason);
    }
    if (!problem.isEmpty()) {
        platform.showMessage(parent, {MessageIcon::Critical, problem, u"Tavi Velmora Desk"_s, MessageButtons::Ok});
        return {};
    }
    return fileName;
}

} // namespace velmora::desk
