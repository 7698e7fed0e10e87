#include "jpegdecoder.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// No photo of a person needs more pixels than this; cameras and phones of 50 megapixels stay well
// below it. A few bytes of header can claim 65535 x 65535 pixels.
constexpr qint64 kMaxPixels = 100'000'000;

// The pixels are decoded straight into the 32-bit form the windows show (QImage::Format_RGB32),
// which is blue, green, red and an opaque byte in memory on a little-endian machine.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kShownColours = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE kShownColours = JCS_EXT_XRGB;
#endif

// libjpeg reports a fatal error by calling error_exit, which must not return. It jumps back to
// guarded() below. Everything between that jump and its target is libjpeg's C code and the step
// functions, which hold no object with a destructor, so the jump skips no C++ clean-up. The
// decompressor lives here, outside the jumping frames, so its state is still valid after a jump.
struct Decoder {
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    // libjpeg met data that ends early or is damaged, and the decoding stopped there.
    bool damaged;
    // Where the scanlines go, 32 bits a pixel.
    unsigned char* pixels;
    qsizetype bytesPerLine;
    // A file of inks (CMYK, YCCK) is read a row at a time into this buffer and turned into RGB.
    unsigned char* inkRow;
    // Image editors store the inks inverted and say so with the Adobe marker.
    bool invertedInks;
};

[[noreturn]] void onError(j_common_ptr cinfo)
{
    auto* decoder = static_cast<Decoder*>(cinfo->client_data);
    (*cinfo->err->format_message)(cinfo, decoder->message);
    std::longjmp(decoder->jump, 1);
}

// Warnings are not printed. Those that tell of lost picture data make the file count as broken:
// libjpeg would fill what is missing in grey and report success. The decoding stops there, as
// error_exit does, so data that ends early is not decoded to its end in grey. Other warnings (extra
// bytes before a marker, an unusual header) leave the picture whole.
void onMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;
    switch (cinfo->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION: {
        auto* decoder = static_cast<Decoder*>(cinfo->client_data);
        (*cinfo->err->format_message)(cinfo, decoder->message);
        decoder->damaged = true;
        std::longjmp(decoder->jump, 1);
    }
    default:
        break;
    }
}

void create(Decoder* d)
{
    jpeg_create_decompress(&d->cinfo);
}

void readHeader(Decoder* d, const unsigned char* data, unsigned long size)
{
    jpeg_mem_src(&d->cinfo, data, size);
    // The EXIF block, which holds the orientation.
    jpeg_save_markers(&d->cinfo, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&d->cinfo, TRUE);
}

void startDecompressing(Decoder* d)
{
    d->cinfo.scale_num = 1;
    d->cinfo.scale_denom = 1;
    const bool inks = d->cinfo.jpeg_color_space == JCS_CMYK || d->cinfo.jpeg_color_space == JCS_YCCK;
    // libjpeg turns YCCK into CMYK but no inks into RGB; that is done below.
    d->cinfo.out_color_space = inks ? JCS_CMYK : kShownColours;
    jpeg_start_decompress(&d->cinfo);
}

// Whether the data can hold the picture its header declares. Huffman coding gives every 8 x 8 block
// of a component that a scan covers one code of at least a bit for its first coefficient, and a
// picture that decodes has such a scan of at least one component: so the data holds at least a bit
// for each block of its component with the fewest. Photos hold many times that, even one of a
// single colour. Arithmetic coding has no such lower bound.
bool mayHoldItsSize(const jpeg_decompress_struct& cinfo, qsizetype dataSize)
{
    if (cinfo.arith_code || cinfo.num_components < 1)
        return true;
    qint64 fewestBlocks = -1;
    for (int i = 0; i < cinfo.num_components; ++i) {
        const jpeg_component_info& c = cinfo.comp_info[i];
        const qint64 blocks = qint64(c.width_in_blocks) * c.height_in_blocks;
        if (fewestBlocks < 0 || blocks < fewestBlocks)
            fewestBlocks = blocks;
    }
    return fewestBlocks / 8 <= dataSize;
}

