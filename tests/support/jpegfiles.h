#pragma once

#include <QByteArray>
#include <QImage>

// JPEG files made in the test by libjpeg, as cameras, phones, scanners and image editors write them.
struct JpegFile {
    enum class Colours { Rgb, Grey, Cmyk, Ycck };

    QImage picture; // the pixels as they are to be seen, stored as they are
    Colours colours = Colours::Rgb;
    // CMYK and YCCK: image editors write the Adobe marker and store the inks inverted; without the
    // marker the inks are stored as they are.
    bool adobeMarker = true;
    bool progressive = false;
    // The EXIF orientation tag (1..8), 0 for no EXIF block; big-endian as some phones write it.
    int orientation = 0;
    bool bigEndianExif = false;
    // Any other APP1 payload, written instead of the orientation's.
    QByteArray exif;

    QByteArray encode() const;
};

// An EXIF block (the APP1 payload) holding only the orientation tag.
QByteArray exifWithOrientation(int orientation, bool bigEndian);
