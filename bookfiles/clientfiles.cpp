// SPDX-License-Identifier: MIT
#include "clientfiles.h"

#include <QFile>
#include <QUtf8StringView>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "csvreader.h"
#include "csvwriter.h"
#include "personcsv.h"
#include "personinput.h"
#include "reportfile.h"
#include "systemreason.h"

using namespace Qt::StringLiterals;

namespace velmora::book {
namespace {

// The optional columns after the person's, in the order an export writes them.
enum Extra : std::uint8_t { Notes, Tags, LaterNames, NameInUse, SystemKey, History, ExtraCount };
constexpr std::array<std::string_view, ExtraCount> kExtraColumns = {"notes",       "tags",   "later_names",
                                                                     "name_in_use", "system", "history"};
constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

// A stream into memory that CsvWriter writes to.
class MemoryStream
{
public:
    MemoryStream()
        : m_file(open_memstream(&m_data, &m_size))
    {
    }
    ~MemoryStream()
    {
        if (m_file != nullptr)
            std::fclose(m_file);
        std::free(m_data);
    }
    MemoryStream(const MemoryStream &) = delete;
    MemoryStream &operator=(const MemoryStream &) = delete;

    [[nodiscard]] std::FILE *file() const { return m_file; }
    // What was written; nothing when the stream could not be made or grow.
    [[nodiscard]] std::optional<QByteArray> take()
    {
        if (m_file == nullptr || std::fclose(m_file) != 0) {
            m_file = nullptr;
            return std::nullopt;
        }
        m_file = nullptr;
        return QByteArray(m_data, static_cast<qsizetype>(m_size));
    }

private:
    char *m_data = nullptr;
    std::size_t m_size = 0;
    std::FILE *m_file;
};

std::string utf8(const QString &text)
{
    return text.toStdString();
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

// Records within one cell, one a line, as CSV of their own.
std::string cellOfRecords(const QList<QStringList> &records)
{
    if (records.isEmpty())
        return {};
    MemoryStream stream;
    if (stream.file() == nullptr)
        return {};
    {
        CsvWriter writer(stream.file());
        for (const QStringList &record : records) {
            for (const QString &field : record)
                writer.field(utf8(field));
            writer.endRecord();
        }
        writer.flush();
    }
    const std::optional<QByteArray> bytes = stream.take();
    return bytes ? bytes->toStdString() : std::string();
}

// The records of a cell written by cellOfRecords, each with exactly count
// fields; nothing, with why, when one is not.
std::optional<std::vector<std::vector<std::string>>> recordsOfCell(std::string_view cell, std::size_t count,
                                                                   std::string *why)
{
    std::vector<std::vector<std::string>> records;
    if (cell.empty())
        return records;
    std::string copy(cell);
    std::FILE *input = fmemopen(copy.data(), copy.size(), "r");
    if (input == nullptr) {
        *why = "out of memory";
        return std::nullopt;
    }
    // A cell is small: a chunk of its own size, not the default 128 KiB.
    CsvReader reader(input, std::max<std::size_t>(copy.size(), 16));
    for (;;) {
        const CsvReader::Status status = reader.next();
        if (status == CsvReader::Status::End)
            break;
        if (status != CsvReader::Status::Record) {
            *why = status == CsvReader::Status::BadRecord ? std::string(reader.error()) : "cannot be read";
            std::fclose(input);
            return std::nullopt;
        }
        if (reader.fieldCount() != count) {
            *why = "a line of it has " + std::to_string(reader.fieldCount()) + " fields, expected "
                + std::to_string(count);
            std::fclose(input);
            return std::nullopt;
        }
        records.emplace_back(reader.fields().begin(), reader.fields().end());
    }
    std::fclose(input);
    return records;
}

std::optional<QDate> optionalDate(std::string_view text)
{
    if (text.empty())
        return QDate();
    const std::optional<IsoDate> date = parseIsoDate(text);
    if (!date)
        return std::nullopt;
    return QDate(date->year, date->month, date->day);
}

// The words of a tags cell, apart by spaces or commas. Split by hand: a
// regular expression for each row made reading 100,000 rows take 1.25 s, not 0.24 s.
QStringList tagsOf(std::string_view cell)
{
    QStringList tags;
    std::size_t from = 0;
    while (from < cell.size()) {
        const std::size_t end = std::min(cell.find_first_of(" ,", from), cell.size());
        if (end > from)
            tags << fromUtf8(cell.substr(from, end - from));
        from = end + 1;
    }
    return tags;
}

// The optional columns of the header: where each stands, or why the header cannot be used.
struct ExtraColumns {
    std::array<std::size_t, ExtraCount> at{};
};

std::optional<ExtraColumns> findExtraColumns(const PersonCsv &csv, std::string *why)
{
    ExtraColumns columns;
    columns.at.fill(kNoColumn);
    const auto header = csv.reader().fields();
    for (std::size_t i = 0; i < header.size(); ++i) {
        for (std::size_t e = 0; e < ExtraCount; ++e) {
            if (!equalsIgnoringCase(headerName(header, i), kExtraColumns[e]))
                continue;
            if (columns.at[e] != kNoColumn) {
                *why = csv.linePrefix() + "the header names the column " + std::string(kExtraColumns[e]) + " twice";
                return std::nullopt;
            }
            columns.at[e] = i;
        }
    }
    return columns;
}

// The client of the record the reader stands at, or why it is refused.
std::optional<Client> clientOfRecord(const PersonCsv &csv, const ExtraColumns &columns, std::string *why)
{
    const auto fields = csv.reader().fields();
    for (const std::string_view field : fields) {
        if (!QUtf8StringView(field).isValidUtf8()) {
            *why = "a field is not UTF-8 text; save the file as UTF-8";
            return std::nullopt;
        }
    }
    const PersonFields person = csv.person();
    CheckedPerson checked;
    if (const InputFault fault = checkPerson(person, checked); fault != InputFault::None) {
        *why = faultText(fault);
        return std::nullopt;
    }
    Client client;
    client.first = fromUtf8(person.first);
    client.middle = fromUtf8(person.middle);
    client.last = fromUtf8(person.last);
    client.birth = QDate(checked.date.year, checked.date.month, checked.date.day);
    const auto extra = [&](Extra e) {
        return columns.at[e] == kNoColumn ? std::string_view() : fields[columns.at[e]];
    };
    client.notes = fromUtf8(extra(Notes));
    client.tags = tagsOf(extra(Tags));
    client.system = fromUtf8(extra(SystemKey));
    std::string inner;
    const auto laterNames = recordsOfCell(extra(LaterNames), 5, &inner);
    if (!laterNames) {
        *why = "later_names: " + inner;
        return std::nullopt;
    }
    for (const std::vector<std::string> &record : *laterNames) {
        const std::optional<QDate> taken = optionalDate(record[3]);
        if (!taken) {
            *why = "later_names: the date '" + record[3] + "' is not a real date written YYYY-MM-DD";
            return std::nullopt;
        }
        client.laterNames.append({fromUtf8(record[0]), fromUtf8(record[1]), fromUtf8(record[2]), *taken,
                                  fromUtf8(record[4])});
    }
    if (const std::string_view inUse = extra(NameInUse); !inUse.empty()) {
        bool ok = false;
        const int number = fromUtf8(inUse).toInt(&ok);
        if (!ok || number < 0 || number > client.laterNames.size()) {
            *why = "name_in_use '" + std::string(inUse) + "': expected 0 (the birth name) or the number of a "
                   "later name, 1 to " + std::to_string(client.laterNames.size());
            return std::nullopt;
        }
        client.nameInUse = number - 1;
    }
    const auto history = recordsOfCell(extra(History), 4, &inner);
    if (!history) {
        *why = "history: " + inner;
        return std::nullopt;
    }
    for (const std::vector<std::string> &record : *history) {
        // Whole seconds in UTC, years 1-9999, as an export writes them back.
        QDateTime made = QDateTime::fromString(fromUtf8(record[0]), Qt::ISODate).toUTC();
        made.setTime(QTime(made.time().hour(), made.time().minute(), made.time().second()));
        const std::optional<QDate> of = optionalDate(record[2]);
        if (!made.isValid() || made.date().year() < kMinYear || made.date().year() > kMaxYear || !of) {
            *why = "history: '" + record[0] + "' or '" + record[2] + "' is not a time or date as an export writes them";
            return std::nullopt;
        }
        client.history.append({made, fromUtf8(record[1]), *of, fromUtf8(record[3])});
    }
    return client;
}

} // namespace

QList<QByteArray> clientCsvColumns()
{
    QList<QByteArray> columns;
    for (const std::string_view column : kPersonColumns)
        columns << QByteArray(column.data(), static_cast<qsizetype>(column.size()));
    for (const std::string_view column : kExtraColumns)
        columns << QByteArray(column.data(), static_cast<qsizetype>(column.size()));
    return columns;
}

std::optional<Client> clientFromReportFile(const QString &fileName, QString *error)
{
    QString reason;
    const std::optional<BirthData> data = loadReportFile(fileName, &reason);
    if (!data) {
        *error = reason.isEmpty() ? QString(kCheckTheFile) : reason;
        return std::nullopt;
    }
    Client client;
    client.first = QString::fromStdString(data->FirstName);
    client.middle = QString::fromStdString(data->MiddleName);
    client.last = QString::fromStdString(data->LastName);
    client.birth = QDate(data->BirthYear, data->BirthMonth, data->BirthDay);
    return client;
}

std::optional<QList<Client>> clientsFromCsv(std::FILE *input, QString *error)
{
    PersonCsv csv(input, "file");
    std::string why = csv.readHeader();
    if (why.empty())
        why = csv.findColumns(false);
    std::optional<ExtraColumns> columns;
    if (why.empty())
        columns = findExtraColumns(csv, &why);
    QList<Client> clients;
    while (why.empty()) {
        const PersonCsv::Row row = csv.next();
        if (row == PersonCsv::Row::End)
            return clients;
        if (row == PersonCsv::Row::ReadError) {
            why = "cannot read the file: " + systemReason(errno).toStdString();
        } else if (row == PersonCsv::Row::Refused) {
            why = csv.linePrefix() + csv.refusal();
        } else if (std::optional<Client> client = clientOfRecord(csv, *columns, &why)) {
            clients.append(std::move(*client));
        } else {
            why = csv.linePrefix() + why;
        }
    }
    *error = QString::fromStdString(why);
    return std::nullopt;
}

std::optional<QList<Client>> clientsFromFile(const QString &fileName, QString *error)
{
    if (hasReportExtension(fileName)) {
        std::optional<Client> client = clientFromReportFile(fileName, error);
        if (!client)
            return std::nullopt;
        return QList<Client>{std::move(*client)};
    }
    std::FILE *input = std::fopen(QFile::encodeName(fileName).constData(), "rb");
    if (input == nullptr) {
        *error = systemReason(errno);
        return std::nullopt;
    }
    std::optional<QList<Client>> clients = clientsFromCsv(input, error);
    std::fclose(input);
    return clients;
}

struct ClientCsvWriter::Private {
    MemoryStream stream;
    std::optional<CsvWriter> writer;
};

ClientCsvWriter::ClientCsvWriter()
    : d(std::make_unique<Private>())
{
    if (d->stream.file() == nullptr)
        return;
    d->writer.emplace(d->stream.file());
    for (const QByteArray &column : clientCsvColumns())
        d->writer->field(column.toStdString());
    d->writer->endRecord();
}

ClientCsvWriter::~ClientCsvWriter() = default;

void ClientCsvWriter::write(const Client &client)
{
    if (!d->writer)
        return;
    CsvWriter &writer = *d->writer;
    for (const QString &text : {client.first, client.middle, client.last, dateText(client.birth), client.notes,
                                client.tags.join(u' ')})
        writer.field(utf8(text));
    QList<QStringList> laterNames;
    for (const LaterName &name : client.laterNames)
        laterNames.append({name.first, name.middle, name.last, dateText(name.taken), name.label});
    writer.field(cellOfRecords(laterNames));
    writer.field(client.nameInUse + 1);
    writer.field(utf8(client.system));
    QList<QStringList> history;
    for (const HistoryEntry &entry : client.history)
        history.append({entry.made.toUTC().toString(Qt::ISODate), entry.system, dateText(entry.dateOfInterest),
                        entry.document});
    writer.field(cellOfRecords(history));
    writer.endRecord();
}

std::optional<QByteArray> ClientCsvWriter::finish()
{
    if (!d->writer || !d->writer->flush())
        return std::nullopt;
    d->writer.reset();
    return d->stream.take();
}

std::optional<QByteArray> exportedClients(ClientBook &book, QString *error)
{
    ClientCsvWriter writer;
    if (!book.forEachClient([&](const Client &client) {
            writer.write(client);
            return true;
        })) {
        *error = book.errorString();
        return std::nullopt;
    }
    std::optional<QByteArray> bytes = writer.finish();
    if (!bytes)
        *error = u"out of memory"_s;
    return bytes;
}

} // namespace velmora::book
