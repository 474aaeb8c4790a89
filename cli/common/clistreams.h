// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

struct BirthData;

// The tool's two streams and the arguments as the system passed them: what
// every run writes with, and how it tells the user what went wrong.
class CliStreams
{
public:
    CliStreams(std::FILE *output, std::FILE *errors, QByteArrayList argumentBytes = {});

    [[nodiscard]] std::FILE *output() const { return m_output; }
    [[nodiscard]] std::FILE *errors() const { return m_errors; }

    // The exit status: UsageError after " (see --help)" is added to the line.
    int usageError(const QString &text);
    // The exit status: Failure after the line.
    int failure(const QString &text);
    int failure(std::string_view text);

    // The bytes to the output, flushed; a line on the error stream when it refuses them.
    bool write(std::string_view bytes);
    // The same as an exit status.
    int writeAll(std::string_view bytes);
    int writeAll(const QByteArray &bytes);
    // A file the tool makes (kind: "PDF file", "calendar file"): to standard
    // output for "-", otherwise by the rules of --save.
    int writeMadeFile(const QString &fileName, const QByteArray &bytes, const QString &kind,
                      const QString &extension);
    // The same for a PDF drawn in memory; empty when it could not be drawn.
    int writePdf(const QString &fileName, const QByteArray &pdf);

    // Whether the file name stands for the file the user named: a name that
    // is not UTF-8 cannot be told apart from the one that holds U+FFFD.
    [[nodiscard]] bool isExactName(const QString &fileName) const;
    // Success, or Failure after saying why the name cannot be used; "-" and
    // an empty name (standard input or output, or none) always pass.
    int checkName(const QString &fileName);

    // The input file named (stdin for "-" or none), or nullptr after saying why not.
    std::FILE *openInput(const QString &fileName);
    // Closes what openInput opened.
    static void closeInput(std::FILE *input);

    // One line on the error stream when characters of the person's name do not count.
    void warnOfUncounted(const BirthData &data);
    // A report file's person (its names folded when asked to), or a message
    // and nothing when the window would refuse it.
    std::optional<BirthData> openReport(const QString &fileName, bool fold);

private:
    std::FILE *m_output;
    std::FILE *m_errors;
    QByteArrayList m_argumentBytes;
};

// The name as it counts: with its accents folded when asked to.
[[nodiscard]] std::string countedName(std::string_view name, bool fold);

} // namespace velmora
