// SPDX-License-Identifier: MIT
#include "variantsdocument.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

#include "readingdocument.h"

namespace velmora {
namespace {

constexpr qreal kTitlePointSize = 16;
constexpr qreal kHeadingPointSize = 12;
constexpr qreal kTextPointSize = 10;
constexpr qreal kTablePointSize = 9;

// Lays the sheet out top to bottom, page by page. Measured first without a
// painter to count the pages, then painted with one, by the same steps, so
// that "Page N of M" is known on the first page.
class SheetLayout
{
public:
    SheetLayout(QPagedPaintDevice &device, const VariantSheet &sheet)
        : m_device(device)
        , m_sheet(sheet)
        , m_page(device.pageLayout().paintRectPixels(device.logicalDpiX()))
        , m_footer(device, sheet.title)
        , m_bottom(m_page.height() - m_footer.reservedHeight())
        , m_title(boldReadingFont(kTitlePointSize))
        , m_heading(boldReadingFont(kHeadingPointSize))
        , m_text(readingFont(kTextPointSize))
        , m_cell(readingFont(kTablePointSize))
        , m_headCell(boldReadingFont(kTablePointSize))
    {
        measureColumns();
    }

    // The pages it takes; with a painter, painted as well. False when the
    // device refuses a new page.
    bool run(QPainter *painter, int pageCount)
    {
        m_painter = painter;
        m_pageCount = pageCount;
        m_pageNumber = 1;
        m_y = 0;
        line(m_title, kHeadingColour, m_sheet.title);
        for (const QString &fact : m_sheet.facts)
            line(m_text, kTextColour, fact);
        m_y += lineHeight(m_text);
        if (!headRow())
            return false;
        for (const QStringList &row : m_sheet.rows) {
            if (m_y + rowHeight() > m_bottom && (!nextPage() || !headRow()))
                return false;
            tableRow(m_cell, row);
        }
        for (const QString &note : m_sheet.notes) {
            m_y += lineHeight(m_text) * 0.5;
            if (!keepRoom(wrappedHeight(m_text, note)))
                return false;
            wrapped(m_text, kTextColour, note);
        }
        if (!m_sheet.readings.empty()) {
            m_y += lineHeight(m_text);
            if (!keepRoom(lineHeight(m_heading) * 3))
                return false;
            line(m_heading, kHeadingColour, m_sheet.readingsHeading);
            for (const VariantSheet::DestinyReading &reading : m_sheet.readings) {
                if (!paragraph(reading.heading, reading.text))
                    return false;
                if (!reading.compoundHeading.isEmpty() && !paragraph(reading.compoundHeading, reading.compoundText))
                    return false;
            }
        }
        if (m_painter != nullptr)
            m_footer.paint(*m_painter, m_page, m_pageNumber, m_pageCount);
        return true;
    }

    [[nodiscard]] int pages() const { return m_pageNumber; }

private:
    [[nodiscard]] qreal lineHeight(const QFont &font) const { return QFontMetricsF(font, &m_device).height(); }
    [[nodiscard]] qreal rowHeight() const { return lineHeight(m_cell) * 1.35; }
    [[nodiscard]] qreal padding() const { return lineHeight(m_cell); }

    // Each column as wide as its widest cell; the name (the first) gives way
    // when the table is wider than the page.
    void measureColumns()
    {
        const QFontMetricsF cell(m_cell, &m_device);
        const QFontMetricsF head(m_headCell, &m_device);
        m_widths.clear();
        for (const QString &name : m_sheet.head)
            m_widths.push_back(head.horizontalAdvance(name));
        for (const QStringList &row : m_sheet.rows) {
            for (qsizetype k = 0; k < row.size() && k < static_cast<qsizetype>(m_widths.size()); ++k)
                m_widths[static_cast<std::size_t>(k)] =
                    std::max(m_widths[static_cast<std::size_t>(k)], cell.horizontalAdvance(row[k]));
        }
        for (qreal &width : m_widths)
            width += padding();
        qreal others = 0;
        for (std::size_t k = 1; k < m_widths.size(); ++k)
            others += m_widths[k];
        if (!m_widths.empty() && m_widths[0] + others > m_page.width())
            m_widths[0] = std::max(m_page.width() - others, m_page.width() / 4);
    }

    bool nextPage()
    {
        if (m_painter != nullptr) {
            m_footer.paint(*m_painter, m_page, m_pageNumber, m_pageCount);
            if (!m_device.newPage())
                return false;
        }
        ++m_pageNumber;
        m_y = 0;
        return true;
    }

