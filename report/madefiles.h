// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <vector>

namespace velmora {

// A file the command line names, as a message names it: the option and the
// file ("--open anna.vlm"). The name "-" stands for standard input (an
// input) or standard output (an output).
struct NamedFile {
    QString option;
    QString name;
};

// Whether the two names are of one file, as outputClash tells them apart.
[[nodiscard]] bool isSameFile(const QString &a, const QString &b);

// Checked before anything is written, so that no output replaces an input
// or another output: the message naming both files for the first output that
// is the same file as an input or as an output named before it (the same
// device and inode, or the same path once links, "." and ".." are resolved),
// or that is no report but would be written under a report's name (ending in
// vlm). Standard input ("-" among the inputs) and the stream printed to ("-"
// among the outputs) count where they are regular files. Empty when every
// output may be written.
[[nodiscard]] QString outputClash(const std::vector<NamedFile> &inputs, const std::vector<NamedFile> &outputs,
                                  std::FILE *printed);

// Every file the tool makes other than a report (a PDF, a calendar) is
// written as a report is saved: onto a regular file or a new name, through a
// temporary file that replaces it only when complete, and through a link only
// to a regular file whose own name ends in the kind's extension (".pdf",
// ".ics"), which is replaced while the link stays. False, with the reason,
// when the file is not written.
[[nodiscard]] bool saveMadeFile(const QString &fileName, const QByteArray &bytes, const QString &kind,
                                const QString &extension, QString *reason);

} // namespace velmora
