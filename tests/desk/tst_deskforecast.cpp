// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QFile>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include "chart.h"
#include "clientbook.h"
#include "clirun.h"
#include "darkpalette.h"
#include "deskwindow.h"
#include "fakeplatform.h"
#include "forecastview.h"
#include "letterchartswidget.h"
#include "readablecolours.h"
#include "system.h"
#include "timelinewidget.h"

using namespace Qt::StringLiterals;
using velmora::book::ClientBook;
using velmora::desk::DeskWindow;
using velmora::desk::ForecastFile;

namespace {

// The file without its DTSTAMP lines: the moment it was made.
QByteArray withoutStamp(const QByteArray &ics)
{
    QList<QByteArray> lines = ics.split('\n');
    lines.removeIf([](const QByteArray &line) { return line.startsWith("DTSTAMP:"); });
    return lines.join('\n');
}

QByteArray contentOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// Each text painted, with its colour and the colour of the last solid fill under it.
class TextRecorder final : public QPaintDevice, public QPaintEngine
{
public:
    struct Text {
        QString text;
        QColor colour;
        QColor ground;
    };
    QList<Text> texts;

    QPaintEngine *paintEngine() const override { return const_cast<TextRecorder *>(this); }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState &state) override
    {
        m_pen = state.state() & DirtyPen ? state.pen() : m_pen;
        m_brush = state.state() & DirtyBrush ? state.brush() : m_brush;
        m_transform = state.state() & DirtyTransform ? state.transform() : m_transform;
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawRects(const QRectF *rects, int count) override
    {
        std::for_each(rects, rects + count, [this](const QRectF &rect) { fill(rect); });
    }
    void drawPath(const QPainterPath &path) override { fill(path.boundingRect()); }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
    {
        fill(QPolygonF(QList<QPointF>(points, points + count)).boundingRect());
    }
    void drawTextItem(const QPointF &at, const QTextItem &item) override
    {
        // A point inside the first glyph, above its baseline.
        const QPointF inside = m_transform.map(at + QPointF(std::min(2.0, item.width()), -item.ascent() / 2));
        const auto under = std::find_if(m_fills.crbegin(), m_fills.crend(),
                                        [&](const auto &fill) { return fill.first.contains(inside); });
        texts.append({item.text(), m_pen.color(), under == m_fills.crend() ? QColor() : under->second});
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        if (metric == PdmDevicePixelRatioScaled)
            return static_cast<int>(devicePixelRatioFScale());
        // 2000 dots wide and high at 96 dpi, a dot a pixel.
        return metric == PdmDepth ? 32 : metric == PdmDevicePixelRatio ? 1 : metric <= PdmHeight ? 2000 : 96;
    }

private:
    void fill(const QRectF &rect)
    {
        if (m_brush.style() == Qt::SolidPattern)
            m_fills.append({m_transform.mapRect(rect), m_brush.color()});
    }

    QPen m_pen;
    QBrush m_brush;
    QTransform m_transform;
    QList<std::pair<QRectF, QColor>> m_fills;
};

} // namespace

class DeskForecastTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void writesTheToolsCalendarFile_data();
    void writesTheToolsCalendarFile();
    void neverWritesOverItsInputs_data();
    void neverWritesOverItsInputs();
    void drawingsFollowThePalette_data();
    void drawingsFollowThePalette();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_address;
    qint64 m_id = 0;
};

void DeskForecastTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void DeskForecastTest::init()
{
    QApplication::setPalette(QApplication::style()->standardPalette());
    m_folder = std::make_unique<QTemporaryDir>();
    m_address = m_folder->filePath(u"clients.sqlite"_s);
    QString error;
    const std::unique_ptr<ClientBook> book = ClientBook::open(m_address, &error);
    QVERIFY2(book, qPrintable(error));
    velmora::book::Client ada;
    ada.first = u"Ada"_s;
    ada.last = u"Lovelace"_s;
    ada.birth = QDate(1815, 12, 10);
    m_id = book->addClient(ada);
    QVERIFY(m_id > 0);
}

