// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTemporaryDir>

// A PostgreSQL server of its own in a temporary folder, reached only through a
// socket in that folder, trusting whoever connects; stopped when destroyed.
// As root it runs as the user postgres, as the server refuses to run as root.
class TemporaryPostgres
{
public:
    TemporaryPostgres() = default;
    ~TemporaryPostgres();
    TemporaryPostgres(const TemporaryPostgres &) = delete;
    TemporaryPostgres &operator=(const TemporaryPostgres &) = delete;

    // The folder of the installed server's programs; empty when there is none.
    [[nodiscard]] static QString programs();

    // Starts the server; false with *error saying why.
    [[nodiscard]] bool start(QString *error);

    // A new, empty database on it: its postgresql:// address, or empty with *error.
    [[nodiscard]] QString newDatabase(QString *error);

private:
    bool run(const QString &program, const QStringList &arguments, QString *error);

    QTemporaryDir m_folder;
    QString m_programs;
    bool m_running = false;
    int m_databases = 0;
};
