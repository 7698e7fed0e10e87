#pragma once

#include "FlatUtilitys.h"

#include <QStringList>

#include <bitset>
#include <vector>

// The self-drawn list: a fixed number of equal rows, a selection of up to 256 item indexes, two
// scroll bands with arrows (click and hold repeats) and the mouse wheel. Windows read the selection
// in OnMouseUp; a press on a row selects it and raises no OnMouseDown.
class TFlatListBox : public TFlatControl {
    Q_OBJECT
public:
    static constexpr int MaxItems = 256;

    explicit TFlatListBox(QWidget* parent = nullptr);
    ~TFlatListBox() override;

    // Colours by index (SetIndexedColor): 0 ColorArrow, 1 ColorBorder, 2 ColorItemsRect,
    // 3 ColorItemsSelect. Derived colour (SetAdvColor): 0 AdvColorBorder. Color fills the bands.
    TColor ColorArrow() const { return IndexedColor(0); }
    TColor ColorBorder() const { return IndexedColor(1); }
    TColor ColorItemsRect() const { return IndexedColor(2); }
    TColor ColorItemsSelect() const { return IndexedColor(3); }
    TAdvColors AdvColorBorder() const { return AdvColor(0); }

    const QStringList& Items() const { return m_items; }
    // Takes a copy of the source, whose lines are trimmed in place first; a source of more than
    // MaxItems lines changes nothing at all.
    void SetItems(QStringList& source);
    // Each change of the items clears the selection of an enabled list box.
    int AddItem(const QString& item);
    void InsertItem(int index, const QString& item);
    void DeleteItem(int index);
    void SetItem(int index, const QString& item);
    void ClearItems();

    bool Sorted() const { return m_sorted; }
    void SetSorted(bool on);
    bool MultiSelect() const { return m_multiSelect; }
    void SetMultiSelect(bool on) { m_multiSelect = on; }

    // Selection by item index; any index outside 0..255 reads as not selected.
    bool GetSelected(int index) const;
    // Without MultiSelect the whole selection is cleared first, whatever the index.
    void SetSelected(int index, bool value);

    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height);
    bool ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(bool on);

    int FirstItem() const { return m_firstItem; }
    // Puts the first item in the top row. A change of the items keeps the top row, so a window
    // that fills a list with another entry's items calls this, or a list scrolled down would show
    // the new, shorter list as empty.
    void ScrollToTop();
    // Whole rows that fit the current height.
    int VisibleCount() const { return RowsFor(height()); }
    // Row rectangles in client coordinates.
    std::vector<TRect> ItemSlots() const;

    void ScrollTimerTick();
    // The scroll timer shared by all list boxes.
    static ClassTimer& ScrollTimer();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    enum class Direction { Up, Down };

    void ItemsChanged();
    void DrawScrollBands(QPainter& p);
    int RowsFor(int height) const;
    int HeightFor(int rows) const;
    bool CanScrollDown(int by) const;
    void StartAutoRepeat(Direction direction);
    void sortItems();

    QStringList m_items;
    bool m_sorted = false;
    bool m_multiSelect = false;
    int m_itemHeight = 17;
    bool m_scrollBars = false;
    int m_firstItem = 0;
    std::bitset<MaxItems> m_selected;
    Direction m_direction = Direction::Down;
    int m_wheelDelta = 0;
};
