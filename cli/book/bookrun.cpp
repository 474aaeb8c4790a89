// SPDX-License-Identifier: MIT
#include "bookrun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <string>

#include "clidiagnostics.h"
#include "clientfiles.h"
#include "clioptions.h"
#include "clistreams.h"
#include "csvwriter.h"
#include "enginetext.h"
#include "personinput.h"
#include "system.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

using book::Client;

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QString timeText(const QDateTime &time)
{
    return time.isValid() ? time.toUTC().toString(u"yyyy-MM-dd HH:mm 'UTC'"_s) : QString();
}

// Text typed by a person, shown on a terminal: its controls cannot act there.
std::string shown(const QString &text)
{
    return visibleText(text.toStdString());
}

// "Mary Ann Jones (married, 2010-06-12)"
QString laterNameText(const book::LaterName &name)
{
    QStringList about;
    if (!name.label.isEmpty())
        about << name.label;
    if (name.taken.isValid())
        about << dateText(name.taken);
    const QString joined = book::joinedName(name.first, name.middle, name.last);
    return about.isEmpty() ? joined : joined + u" ("_s + about.join(u", "_s) + u')';
}

std::string clientText(const Client &client)
{
    std::string text = "Client " + std::to_string(client.id) + "\n";
    const auto line = [&](const char *label, const QString &value) {
        if (!value.isEmpty())
            text.append(label).append(shown(value)).append("\n");
    };
    line("Name in use: ", client.nameInUse >= 0 ? book::nameInUse(client) : QString());
    line("Birth name:  ", book::joinedName(client.first, client.middle, client.last));
    line("Born:        ", dateText(client.birth));
    for (qsizetype k = 0; k < client.laterNames.size(); ++k)
        line(k == 0 ? "Later names: " : "             ", laterNameText(client.laterNames[k]));
    line("Tags:        ", client.tags.join(u' '));
    for (const book::ClientLink &link : client.links)
        line("Linked:      ", u"client %1 (%2)"_s.arg(QString::number(link.otherId), link.label));
    line("System:      ", client.system);
    line("Added:       ", timeText(client.created));
    line("Changed:     ", timeText(client.changed));
    if (!client.notes.isEmpty()) {
        text.append("Notes:\n");
        for (const QString &notesLine : client.notes.split(u'\n'))
            text.append("  ").append(shown(notesLine)).append("\n");
    }
    if (!client.history.isEmpty()) {
        text.append("History:\n");
        for (const book::HistoryEntry &entry : client.history) {
            QString about = timeText(entry.made) + u"  "_s + entry.system + u"  "_s + entry.document;
            if (entry.dateOfInterest.isValid())
                about += u" for "_s + dateText(entry.dateOfInterest);
            text.append("  ").append(shown(about)).append("\n");
        }
    }
    return text;
}

QJsonObject clientObject(const Client &client)
{
    QJsonArray laterNames;
    for (qsizetype k = 0; k < client.laterNames.size(); ++k) {
        const book::LaterName &name = client.laterNames[k];
        laterNames.append(QJsonObject{{u"first"_s, name.first},
                                      {u"middle"_s, name.middle},
                                      {u"last"_s, name.last},
                                      {u"taken"_s, dateText(name.taken)},
                                      {u"label"_s, name.label},
                                      {u"inUse"_s, k == client.nameInUse}});
    }
    QJsonArray links;
    for (const book::ClientLink &link : client.links)
        links.append(QJsonObject{{u"id"_s, link.otherId}, {u"label"_s, link.label}});
    QJsonArray history;
    for (const book::HistoryEntry &entry : client.history) {
        history.append(QJsonObject{{u"made"_s, entry.made.toUTC().toString(Qt::ISODate)},
                                   {u"system"_s, entry.system},
                                   {u"dateOfInterest"_s, dateText(entry.dateOfInterest)},
                                   {u"document"_s, entry.document}});
    }
    return {{u"id"_s, client.id},
            {u"name"_s, book::nameInUse(client)},
            {u"first"_s, client.first},
            {u"middle"_s, client.middle},
            {u"last"_s, client.last},
            {u"date"_s, dateText(client.birth)},
            {u"laterNames"_s, laterNames},
            {u"notes"_s, client.notes},
            {u"tags"_s, QJsonArray::fromStringList(client.tags)},
            {u"links"_s, links},
            {u"system"_s, client.system},
            {u"history"_s, history},
            {u"created"_s, client.created.toUTC().toString(Qt::ISODate)},
            {u"changed"_s, client.changed.toUTC().toString(Qt::ISODate)}};
}

