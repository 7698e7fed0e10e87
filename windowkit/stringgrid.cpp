#include "stringgrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TStringGrid::TStringGrid(int colCount, int rowCount, QWidget* parent)
    : QWidget(parent)
    , m_cols(colCount)
    , m_rows(rowCount)
{
    for (int i = 0; i < colCount * rowCount; ++i)
        m_cells.append(QString());
    setFocusPolicy(Qt::StrongFocus);
}

void TStringGrid::SetDefaultSize(int colWidth, int rowHeight)
{
    m_colWidth = colWidth;
    m_rowHeight = rowHeight;
    update();
}

QString TStringGrid::Cell(int col, int row) const
{
    if (col < 0 || col >= m_cols || row < 0 || row >= m_rows)
        return QString();
    return m_cells[row * m_cols + col];
}

void TStringGrid::SetCell(int col, int row, const QString& text)
{
    if (col < 0 || col >= m_cols || row < 0 || row >= m_rows || m_cells[row * m_cols + col] == text)
        return;
    m_cells[row * m_cols + col] = text;
    update(CellRect(col, row).adjusted(0, 0, 1, 1));
}

void TStringGrid::SetCurrent(int col, int row)
{
    if (col < 0 || col >= m_cols || row < 0 || row >= m_rows || (col == m_col && row == m_row))
        return;
    m_col = col;
    m_row = row;
    update();
}

void TStringGrid::SetColor(TColor c)
{
    if (c == m_color)
        return;
    m_color = c;
    update();
}

QRect TStringGrid::CellRect(int col, int row) const
{
    return QRect(col * m_colWidth, row * m_rowHeight, m_colWidth, m_rowHeight);
}

void TStringGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), toQColor(m_color));
    for (int row = 0; row < m_rows; ++row) {
        for (int col = 0; col < m_cols; ++col)
            emit OnDrawCell(&p, col, row, CellRect(col, row), col == m_col && row == m_row);
    }
}

void TStringGrid::choose(int col, int row)
{
    if (col < 0 || col >= m_cols || row < 0 || row >= m_rows)
        return;
    SetCurrent(col, row);
    emit OnSelectCell(col, row);
}

void TStringGrid::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint at = e->position().toPoint();
    if (m_colWidth > 0 && m_rowHeight > 0 && at.x() >= 0 && at.y() >= 0)
        choose(at.x() / m_colWidth, at.y() / m_rowHeight);
}

void TStringGrid::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Left:
        choose(m_col - 1, m_row);
        break;
    case Qt::Key_Right:
        choose(m_col + 1, m_row);
        break;
    case Qt::Key_Up:
        choose(m_col, m_row - 1);
        break;
    case Qt::Key_Down:
        choose(m_col, m_row + 1);
        break;
    default:
        QWidget::keyPressEvent(e);
    }
}
