#include "TFlatListBoxUnit.h"

#include "collation.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int bandHeight = 11;
constexpr int firstRepeat = 600;
constexpr int nextRepeats = 100;

// Leading and trailing spaces and control characters.
QString trimmed(const QString& s)
{
    qsizetype first = 0, last = s.size();
    while (first < last && s[first].unicode() <= ' ')
        ++first;
    while (last > first && s[last - 1].unicode() <= ' ')
        --last;
    return s.mid(first, last - first);
}

} // namespace

ClassTimer& TFlatListBox::ScrollTimer()
{
    static ClassTimer timer(firstRepeat);
    return timer;
}

TFlatListBox::TFlatListBox(QWidget* parent)
    : TFlatControl(parent, 0xE1EAEB, true, {0x000000, 0x8396A0, 0xFFFFFF, 0x9CDEF7}, {40}, {{1, 0, true}})
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Only a left press on a row takes the focus (mousePressEvent), never a press on a band or
    // with another button.
    setFocusPolicy(Qt::NoFocus);
    ScrollTimer().join();
    resize(137, 99);
}

TFlatListBox::~TFlatListBox()
{
    ScrollTimer().leave(this);
}

int TFlatListBox::RowsFor(int height) const
{
    return std::max((height - (m_scrollBars ? 24 : 4)) / (m_itemHeight + 2), 0);
}

int TFlatListBox::HeightFor(int rows) const
{
    return rows * (m_itemHeight + 2) + (m_scrollBars ? 24 : 4);
}

void TFlatListBox::SetItems(QStringList& source)
{
    if (source.size() > MaxItems)
        return;
    for (QString& line : source)
        line = trimmed(line);
    m_items = source;
    if (m_sorted)
        sortItems();
    ItemsChanged();
}

int TFlatListBox::AddItem(const QString& item)
{
    qsizetype at = m_items.size();
    if (m_sorted) {
        at = std::upper_bound(m_items.begin(), m_items.end(), item, polishCollator()) - m_items.begin();
    }
    m_items.insert(at, item);
    ItemsChanged();
    return int(at);
}

void TFlatListBox::InsertItem(int index, const QString& item)
{
    m_items.insert(std::clamp<qsizetype>(index, 0, m_items.size()), item);
    ItemsChanged();
}

void TFlatListBox::DeleteItem(int index)
{
    if (index < 0 || index >= m_items.size())
        return;
    m_items.removeAt(index);
    ItemsChanged();
}

void TFlatListBox::SetItem(int index, const QString& item)
{
    if (index < 0 || index >= m_items.size())
        return;
    m_items[index] = item;
    ItemsChanged();
}

void TFlatListBox::ClearItems()
{
    m_items.clear();
    ItemsChanged();
}

void TFlatListBox::ScrollToTop()
{
    if (m_firstItem == 0)
        return;
    m_firstItem = 0;
    update();
}

void TFlatListBox::sortItems()
{
    std::stable_sort(m_items.begin(), m_items.end(), polishCollator());
}

void TFlatListBox::SetSorted(bool on)
{
    if (on == m_sorted)
        return;
    m_sorted = on;
    if (on)
        sortItems();
    m_selected.reset();
    update();
}

void TFlatListBox::ItemsChanged()
{
    // The top row stays where it is, also past a shorter list's end: the bands and the wheel bring
    // it back, so a refilled list does not jump.
    if (isEnabled())
        m_selected.reset();
    update();
}

bool TFlatListBox::GetSelected(int index) const
{
    return index >= 0 && index < MaxItems && m_selected.test(std::size_t(index));
}

void TFlatListBox::SetSelected(int index, bool value)
{
    if (!m_multiSelect)
        m_selected.reset();
    if (index >= 0 && index < MaxItems)
        m_selected.set(std::size_t(index), value);
    update();
}

void TFlatListBox::SetItemHeight(int height)
{
    const int rows = VisibleCount();
    m_itemHeight = std::max(height, 1);
    resize(width(), HeightFor(rows));
    update();
}

void TFlatListBox::SetScrollBars(bool on)
{
    if (on == m_scrollBars)
        return;
    m_scrollBars = on;
    resize(width(), height() + (on ? 20 : -20));
    update();
}

std::vector<TRect> TFlatListBox::ItemSlots() const
{
    std::vector<TRect> rows;
    int y = m_scrollBars ? 13 : 3;
    for (int row = 0; row < VisibleCount(); ++row) {
        rows.push_back({3, y, width() - 3, y + m_itemHeight});
        y += m_itemHeight + 2;
    }
    return rows;
}

void TFlatListBox::resizeEvent(QResizeEvent* e)
{
    TFlatControl::resizeEvent(e);
    // The height always holds whole rows.
    const int wanted = HeightFor(VisibleCount());
    if (wanted != height())
        resize(width(), wanted);
    update();
}

void TFlatListBox::changeEvent(QEvent* e)
{
    TFlatControl::changeEvent(e);
    if (e->type() == QEvent::EnabledChange || e->type() == QEvent::FontChange)
        update();
}

bool TFlatListBox::CanScrollDown(int by) const
{
    return m_items.size() >= m_firstItem + VisibleCount() + by;
}

void TFlatListBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    const TRect client{0, 0, width(), height()};
    FillRect(p, client, ColorItemsRect());
    FrameRect(p, client, ColorBorder());
    if (m_scrollBars)
        DrawScrollBands(p);

    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    p.setPen(toQColor(FontColor(this)));
    const std::vector<TRect> rows = ItemSlots();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const int index = m_firstItem + int(row);
        if (index >= m_items.size())
            break;
        const TRect& slot = rows[row];
        if (GetSelected(index)) {
            FillRect(p, slot, ColorItemsSelect());
            FrameRect(p, slot, ColorBorder());
        }
        const TRect text = slot.shrunk(3, 0);
        if (isEnabled())
            p.drawText(text.toQRect(), flags, m_items[index]);
        else
            DrawEmbossedText(p, text, flags, m_items[index]);
    }
}

void TFlatListBox::DrawScrollBands(QPainter& p)
{
    const int w = width(), t = 0, b = height();
    const TRect top{0, t, w, t + bandHeight}, bottom{0, b - bandHeight, w, b};
    FillRect(p, top, Color());
    FillRect(p, bottom, Color());
    FrameRect(p, top, ColorBorder());
    FrameRect(p, bottom, ColorBorder());

    const int m = w / 2;
    if (isEnabled() && m_firstItem != 0) {
        FillPolygon(p, {{m - 2, t + 6}, {m + 2, t + 6}, {m, t + 4}}, ColorArrow());
    } else {
        FillEmbossedPolygon(p, {{m - 2, t + 6}, {m + 2, t + 6}, {m, t + 4}});
    }
    if (isEnabled() && CanScrollDown(1)) {
        FillPolygon(p, {{m - 2, b - 7}, {m + 2, b - 7}, {m, b - 5}}, ColorArrow());
    } else {
        FillEmbossedPolygon(p, {{m - 2, b - 7}, {m + 2, b - 7}, {m, b - 5}});
    }
}

void TFlatListBox::mousePressEvent(QMouseEvent* e)
{
    const QPoint pt = e->position().toPoint();
    if (!m_items.isEmpty() && e->button() == Qt::LeftButton) {
        const std::vector<TRect> rows = ItemSlots();
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (!rows[row].contains(pt))
                continue;
            // A row without an item below the last one still selects its index.
            const int index = m_firstItem + int(row);
            if (m_multiSelect) {
                if (index < MaxItems)
                    m_selected.flip(std::size_t(index));
            } else {
                m_selected.reset();
                if (index < MaxItems)
                    m_selected.set(std::size_t(index));
            }
            setFocus(Qt::MouseFocusReason);
            update();
            return;
        }
    }
    if (m_scrollBars) {
        if (TRect{0, 0, width(), bandHeight}.contains(pt)) {
            m_firstItem = std::max(m_firstItem - 1, 0);
            StartAutoRepeat(Direction::Up);
        } else if (TRect{0, height() - bandHeight, width(), height()}.contains(pt)) {
            if (CanScrollDown(1))
                ++m_firstItem;
            StartAutoRepeat(Direction::Down);
        }
    }
    emitMouseDown(e);
}

void TFlatListBox::StartAutoRepeat(Direction direction)
{
    update();
    m_direction = direction;
    ClassTimer& timer = ScrollTimer();
    timer.stop();
    timer.start(this, [this] { ScrollTimerTick(); });
}

void TFlatListBox::mouseReleaseEvent(QMouseEvent* e)
{
    ScrollTimer().stop();
    ScrollTimer().setInterval(firstRepeat);
    emitMouseUp(e);
}

void TFlatListBox::mouseMoveEvent(QMouseEvent* e)
{
    emitMouseMove(e);
}

void TFlatListBox::ScrollTimerTick()
{
    ClassTimer& timer = ScrollTimer();
    timer.setInterval(nextRepeats);
    if (m_direction == Direction::Down) {
        if (!CanScrollDown(1))
            timer.stop();
        else
            ++m_firstItem;
    } else {
        if (m_firstItem - 1 < 0) {
            m_firstItem = 0;
            timer.stop();
        } else {
            --m_firstItem;
        }
    }
    update();
}

void TFlatListBox::wheelEvent(QWheelEvent* e)
{
    e->accept();
    // The whole delta counts, 120 units a notch: fine wheels and touchpads add up to notches, a
    // fast turn may bring several in one event. A turn the other way drops the part of a notch
    // gathered so far, so that it scrolls as soon as the way back makes a notch.
    const int delta = e->angleDelta().y();
    if ((delta < 0 && m_wheelDelta > 0) || (delta > 0 && m_wheelDelta < 0))
        m_wheelDelta = 0;
    m_wheelDelta += delta;
    const int notches = m_wheelDelta / 120;
    m_wheelDelta -= notches * 120;

    int lines = Desktop::current().wheelScrollLines();
    // 0 and out-of-range settings (such as "a page at a time") scroll a page.
    const int visible = VisibleCount();
    if (lines <= 0 || lines > MaxItems)
        lines = visible;
    const int count = int(m_items.size());
    for (int i = 0; i < std::abs(notches); ++i) {
        if (notches < 0) {
            if (count < m_firstItem + visible + lines)
                m_firstItem = std::max(count - visible, 0);
            else
                m_firstItem += lines;
        } else {
            m_firstItem = std::max(m_firstItem - lines, 0);
        }
    }
    update();
}
