// SPDX-License-Identifier: MIT
//
// Every output of the tool and the window, pinned to the bytes it had when
// golden.txt was last written: for 4,000 made-up people the tool's text,
// --explain, JSON and JSON with --explain, the report file --save writes and
// what --open reads back from it, --compare of each person with the next in
// both orders (text and JSON); the batch over all of them as CSV and JSON
// Lines, with and without --fold-accents, and as JSON Lines under the common
// and the Chaldean systems; the text of the PDF for a few of
// them; and the eight tabs of the real window for some fifty people typed in.
// Each output is stored as a digest, so a failure names the person, the kind
// of output and the command line that gives it.
//
// VELMORA_DIFFERENTIAL_PEOPLE=N checks the outputs of the first N people
// only (the batch: of the blocks of rows that hold them), against their
// digests in the golden file. The quick suite runs it so (tst_differential);
// tst_differential_long, label "long", runs everyone.
//
// When an output is meant to change, write the file anew and commit it with
// the change, after reading what the failures listed:
//
//     VELMORA_REGENERATE_GOLDEN=1 ctest --test-dir build -R tst_differential_long
//
// The PDF's text needs pdftotext (poppler-utils); without it that part is
// skipped, and the file is not rewritten.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "cliapplication.h"
#include "fakeplatform.h"
#include "frmmain.h"
#include "goldenfile.h"
#include "peoplegenerator.h"

using namespace Qt::StringLiterals;

namespace {

constexpr std::uint64_t kSeed = 0x7a56e1d0f2b34c19;
constexpr int kPeople = 4000;
constexpr int kWindowPeople = 50;
constexpr std::size_t kPdfPeople = 30;
constexpr int kBatchBlock = 250; // people per digest of a batch's rows
// The parts of the golden file, in the order the test makes them.
const QByteArrayList kSections = {"person", "report", "compare", "batch", "pdf", "window"};

// A stream that writes to memory, for the tool's output and error streams.
class MemoryStream
{
public:
    MemoryStream()
        : m_file(open_memstream(&m_buffer, &m_size))
    {
    }
    ~MemoryStream()
    {
        if (m_file != nullptr)
            std::fclose(m_file);
        std::free(m_buffer);
    }
    MemoryStream(const MemoryStream &) = delete;
    MemoryStream &operator=(const MemoryStream &) = delete;

    [[nodiscard]] std::FILE *file() const { return m_file; }
    QByteArray take()
    {
        std::fclose(m_file);
        m_file = nullptr;
        return QByteArray(m_buffer, static_cast<qsizetype>(m_size));
    }

private:
    char *m_buffer = nullptr;
    std::size_t m_size = 0;
    std::FILE *m_file;
};

struct ToolRun {
    int status = -1;
    QByteArray out;
    QByteArray err;