void DeskForecastTest::writesTheToolsCalendarFile_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<QList<int>>("personalDays");
    QTest::addColumn<QList<int>>("weekdays");
    QTest::addColumn<QStringList>("find");
    QTest::newRow("the month shown, nothing chosen")
        << u"classic"_s << QDate(2027, 3, 1) << QDate(2027, 3, 1) << QList<int>{} << QList<int>{} << QStringList{};
    QTest::newRow("good Fridays of a year, Chaldean")
        << u"chaldean"_s << QDate(2027, 1, 1) << QDate(2027, 12, 1) << QList<int>{1, 5} << QList<int>{5}
        << QStringList{u"--find"_s, u"personal-day=1,5"_s, u"--weekday"_s, u"fri"_s};
    QTest::newRow("across a new year and a leap February, common")
        << u"common"_s << QDate(2027, 11, 1) << QDate(2028, 2, 1) << QList<int>{3, 9} << QList<int>{}
        << QStringList{u"--find"_s, u"personal-day=3,9"_s};
}

void DeskForecastTest::writesTheToolsCalendarFile()
{
    QFETCH(QString, system);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(QList<int>, personalDays);
    QFETCH(QList<int>, weekdays);
    QFETCH(QStringList, find);
    FakePlatform platform;
    DeskWindow window(platform);
    window.openBook(m_address);
    QVERIFY(window.showClient(m_id));
    window.setSystem(*velmora::findSystem(system.toStdString()));
    window.forecastView()->setExportMonths(first, last);
    for (int day : personalDays)
        window.forecastView()->choosePersonalDay(day, true);
    for (int day : weekdays)
        window.forecastView()->chooseWeekday(day, true);
    const QString desk = m_folder->filePath(u"desk.ics"_s);
    platform.chosenFiles.push_back(desk);
    window.exportForecast(ForecastFile::Ics);
    QVERIFY2(platform.messages.isEmpty(), qPrintable(platform.messages.value(0).text));

    const QString tool = m_folder->filePath(u"tool.ics"_s);
    const QString span = first.toString(Qt::ISODate) + u':'
        + last.addMonths(1).addDays(-1).toString(Qt::ISODate);
    const CliRun run = runTool(QStringList{u"--first"_s, u"Ada"_s, u"--last"_s, u"Lovelace"_s, u"--date"_s,
                                           u"1815-12-10"_s, u"--system"_s, system, u"--calendar"_s, span, u"--ics"_s,
                                           tool}
                               + find);
    QCOMPARE(run.exitCode, 0);
    const QByteArray ours = contentOf(desk);
    QVERIFY(ours.startsWith("BEGIN:VCALENDAR"));
    QCOMPARE(withoutStamp(ours), withoutStamp(contentOf(tool)));
}

void DeskForecastTest::neverWritesOverItsInputs_data()
{
    QTest::addColumn<QString>("target"); // book, link to book, report, new
    QTest::addColumn<QString>("made");   // ics, calendar pdf, reading pdf
    QTest::addColumn<QString>("history"); // what the client's history gains; empty: nothing
    QTest::newRow("calendar file onto the book") << u"book"_s << u"ics"_s << QString();
    QTest::newRow("calendar PDF onto the book through a link") << u"link to book"_s << u"calendar pdf"_s << QString();
    QTest::newRow("reading PDF onto the book") << u"book"_s << u"reading pdf"_s << QString();
    QTest::newRow("calendar file onto a report") << u"report"_s << u"ics"_s << QString();
    QTest::newRow("calendar file, a new name") << u"new"_s << u"ics"_s << u"ics:"_s;
    QTest::newRow("calendar PDF, a new name") << u"new"_s << u"calendar pdf"_s << u"pdf:"_s;
}

