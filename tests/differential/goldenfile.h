// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QCryptographicHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The digests the outputs had when they were last approved: one line per
// section and key ("person 0042", "batch csv"), one digest per output kind.
// Lines starting with # are comments.
class GoldenFile
{
public:
    struct Line {
        QByteArray section;
        QByteArray key;
        QByteArrayList digests;
    };

    // Nothing, with the reason, when the file cannot be read or a line is
    // malformed or repeated.
    static std::optional<GoldenFile> read(const QString &fileName, QString *problem);
    [[nodiscard]] bool write(const QString &fileName, const QStringList &comments, QString *problem) const;

    void append(Line line) { m_lines.append(std::move(line)); }
    [[nodiscard]] QList<Line> section(const QByteArray &section) const;
    [[nodiscard]] const QList<Line> &lines() const { return m_lines; }

    // BLAKE2b rather than SHA-256: the test hashes some 350 MB, and Qt's
    // SHA-256 takes 1.86 s for 200 MB here, its BLAKE2b 0.43 s.
    static constexpr QCryptographicHash::Algorithm kAlgorithm = QCryptographicHash::Blake2b_256;

    // The first 64 bits of the digest of the bytes, in hex: ample to tell a
    // changed output, at a quarter of the file's size.
    static QByteArray digest(QByteArrayView bytes);
    static QByteArray digest(const QCryptographicHash &hash);

private:
    QList<Line> m_lines;
};
