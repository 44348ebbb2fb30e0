#include "jpeg.h"

#include "platform/errors.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

namespace platform {

namespace {

// libjpeg's error manager with the jump back into decompress() and the failure it recorded.
struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    int code = 0;
    char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void fail(j_common_ptr cinfo)
{
    auto *errors = reinterpret_cast<ErrorManager *>(cinfo->err);
    errors->code = cinfo->err->msg_code;
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

void onError(j_common_ptr cinfo)
{
    fail(cinfo);
}

// Warnings (level -1) report corrupt data, such as a file cut short: treated as errors.
void onMessage(j_common_ptr cinfo, int level)
{
    if (level < 0)
        fail(cinfo);
}

// Owns a decompression object so that it is destroyed on every way out; destroying one whose
// creation never ran or failed does nothing.
struct Decompressor
{
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};

    Decompressor()
    {
        cinfo.err = jpeg_std_error(&errors.pub);
        errors.pub.error_exit = onError;
        errors.pub.emit_message = onMessage;
    }
    ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
    Decompressor(const Decompressor &) = delete;
    Decompressor &operator=(const Decompressor &) = delete;
};

// Every libjpeg call lies below the setjmp, and nothing here owns a resource, so a jump back
// skips no destructor. Returns false after a library error.
bool decompress(Decompressor &d, std::span<const std::uint8_t> data, RgbImage &image)
{
    if (setjmp(d.errors.jump) != 0)
        return false;
    jpeg_create_decompress(&d.cinfo);
    jpeg_mem_src(&d.cinfo, data.data(), data.size());
    jpeg_read_header(&d.cinfo, TRUE);
    d.cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.cinfo);
    image.width = static_cast<int>(d.cinfo.output_width);
    image.height = static_cast<int>(d.cinfo.output_height);
    const std::size_t stride = std::size_t{d.cinfo.output_width} * 3;
    image.rgb.resize(stride * d.cinfo.output_height);
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        JSAMPROW row = image.rgb.data() + stride * d.cinfo.output_scanline;
        jpeg_read_scanlines(&d.cinfo, &row, 1);
    }
    jpeg_finish_decompress(&d.cinfo);
    return true;
}

} // namespace

RgbImage decodeJpeg(std::span<const std::uint8_t> data)
{
    RgbImage image;
    Decompressor d;
    if (!decompress(d, data, image))
        throw Error(ErrorKind::Jpeg, d.errors.message, d.errors.code);
    return image;
}

} // namespace platform
