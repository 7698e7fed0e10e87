#include "jpegfiles.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

void putShort(QByteArray& b, int v, bool bigEndian)
{
    const char lo = char(v & 0xFF), hi = char((v >> 8) & 0xFF);
    b.append(bigEndian ? hi : lo);
    b.append(bigEndian ? lo : hi);
}

void putLong(QByteArray& b, quint32 v, bool bigEndian)
{
    putShort(b, bigEndian ? int(v >> 16) : int(v & 0xFFFF), bigEndian);
    putShort(b, bigEndian ? int(v & 0xFFFF) : int(v >> 16), bigEndian);
}

} // namespace

QByteArray exifWithOrientation(int orientation, bool bigEndian)
{
    QByteArray b("Exif\0\0", 6);
    b.append(bigEndian ? "MM" : "II");
    putShort(b, 42, bigEndian);
    putLong(b, 8, bigEndian);  // the first directory right after the header
    putShort(b, 1, bigEndian); // one entry
    putShort(b, 0x0112, bigEndian);
    putShort(b, 3, bigEndian); // SHORT
    putLong(b, 1, bigEndian);
    putShort(b, orientation, bigEndian);
    putShort(b, 0, bigEndian);
    putLong(b, 0, bigEndian); // no next directory
    return b;
}

QByteArray JpegFile::encode() const
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);

    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    const bool inks = colours == Colours::Cmyk || colours == Colours::Ycck;
    cinfo.input_components = inks ? 4 : colours == Colours::Grey ? 1 : 3;
    cinfo.in_color_space = inks ? JCS_CMYK : colours == Colours::Grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    if (inks) {
        jpeg_set_colorspace(&cinfo, colours == Colours::Ycck ? JCS_YCCK : JCS_CMYK);
        cinfo.write_Adobe_marker = adobeMarker ? TRUE : FALSE;
    }
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    const QByteArray app1 = !exif.isEmpty() ? exif
                            : orientation   ? exifWithOrientation(orientation, bigEndianExif)
                                            : QByteArray();
    if (!app1.isEmpty())
        jpeg_write_marker(&cinfo, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(app1.constData()),
                          unsigned(app1.size()));
    std::vector<JSAMPLE> row(std::size_t(rgb.width()) * std::size_t(cinfo.input_components));
    while (cinfo.next_scanline < cinfo.image_height) {
        const uchar* in = rgb.constScanLine(int(cinfo.next_scanline));
        for (int x = 0; x < rgb.width(); ++x) {
            const int r = in[3 * x], g = in[3 * x + 1], b = in[3 * x + 2];
            if (colours == Colours::Grey) {
                row[std::size_t(x)] = JSAMPLE((r + g + b) / 3);
            } else if (inks) {
                // Black from the darkest channel, the inks from what is left.
                const int k = 255 - std::max({r, g, b});
                const auto ink = [k](int channel) { return k == 255 ? 0 : (255 - channel - k) * 255 / (255 - k); };
                const int values[4] = {ink(r), ink(g), ink(b), k};
                for (int i = 0; i < 4; ++i)
                    row[std::size_t(4 * x + i)] = JSAMPLE(adobeMarker ? 255 - values[i] : values[i]);
            } else {
                for (int i = 0; i < 3; ++i)
                    row[std::size_t(3 * x + i)] = in[3 * x + i];
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    std::free(out);
    return bytes;
}
