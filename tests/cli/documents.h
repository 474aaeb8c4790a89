// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>

// The documents the tool's examples are written in: the README and every
// docs/*.md, in that order, each as its lines.
struct Document {
    QString name; // relative to the source folder: README.md, docs/user-guide.md
    QStringList lines;
};

inline QList<Document> documents()
{
    QStringList names{QStringLiteral("README.md")};
    const QDir docs(QStringLiteral(VELMORA_SOURCE_DIR "/docs"));
    for (const QString &name : docs.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name))
        names << QStringLiteral("docs/") + name;
    QList<Document> found;
    for (const QString &name : names) {
        QFile file(QStringLiteral(VELMORA_SOURCE_DIR "/") + name);
        if (file.open(QIODevice::ReadOnly))
            found.append({name, QString::fromUtf8(file.readAll()).split(u'\n')});
    }
    return found;
}

// What a document shows after "$ command": the lines up to the next prompt
// or the end of the block.
inline QStringList shownAfter(const QStringList &lines, qsizetype prompt)
{
    QStringList shown;
    for (qsizetype k = prompt + 1; k < lines.size() && !lines[k].startsWith(QStringLiteral("$ "))
                                   && lines[k] != QStringLiteral("```");
         ++k)
        shown << lines[k];
    return shown;
}
