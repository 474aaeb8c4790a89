// SPDX-License-Identifier: MIT
#include "comparerun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>

#include "bookaccess.h"
#include "chart.h"
#include "clidiagnostics.h"
#include "clioptions.h"
#include "clistreams.h"
#include "compatibility.h"
#include "descriptors.h"
#include "enginetext.h"
#include "personinput.h"
#include "readingoutput.h"
#include "morenumberstext.h"
#include "reportfile.h"

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

struct ComparedNumber {
    std::string_view key;
    std::string_view name;
    const Pairing *pairing;
};

std::array<ComparedNumber, 2> comparedNumbers(const Comparison &comparison)
{
    return {{{describe(NumberId::LifePath).key, describe(NumberId::LifePath).name, &comparison.lifePath},
             {describe(NumberId::Destiny).key, describe(NumberId::Destiny).name, &comparison.destiny}}};
}

// A name's control characters are shown, not obeyed: the text goes to a terminal.
std::string personLine(const BirthData &data)
{
    return visibleText(fullName(data)) + ", born " + calendarDateText({data.BirthDay, data.BirthMonth, data.BirthYear});
}

} // namespace

CompareRun::CompareRun(const CliOptions &options, CliStreams &streams)
    : m_options(options)
    , m_streams(streams)
    , m_book(options.book, streams)
{
}

std::optional<BirthData> CompareRun::person(const QString &operand)
{
    if (operand.startsWith(kClientOperand)) {
        int status = Failure;
        const std::optional<book::Client> client =
            m_book.client(operand.mid(kClientOperand.size()), u"--compare client:"_s, &status);
        if (!client) {
            m_refusal = status;
            return std::nullopt;
        }
        m_clients.append({client->id, &operand == &m_options.compareFirst ? 0 : 1});
        BirthData data = book::birthDataOf(*client);
        if (m_options.foldAccents) {
            for (std::string *name : {&data.FirstName, &data.MiddleName, &data.LastName})
                *name = countedName(*name, true);
        }
        return data;
    }
    if (hasReportExtension(operand))
        return m_streams.openReport(operand, m_options.foldAccents);
    const std::string text = operand.toStdString();
    const std::optional<PersonFields> fields = splitPerson(text);
    if (!fields) {
        m_streams.failure(
            u"%1: neither a report file (FILE.vlm) nor a person written FIRST,MIDDLE,LAST,YYYY-MM-DD"_s.arg(operand));
        return std::nullopt;
    }
    const std::string first = countedName(fields->first, m_options.foldAccents);
    const std::string middle = countedName(fields->middle, m_options.foldAccents);
    const std::string last = countedName(fields->last, m_options.foldAccents);
    BirthData data;
    if (const InputFault fault = readPerson({first, middle, last, fields->date}, data); fault != InputFault::None) {
        m_streams.failure(u"%1: "_s.arg(operand) + toQString(faultText(fault)));
        return std::nullopt;
    }
    return data;
}

int CompareRun::run()
{
    const std::optional<BirthData> one = person(m_options.compareFirst);
    if (!one)
        return m_refusal;
    const std::optional<BirthData> other = person(m_options.compareSecond);
    if (!other)
        return m_refusal;
    m_streams.warnOfUncounted(*one);
    m_streams.warnOfUncounted(*other);
    const Chart oneChart = chartOf(*one, *m_options.system, m_options.dateOfInterest);
    const Chart otherChart = chartOf(*other, *m_options.system, m_options.dateOfInterest);
    const Comparison comparison = ComparePeople(oneChart, otherChart);
    const int status = m_options.format == OutputFormat::Json
        ? m_streams.writeAll(comparisonJson(oneChart, otherChart, comparison, m_options))
        : m_streams.writeAll(comparisonText(oneChart, otherChart, comparison));
    return status == Success ? recordComparison(*one, *other) : status;
}

int CompareRun::recordComparison(const BirthData &one, const BirthData &other)
{
    // Each client compared keeps the comparison, with whom, in their history.
    const QString system = toQString(m_options.system->key);
    for (const auto &[id, which] : std::as_const(m_clients)) {
        const std::string with = fullName(which == 0 ? other : one);
        const book::HistoryEntry entry{QDateTime::currentDateTimeUtc(), system,
                                       QDate(m_options.dateOfInterest.year, m_options.dateOfInterest.month,
                                             m_options.dateOfInterest.day),
                                       u"comparison with "_s + QString::fromStdString(with)};
        if (const int status = m_book.record(id, {entry}); status != Success)
            return status;
    }
    return Success;
}

std::string comparisonText(const Chart &first, const Chart &second, const Comparison &comparison)
{
    std::string text;
    appendCaption(text, kComparisonTitle, '-');
    text.append(personLine(first.person())).append("\n").append(personLine(second.person())).append("\n");
    for (const ComparedNumber &compared : comparedNumbers(comparison)) {
        const Pairing &pairing = *compared.pairing;
        text.append("\n").append(compared.name).append(" ").append(std::to_string(pairing.first));
        text.append(" and ").append(std::to_string(pairing.second)).append(": ");
        text.append(relationName(pairing.relation)).append("\n").append(pairing.text).append("\n");
    }
    return text;
}

QByteArray comparisonJson(const Chart &first, const Chart &second, const Comparison &comparison,
                          const CliOptions &options)
{
    QJsonObject root{{QStringLiteral("first"), personObject(first.person())},
                     {QStringLiteral("second"), personObject(second.person())}};
    if (options.systemNamed)
        root.insert(QStringLiteral("system"), toQString(first.system().key));
    for (const ComparedNumber &compared : comparedNumbers(comparison)) {
        const Pairing &pairing = *compared.pairing;
        root.insert(toQString(compared.key),
                    QJsonObject{{QStringLiteral("numbers"), QJsonArray{pairing.first, pairing.second}},
                                {QStringLiteral("relation"), toQString(relationName(pairing.relation))},
                                {QStringLiteral("text"), toQString(pairing.text)}});
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace velmora
