// SPDX-License-Identifier: MIT
#include "practice.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QSvgRenderer>

#include <cmath>

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

// An SVG logo is drawn this many pixels on its longer side: sharp at the
// size the first page prints it.
constexpr int kSvgPixels = 600;

// Whether the PNG's chunks run whole from its signature to its end chunk:
// the PNG library would report a file cut short on standard error itself.
bool hasWholeChunks(const QByteArray &png)
{
    qsizetype at = 8; // the signature
    while (at + 12 <= png.size()) {
        const auto byte = [&](qsizetype k) { return static_cast<quint32>(static_cast<uchar>(png[at + k])); };
        const quint32 length = byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
        if (length > static_cast<quint32>(png.size()))
            return false;
        const bool end = png.mid(at + 4, 4) == "IEND";
        at += 12 + static_cast<qsizetype>(length);
        if (end)
            return at <= png.size();
    }
    return false;
}

} // namespace

QString practiceFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/tavi-velmora/practice.conf"_s;
}

PracticeDetails readPracticeFile(const QString &fileName)
{
    if (!QFileInfo(fileName).isFile())
        return {};
    const QSettings settings(fileName, QSettings::IniFormat);
    return {settings.value(u"practice/name"_s).toString(), settings.value(u"practice/contact"_s).toString(),
            settings.value(u"practice/logo"_s).toString()};
}

std::optional<QImage> loadLogo(const QString &fileName, QString *problem)
{
    const auto refuse = [&](const QString &reason) {
        *problem = u"%1: %2"_s.arg(fileName, reason);
        return std::nullopt;
    };
    QFile file(fileName);
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly))
        return refuse(u"cannot be read"_s);
    if (file.size() > kLogoMaxBytes)
        return refuse(u"larger than 10 MB; a logo may be 10 MB at most"_s);
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        return refuse(u"cannot be read"_s);
    const QString tooLarge = u"%1 × %2 pixels; a logo may be 10,000 pixels a side at most"_s;
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "png");
    if (reader.canRead()) {
        if (!hasWholeChunks(bytes))
            return refuse(u"the PNG image is cut short or damaged"_s);
        const QSize size = reader.size();
        if (size.width() > kLogoMaxSide || size.height() > kLogoMaxSide)
            return refuse(tooLarge.arg(size.width()).arg(size.height()));
        QImage image = reader.read();
        if (image.isNull())
            return refuse(u"the PNG image cannot be read: "_s + reader.errorString());
        return image;
    }
    // Only what names an SVG element goes to the SVG reader, which would
    // report anything else on standard error.
    if (!bytes.left(4096).contains("<svg"))
        return refuse(u"not a PNG or SVG image"_s);
    QSvgRenderer svg(bytes);
    if (!svg.isValid())
        return refuse(u"not a PNG or SVG image"_s);
    const QSizeF size = svg.viewBoxF().size();
    if (size.width() > kLogoMaxSide || size.height() > kLogoMaxSide)
        return refuse(tooLarge.arg(std::ceil(size.width())).arg(std::ceil(size.height())));
    if (size.isEmpty())
        return refuse(u"the SVG image has no size"_s);
    const qreal scale = kSvgPixels / std::max(size.width(), size.height());
    QImage image(std::max(1, qRound(size.width() * scale)), std::max(1, qRound(size.height() * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    return image;
}

} // namespace velmora
