// Writes every built-in picture, enlarged, side by side into one PNG for looking at.
#include "bitmaps.h"

#include <QGuiApplication>
#include <QPainter>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("bitmaps.png");
    QImage sheet(820, 240, QImage::Format_RGB32);
    sheet.fill(QColor(0xA0, 0xA0, 0xA4));
    QPainter p(&sheet);
    p.drawImage(QPoint(10, 10), bitmapResource(u"BANER"));
    p.drawImage(QRect(420, 10, 200, 200), bitmapResource(u"LOGO"));
    p.drawImage(QRect(640, 10, 64, 64), bitmapResource(u"WAS"));
    int x = 640;
    for (const char16_t* name : {u"PUNKT", u"WYKASOWANE", u"JEDYNKA"}) {
        p.drawImage(QRect(x, 100, 48, 48), bitmapResource(name));
        x += 56;
    }
    p.end();
    return sheet.save(out) ? 0 : 1;
}