    // The exit status and both streams, each with its length.
    void addTo(QCryptographicHash &hash) const
    {
        hash.addData("status " + QByteArray::number(status) + "\nout " + QByteArray::number(out.size()) + '\n');
        hash.addData(out);
        hash.addData("\nerr " + QByteArray::number(err.size()) + '\n');
        hash.addData(err);
    }
    [[nodiscard]] QByteArray digest() const
    {
        QCryptographicHash hash(GoldenFile::kAlgorithm);
        addTo(hash);
        return GoldenFile::digest(hash);
    }
};

// The tool in this process. Every command line names --on, so the clock
// matters to none of them; a fixed one keeps it so should one not.
ToolRun runTool(const QStringList &arguments)
{
    MemoryStream out;
    MemoryStream err;
    velmora::CliApplication tool(out.file(), err.file(), [] { return QDate(2026, 12, 8); });
    const int status = tool.run(QStringList{u"tavi-velmora-cli"_s} + arguments);
    return {status, out.take(), err.take()};
}

QString shellQuoted(const QString &argument)
{
    static const QRegularExpression plain(u"^[A-Za-z0-9_./=:,+-]+$"_s);
    if (plain.match(argument).hasMatch())
        return argument;
    return u'\'' + QString(argument).replace(u"'"_s, uR"('\'')"_s) + u'\'';
}

QString commandLine(const QStringList &arguments)
{
    QStringList words{u"tavi-velmora-cli"_s};
    for (const QString &argument : arguments)
        words << shellQuoted(argument);
    return words.join(u' ');
}

QStringList personArguments(const GeneratedPerson &person)
{
    QStringList arguments{u"--first"_s, person.first};
    if (!person.middle.isEmpty())
        arguments << u"--middle"_s << person.middle;
    return arguments << u"--last"_s << person.last << u"--date"_s << person.date() << u"--on"_s << person.on;
}

QByteArray keyOf(std::size_t index)
{
    return QByteArray::number(static_cast<qulonglong>(index)).rightJustified(4, '0');
}

QByteArray csvField(const QString &text)
{
    QByteArray field = text.toUtf8();
    if (field.contains(',') || field.contains('"') || field.contains('\n') || field.contains('\r'))
        field = '"' + field.replace("\"", "\"\"") + '"';
    return field;
}

// A name short enough for one line of the page and of the window's boxes.
bool hasShortNames(const GeneratedPerson &person)
{
    return person.first.size() + person.middle.size() + person.last.size() <= 40;
}

bool isLatin1(const QString &text)
{
    return std::ranges::all_of(text, [](QChar ch) { return ch.unicode() <= 0xff; });
}

#ifdef VELMORA_PDFTOTEXT
// The words of the PDF as pdftotext reads them, apart from what the fonts
// decide: where lines and pages break, and ligatures. The footers are taken
// off every page and checked on their own: the full name and "Page N of M",
// numbered in turn.
QByteArray pdfWords(const QString &text)
{
    QStringList pages = text.split(u'\f');
    if (!pages.isEmpty() && pages.constLast().trimmed().isEmpty())
        pages.removeLast();
    static const QRegularExpression footer(uR"(\n?([^\n]*)\n\nPage (\d+) of (\d+)\n*$)"_s);
    QStringList bodies;
    QStringList footers;
    for (qsizetype k = 0; k < pages.size(); ++k) {
        const QRegularExpressionMatch match = footer.match(pages[k]);
        if (!match.hasMatch()) {
            bodies << pages[k];
            footers << u"page %1 has no footer"_s.arg(k + 1);
            continue;
        }
        bodies << pages[k].left(match.capturedStart());
        if (match.captured(2).toInt() != k + 1 || match.captured(3).toInt() != pages.size())
            footers << u"page %1 is numbered %2 of %3"_s.arg(k + 1).arg(match.captured(2), match.captured(3));
        if (!footers.contains(match.captured(1)))
            footers << match.captured(1);
    }
    QString words = bodies.join(u'\n');
    for (const auto &[ligature, letters] : {std::pair{u"ﬀ"_s, u"ff"_s}, std::pair{u"ﬁ"_s, u"fi"_s},
                                           std::pair{u"ﬂ"_s, u"fl"_s}, std::pair{u"ﬃ"_s, u"ffi"_s},
                                           std::pair{u"ﬄ"_s, u"ffl"_s}, std::pair{u"ﬆ"_s, u"st"_s}})
        words.replace(ligature, letters);
    // A line broken after a hyphen or dash within a word joins without a space.
    static const QRegularExpression brokenAfterDash(uR"((\S[-‐–—])\n)"_s);
    words.replace(brokenAfterDash, u"\\1"_s);
    return (words.simplified() + u"\nfooters: "_s + footers.join(u" | "_s)).toUtf8();
}
#endif

// Types the text key by key, as a keyboard would: a letter beyond ASCII comes
// with its own key code (Qt's codes for Latin-1 are the capitals' code points).
void typeInto(QLineEdit *box, const QString &text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(box, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, static_cast<Qt::Key>(ch.toUpper().unicode()), QString(ch),
                                Qt::NoModifier);
    }
}

template<typename T>
T *required(const QWidget &window, const QString &name)
{
    T *widget = window.findChild<T *>(name);
    if (widget == nullptr)
        qFatal("no child %s", qPrintable(name));
    return widget;
}

// One output: its digest, and how to make it again.
struct Output {
    QByteArray digest;
    QString how;
};

