#pragma once

#include "FlatColors.h"

#include <QWidget>

// The grid of the sixteen basic colours, four by four row by row (black, maroon, green, olive,
// navy, purple, teal, grey, silver, red, lime, yellow, blue, fuchsia, aqua, white). A left click,
// or a drag with the left button held, chooses a cell; only a change of the chosen cell reports a
// colour, so choosing the cell already chosen reports nothing.
class TColorGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCells = 16;

    explicit TColorGrid(QWidget* parent = nullptr);

    // The chosen cell, 0..15; grey (7) at first.
    int ForegroundIndex() const { return m_index; }
    // Chooses a cell from code; reports nothing.
    void SetForegroundIndex(int index);
    TColor ForegroundColor() const { return CellColor(m_index); }
    static TColor CellColor(int index);
    // The cell under a point of the grid, or -1.
    int CellAt(QPoint p) const;

signals:
    void OnChange();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void choose(QPoint p);
    QRect cellRect(int index) const;

    int m_index = 7;
};