// "FIRST,MIDDLE,LAST,YYYY-MM-DD,LABEL": the later name, or nothing when it is not written so.
std::optional<book::LaterName> laterNameOf(const QString &text)
{
    const QStringList fields = text.split(u',');
    if (fields.size() != 5)
        return std::nullopt;
    book::LaterName name{fields[0], fields[1], fields[2], {}, fields[4]};
    if (!fields[3].isEmpty()) {
        const std::optional<IsoDate> taken = parseIsoDate(fields[3].toStdString());
        if (!taken)
            return std::nullopt;
        name.taken = QDate(taken->year, taken->month, taken->day);
    }
    if (book::joinedName(name.first, name.middle, name.last).trimmed().isEmpty())
        return std::nullopt;
    return name;
}

} // namespace

BookRun::BookRun(const CliOptions &options, CliStreams &streams)
    : m_options(options)
    , m_streams(streams)
    , m_access(options.book, streams)
{
}

int BookRun::run()
{
    if (m_access.book() == nullptr)
        return Failure;
    switch (m_options.bookJob) {
    case BookJob::Add:
        return add();
    case BookJob::Show:
        return show();
    case BookJob::Set:
        return set();
    case BookJob::Remove:
        return remove();
    case BookJob::Find:
        return find();
    case BookJob::Import:
        return import();
    case BookJob::Export:
        return exportCsv();
    case BookJob::Backup:
        return backup();
    case BookJob::Check:
        return check();
    case BookJob::None:
        break;
    }
    return UsageError;
}

int BookRun::bookFailure()
{
    return m_streams.failure(u"%1: %2"_s.arg(m_access.address(), m_access.book()->errorString()));
}

std::optional<Client> BookRun::clientOfId()
{
    // The command line has made sure it is a number.
    std::optional<Client> client = m_access.book()->client(m_options.bookValue.toLongLong());
    if (!client)
        m_streams.failure(u"client %1: %2"_s.arg(m_options.bookValue, m_access.book()->errorString()));
    return client;
}

int BookRun::applyFields(Client &client)
{
    const CliOptions &o = m_options;
    for (const auto &[given, field, value] : {std::tuple{o.firstGiven, &client.first, o.first},
                                              std::tuple{o.middleGiven, &client.middle, o.middle},
                                              std::tuple{o.lastGiven, &client.last, o.last}}) {
        if (given)
            *field = value;
    }
    const std::string first = client.first.toStdString();
    const std::string middle = client.middle.toStdString();
    const std::string last = client.last.toStdString();
    const std::string date = o.dateGiven ? o.date.toStdString() : client.birth.toString(Qt::ISODate).toStdString();
    CheckedPerson checked;
    if (const InputFault fault = checkPerson({first, middle, last, date}, checked); fault != InputFault::None) {
        std::string text(faultText(fault));
        if (fault == InputFault::BadDate)
            text = "--date '" + date + "': " + text;
        return m_streams.failure(text);
    }
    client.birth = QDate(checked.date.year, checked.date.month, checked.date.day);
    if (o.notesGiven)
        client.notes = o.notes;
    if (o.tagsGiven) {
        client.tags.clear();
        for (const QString &tag : o.tags) {
            if (tag.contains(u' ') || tag.contains(u','))
                return m_streams.failure(u"--tag '%1': a tag is one word, without spaces or commas"_s.arg(tag));
            if (!tag.isEmpty() && !client.tags.contains(tag))
                client.tags << tag;
        }
    }
    for (const QString &text : o.laterNames) {
        const std::optional<book::LaterName> name = laterNameOf(text);
        if (!name)
            return m_streams.failure(u"--later-name '%1': expected FIRST,MIDDLE,LAST,YYYY-MM-DD,LABEL with a name "
                                     "and a real date (or none)"_s.arg(text));
        client.laterNames << *name;
        client.nameInUse = static_cast<int>(client.laterNames.size() - 1);
    }
    if (o.systemNamed)
        client.system = toQString(o.system->key);
    return Success;
}

int BookRun::add()
{
    Client client;
    if (const int status = applyFields(client); status != Success)
        return status;
    const qint64 id = m_access.book()->addClient(client);
    if (id == 0)
        return bookFailure();
    return m_streams.writeAll(std::to_string(id) + "\n");
}

int BookRun::show()
{
    const std::optional<Client> client = clientOfId();
    if (!client)
        return Failure;
    if (m_options.format == OutputFormat::Json)
        return m_streams.writeAll(QJsonDocument(clientObject(*client)).toJson(QJsonDocument::Indented));
    return m_streams.writeAll(clientText(*client));
}

int BookRun::set()
{
    std::optional<Client> client = clientOfId();
    if (!client)
        return Failure;
    if (const int status = applyFields(*client); status != Success)
        return status;
    return m_access.book()->updateClient(*client) ? Success : bookFailure();
}

int BookRun::remove()
{
    return m_access.book()->removeClient(m_options.bookValue.toLongLong()) ? Success : bookFailure();
}

