#include "TFlatEditUnit.h"

#include <QFontMetrics>

TFlatEdit::TFlatEdit(QWidget* parent)
    : TFlatTextField<QLineEdit>(parent)
{
    setFrame(false);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    setTextMargins(0, 0, 0, 0);
    setContentsMargins(3, 3, 3, 3);
    setGeometry(0, 0, 121, 19);
    AdjustHeightToFont();
    RedrawBorder();
}

void TFlatEdit::AdjustHeightToFont()
{
    resize(width(), QFontMetrics(font()).height() + 6);
}

bool TFlatEdit::IsSameClass(const QWidget* w) const
{
    return qobject_cast<const TFlatEdit*>(w) != nullptr;
}

void TFlatEdit::paintEvent(QPaintEvent* e)
{
    {
        QPainter p(this);
        FillRect(p, {0, 0, width(), height()}, Color());
    }
    QLineEdit::paintEvent(e);
    QPainter p(this);
    PaintBorder(p);
}

void TFlatEdit::changeEvent(QEvent* e)
{
    TFlatTextField<QLineEdit>::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        AdjustHeightToFont();
}
