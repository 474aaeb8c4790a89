// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace velmora {

// The practice a report is prepared by: its name and contact line head the
// first page and stand in every page's footer, its logo beside them. A
// report of a practice with neither a name nor a contact line has no heading.
struct PracticeDetails {
    QString name;
    QString contact;
    QString logoFile; // a PNG or SVG file; empty for none

    [[nodiscard]] bool isEmpty() const { return name.isEmpty() && contact.isEmpty() && logoFile.isEmpty(); }
    friend bool operator==(const PracticeDetails &, const PracticeDetails &) = default;
};

// Where the practice's details are kept when no client book keeps them:
// tavi-velmora/practice.conf in the user's configuration folder.
[[nodiscard]] QString practiceFilePath();
// The details the file holds (keys name, contact and logo of the group
// [practice]); none where it is missing or unreadable.
[[nodiscard]] PracticeDetails readPracticeFile(const QString &fileName);

// The largest logo read: its file's size, and its pixels a side.
inline constexpr qint64 kLogoMaxBytes = 10 * 1024 * 1024;
inline constexpr int kLogoMaxSide = 10000;

// A logo as the document shows it: a PNG read as it is, an SVG drawn at a
// size fit for print. Nothing, with the reason naming the file, when the file
// cannot be read, is no PNG or SVG image, is larger than kLogoMaxBytes or has
// a side longer than kLogoMaxSide pixels.
[[nodiscard]] std::optional<QImage> loadLogo(const QString &fileName, QString *problem);

} // namespace velmora
