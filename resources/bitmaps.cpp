#include "bitmaps.h"

#include <QFont>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kBrown(0x80, 0x40, 0x00);  // the vertical bars' colour
const QColor kOrange(0xFF, 0x80, 0x00); // the buttons' highlight
const QColor kCream(0xFE, 0xFB, 0xED);  // the fields' background

QImage canvas(int w, int h, QColor fill)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// A card of the contact book with a head-and-shoulders figure.
void drawCard(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(kCream);
    p.drawRoundedRect(r, 6, 6);
    const QPointF head(r.center().x(), r.top() + r.height() * 0.36);
    const qreal radius = r.width() * 0.16;
    p.setPen(Qt::NoPen);
    p.setBrush(kBrown);
    p.drawEllipse(head, radius, radius);
    QPainterPath body;
    const qreal bodyTop = head.y() + radius * 1.25;
    body.moveTo(r.center().x() - r.width() * 0.3, r.bottom() - r.height() * 0.12);
    body.quadTo(r.center().x() - r.width() * 0.3, bodyTop, r.center().x(), bodyTop);
    body.quadTo(r.center().x() + r.width() * 0.3, bodyTop, r.center().x() + r.width() * 0.3,
                r.bottom() - r.height() * 0.12);
    body.closeSubpath();
    p.drawPath(body);
}

QImage drawLogo()
{
    QImage image = canvas(100, 100, kBrown);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 100);
    sky.setColorAt(0, kOrange);
    sky.setColorAt(1, kBrown);
    p.fillRect(image.rect(), sky);
    drawCard(p, QRectF(22, 8, 56, 62));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(19);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kCream);
    p.drawText(QRect(0, 72, 100, 26), Qt::AlignCenter, QStringLiteral("ZUBO"));
    return image;
}

QImage drawBanner()
{
    QImage image = canvas(400, 100, kBrown);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 400, 0);
    band.setColorAt(0, kBrown);
    band.setColorAt(1, kOrange);
    p.fillRect(image.rect(), band);
    drawCard(p, QRectF(14, 12, 64, 76));
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(44);
    title.setBold(true);
    p.setFont(title);
    p.setPen(kCream);
    p.drawText(QRect(96, 4, 300, 58), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ZUBO"));
    QFont line(QStringLiteral("DejaVu Sans"));
    line.setPixelSize(15);
    p.setFont(line);
    p.drawText(QRect(98, 60, 300, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8("kontakty, urodziny, imieniny"));
    return image;
}

// A small bell in a 32 x 32 square: something is coming.
void drawBell(QPainter& p)
{
    QPainterPath bell;
    bell.moveTo(6, 24);
    bell.cubicTo(9, 21, 8, 8, 16, 7);
    bell.cubicTo(24, 8, 23, 21, 26, 24);
    bell.closeSubpath();
    p.setPen(QPen(QColor(0x80, 0x00, 0x00), 1.5));
    p.setBrush(kOrange);
    p.drawPath(bell);
    p.setBrush(kBrown);
    p.drawEllipse(QPointF(16, 26), 3, 3);
    p.drawEllipse(QPointF(16, 5.5), 1.8, 1.8);
}

QImage drawComing()
{
    QImage image = canvas(32, 32, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawBell(p);
    return image;
}

// The program's icon: a card of the contact book on the bars' colours, with the bell of a coming
// occasion. Drawn on a 64 x 64 grid scaled to the size asked for.
QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    QLinearGradient ground(0, 2, 0, 62);
    ground.setColorAt(0, kOrange);
    ground.setColorAt(1, kBrown);
    p.setPen(QPen(kBrown.darker(150), 1));
    p.setBrush(ground);
    p.drawRoundedRect(QRectF(2.5, 2.5, 59, 59), 12, 12);
    drawCard(p, QRectF(11, 8, 32, 40));
    p.setPen(QPen(kBrown, 1.5));
    p.setBrush(kCream);
    p.drawEllipse(QPointF(46, 46), 13, 13);
    p.translate(37, 37);
    p.scale(18 / 32.0, 18 / 32.0);
    drawBell(p);
    return image;
}

QImage drawMark(QStringView name)
{
    QImage image = canvas(8, 8, Qt::white);
    QPainter p(&image);
    if (name == u"PUNKT") {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x40, 0x00, 0x00));
        p.drawEllipse(QRect(1, 1, 6, 6));
    } else if (name == u"WYKASOWANE") {
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 2));
        p.drawLine(1, 1, 6, 6);
        p.drawLine(6, 1, 1, 6);
    } else {
        p.fillRect(QRect(3, 0, 2, 8), QColor(0x00, 0x00, 0xFF));
        p.fillRect(QRect(1, 2, 2, 2), QColor(0x00, 0x00, 0xFF));
        p.fillRect(QRect(1, 7, 6, 1), QColor(0x00, 0x00, 0xFF));
    }
    return image;
}

