// Writes the programs' icon as a PNG file for the desktop entry: writeicon <file>.
#include "bitmaps.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    return bitmapResource(u"IKONA").save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