// One line of the golden file as this run produced it.
struct Produced {
    QByteArray key;
    QList<Output> outputs;
};

} // namespace

class TestDifferential : public QObject
{
    Q_OBJECT

private:
    bool m_regenerate = false;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_startFolder;
    std::vector<GeneratedPerson> m_people;
    std::size_t m_checked = 0; // the people whose outputs are checked, the first ones
    [[nodiscard]] bool everyone() const { return m_checked == m_people.size(); }
    std::optional<GoldenFile> m_golden;
    GoldenFile m_produced;
    QStringList m_comments;
    QByteArrayList m_settled;

    // The differences between what this run produced and the golden file, as
    // one message; empty when there are none. When regenerating, nothing is
    // compared and the lines are kept for the new file. A section made for
    // some people only (whole false) leaves the others' lines unread, and an
    // output with an empty digest was not made.
    QString settle(const QByteArray &section, const QStringList &kinds, const QList<Produced> &produced,
                   bool whole = true);

private Q_SLOTS:
    void initTestCase();
    void eachPersonsReadings();
    void eachPersonsReportFile();
    void consecutivePeopleCompared();
    void batchOfEveryone();
    void pdfTextOfSomePeople();
    void windowTabsOfSomePeople();
    void cleanupTestCase();
};

void TestDifferential::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // Every save syncs the report to the disk: thousands of them take
    // seconds on a disk and nothing on a file system in memory.
    const QFileInfo memory(u"/dev/shm"_s);
    m_dir = memory.isDir() && memory.isWritable()
                ? std::make_unique<QTemporaryDir>(memory.filePath() + u"/tst_differential-XXXXXX"_s)
                : std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // The tool's files are named relative to this folder, so that a command
    // line in a failure works as printed in any empty folder.
    m_startFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    m_people = PeopleGenerator(kSeed).people(kPeople);
    m_checked = m_people.size();
    if (const QString some = qEnvironmentVariable("VELMORA_DIFFERENTIAL_PEOPLE"); !some.isEmpty()) {
        bool isNumber = false;
        const int count = some.toInt(&isNumber);
        QVERIFY2(isNumber && count > 0, "VELMORA_DIFFERENTIAL_PEOPLE is not a count of people");
        m_checked = std::min(m_checked, static_cast<std::size_t>(count));
    }
    if (qEnvironmentVariable("VELMORA_REGENERATE_GOLDEN") == u"1"_s) {
        if (m_checked < m_people.size())
            QSKIP("the golden file is written by the run over everyone (tst_differential_long)");
        m_regenerate = true;
        return;
    }
    QString problem;
    m_golden = GoldenFile::read(QStringLiteral(VELMORA_GOLDEN_FILE), &problem);
    QVERIFY2(m_golden, qPrintable(problem + u"; write it with VELMORA_REGENERATE_GOLDEN=1"_s));
    for (const GoldenFile::Line &line : m_golden->lines())
        QVERIFY2(kSections.contains(line.section),
                 "the golden file has a section this test does not know: " + line.section);
}