int BookRun::find()
{
    const std::optional<QList<book::ClientSummary>> found = m_access.book()->findClients(m_options.bookValue);
    if (!found)
        return bookFailure();
    if (m_options.format == OutputFormat::Json) {
        QJsonArray clients;
        for (const book::ClientSummary &client : *found)
            clients.append(QJsonObject{{u"id"_s, client.id},
                                       {u"name"_s, client.name},
                                       {u"birthName"_s, client.birthName},
                                       {u"date"_s, dateText(client.birth)}});
        return m_streams.writeAll(QJsonDocument(clients).toJson(QJsonDocument::Indented));
    }
    if (m_options.format == OutputFormat::Csv) {
        CsvWriter writer(m_streams.output());
        for (const char *column : {"id", "name", "birth_name", "date"})
            writer.field(column);
        writer.endRecord();
        for (const book::ClientSummary &client : *found) {
            writer.field(std::to_string(client.id));
            for (const QString &text : {client.name, client.birthName, dateText(client.birth)})
                writer.field(text.toStdString());
            writer.endRecord();
        }
        return writer.flush() ? Success : m_streams.failure(std::string_view("cannot write the output"));
    }
    if (found->isEmpty())
        return m_streams.writeAll(u"No client matches '%1'.\n"_s.arg(m_options.bookValue).toStdString());
    const qsizetype width = QString::number(found->constLast().id).size();
    std::string text;
    for (const book::ClientSummary &client : *found) {
        QString line = u"%1  %2, born %3"_s.arg(client.id, static_cast<int>(width)).arg(client.name, dateText(client.birth));
        if (client.birthName != client.name)
            line += u" (birth name %1)"_s.arg(client.birthName);
        text.append(shown(line)).append("\n");
    }
    return m_streams.writeAll(text);
}

int BookRun::import()
{
    int status = Success;
    for (const QString &fileName : m_options.importFiles) {
        if (m_streams.checkName(fileName) != Success) {
            status = Failure;
            continue;
        }
        QString error;
        std::optional<QList<Client>> clients;
        if (fileName == u"-"_s)
            clients = book::clientsFromCsv(stdin, &error);
        else
            clients = book::clientsFromFile(fileName, &error);
        const QString shownName = fileName == u"-"_s ? u"standard input"_s : fileName;
        QList<qint64> ids;
        if (clients && !m_access.book()->addClients(*clients, &ids))
            error = m_access.book()->errorString();
        if (!clients || !error.isEmpty()) {
            status = m_streams.failure(u"%1: %2; nothing of it was imported"_s.arg(shownName, error));
            continue;
        }
        QString done = ids.isEmpty()        ? u"%1: no clients in it"_s.arg(shownName)
            : ids.size() == 1               ? u"%1: 1 client imported, id %2"_s.arg(shownName).arg(ids.constFirst())
                                            : u"%1: %2 clients imported, ids %3 to %4"_s.arg(shownName)
                                         .arg(ids.size())
                                         .arg(ids.constFirst())
                                         .arg(ids.constLast());
        if (!m_streams.write(shown(done) + "\n"))
            return Failure;
    }
    return status;
}

int BookRun::exportCsv()
{
    QString error;
    const std::optional<QByteArray> csv = book::exportedClients(*m_access.book(), &error);
    if (!csv)
        return m_streams.failure(u"%1: %2"_s.arg(m_access.address(), error));
    if (m_streams.checkName(m_options.bookValue) != Success)
        return Failure;
    return m_streams.writeMadeFile(m_options.bookValue, *csv, u"CSV file"_s, u".csv"_s);
}

int BookRun::backup()
{
    if (m_streams.checkName(m_options.bookValue) != Success)
        return Failure;
    if (!m_access.book()->backupTo(m_options.bookValue))
        return m_streams.failure(u"%1: cannot back up the book: %2"_s.arg(m_options.bookValue,
                                                                          m_access.book()->errorString()));
    return Success;
}

int BookRun::check()
{
    const std::optional<QStringList> found = m_access.book()->check();
    const std::optional<qint64> count = found ? m_access.book()->clientCount() : std::nullopt;
    if (!found || (found->isEmpty() && !count))
        return bookFailure();
    if (found->isEmpty())
        return m_streams.writeAll(u"The book is sound: %1 %2.\n"_s.arg(*count).arg(*count == 1 ? u"client"_s : u"clients"_s)
                                      .toStdString());
    std::string text;
    for (const QString &problem : *found)
        text.append(shown(problem)).append("\n");
    if (!m_streams.write(text))
        return Failure;
    return m_streams.failure(u"%1: the book is damaged (what was found is listed above); copy it aside and "
                             "restore the last backup"_s.arg(m_access.address()));
}

} // namespace velmora
