#include "FlatUtilitys.h"

#include "HSLUtils.h"

#include <QFontMetrics>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <map>

QFont DefaultUiFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    // Unsmoothed like the old bitmap font: crisp at this size, and the embossed captions of
    // disabled controls keep their clean one-pixel highlight.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

TColor ShadeFromParentColor(TColor baseColor, TColor fallbackColor, TAdvColors percent, bool darken)
{
    if (percent == 0)
        return fallbackColor;
    ScaledHsl hsl = ScaledHslFromColor(ColorToRGB(baseColor));
    hsl.L += 10;
    // The lightened clamp is 100, not the scale's 240: stored schemes were derived this way.
    hsl.L = darken ? std::max(hsl.L - percent, 0) : std::min(hsl.L + percent, 100);
    return ColorFromScaledHsl(hsl.H, hsl.S, hsl.L);
}

namespace {

// The custom raster operation of the disabled glyph: where the mask is set the brush colour is
// painted, elsewhere the destination keeps its pixel.
void PaintThroughMask(QImage& dest, const std::vector<bool>& mask, int maskWidth, QPoint at, TColor brush)
{
    const QRgb color = toQColor(brush).rgb();
    const int maskHeight = maskWidth ? int(mask.size()) / maskWidth : 0;
    for (int y = 0; y < maskHeight; ++y) {
        for (int x = 0; x < maskWidth; ++x) {
            const int dx = x + at.x(), dy = y + at.y();
            if (mask[std::size_t(y * maskWidth + x)] && dx >= 0 && dy >= 0 && dx < dest.width() && dy < dest.height())
                dest.setPixel(dx, dy, color);
        }
    }
}

} // namespace

QImage MakeDisabledGlyph(const QImage& glyph, TColor keyColor, TColor backColor, TColor highlightColor,
                         TColor shadowColor, bool withHighlight)
{
    // A monochrome glyph becomes a colour one through its colour table first.
    const QImage source = glyph.convertToFormat(QImage::Format_RGB32);
    const QRgb key = toQColor(keyColor).rgb() & 0xFFFFFF;
    std::vector<bool> mask(std::size_t(source.width()) * std::size_t(source.height()));
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            mask[std::size_t(y * source.width() + x)] = (source.pixel(x, y) & 0xFFFFFF) == key;

    QImage result(glyph.size(), QImage::Format_RGB32);
    result.fill(toQColor(backColor));
    if (withHighlight)
        PaintThroughMask(result, mask, source.width(), QPoint(1, 1), highlightColor);
    PaintThroughMask(result, mask, source.width(), QPoint(0, 0), shadowColor);
    return result;
}

