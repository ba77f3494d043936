#include "ui/pictures/jpeg_module.h"

#include <climits>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

static_assert(sizeof(CorvaltoJpegDecoding::message) >= JMSG_LENGTH_MAX);

namespace {

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char* message;
};

void onError(j_common_ptr info)
{
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

void onMessage(j_common_ptr) {}

int clamped(JDIMENSION side)
{
    return side > JDIMENSION(INT_MAX) ? INT_MAX : int(side);
}

} // namespace

// No exception and no jump may leave the module: its caller sees only the result.
extern "C" __attribute__((visibility("default"))) int
corvalto_decode_jpeg_v1(CorvaltoJpegDecoding* d)
{
    jpeg_decompress_struct info{};
    ErrorManager err{};
    err.message = d->message;
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = onError;
    err.base.output_message = onMessage;

    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        return CorvaltoJpegUnreadable;
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, d->bytes, d->size);
    jpeg_read_header(&info, TRUE);
    std::ptrdiff_t stride = 0;
    unsigned char* rows =
        d->rows(d->context, clamped(info.image_width), clamped(info.image_height), &stride);
    if (!rows) {
        jpeg_destroy_decompress(&info);
        return CorvaltoJpegRefused;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    // Without scaling the output has the size of the header's picture.
    if (info.output_width != info.image_width || info.output_height != info.image_height ||
        info.output_components != 3) {
        std::snprintf(d->message, sizeof d->message, "Unexpected JPEG output size");
        jpeg_destroy_decompress(&info);
        return CorvaltoJpegUnreadable;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = rows + std::ptrdiff_t(info.output_scanline) * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return CorvaltoJpegDecoded;
}