    bool keepRoom(qreal height) { return m_y + height <= m_bottom || m_y == 0 || nextPage(); }

    void line(const QFont &font, const QColor &colour, const QString &text)
    {
        const qreal height = lineHeight(font);
        if (m_painter != nullptr) {
            m_painter->setFont(font);
            m_painter->setPen(colour);
            const QString shown = QFontMetricsF(font, &m_device).elidedText(text, Qt::ElideRight, m_page.width());
            m_painter->drawText(QRectF(0, m_y, m_page.width(), height), Qt::AlignLeft | Qt::AlignTop, shown);
        }
        m_y += height * 1.2;
    }

    [[nodiscard]] qreal wrappedHeight(const QFont &font, const QString &text) const
    {
        return QFontMetricsF(font, &m_device)
            .boundingRect(QRectF(0, 0, m_page.width(), m_bottom), Qt::TextWordWrap, text)
            .height();
    }

    void wrapped(const QFont &font, const QColor &colour, const QString &text)
    {
        const qreal height = wrappedHeight(font, text);
        if (m_painter != nullptr) {
            m_painter->setFont(font);
            m_painter->setPen(colour);
            m_painter->drawText(QRectF(0, m_y, m_page.width(), height), Qt::TextWordWrap, text);
        }
        m_y += height;
    }

    // A reading: its heading kept with the first lines of its text.
    bool paragraph(const QString &heading, const QString &text)
    {
        const qreal headingHeight = wrappedHeight(m_headCell, heading) + lineHeight(m_text) * 0.3;
        if (!keepRoom(headingHeight + lineHeight(m_text) * 2))
            return false;
        wrapped(m_headCell, kHeadingColour, heading);
        m_y += lineHeight(m_text) * 0.3;
        if (!keepRoom(wrappedHeight(m_text, text)))
            return false;
        wrapped(m_text, kTextColour, text);
        m_y += lineHeight(m_text) * 0.8;
        return true;
    }

    bool headRow()
    {
        if (!keepRoom(rowHeight() * 2))
            return false;
        tableRow(m_headCell, m_sheet.head);
        if (m_painter != nullptr) {
            QPen pen(kTextColour);
            pen.setWidthF(m_device.logicalDpiX() / 144.0); // half a point
            m_painter->setPen(pen);
            m_painter->drawLine(QPointF(0, m_y), QPointF(m_page.width(), m_y));
        }
        m_y += rowHeight() * 0.2;
        return true;
    }

    void tableRow(const QFont &font, const QStringList &cells)
    {
        if (m_painter != nullptr) {
            m_painter->setFont(font);
            m_painter->setPen(kTextColour);
            const QFontMetricsF metrics(font, &m_device);
            qreal x = 0;
            for (qsizetype k = 0; k < cells.size() && k < static_cast<qsizetype>(m_widths.size()); ++k) {
                const qreal width = m_widths[static_cast<std::size_t>(k)];
                const QString shown = metrics.elidedText(cells[k], Qt::ElideRight, width - padding() / 2);
                m_painter->drawText(QRectF(x, m_y, width, rowHeight()), Qt::AlignLeft | Qt::AlignVCenter, shown);
                x += width;
            }
        }
        m_y += rowHeight();
    }

    QPagedPaintDevice &m_device;
    const VariantSheet &m_sheet;
    QRectF m_page;
    PageFooter m_footer;
    qreal m_bottom;
    QFont m_title;
    QFont m_heading;
    QFont m_text;
    QFont m_cell;
    QFont m_headCell;
    std::vector<qreal> m_widths;
    QPainter *m_painter = nullptr;
    int m_pageNumber = 1;
    int m_pageCount = 1;
    qreal m_y = 0;
};

} // namespace

bool paintVariantSheet(QPagedPaintDevice &device, const VariantSheet &sheet)
{
    setPageMargins(device);
    SheetLayout layout(device, sheet);
    if (!layout.run(nullptr, 0))
        return false;
    const int pages = layout.pages();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    return layout.run(&painter, pages) && painter.end();
}

QByteArray variantSheetPdf(const VariantSheet &sheet, const QPageSize &pageSize)
{
    return pdfDocument(sheet.title, pageSize, [&](QPagedPaintDevice &device) { return paintVariantSheet(device, sheet); });
}

} // namespace velmora
