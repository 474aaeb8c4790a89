// SPDX-License-Identifier: MIT
#include "outputfiles.h"

#include <QCommandLineParser>

#include "reportfile.h"

using namespace Qt::StringLiterals;

namespace velmora {

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

} // namespace velmora