// One row of inks as shown pixels: each ink takes its share of the light, black of all three.
void inksToShown(const unsigned char* inks, QRgb* shown, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, inks += 4) {
        // The light each ink lets through, 255 for no ink.
        const auto through = [inverted](unsigned char ink) { return inverted ? int(ink) : 255 - ink; };
        const int k = through(inks[3]);
        const auto light = [&](int i) { return (through(inks[i]) * k + 127) / 255; };
        shown[x] = qRgb(light(0), light(1), light(2));
    }
}

void readScanlines(Decoder* d)
{
    while (d->cinfo.output_scanline < d->cinfo.output_height) {
        unsigned char* line = d->pixels + qsizetype(d->cinfo.output_scanline) * d->bytesPerLine;
        JSAMPROW row = d->inkRow ? d->inkRow : line;
        jpeg_read_scanlines(&d->cinfo, &row, 1);
        if (d->inkRow)
            inksToShown(d->inkRow, reinterpret_cast<QRgb*>(line), d->cinfo.output_width, d->invertedInks);
    }
    jpeg_finish_decompress(&d->cinfo);
}

// Runs one step; false when libjpeg gave up on the data.
template <typename... Args> bool guarded(Decoder* d, void (*step)(Decoder*, Args...), Args... args)
{
    if (setjmp(d->jump))
        return false;
    step(d, args...);
    return true;
}

int orientationOf(const jpeg_decompress_struct& cinfo)
{
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next) {
        if (m->marker != JPEG_APP0 + 1)
            continue;
        const QByteArray block = QByteArray::fromRawData(reinterpret_cast<const char*>(m->data), m->data_length);
        if (const int orientation = exifOrientation(block))
            return orientation;
    }
    return 1;
}

// The picture as it is to be seen, from the picture as stored and its EXIF orientation: 2 to 4
// mirror or turn it half round, 5 to 8 also swap its width and height.
QImage upright(const QImage& stored, int orientation)
{
    if (orientation < 2 || orientation > 8)
        return stored;
    const int sw = stored.width(), sh = stored.height();
    // The stored pixel for the shown pixel (x, y): sx = ax x + bx y + cx, sy = ay x + by y + cy.
    struct Map {
        int ax, bx, cx, ay, by, cy;
    };
    const Map maps[9] = {
        {},
        {},
        {-1, 0, sw - 1, 0, 1, 0},       // 2: mirrored left to right
        {-1, 0, sw - 1, 0, -1, sh - 1}, // 3: turned half round
        {1, 0, 0, 0, -1, sh - 1},       // 4: mirrored top to bottom
        {0, 1, 0, 1, 0, 0},             // 5: mirrored along the main diagonal
        {0, 1, 0, -1, 0, sh - 1},       // 6: to be turned a quarter clockwise
        {0, -1, sw - 1, -1, 0, sh - 1}, // 7: mirrored along the other diagonal
        {0, -1, sw - 1, 1, 0, 0},       // 8: to be turned a quarter anticlockwise
    };
    const Map& m = maps[orientation];
    const bool swaps = orientation >= 5;
    QImage shown(swaps ? sh : sw, swaps ? sw : sh, QImage::Format_RGB32);
    if (shown.isNull())
        return shown;
    // In pixels: the rows of a 32-bit picture hold no padding.
    const qsizetype line = stored.bytesPerLine() / 4;
    const qsizetype step = qsizetype(m.ax) + qsizetype(m.ay) * line;
    const auto* pixels = reinterpret_cast<const QRgb*>(stored.constBits());
    for (int y = 0; y < shown.height(); ++y) {
        const QRgb* from = pixels + qsizetype(m.by * y + m.cy) * line + qsizetype(m.bx * y + m.cx);
        auto* to = reinterpret_cast<QRgb*>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x, from += step)
            to[x] = *from;
    }
    return shown;
}

} // namespace

