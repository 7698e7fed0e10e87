#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG photos are decoded by libjpeg: at full scale, into 24-bit colour.
struct JpegDecoding {
    QImage image;  // RGB888; null when the data could not be decoded
    QString error; // why, when it could not
};

// Decodes a whole JPEG file held in memory. Broken, truncated or absurdly large data gives a null
// image and a reason; libjpeg's errors never end the program.
JpegDecoding decodeJpeg(const QByteArray& data);
