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

namespace {

// The done part in whole percent, truncated; -1 for an empty range. In floating point, so that no
// span of two integers can overflow.
int percentDone(int min, int max, int progress)
{
    if (max == min)
        return -1;
    return int(std::trunc((double(progress) - double(min)) / (double(max) - double(min)) * 100));
}

} // namespace

TFlatGauge::Shown TFlatGauge::shown() const
{
    return {BarWidth(), m_showText ? percentDone(m_min, m_max, m_progress) : 0};
}

void TFlatGauge::updateIfChanged(const Shown& before)
{
    if (shown() != before)
        update();
}

void TFlatGauge::setClampedProgress(int value)
{
    m_progress = value < m_min ? m_min : value > m_max ? m_max : value;
}

void TFlatGauge::SetMinValue(int value)
{
    if (value == m_min)
        return;
    const Shown before = shown();
    m_min = value > m_max ? m_max : value;
    setClampedProgress(m_progress);
    updateIfChanged(before);
}

void TFlatGauge::SetMaxValue(int value)
{
    if (value == m_max)
        return;
    const Shown before = shown();
    m_max = value < m_min ? m_min : value;
    setClampedProgress(m_progress);
    updateIfChanged(before);
}

bool TFlatGauge::moveProgress(int value)
{
    if (value == m_progress)
        return false;
    const Shown before = shown();
    setClampedProgress(value);
    return shown() != before;
}

void TFlatGauge::SetProgress(int value)
{
    if (moveProgress(value))
        update();
}

void TFlatGauge::SetProgressNow(int value)
{
    if (moveProgress(value))
        repaint();
}

void TFlatGauge::SetShowText(bool on)
{
    if (on == m_showText)
        return;
    m_showText = on;
    update();
}

QString TFlatGauge::ProgressText() const
{
    const int percent = percentDone(m_min, m_max, m_progress);
    if (percent < 0)
        return QStringLiteral("error");
    return QString::number(percent) + QStringLiteral(" %");
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
