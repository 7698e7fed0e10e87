#include "chooserrow.h"

#include "FlatUtilitys.h"
#include "bitmaps.h"
#include "codec1250.h"

#include <QPainter>

namespace {

const QImage& markBitmap(ChooserRow::Mark mark)
{
    static const QImage person = bitmapResource(u"PUNKT");
    static const QImage binned = bitmapResource(u"WYKASOWANE");
    static const QImage oneOff = bitmapResource(u"JEDYNKA");
    static const QImage none;
    switch (mark) {
    case ChooserRow::Mark::Person:
        return person;
    case ChooserRow::Mark::Binned:
        return binned;
    case ChooserRow::Mark::OneOff:
        return oneOff;
    case ChooserRow::Mark::None:
        break;
    }
    return none;
}

} // namespace

void DrawChooserRow(QPainter& canvas, const ChooserRow& row, const QRect& rect, const QFont& font)
{
    FillRect(canvas, TRect::of(rect), row.background);
    const QImage& mark = markBitmap(row.mark);
    if (!mark.isNull())
        DrawTransparent(canvas, rect.topLeft() + QPoint(1, 2), mark, qRgb(255, 255, 255));
    canvas.setFont(font);
    canvas.setPen(toQColor(row.text));
    canvas.drawText(rect.adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    cp1250::toUnicode(row.name));
}
