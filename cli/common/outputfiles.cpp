// SPDX-License-Identifier: MIT
#include "outputfiles.h"

#include <QCommandLineParser>
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

QString commandLineClash(const CliOptions &options, std::FILE *printed)
{
    std::vector<NamedFile> inputs;
    const auto input = [&](const QString &option, const QString &name) {
        if (!name.isEmpty())
            inputs.push_back({option, name});
    };
    // A client book in a file is read (and written) too.
    const bool usesBook = options.mode == CliMode::Book || options.mode == CliMode::Client
        || (options.mode == CliMode::Variants && !options.client.isEmpty())
        || (options.mode == CliMode::Compare
            && (options.compareFirst.startsWith(kClientOperand) || options.compareSecond.startsWith(kClientOperand)));
    if (usesBook && !options.book.contains(u"://"_s))
        input(u"--book"_s, options.book);
    switch (options.mode) {
    case CliMode::Book:
        for (const QString &file : options.importFiles)
            input(u"--import"_s, file);
        break;
    case CliMode::Batch:
        input(u"--input"_s, options.inputFile.isEmpty() ? u"-"_s : options.inputFile);
        break;
    case CliMode::Open:
        input(u"--open"_s, options.openFile);
        break;
    case CliMode::Compare:
        for (const QString &person : {options.compareFirst, options.compareSecond}) {
            if (hasReportExtension(person))
                input(u"--compare"_s, person);
        }
        break;
    case CliMode::Variants:
        input(u"--variants"_s, options.variantsFile);
        break;
    case CliMode::Client:
    case CliMode::Person:
    case CliMode::None:
        break;
    }
    // What the report document reads.
    input(u"--logo"_s, options.logoFile);
    input(u"--notes-file"_s, options.notesFile);
    std::vector<NamedFile> outputs;
    for (const auto &[option, name] :
         {std::pair{u"--save"_s, options.saveFile}, std::pair{u"--pdf"_s, options.pdfFile},
          std::pair{u"--odt"_s, options.odtFile}, std::pair{u"--html"_s, options.htmlFile},
          std::pair{u"--ics"_s, options.icsFile}}) {
        if (!name.isEmpty() && name != u"-"_s)
            outputs.push_back({option, name});
    }
    if ((options.bookJob == BookJob::Export || options.bookJob == BookJob::Backup) && options.bookValue != u"-"_s)
        outputs.push_back({options.bookJob == BookJob::Export ? u"--export"_s : u"--backup"_s, options.bookValue});
    outputs.push_back({QString(), u"-"_s}); // what is printed, and a PDF or calendar written to "-"
    return outputClash(inputs, outputs, printed);
}

bool saveMadeFile(const QString &fileName, const QByteArray &bytes, const QString &kind, const QString &extension,
                  QString *reason)
{
    return saveWholeFile(
        fileName, bytes, reason, [&](const QString &target) { return target.endsWith(extension); },
        u"a link to something other than a %1"_s.arg(kind));
}

} // namespace velmora
