// SPDX-License-Identifier: MIT
#pragma once

// What a reader of a PDF finds on its pages, as poppler's pdftotext reads
// them: each word with its page and its box.

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>

// The standard output of a program; empty when it fails or runs over 30 s.
inline QByteArray programOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

struct PdfWord {
    int page = 0; // from 0
    QRectF box;   // in points
    QString text;
};

struct PdfWords {
    QList<QSizeF> pageSizes; // in points, page by page
    QList<PdfWord> words;
};

// Every word of the PDF with its box (pdftotext -bbox).
inline PdfWords pdfWords(const QString &pdf)
{
    using namespace Qt::StringLiterals;
    static const QRegularExpression element(
        uR"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    PdfWords found;
    const QString bbox = QString::fromUtf8(programOutput(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s}));
    for (const QRegularExpressionMatch &match : element.globalMatch(bbox)) {
        if (!match.captured(1).isEmpty()) {
            found.pageSizes.append(QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()));
            continue;
        }
        found.words.append({static_cast<int>(found.pageSizes.size()) - 1,
                            QRectF(QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()),
                                   QPointF(match.captured(5).toDouble(), match.captured(6).toDouble())),
                            match.captured(7)});
    }
    return found;
}
