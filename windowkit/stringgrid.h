#pragma once

#include "FlatColors.h"

#include <QStringList>
#include <QWidget>

// A grid of text cells of one size, without lines, fixed rows or scroll bars: the name-day
// calendar. The window draws every cell itself (OnDrawCell); the grid only knows the texts and the
// current cell, which a click or an arrow key moves.
class TStringGrid : public QWidget {
    Q_OBJECT
public:
    TStringGrid(int colCount, int rowCount, QWidget* parent = nullptr);

    int ColCount() const { return m_cols; }
    int RowCount() const { return m_rows; }
    int DefaultColWidth() const { return m_colWidth; }
    int DefaultRowHeight() const { return m_rowHeight; }
    void SetDefaultSize(int colWidth, int rowHeight);

    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);

    // The current cell. Setting it from code raises nothing.
    int Col() const { return m_col; }
    int Row() const { return m_row; }
    void SetCurrent(int col, int row);

    // The colour around the cells.
    TColor Color() const { return m_color; }
    void SetColor(TColor c);

    // A cell's rectangle in the grid's coordinates.
    QRect CellRect(int col, int row) const;

signals:
    // The user chose a cell; the grid has already made it current.
    void OnSelectCell(int col, int row);
    void OnDrawCell(QPainter* canvas, int col, int row, const QRect& rect, bool selected);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void choose(int col, int row);

    int m_cols;
    int m_rows;
    int m_colWidth = 24;
    int m_rowHeight = 24;
    QStringList m_cells;
    int m_col = 0;
    int m_row = 0;
    TColor m_color = clWindow;
};