QString TestDifferential::settle(const QByteArray &section, const QStringList &kinds, const QList<Produced> &produced,
                                 bool whole)
{
    m_settled << section;
    m_comments << QString::fromUtf8(section) + u": "_s + kinds.join(u" | "_s);
    for (const Produced &line : produced) {
        QByteArrayList digests;
        for (const Output &output : line.outputs)
            digests << output.digest;
        m_produced.append({section, line.key, digests});
    }
    if (m_regenerate)
        return {};

    QHash<QByteArray, QByteArrayList> expected;
    for (const GoldenFile::Line &line : m_golden->section(section))
        expected.insert(line.key, line.digests);
    QStringList problems;
    QMap<QString, int> perKind;
    const QString name = QString::fromUtf8(section);
    for (const Produced &line : produced) {
        const QString where = name + u' ' + QString::fromUtf8(line.key);
        const auto found = expected.constFind(line.key);
        if (found == expected.cend()) {
            problems << where + u": no line in the golden file; "_s + line.outputs.constFirst().how;
            ++perKind[u"line not in the golden file"_s];
            continue;
        }
        for (qsizetype k = 0; k < line.outputs.size(); ++k) {
            const Output &output = line.outputs[k];
            if (output.digest.isEmpty() || (k < found->size() && found->at(k) == output.digest))
                continue;
            const QString what = k < found->size() ? u" differs: "_s : u" has no digest in the golden file: "_s;
            problems << where + u' ' + kinds[k] + what + output.how;
            ++perKind[kinds[k]];
        }
        if (found->size() > line.outputs.size()) {
            problems << where + u": the golden file has %1 digests, the test makes %2"_s.arg(found->size()).arg(
                line.outputs.size());
            ++perKind[u"extra digests"_s];
        }
        expected.remove(line.key);
    }
    QByteArrayList left = whole ? expected.keys() : QByteArrayList();
    std::ranges::sort(left);
    for (const QByteArray &key : left) {
        problems << name + u' ' + QString::fromUtf8(key) + u": in the golden file, but no longer produced"_s;
        ++perKind[u"line no longer produced"_s];
    }
    if (problems.isEmpty())
        return {};
    QStringList counts; // in the order of the kinds, then the lines
    for (const QString &kind : kinds + perKind.keys()) {
        if (perKind.contains(kind))
            counts << u"%1 %2"_s.arg(kind).arg(perKind.take(kind));
    }
    constexpr qsizetype kShown = 20;
    QString message = u"%1 differences in %2 (%3):\n"_s.arg(problems.size()).arg(name, counts.join(u", "_s));
    message += problems.mid(0, kShown).join(u'\n');
    if (problems.size() > kShown)
        message += u"\n... and %1 more"_s.arg(problems.size() - kShown);
    return message;
}

