#include "TFlatMemoUnit.h"

#include <QKeyEvent>
#include <QScrollBar>

TFlatMemo::TFlatMemo(QWidget* parent)
    : TFlatTextField<QPlainTextEdit>(parent)
{
    // A 3-pixel frame that keeps the text and the scroll bars inside; painted over below.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(3);
    setGeometry(0, 0, 185, 89);
    SetScrollBars(ssNone);
    SetWordWrap(true);
    SetWantTabs(false);
    RedrawBorder();
}

QStringList TFlatMemo::Lines() const
{
    const QString text = toPlainText();
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TFlatMemo::SetLines(const QStringList& lines)
{
    // A line break ending the text ends its last line and makes no empty line of its own (see
    // Lines), so a last line that is empty needs one more.
    QString text = lines.join(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        text += QLatin1Char('\n');
    setPlainText(text);
}

void TFlatMemo::SetScrollBars(TScrollStyle style)
{
    m_scrollBars = style;
    const bool horizontal = style == ssHorizontal || style == ssBoth;
    const bool vertical = style == ssVertical || style == ssBoth;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TFlatMemo::SetWordWrap(bool on)
{
    m_wordWrap = on;
    setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

bool TFlatMemo::IsSameClass(const QWidget* w) const
{
    return qobject_cast<const TFlatMemo*>(w) != nullptr;
}

bool TFlatMemo::event(QEvent* e)
{
    const bool result = TFlatTextField<QPlainTextEdit>::event(e);
    if (e->type() == QEvent::Paint) {
        QPainter p(this);
        PaintBorder(p);
        // The corner between both scroll bars takes the field's colour too.
        if (m_scrollBars == ssBoth) {
            const QRect inner = contentsRect();
            const QPoint corner(verticalScrollBar()->mapTo(this, QPoint(0, 0)).x(),
                                horizontalScrollBar()->mapTo(this, QPoint(0, 0)).y());
            FillRect(p, {corner.x(), corner.y(), inner.right() + 1, inner.bottom() + 1}, Color());
        }
    }
    return result;
}

void TFlatMemo::keyPressEvent(QKeyEvent* e)
{
    if (!m_wantReturns && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        e->ignore();
        return;
    }
    TFlatTextField<QPlainTextEdit>::keyPressEvent(e);
}
