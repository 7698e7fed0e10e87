#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG photos are decoded by libjpeg: at full scale, into 24-bit colour, whatever colours the file
// holds (colour, grey, or the CMYK and YCCK inks of print work), and turned upright as the camera's
// EXIF orientation says.
struct JpegDecoding {
    QImage image;  // Format_RGB32, as the windows show it; null when the data could not be decoded
    QString error; // why, when it could not
    // Refused by the size its header declares, before any pixel was decoded or allocated: more
    // pixels than any photo needs, or more than its data can hold.
    bool sizeRefused = false;
};

// Decodes a whole JPEG file held in memory. Broken, truncated or absurdly large data gives a null
// image and a reason; libjpeg's errors never end the program. A file whose data ends early or is
// damaged is refused where the damage is met, also when libjpeg could fill the rest in grey: it is
// no usable photo. Photos of up to 100 megapixels are decoded.
JpegDecoding decodeJpeg(const QByteArray& data);

// The EXIF orientation (1..8) an APP1 block holds, 0 when it holds none or cannot be read.
int exifOrientation(const QByteArray& app1);