// The small pictures the windows show as they are stand on a transparent ground.
QImage clearCanvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A warning triangle with an exclamation mark.
QImage drawWarning()
{
    QImage image = clearCanvas(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF corners[] = {{8, 1}, {15, 14.5}, {1, 14.5}};
    p.setPen(QPen(QColor(0x80, 0x00, 0x00), 1));
    p.setBrush(QColor(0xFF, 0xD0, 0x00));
    p.drawPolygon(corners, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(7.2, 5, 1.6, 5.5));
    p.drawRect(QRectF(7.2, 11.5, 1.6, 1.6));
    return image;
}

// A magnifying glass: looking up name days.
QImage drawSearch()
{
    QImage image = clearCanvas(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kBrown, 2));
    p.setBrush(kCream);
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.setPen(QPen(kBrown, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
    return image;
}

// A briefcase: the business identifiers.
QImage drawBriefcase()
{
    QImage image = clearCanvas(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5.5, 2.5, 5, 3), 1, 1);
    p.setBrush(kBrown);
    p.drawRoundedRect(QRectF(1.5, 4.5, 13, 9), 1.5, 1.5);
    p.setPen(QPen(kOrange, 1));
    p.drawLine(QPointF(2, 8.5), QPointF(14, 8.5));
    return image;
}

// Upright bands of the spectrum, for the button that opens the colour dialog.
QImage drawRainbow()
{
    QImage image = canvas(15, 33, Qt::white);
    QPainter p(&image);
    QLinearGradient spectrum(0, 1, 0, 32);
    for (int i = 0; i <= 6; ++i)
        spectrum.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 255, 255));
    p.fillRect(QRect(2, 1, 11, 31), spectrum);
    p.setPen(Qt::black);
    p.drawRect(QRect(2, 1, 10, 30));
    return image;
}

// Four colour squares: the colour scheme command. White stays transparent on the button.
QImage drawPalette()
{
    QImage image = canvas(11, 11, Qt::white);
    QPainter p(&image);
    p.fillRect(QRect(1, 1, 4, 4), QColor(0xFF, 0x00, 0x00));
    p.fillRect(QRect(6, 1, 4, 4), QColor(0x00, 0xA0, 0x00));
    p.fillRect(QRect(1, 6, 4, 4), QColor(0x00, 0x00, 0xFF));
    p.fillRect(QRect(6, 6, 4, 4), kOrange);
    return image;
}

// A floppy disk: body, metal shutter and label.
QImage drawFloppy()
{
    QImage image = clearCanvas(12, 12);
    QPainter p(&image);
    const QColor body(0x20, 0x30, 0x60);
    p.fillRect(QRect(0, 0, 11, 12), body);
    p.fillRect(QRect(11, 1, 1, 11), body);
    p.fillRect(QRect(3, 0, 5, 4), QColor(0xC0, 0xC0, 0xC0));
    p.fillRect(QRect(6, 1, 1, 2), body);
    p.fillRect(QRect(2, 6, 8, 6), kCream);
    p.end();
    // A button takes its glyph's bottom-left pixel for the transparent colour.
    image.setPixel(0, 11, qRgba(0, 0, 0, 0));
    return image;
}

} // namespace

QImage bitmapResource(QStringView name)
{
    static QHash<QString, QImage> cache;
    const QString key = name.toString();
    if (const auto it = cache.constFind(key); it != cache.cend())
        return *it;
    QImage image;
    if (name == u"LOGO")
        image = drawLogo();
    else if (name == u"BANER")
        image = drawBanner();
    else if (name == u"WAS")
        image = drawComing();
    else if (name == u"PUNKT" || name == u"WYKASOWANE" || name == u"JEDYNKA")
        image = drawMark(name);
    else if (name == u"UWAGA")
        image = drawWarning();
    else if (name == u"SZUKAJ")
        image = drawSearch();
    else if (name == u"TECZKA")
        image = drawBriefcase();
    else if (name == u"TECZA")
        image = drawRainbow();
    else if (name == u"KOLORY")
        image = drawPalette();
    else if (name == u"DYSKIETKA")
        image = drawFloppy();
    else if (name == u"IKONA")
        image = drawIcon(256);
    if (!image.isNull())
        cache.insert(key, image);
    return image;
}
