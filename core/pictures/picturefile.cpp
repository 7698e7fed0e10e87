#include "picturefile.h"

#include "jpegdecoder.h"
#include "photocrop.h"

#include <QBuffer>
#include <QImageReader>

QImage readPicture(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format == "jpeg")
        return decodeJpeg(bytes).image;
    if (format == "bmp" && !isCompleteBitmap(bytes))
        return QImage();
    return reader.read();
}
