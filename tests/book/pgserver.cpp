// SPDX-License-Identifier: MIT
#include "pgserver.h"

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <pwd.h>
#include <unistd.h>

namespace {

constexpr auto kUser = "velmora";

bool isRoot()
{
    return ::geteuid() == 0;
}

} // namespace

QString TemporaryPostgres::programs()
{
    QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::ranges::sort(versions, [](const QString &a, const QString &b) { return a.toInt() > b.toInt(); });
    for (const QString &version : versions) {
        const QString folder = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(version);
        if (QFile::exists(folder + QStringLiteral("/initdb")) && QFile::exists(folder + QStringLiteral("/pg_ctl")))
            return folder;
    }
    return {};
}

bool TemporaryPostgres::run(const QString &program, const QStringList &arguments, QString *error)
{
    QProcess process;
    const QString path = m_programs + QLatin1Char('/') + program;
    if (isRoot())
        process.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), path} + arguments);
    else
        process.start(path, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = QStringLiteral("%1 failed: %2%3").arg(program, QString::fromLocal8Bit(process.readAllStandardError()),
                                                       QString::fromLocal8Bit(process.readAllStandardOutput()));
        return false;
    }
    return true;
}

bool TemporaryPostgres::start(QString *error)
{
    m_programs = programs();
    if (m_programs.isEmpty()) {
        *error = QStringLiteral("no PostgreSQL server is installed (Debian package postgresql)");
        return false;
    }
    if (!m_folder.isValid()) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    if (isRoot()) {
        const passwd *user = ::getpwnam("postgres");
        if (!user || ::chown(QFile::encodeName(m_folder.path()).constData(), user->pw_uid, user->pw_gid) != 0) {
            *error = QStringLiteral("the user postgres, who runs the server as root may not, is missing");
            return false;
        }
    }
    const QString data = m_folder.filePath(QStringLiteral("data"));
    if (!run(QStringLiteral("initdb"),
             {QStringLiteral("-D"), data, QStringLiteral("-U"), QLatin1String(kUser), QStringLiteral("-A"),
              QStringLiteral("trust"), QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C"),
              QStringLiteral("--no-sync")},
             error))
        return false;
    // Only the socket in the private folder: no port is taken from anyone.
    if (!run(QStringLiteral("pg_ctl"),
             {QStringLiteral("-D"), data, QStringLiteral("-l"), m_folder.filePath(QStringLiteral("server.log")),
              QStringLiteral("-w"), QStringLiteral("-o"),
              QStringLiteral("-h '' -k %1 -F -c max_connections=40").arg(m_folder.path()), QStringLiteral("start")},
             error))
        return false;
    m_running = true;
    return true;
}

TemporaryPostgres::~TemporaryPostgres()
{
    if (m_running) {
        QString ignored;
        (void)run(QStringLiteral("pg_ctl"),
                  {QStringLiteral("-D"), m_folder.filePath(QStringLiteral("data")), QStringLiteral("-m"),
                   QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")},
                  &ignored);
    }
}

QString TemporaryPostgres::newDatabase(QString *error)
{
    error->clear();
    const QString name = QStringLiteral("book_%1").arg(++m_databases);
    const QString connection = QStringLiteral("temporary-postgres-admin");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        db.setHostName(m_folder.path());
        db.setUserName(QLatin1String(kUser));
        db.setDatabaseName(QStringLiteral("postgres"));
        QSqlQuery query(db);
        if (!db.open() || !query.exec(QStringLiteral("CREATE DATABASE %1 STRATEGY FILE_COPY").arg(name)))
            *error = db.lastError().text() + query.lastError().text();
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!error->isEmpty())
        return {};
    return QStringLiteral("postgresql://%1@localhost/%2?host=%3")
        .arg(QLatin1String(kUser), name, QString::fromUtf8(QUrl::toPercentEncoding(m_folder.path())));
}