void TestDifferential::eachPersonsReadings()
{
    const QList<std::pair<QString, QStringList>> kinds = {
        {u"text"_s, {}},
        {u"explain"_s, {u"--explain"_s}},
        {u"json"_s, {u"--format"_s, u"json"_s}},
        {u"json-explain"_s, {u"--format"_s, u"json"_s, u"--explain"_s}},
    };
    QList<Produced> produced;
    for (std::size_t index = 0; index < m_checked; ++index) {
        Produced line{keyOf(index), {}};
        for (const auto &[kind, extra] : kinds) {
            const QStringList arguments = personArguments(m_people[index]) + extra;
            line.outputs.append({runTool(arguments).digest(), commandLine(arguments)});
        }
        produced << line;
    }
    QStringList names;
    for (const auto &kind : kinds)
        names << kind.first;
    const QString problems = settle("person", names, produced, everyone());
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestDifferential::eachPersonsReportFile()
{
    const QString report = u"person.vlm"_s;
    QList<Produced> produced;
    for (std::size_t index = 0; index < m_checked; ++index) {
        const GeneratedPerson &person = m_people[index];
        QFile::remove(report);
        const QStringList save = personArguments(person) << u"--save"_s << report;
        QCryptographicHash hash(GoldenFile::kAlgorithm);
        runTool(save).addTo(hash);
        QFile file(report);
        hash.addData(file.open(QIODevice::ReadOnly) ? "\nfile\n" + file.readAll() : QByteArray("\nno file"));
        const QStringList open{u"--open"_s, report, u"--on"_s, person.on};
        hash.addData("\nopened\n");
        runTool(open).addTo(hash);
        produced << Produced{keyOf(index),
                             {{GoldenFile::digest(hash), commandLine(save) + u" && "_s + commandLine(open)}}};
    }
    const QString problems =
        settle("report", {u"saved, its bytes, opened"_s}, produced, everyone());
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestDifferential::consecutivePeopleCompared()
{
    const auto operand = [](const GeneratedPerson &person) {
        return QStringList{person.first, person.middle, person.last, person.date()}.join(u',');
    };
    QList<Produced> produced;
    for (std::size_t index = 0; index < m_checked; ++index) {
        const GeneratedPerson &one = m_people[index];
        const GeneratedPerson &other = m_people[(index + 1) % m_people.size()];
        Produced line{keyOf(index), {}};
        for (const QStringList &format : {QStringList(), QStringList{u"--format"_s, u"json"_s}}) {
            QStringList options = format;
            if (index % 3 == 0)
                options << u"--fold-accents"_s;
            const QStringList forward = QStringList{u"--compare"_s, operand(one), operand(other)} + options;
            const QStringList backward = QStringList{u"--compare"_s, operand(other), operand(one)} + options;
            QCryptographicHash hash(GoldenFile::kAlgorithm);
            runTool(forward).addTo(hash);
            hash.addData("\nbackward\n");
            runTool(backward).addTo(hash);
            line.outputs.append({GoldenFile::digest(hash), commandLine(forward) + u" ; "_s + commandLine(backward)});
        }
        produced << line;
    }
    const QString problems = settle("compare", {u"text, both orders"_s, u"json, both orders"_s}, produced,
                                    everyone());
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestDifferential::batchOfEveryone()
{
    const QString input = u"people.csv"_s;
    // Another column is kept in its place; the header's case is its own.
    QByteArray csv = "id,First,middle,LAST,Date\n";
    // Over some people, the whole blocks of rows that hold them; the run's
    // own digest, which holds everyone's rows in order, is then not compared.
    const int blocks = (kPeople + kBatchBlock - 1) / kBatchBlock;
    const int blocksRun = everyone() ? blocks : (static_cast<int>(m_checked) + kBatchBlock - 1) / kBatchBlock;
    const std::size_t rowsRun = std::min(m_people.size(), static_cast<std::size_t>(blocksRun * kBatchBlock));
    for (std::size_t index = 0; index < rowsRun; ++index) {
        const GeneratedPerson &person = m_people[index];
        csv += QByteArray::number(static_cast<qulonglong>(index)) + ',' + csvField(person.first) + ','
               + csvField(person.middle) + ',' + csvField(person.last) + ',' + person.date().toLatin1() + '\n';
    }
    QFile file(input);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size());
    file.close();

    QStringList kinds{u"status, errors and the order of the rows"_s};
    QStringList people;
    for (int block = 0; block < blocks; ++block) {
        people << u"people %1-%2"_s.arg(block * kBatchBlock).arg(std::min(kPeople, (block + 1) * kBatchBlock) - 1);
        kinds << u"rows of "_s + people.constLast();
    }

    const QList<std::pair<QByteArray, QStringList>> runs = {
        {"csv", {u"--on"_s, u"2026-01-01"_s}},
        {"jsonl", {u"--format"_s, u"json"_s, u"--on"_s, u"2024-02-29"_s}},
        {"csv-fold", {u"--fold-accents"_s, u"--on"_s, u"9999-12-31"_s}},
        {"jsonl-fold", {u"--format"_s, u"json"_s, u"--fold-accents"_s, u"--on"_s, u"0001-01-01"_s}},
        {"jsonl-common", {u"--format"_s, u"json"_s, u"--system"_s, u"common"_s, u"--on"_s, u"2026-01-01"_s}},
        {"jsonl-chaldean", {u"--format"_s, u"json"_s, u"--system"_s, u"chaldean"_s, u"--on"_s, u"2026-01-01"_s}},
    };
    QList<Produced> produced;
    for (const auto &[name, options] : runs) {
        const QStringList arguments = QStringList{u"--batch"_s, u"--input"_s, input} + options;
        ToolRun run = runTool(arguments);
        const bool json = options.contains(u"json"_s);
        // Each output line goes to the block of the person it is of, by id,
        // the header to the first; the run's own digest holds the order of
        // the lines, the exit status and the errors.
        std::vector<std::unique_ptr<QCryptographicHash>> rows;
        for (int block = 0; block < blocks; ++block)
            rows.push_back(std::make_unique<QCryptographicHash>(GoldenFile::kAlgorithm));
        QByteArray order;
        for (qsizetype from = 0; from < run.out.size();) {
            qsizetype end = run.out.indexOf('\n', from);
            end = end < 0 ? run.out.size() : end + 1;
            const QByteArrayView line = QByteArrayView(run.out).sliced(from, end - from);
            from = end;
            qsizetype idFrom = 0;
            if (json) {
                const qsizetype at = line.indexOf("\"id\":\"");
                idFrom = at < 0 ? line.size() : at + 6;
            }
            qsizetype idEnd = idFrom;
            while (idEnd < line.size() && line[idEnd] >= '0' && line[idEnd] <= '9')
                ++idEnd;
            bool isNumber = false;
            const int id = line.sliced(idFrom, idEnd - idFrom).toInt(&isNumber);
            const int block = isNumber ? std::clamp(id / kBatchBlock, 0, blocks - 1) : 0;
            rows[static_cast<std::size_t>(block)]->addData(line);
            order += (isNumber ? QByteArray::number(id) : QByteArray("-")) + ' ';
        }
        run.out = order;
        Produced line{name, {{everyone() ? run.digest() : QByteArray(), commandLine(arguments)}}};
        for (int block = 0; block < blocks; ++block)
            line.outputs.append({block < blocksRun ? GoldenFile::digest(*rows[static_cast<std::size_t>(block)])
                                                   : QByteArray(),
                                 commandLine(arguments) + u" (the rows of "_s + people[block] + u')'});
        produced << line;
    }
    const QString problems = settle("batch", kinds, produced);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestDifferential::pdfTextOfSomePeople()
{
#ifndef VELMORA_PDFTOTEXT
    QSKIP("pdftotext (poppler-utils) is missing: the PDF's text is not compared");
#else
    // Half the written-out people, then some spread over the rest.
    constexpr std::size_t kFixedPeople = 25;
    const std::size_t stride = (m_people.size() - kFixedPeople) / kPdfPeople;
    std::vector<std::size_t> chosen;
    for (std::size_t index = 0, next = kFixedPeople; index < m_checked && chosen.size() < kPdfPeople; ++index) {
        if (!hasShortNames(m_people[index]) || (index < kFixedPeople ? index % 2 != 0 : index < next))
            continue;
        chosen.push_back(index);
        if (index >= kFixedPeople)
            next = index + stride;
    }
    struct Job {
        std::size_t index;
        QStringList arguments;
        ToolRun run;
        std::unique_ptr<QProcess> reader;
    };
    std::vector<Job> jobs;
    // pdftotext reads each PDF while the next ones are drawn.
    for (const std::size_t index : chosen) {
        Job job{index, personArguments(m_people[index]) << u"--pdf"_s << u"-"_s, {}, nullptr};
        job.run = runTool(job.arguments);
        if (job.run.status == 0) {
            job.reader = std::make_unique<QProcess>();
            job.reader->start(QStringLiteral(VELMORA_PDFTOTEXT), {u"-"_s, u"-"_s});
            job.reader->write(job.run.out);
            job.reader->closeWriteChannel();
        }
        jobs.push_back(std::move(job));
        QCoreApplication::processEvents();
    }
    if (everyone())
        QCOMPARE(jobs.size(), std::size_t{kPdfPeople});
    QVERIFY2(QTest::qWaitFor(
                 [&jobs] {
                     return std::ranges::all_of(jobs, [](const Job &job) {
                         return !job.reader || job.reader->state() == QProcess::NotRunning;
                     });
                 },
                 60000),
             "pdftotext did not finish within a minute");
    QList<Produced> produced;
    for (Job &job : jobs) {
        ToolRun run = job.run;
        if (job.reader) {
            QVERIFY2(job.reader->exitStatus() == QProcess::NormalExit && job.reader->exitCode() == 0,
                     qPrintable(u"pdftotext failed on the PDF of "_s + commandLine(job.arguments)));
            run.out = pdfWords(QString::fromUtf8(job.reader->readAllStandardOutput()));
        }
        produced << Produced{keyOf(job.index), {{run.digest(), commandLine(job.arguments) + u" | pdftotext - -"_s}}};
    }
    const QString problems = settle("pdf", {u"text"_s}, produced, everyone());
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
#endif
}

void TestDifferential::windowTabsOfSomePeople()
{
    FakePlatform platform;
    frmMain window(platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QLineEdit *const boxes[] = {required<QLineEdit>(window, u"txtNameFirst"_s),
                                required<QLineEdit>(window, u"txtNameMiddle"_s),
                                required<QLineEdit>(window, u"txtNameLast"_s)};
    QComboBox *const day = required<QComboBox>(window, u"cboDate"_s);
    QComboBox *const month = required<QComboBox>(window, u"cboMonth"_s);
    QComboBox *const year = required<QComboBox>(window, u"cboYear"_s);
    QPushButton *const proceed = required<QPushButton>(window, u"cmdProceed"_s);
    const QStackedWidget *const pages = required<QStackedWidget>(window, u"pages"_s);

    QStringList kinds;
    for (int k = 0; k < 8; ++k)
        kinds << u"tab %1"_s.arg(k);
    kinds << u"page and messages"_s;

    QList<Produced> produced;
    for (std::size_t index = 0; index < m_people.size() && produced.size() < kWindowPeople; ++index) {
        const GeneratedPerson &person = m_people[index];
        if (person.year < 1900 || person.year > 2050 || !hasShortNames(person)
            || !isLatin1(person.first + person.middle + person.last))
            continue;
        platform.messages.clear();
        const QString names[] = {person.first, person.middle, person.last};
        for (int k = 0; k < 3; ++k)
            typeInto(boxes[k], names[k]);
        day->setCurrentIndex(person.day - 1);
        month->setCurrentIndex(person.month - 1);
        year->setCurrentText(QString::number(person.year));
        QTest::mouseClick(proceed, Qt::LeftButton);

        const QString how =
            u"the window: type First '%1', Middle '%2', Last '%3', choose %4, press Get My Velmora Result"_s.arg(
                names[0], names[1], names[2], person.date());
        Produced line{keyOf(index), {}};
        const QTabBar *tabs = window.findChild<QTabBar *>(u"TS"_s);
        for (int k = 0; k < 8; ++k) {
            QByteArray shown = "no tab";
            if (tabs != nullptr && k < tabs->count())
                shown = (tabs->tabText(k) + u'\n' + required<QTextEdit>(window, u"RTB_%1"_s.arg(k))->toPlainText())
                            .toUtf8();
            line.outputs.append({GoldenFile::digest(shown), how + u", read tab %1"_s.arg(k)});
        }
        QString state = pages->currentWidget()->objectName();
        if (tabs != nullptr)
            state += u" tab %1"_s.arg(tabs->currentIndex());
        for (const velmora::Message &message : platform.messages)
            state += u"\nmessage %1 %2: %3"_s.arg(static_cast<int>(message.icon)).arg(message.caption, message.text);
        line.outputs.append({GoldenFile::digest(state.toUtf8()), how + u", see the page and the messages"_s});
        produced << line;

        if (pages->currentWidget()->objectName() == u"fraResult"_s) {
            QTest::mouseClick(required<QPushButton>(window, u"cmdBack"_s), Qt::LeftButton);
        } else {
            for (QLineEdit *box : boxes)
                box->clear();
        }
    }
    QCOMPARE(produced.size(), kWindowPeople);
    const QString problems = settle("window", kinds, produced);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestDifferential::cleanupTestCase()
{
    QDir::setCurrent(m_startFolder);
    if (!m_regenerate)
        return;
    // A part that failed or was skipped would drop its lines from the file.
    QVERIFY2(m_settled == kSections,
             "the golden file is not rewritten: only these parts ran through: " + m_settled.join(", "));
    QStringList comments = {
        u"The outputs of tavi-velmora-cli and the main window for made-up people,"_s,
        u"written by tests/differential/tst_differential.cpp; rewrite it with"_s,
        u"  VELMORA_REGENERATE_GOLDEN=1 ctest --test-dir build -R tst_differential"_s,
        u"Each digest is the first 64 bits of a BLAKE2b-256, in hex. The kinds of output, by section:"_s,
    };
    QString problem;
    QVERIFY2(m_produced.write(QStringLiteral(VELMORA_GOLDEN_FILE), comments + m_comments, &problem),
             qPrintable(problem));
}

QTEST_MAIN(TestDifferential)
#include "tst_differential.moc"
