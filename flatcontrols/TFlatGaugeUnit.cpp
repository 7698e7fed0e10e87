#include "TFlatGaugeUnit.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <cstdint>

TFlatGauge::TFlatGauge(QWidget* parent)
    : TFlatControl(parent, 0xE0E9EF, false, {0x555E66, 0x996633}, {50}, {{0, 0, true}})
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(145, 25);
}

void TFlatGauge::SetMinValue(int value)
{
    if (value == m_min)
        return;
    m_min = value > m_max ? m_max : value;
    if (m_progress < m_min)
        m_progress = m_min;
    update();
}

void TFlatGauge::SetMaxValue(int value)
{
    if (value == m_max)
        return;
    m_max = value < m_min ? m_min : value;
    if (m_progress > m_max)
        m_progress = m_max;
    update();
}

void TFlatGauge::SetProgress(int value)
{
    const int clamped = value < m_min ? m_min : value > m_max ? m_max : value;
    if (clamped == m_progress)
        return;
    m_progress = clamped;
    update();
}

void TFlatGauge::SetShowText(bool on)
{
    if (on == m_showText)
        return;
    m_showText = on;
    update();
}

namespace {

// The done part of the range, in floating point so that no span of two integers can overflow;
// negative for an empty range.
double fraction(int min, int max, int progress)
{
    if (max == min)
        return -1;
    return (double(progress) - double(min)) / (double(max) - double(min));
}

} // namespace

QString TFlatGauge::ProgressText() const
{
    const double f = fraction(m_min, m_max, m_progress);
    if (f < 0)
        return QStringLiteral("error");
    return QString::number(int(std::trunc(f * 100))) + QStringLiteral(" %");
}

int TFlatGauge::BarWidth() const
{
    if (m_max == m_min || width() <= 4)
        return 0;
    // Width times the done part, then divided: dividing first loses the last pixel whenever the
    // quotient is no exact binary fraction (57 of 141 on 141 pixels would give 56). In 64 bits no
    // widget width times a 32-bit span can overflow, and the division truncates like the rule.
    const std::int64_t done = std::int64_t(m_progress) - m_min;
    const std::int64_t span = std::int64_t(m_max) - m_min;
    return int(std::int64_t(width() - 4) * done / span);
}

void TFlatGauge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int w = width(), h = height();
    FillRect(p, {0, 0, w, h}, Color());
    FrameRect(p, {0, 0, w, h}, BorderColor());
    if (w <= 4 || h <= 4)
        return;

    // The bar and the empty part are drawn whole, each with the text in the other's colour, and
    // copied side by side, so the text changes colour exactly at the bar's end.
    const QString text = ProgressText();
    const QFontMetrics fm(font());
    const int x = w / 2 - fm.horizontalAdvance(text) / 2;
    auto image = [&](TColor fill, TColor textColor) {
        QImage img(w - 4, h - 4, QImage::Format_RGB32);
        img.fill(toQColor(fill));
        if (m_showText) {
            QPainter ip(&img);
            ip.setFont(font());
            ip.setPen(toQColor(textColor));
            ip.drawText(x, img.height() / 2 - fm.height() / 2 + fm.ascent(), text);
        }
        return img;
    };
    const QImage bar = image(BarColor(), Color());
    const QImage rest = image(Color(), BarColor());

    const int barWidth = BarWidth();
    auto stretch = [&p](const TRect& to, const QImage& from, const TRect& source) {
        if (to.width() > 0 && to.height() > 0 && source.width() > 0 && source.height() > 0)
            p.drawImage(to.toQRect(), from, source.toQRect());
    };
    stretch({3, 3, barWidth + 1, h - 3}, bar, {0, 0, barWidth, h - 4});
    stretch({barWidth + 3, 3, w - 3, h - 3}, rest, {barWidth, 0, w - 4, h - 4});
}

void TFlatGauge::mousePressEvent(QMouseEvent* e)
{
    emitMouseDown(e);
}

void TFlatGauge::mouseMoveEvent(QMouseEvent* e)
{
    emitMouseMove(e);
}

void TFlatGauge::mouseReleaseEvent(QMouseEvent* e)
{
    emitMouseUp(e);
}