void LayoutGlyphAndCaption(const QFontMetrics& fm, const TRect& client, QPoint offset, QPoint& glyphPos,
                           TRect& textBounds, const QString& caption, int numGlyphs, const QImage& glyph, int margin,
                           int spacing, TButtonLayout layout)
{
    const QPoint clientSize(client.width(), client.height());
    QPoint glyphSize;
    if (!glyph.isNull())
        glyphSize = QPoint(glyph.width() / std::max(numGlyphs, 1), glyph.height());

    QPoint textSize;
    if (!caption.isEmpty()) {
        const QSize s = fm.size(Qt::TextSingleLine | Qt::TextShowMnemonic, caption);
        textSize = QPoint(s.width(), s.height());
    }
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    QPoint textPos;
    if (horizontal) {
        glyphPos.setY((clientSize.y() - glyphSize.y() + 1) / 2);
        textPos.setY((clientSize.y() - textSize.y() + 1) / 2);
    } else {
        glyphPos.setX((clientSize.x() - glyphSize.x() + 1) / 2);
        textPos.setX((clientSize.x() - textSize.x() + 1) / 2);
    }
    if (textSize.x() == 0 || glyphSize.x() == 0)
        spacing = 0;

    // Along the layout axis only.
    auto along = [horizontal](QPoint p) { return horizontal ? p.x() : p.y(); };
    if (margin == -1 && spacing == -1) {
        const QPoint total = glyphSize + textSize;
        margin = (along(clientSize) - along(total)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        const QPoint total = glyphSize + QPoint(spacing, spacing) + textSize;
        margin = (along(clientSize) - along(total) + 1) / 2;
    } else if (spacing == -1) {
        const QPoint total = clientSize - (QPoint(margin, margin) + glyphSize);
        spacing = (along(total) - along(textSize)) / 2;
    }

    switch (layout) {
    case blGlyphLeft:
        glyphPos.setX(margin);
        textPos.setX(glyphPos.x() + glyphSize.x() + spacing);
        break;
    case blGlyphRight:
        glyphPos.setX(clientSize.x() - margin - glyphSize.x());
        textPos.setX(glyphPos.x() - spacing - textSize.x());
        break;
    case blGlyphTop:
        glyphPos.setY(margin);
        textPos.setY(glyphPos.y() + glyphSize.y() + spacing);
        break;
    case blGlyphBottom:
        glyphPos.setY(clientSize.y() - margin - glyphSize.y());
        textPos.setY(glyphPos.y() - spacing - textSize.y());
        break;
    }

    const QPoint origin(client.left + offset.x(), client.top + offset.y());
    glyphPos += origin;
    textBounds = TRect{0, 0, textSize.x(), textSize.y()}.moved(textPos.x() + origin.x(), textPos.y() + origin.y());
}

void FillRect(QPainter& p, const TRect& r, TColor c)
{
    if (!r.isEmpty())
        p.fillRect(r.toQRect(), toQColor(c));
}

void FrameRect(QPainter& p, const TRect& r, TColor c)
{
    if (r.isEmpty())
        return;
    FillRect(p, {r.left, r.top, r.right, r.top + 1}, c);
    FillRect(p, {r.left, r.bottom - 1, r.right, r.bottom}, c);
    FillRect(p, {r.left, r.top, r.left + 1, r.bottom}, c);
    FillRect(p, {r.right - 1, r.top, r.right, r.bottom}, c);
}

void Frame3D(QPainter& p, TRect& r, TColor topLeft, TColor bottomRight)
{
    if (r.isEmpty())
        return;
    // The corners top-right and bottom-left belong to the bottom-right colour.
    FillRect(p, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillRect(p, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    FillRect(p, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    FillRect(p, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    r = r.shrunk(1, 1);
}

namespace {

// Bresenham's pixels from a towards b, b excluded.
std::vector<QPoint> LinePixels(QPoint a, QPoint b)
{
    std::vector<QPoint> pixels;
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), dy = -std::abs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    int err = dx + dy;
    while (x != b.x() || y != b.y()) {
        pixels.emplace_back(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    return pixels;
}

void PlotPixels(QPainter& p, const std::vector<QPoint>& pixels, TColor c)
{
    const QColor color = toQColor(c);
    for (const QPoint& px : pixels)
        p.fillRect(QRect(px, QSize(1, 1)), color);
}

} // namespace

void DrawLine(QPainter& p, QPoint a, QPoint b, TColor c)
{
    PlotPixels(p, LinePixels(a, b), c);
}

void DrawPolyline(QPainter& p, const std::vector<QPoint>& points, TColor c)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        DrawLine(p, points[i - 1], points[i], c);
}

void FillPolygon(QPainter& p, const std::vector<QPoint>& points, TColor c)
{
    // The closed outline covers every vertex; the interior is the span between its pixels per row.
    std::map<int, std::pair<int, int>> spans;
    for (std::size_t i = 0; i < points.size(); ++i) {
        for (const QPoint& px : LinePixels(points[i], points[(i + 1) % points.size()])) {
            auto [it, fresh] = spans.try_emplace(px.y(), px.x(), px.x());
            if (!fresh) {
                it->second.first = std::min(it->second.first, px.x());
                it->second.second = std::max(it->second.second, px.x());
            }
        }
    }
    for (const auto& [y, span] : spans)
        FillRect(p, {span.first, y, span.second + 1, y + 1}, c);
}

void DrawTransparent(QPainter& p, QPoint at, const QImage& image, QRgb transparent)
{
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (transparent & 0xFFFFFF))
                line[x] = 0;
    }
    p.drawImage(at, masked);
}

void DrawEmbossedText(QPainter& p, const TRect& r, int flags, const QString& text)
{
    p.save();
    p.setPen(toQColor(clBtnHighlight));
    p.drawText(r.moved(1, 1).toQRect(), flags, text);
    p.setPen(toQColor(clBtnShadow));
    p.drawText(r.toQRect(), flags, text);
    p.restore();
}

void FillEmbossedPolygon(QPainter& p, const std::vector<QPoint>& points)
{
    std::vector<QPoint> moved;
    for (const QPoint& pt : points)
        moved.push_back(pt + QPoint(1, 1));
    FillPolygon(p, moved, clWhite);
    FillPolygon(p, points, clGray);
}

ClassTimer::ClassTimer(int intervalMs)
    : m_defaultInterval(intervalMs)
{}

ClassTimer::~ClassTimer() = default;

void ClassTimer::join()
{
    if (!m_timer) {
        m_timer = std::make_unique<QTimer>();
        m_timer->setInterval(m_defaultInterval);
        QObject::connect(m_timer.get(), &QTimer::timeout, [this] {
            if (m_owner && m_tick)
                m_tick();
            else
                m_timer->stop();
        });
    }
    ++m_count;
}

void ClassTimer::leave(QWidget* control)
{
    release(control);
    if (--m_count == 0)
        m_timer.reset();
}

void ClassTimer::start(QWidget* owner, std::function<void()> tick)
{
    m_owner = owner;
    m_tick = std::move(tick);
    if (m_timer)
        m_timer->start();
}

void ClassTimer::stop()
{
    if (m_timer)
        m_timer->stop();
}

void ClassTimer::release(QWidget* control)
{
    if (m_owner != control)
        return;
    stop();
    m_owner = nullptr;
    m_tick = nullptr;
}

bool ClassTimer::isActive() const
{
    return m_timer && m_timer->isActive();
}

int ClassTimer::interval() const
{
    return m_timer ? m_timer->interval() : m_defaultInterval;
}

void ClassTimer::setInterval(int ms)
{
    if (m_timer)
        m_timer->setInterval(ms);
}

bool CursorIsOver(const QWidget* w)
{
    const Desktop& desktop = Desktop::current();
    return desktop.widgetAt(desktop.cursorPos()) == w;
}

TFlatControl::TFlatControl(QWidget* parent, TColor color, bool parentColor, std::vector<TColor> colors,
                           std::vector<TAdvColors> advColors, std::vector<AdvColorRule> rules)
    : QWidget(parent)
    , m_color(color)
    , m_parentColor(parentColor)
    , m_colors(std::move(colors))
    , m_advColors(std::move(advColors))
    , m_rules(std::move(rules))
{}

TColor TFlatControl::Color() const
{
    return m_parentColor && parentWidget() ? WidgetColor(parentWidget()) : m_color;
}

void TFlatControl::SetColor(TColor c)
{
    m_color = c;
    m_parentColor = false;
    update();
}

void TFlatControl::SetParentColor(bool on)
{
    if (on == m_parentColor)
        return;
    m_parentColor = on;
    update();
}

void TFlatControl::SetIndexedColor(int index, TColor value)
{
    if (index >= 0 && index < int(m_colors.size()))
        m_colors[std::size_t(index)] = value;
    update();
}

void TFlatControl::SetAdvColor(int index, TAdvColors value)
{
    if (index >= 0 && index < int(m_advColors.size()))
        m_advColors[std::size_t(index)] = value;
    CalcAdvColors();
    update();
}

void TFlatControl::SetUseAdvColors(bool on)
{
    if (on == m_useAdvColors)
        return;
    m_useAdvColors = on;
    m_parentColor = on;
    CalcAdvColors();
    update();
}

void TFlatControl::CalcAdvColors()
{
    if (!m_useAdvColors)
        return;
    const TColor base = Color();
    for (const AdvColorRule& rule : m_rules) {
        TColor& target = m_colors[std::size_t(rule.color)];
        target = ShadeFromParentColor(base, target, m_advColors[std::size_t(rule.percent)], rule.darken);
    }
}

void TFlatControl::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() != QEvent::PaletteChange && e->type() != QEvent::ParentChange)
        return;
    if (m_useAdvColors) {
        m_parentColor = true;
        CalcAdvColors();
    }
    update();
}

void TFlatControl::emitMouseDown(const QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit OnMouseDown(e->button(), e->modifiers(), p.x(), p.y());
}

void TFlatControl::emitMouseMove(const QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit OnMouseMove(e->buttons(), e->modifiers(), p.x(), p.y());
}

void TFlatControl::emitMouseUp(const QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit OnMouseUp(e->button(), e->modifiers(), p.x(), p.y());
}

TFlatButtonControl::TFlatButtonControl(QWidget* parent, ClassTimer& timer, TColor color, std::vector<TColor> colors,
                                       std::vector<TAdvColors> advColors, std::vector<AdvColorRule> rules)
    : TFlatControl(parent, color, true, std::move(colors), std::move(advColors), std::move(rules))
    , m_hoverTimer(timer)
{
    setMouseTracking(true);
    m_hoverTimer.join();
}

TFlatButtonControl::~TFlatButtonControl()
{
    StopHoverTimer();
    m_hoverTimer.leave(this);
}

void TFlatButtonControl::MouseEnter()
{
    if (!isEnabled() || m_hovered)
        return;
    m_hovered = true;
    update();
}

void TFlatButtonControl::MouseLeave()
{
    if (!isEnabled() || !m_hovered || m_leftHeld)
        return;
    m_hovered = false;
    StopHoverTimer();
    update();
}

void TFlatButtonControl::HoverTimerTick()
{
    if (!CursorIsOver(this))
        MouseLeave();
}

void TFlatButtonControl::StopHoverTimer()
{
    m_hoverTimer.release(this);
}

void TFlatButtonControl::TrackHover(QPoint localPos)
{
    const Desktop& desktop = Desktop::current();
    if (desktop.widgetAt(mapToGlobal(localPos)) != this || m_hoverTimer.owner() == this)
        return;
    if (!desktop.activeWindow()) {
        if (auto* previous = qobject_cast<TFlatButtonControl*>(m_hoverTimer.owner()))
            previous->MouseLeave();
        return;
    }
    TakeHoverTimer();
    MouseEnter();
}

void TFlatButtonControl::TakeHoverTimer()
{
    if (m_hoverTimer.owner() == this && m_hoverTimer.isActive())
        return;
    // One timer per class, so the control it ticks for is the one hovered so far.
    if (auto* previous = qobject_cast<TFlatButtonControl*>(m_hoverTimer.owner()); previous && previous != this)
        previous->MouseLeave();
    m_hoverTimer.stop();
    m_hoverTimer.start(this, [this] { HoverTimerTick(); });
}

void TFlatButtonControl::leaveEvent(QEvent* e)
{
    TFlatControl::leaveEvent(e);
    MouseLeave();
}

void TFlatButtonControl::hideEvent(QHideEvent* e)
{
    TFlatControl::hideEvent(e);
    if (m_hovered) {
        m_hovered = false;
        update();
    }
    StopHoverTimer();
}

void TFlatButtonControl::SetCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    if (m_shortcutId)
        releaseShortcut(m_shortcutId);
    const QKeySequence key = QKeySequence::mnemonic(m_caption);
    m_shortcutId = key.isEmpty() ? 0 : grabShortcut(key);
    update();
}

bool TFlatButtonControl::event(QEvent* e)
{
    if (e->type() == QEvent::Shortcut) {
        if (isEnabled())
            AcceleratorPressed();
        return true;
    }
    return TFlatControl::event(e);
}
