// SPDX-License-Identifier: MIT
#include "readablecolours.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr double kLeastContrast = 4.5;

double relativeLuminance(const QColor &colour)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// Keeps one widget's palette readable, now and after every change of theme.
class ReadableColours : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *kName = "readableColours";

    explicit ReadableColours(QWidget *widget)
        : QObject(widget)
        , m_widget(widget)
    {
        setObjectName(QLatin1StringView(kName));
        widget->installEventFilter(this);
    }

    void set(QPalette::ColorRole background, QPalette::ColorRole textRole, const QList<QColor> &colours)
    {
        m_background = background;
        m_textRole = textRole;
        m_colours = colours;
        apply();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_widget && !m_applying
            && (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::StyleChange))
            apply();
        return false;
    }

private:
    void apply()
    {
        // Start from the theme's palette for this kind of widget, not from the
        // widget's own, which already holds the colours set last time.
        const QPalette theme = QApplication::palette(m_widget);
        QPalette palette = m_widget->palette();
        const QColor light = m_background == QPalette::Base ? kLightBaseColour : kLightWindowColour;
        bool substituted = false;
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const QColor themed = theme.color(group, m_background);
            const bool readable = std::all_of(m_colours.cbegin(), m_colours.cend(), [&themed](const QColor &text) {
                return contrastRatio(text, themed) >= kLeastContrast;
            });
            palette.setColor(group, m_background, readable ? themed : light);
            substituted = substituted || !readable;
            palette.setColor(group, m_textRole, m_colours.constFirst());
        }
        m_applying = true;
        m_widget->setPalette(palette);
        // A label draws no background of its own: the light one must be filled in.
        if (substituted)
            m_widget->setAutoFillBackground(true);
        m_applying = false;
    }

    QWidget *m_widget;
    QPalette::ColorRole m_background = QPalette::Window;
    QPalette::ColorRole m_textRole = QPalette::WindowText;
    QList<QColor> m_colours;
    bool m_applying = false;
};

} // namespace

double contrastRatio(const QColor &first, const QColor &second)
{
    const double one = relativeLuminance(first);
    const double other = relativeLuminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

void keepReadable(QWidget *widget, QPalette::ColorRole background, QPalette::ColorRole textRole,
                  const QList<QColor> &colours)
{
    if (colours.isEmpty())
        return;
    auto *keeper = qobject_cast<ReadableColours *>(
        widget->findChild<QObject *>(QLatin1StringView(ReadableColours::kName), Qt::FindDirectChildrenOnly));
    if (keeper == nullptr)
        keeper = new ReadableColours(widget);
    keeper->set(background, textRole, colours);
}

} // namespace velmora

#include "readablecolours.moc"