int exifOrientation(const QByteArray& app1)
{
    static constexpr char kExif[] = "Exif\0\0";
    if (!app1.startsWith(QByteArray::fromRawData(kExif, 6)))
        return 0;
    const QByteArray tiff = app1.mid(6);
    const auto byte = [&tiff](qsizetype at) { return quint32(quint8(tiff[at])); };
    bool bigEndian;
    if (tiff.startsWith("MM"))
        bigEndian = true;
    else if (tiff.startsWith("II"))
        bigEndian = false;
    else
        return 0;
    // Numbers that would reach past the block read as none.
    const auto u16 = [&](qint64 at) -> qint64 {
        if (at < 0 || at + 2 > tiff.size())
            return -1;
        return bigEndian ? (byte(at) << 8) | byte(at + 1) : byte(at) | (byte(at + 1) << 8);
    };
    const auto u32 = [&](qint64 at) -> qint64 {
        const qint64 a = u16(at), b = u16(at + 2);
        if (a < 0 || b < 0)
            return -1;
        return bigEndian ? (a << 16) | b : a | (b << 16);
    };
    if (u16(2) != 42)
        return 0;
    const qint64 directory = u32(4);
    const qint64 entries = u16(directory);
    for (qint64 i = 0; i < entries; ++i) {
        const qint64 entry = directory + 2 + 12 * i;
        if (entry + 12 > tiff.size())
            return 0;
        constexpr qint64 kOrientationTag = 0x0112, kShortType = 3;
        if (u16(entry) == kOrientationTag && u16(entry + 2) == kShortType && u32(entry + 4) >= 1) {
            const qint64 orientation = u16(entry + 8);
            return orientation >= 1 && orientation <= 8 ? int(orientation) : 0;
        }
    }
    return 0;
}

JpegDecoding decodeJpeg(const QByteArray& data)
{
    Decoder d{};
    d.cinfo.err = jpeg_std_error(&d.errors);
    d.errors.error_exit = onError;
    d.errors.emit_message = onMessage;
    d.cinfo.client_data = &d;
    // The decompressor is destroyed on every way out, also after a failed creation, which leaves it
    // in a state the destruction accepts.
    struct Destroy {
        Decoder& d;
        ~Destroy() { jpeg_destroy_decompress(&d.cinfo); }
    } destroy{d};

    const auto failed = [&d](const char* fallback) {
        return JpegDecoding{QImage(), d.message[0] ? QString::fromLatin1(d.message) : QString::fromLatin1(fallback)};
    };
    if (!guarded(&d, create))
        return failed("cannot start the decoder");
    if (data.isEmpty())
        return failed("empty file");
    if (!guarded(&d, readHeader, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size())))
        return failed("not a JPEG file");
    // Refused by the size it declares, before anything is allocated for its pixels.
    const auto refused = [](const char* why) {
        JpegDecoding refusal{QImage(), QString::fromLatin1(why)};
        refusal.sizeRefused = true;
        return refusal;
    };
    if (qint64(d.cinfo.image_width) * d.cinfo.image_height > kMaxPixels)
        return refused("picture too large");
    if (!mayHoldItsSize(d.cinfo, data.size()))
        return refused("the data cannot hold the picture size it declares");
    if (!guarded(&d, startDecompressing))
        return failed("broken JPEG data");
    // Read now: finishing the decompression frees the saved markers.
    const int orientation = orientationOf(d.cinfo);
    const bool inks = d.cinfo.out_color_space == JCS_CMYK;
    if (d.cinfo.output_components != 4)
        return failed("unsupported colour format");

    QImage image(int(d.cinfo.output_width), int(d.cinfo.output_height), QImage::Format_RGB32);
    if (image.isNull())
        return failed("out of memory");
    std::vector<unsigned char> inkRow(inks ? std::size_t(d.cinfo.output_width) * 4 : 0);
    d.pixels = image.bits();
    d.bytesPerLine = image.bytesPerLine();
    d.inkRow = inks ? inkRow.data() : nullptr;
    d.invertedInks = d.cinfo.saw_Adobe_marker;
    if (!guarded(&d, readScanlines))
        return failed(d.damaged ? "damaged or truncated JPEG data" : "broken JPEG data");

    image = upright(image, orientation);
    if (image.isNull())
        return failed("out of memory");
    return {image, QString()};
}
