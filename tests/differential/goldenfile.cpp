// SPDX-License-Identifier: MIT
#include "goldenfile.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>

using namespace Qt::StringLiterals;

std::optional<GoldenFile> GoldenFile::read(const QString &fileName, QString *problem)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = u"%1: %2"_s.arg(fileName, file.errorString());
        return std::nullopt;
    }
    GoldenFile golden;
    QSet<QByteArray> keys;
    int number = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        ++number;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QByteArrayList fields = line.split(' ');
        if (fields.size() < 3 || fields.contains(QByteArray())) {
            *problem = u"%1:%2: not a line of digests"_s.arg(fileName).arg(number);
            return std::nullopt;
        }
        const QByteArray key = fields[0] + ' ' + fields[1];
        if (keys.contains(key)) {
            *problem = u"%1:%2: %3 is there twice"_s.arg(fileName).arg(number).arg(QString::fromUtf8(key));
            return std::nullopt;
        }
        keys.insert(key);
        golden.append({fields[0], fields[1], fields.mid(2)});
    }
    return golden;
}

bool GoldenFile::write(const QString &fileName, const QStringList &comments, QString *problem) const
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *problem = file.errorString();
        return false;
    }
    QByteArray text;
    for (const QString &comment : comments)
        text += ("# " + comment).trimmed().toUtf8() + '\n';
    for (const Line &line : m_lines)
        text += line.section + ' ' + line.key + ' ' + line.digests.join(' ') + '\n';
    file.write(text);
    if (!file.commit()) {
        *problem = file.errorString();
        return false;
    }
    return true;
}

QList<GoldenFile::Line> GoldenFile::section(const QByteArray &section) const
{
    QList<Line> lines;
    for (const Line &line : m_lines) {
        if (line.section == section)
            lines.append(line);
    }
    return lines;
}

QByteArray GoldenFile::digest(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, kAlgorithm).left(8).toHex();
}

QByteArray GoldenFile::digest(const QCryptographicHash &hash)
{
    return hash.result().left(8).toHex();
}
