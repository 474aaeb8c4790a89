// SPDX-License-Identifier: MIT
#include "madefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

#include <sys/stat.h>

#include "filesave.h"
#include "reportfile.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

// What makes two names one file: the file's device and inode where it
// exists, and its path with links, "." and ".." resolved (for a file not yet
// there, its folder's resolved path and its own name).
struct FileIdentity {
    std::optional<std::pair<dev_t, ino_t>> node;
    QString path;
};

std::optional<std::pair<dev_t, ino_t>> nodeOf(int descriptor)
{
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return std::pair{info.st_dev, info.st_ino};
}

FileIdentity identityOf(const NamedFile &file, int stream)
{
    if (file.name == u"-"_s)
        return {nodeOf(stream), {}};
    FileIdentity identity;
    struct stat info {};
    if (::stat(QFile::encodeName(file.name).constData(), &info) == 0)
        identity.node = std::pair{info.st_dev, info.st_ino};
    const QFileInfo about(file.name);
    identity.path = about.canonicalFilePath();
    if (identity.path.isEmpty()) {
        const QString folder = QFileInfo(about.absolutePath()).canonicalFilePath();
        identity.path = folder.isEmpty() ? QDir::cleanPath(about.absoluteFilePath())
                                         : folder + u'/' + about.fileName();
    }
    return identity;
}

bool sameFile(const FileIdentity &a, const FileIdentity &b)
{
    if (a.node && b.node)
        return *a.node == *b.node;
    return !a.path.isEmpty() && a.path == b.path;
}

QString described(const NamedFile &file, bool output)
{
    if (file.name == u"-"_s)
        return output ? u"standard output"_s : u"standard input"_s;
    return file.option + u' ' + file.name;
}

} // namespace

bool isSameFile(const QString &a, const QString &b)
{
    return sameFile(identityOf({{}, a}, -1), identityOf({{}, b}, -1));
}

QString outputClash(const std::vector<NamedFile> &inputs, const std::vector<NamedFile> &outputs, std::FILE *printed)
{
    std::vector<std::pair<const NamedFile *, FileIdentity>> taken;
    for (const NamedFile &input : inputs)
        taken.emplace_back(&input, identityOf(input, fileno(stdin)));
    const std::size_t inputCount = taken.size();
    for (const NamedFile &output : outputs) {
        const FileIdentity identity = identityOf(output, fileno(printed));
        for (std::size_t k = 0; k < taken.size(); ++k) {
            if (sameFile(identity, taken[k].second))
                return u"%1 is the same file as %2; nothing was written"_s.arg(
                    described(output, true), described(*taken[k].first, k >= inputCount));
        }
        if (output.option != u"--save"_s && output.name != u"-"_s && hasReportExtension(output.name))
            return u"%1: only a report is written under a name ending in vlm; nothing was written"_s.arg(
                described(output, true));
        taken.emplace_back(&output, identity);
    }
    return {};
}

bool saveMadeFile(const QString &fileName, const QByteArray &bytes, const QString &kind, const QString &extension,
                  QString *reason)
{
    return saveWholeFile(
        fileName, bytes, reason, [&](const QString &target) { return target.endsWith(extension); },
        u"a link to something other than a %1"_s.arg(kind));
}

} // namespace velmora
