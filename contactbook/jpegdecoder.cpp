#include "jpegdecoder.h"

#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// Pictures above this size are refused rather than allocated: a few bytes of header can claim
// 65535 x 65535 pixels.
constexpr qint64 kMaxPixelBytes = qint64(256) * 1024 * 1024;

// libjpeg reports a fatal error by calling error_exit, which must not return. It jumps back to
// guarded() below. Everything between that jump and its target is libjpeg's C code and the step
// functions, which hold no object with a destructor, so the jump skips no C++ clean-up. The
// decompressor lives here, outside the jumping frames, so its state is still valid after a jump.
struct Decoder {
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated;
    // Where the scanlines go.
    unsigned char* pixels;
    qsizetype bytesPerLine;
};

[[noreturn]] void onError(j_common_ptr cinfo)
{
    auto* decoder = static_cast<Decoder*>(cinfo->client_data);
    (*cinfo->err->format_message)(cinfo, decoder->message);
    std::longjmp(decoder->jump, 1);
}

// Warnings are not printed. Data that ends early only gives a warning, the rest of the picture
// filled grey; such a file is no usable photo, so it counts as broken.
void onMessage(j_common_ptr cinfo, int level)
{
    auto* decoder = static_cast<Decoder*>(cinfo->client_data);
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        decoder->truncated = true;
}

void create(Decoder* d)
{
    jpeg_create_decompress(&d->cinfo);
}

void readHeader(Decoder* d, const unsigned char* data, unsigned long size)
{
    jpeg_mem_src(&d->cinfo, data, size);
    jpeg_read_header(&d->cinfo, TRUE);
    d->cinfo.scale_num = 1;
    d->cinfo.scale_denom = 1;
    d->cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d->cinfo);
}

void readScanlines(Decoder* d)
{
    while (d->cinfo.output_scanline < d->cinfo.output_height) {
        JSAMPROW row = d->pixels + qsizetype(d->cinfo.output_scanline) * d->bytesPerLine;
        jpeg_read_scanlines(&d->cinfo, &row, 1);
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

} // namespace

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
    if (d.cinfo.output_components != 3)
        return failed("unsupported colour format");
    const qint64 lineBytes = qint64(d.cinfo.output_width) * 3;
    if (qint64(d.cinfo.output_height) * lineBytes > kMaxPixelBytes)
        return failed("picture too large");

    QImage image(int(d.cinfo.output_width), int(d.cinfo.output_height), QImage::Format_RGB888);
    if (image.isNull())
        return failed("out of memory");
    d.pixels = image.bits();
    d.bytesPerLine = image.bytesPerLine();
    if (!guarded(&d, readScanlines))
        return failed("broken JPEG data");
    if (d.truncated)
        return failed("truncated JPEG file");
    return {image, QString()};
}