void DeskForecastTest::neverWritesOverItsInputs()
{
    QFETCH(QString, target);
    QFETCH(QString, made);
    QFETCH(QString, history);
    QString fileName = m_address;
    if (target == u"link to book"_s) {
        fileName = m_folder->filePath(u"calendar.pdf"_s);
        QVERIFY(QFile::link(m_address, fileName));
    } else if (target == u"report"_s) {
        fileName = m_folder->filePath(u"ada.vlm"_s);
        QFile report(fileName);
        QVERIFY(report.open(QIODevice::WriteOnly) && report.write("Ada\r\n") == 5);
    } else if (target == u"new"_s) {
        fileName = m_folder->filePath(made == u"ics"_s ? u"ada.ics"_s : u"ada.pdf"_s);
    }
    FakePlatform platform;
    DeskWindow window(platform);
    window.openBook(m_address);
    QVERIFY(window.showClient(m_id));
    window.forecastView()->choosePersonalDay(1, true);
    const QByteArray before = QFile::exists(fileName) ? contentOf(fileName) : QByteArray();
    const qsizetype entries = window.client()->history.size();
    platform.chosenFiles.push_back(fileName);
    if (made == u"reading pdf"_s)
        window.saveReportPdf();
    else
        window.exportForecast(made == u"ics"_s ? ForecastFile::Ics : ForecastFile::Pdf);

    if (history.isEmpty()) {
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY2(platform.messages.constFirst().text.contains(u"nothing was written"_s),
                 qPrintable(platform.messages.constFirst().text));
        QCOMPARE(contentOf(fileName), before);
        QCOMPARE(window.client()->history.size(), entries);
        QVERIFY(window.showClient(m_id)); // the book still reads
        return;
    }
    QVERIFY2(platform.messages.isEmpty(), qPrintable(platform.messages.value(0).text));
    QVERIFY(contentOf(fileName).startsWith(made == u"ics"_s ? "BEGIN:VCALENDAR" : "%PDF"));
    QCOMPARE(window.client()->history.size(), entries + 1);
    QCOMPARE(window.client()->history.constLast().document, history + fileName);
}

void DeskForecastTest::drawingsFollowThePalette_data()
{
    QTest::addColumn<QString>("drawing");
    QTest::addColumn<bool>("dark");
    for (const QString &drawing : {u"timeline"_s, u"inclusion grid"_s}) {
        QTest::addRow("%s, light", qPrintable(drawing)) << drawing << false;
        QTest::addRow("%s, dark", qPrintable(drawing)) << drawing << true;
    }
}

void DeskForecastTest::drawingsFollowThePalette()
{
    QFETCH(QString, drawing);
    QFETCH(bool, dark);
    velmora::BirthData ada;
    ada.FirstName = "Ada";
    ada.LastName = "Lovelace";
    ada.BirthYear = 1815;
    ada.BirthMonth = 12;
    ada.BirthDay = 10;
    // The date of interest in her third period, so that a period is marked.
    const velmora::Chart chart = velmora::chartOf(ada, velmora::classicSystem(), {1850, 6, 1}, true);
    std::unique_ptr<QWidget> widget;
    if (drawing == u"timeline"_s) {
        auto *timeline = new velmora::desk::TimelineWidget;
        timeline->showTimeline(velmora::LifeTimeline::of(chart));
        widget.reset(timeline);
    } else {
        auto *grid = new velmora::desk::LetterChartsWidget;
        grid->showChart(chart);
        widget.reset(grid);
    }
    const QPalette palette = dark ? darkPalette() : QApplication::style()->standardPalette();
    widget->setPalette(palette);
    widget->resize(widget->sizeHint().expandedTo(QSize(600, 10)));
    QPicture picture;
    widget->render(&picture);
    TextRecorder recorder;
    {
        QPainter painter(&recorder);
        picture.play(&painter);
    }
    QVERIFY(recorder.texts.size() > 4);
    for (const TextRecorder::Text &text : recorder.texts) {
        // The ground takes the theme's side, and the text stays readable on it.
        const QColor ground = text.ground.isValid() ? text.ground : palette.color(QPalette::Window);
        QVERIFY2((ground.lightness() < 128) == dark, qPrintable(text.text + u" on "_s + ground.name()));
        QVERIFY2(velmora::contrastRatio(text.colour, ground) >= 4.5,
                 qPrintable(u"%1: %2 on %3"_s.arg(text.text, text.colour.name(), ground.name())));
    }
}

QTEST_MAIN(DeskForecastTest)
#include "tst_deskforecast.moc"
