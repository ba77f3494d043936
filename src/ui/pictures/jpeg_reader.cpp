#include "ui/pictures/jpeg_reader.h"

#include <climits>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error through error_exit, which must not return: it
// jumps back to the decoding with the library's message.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
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

// The decoding proper, with nothing in it that a jump out of libjpeg could skip
// the destruction of: the picture lives in the caller.
enum class Result { Decoded, Unreadable, TooLarge, NoMemory };

Result decodeInto(const QByteArray& bytes, QImage& image, QSize& declared, ErrorManager& err)
{
    jpeg_decompress_struct info{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = onError;
    err.base.output_message = onMessage;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        return Result::Unreadable;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    declared = QSize(clamped(info.image_width), clamped(info.image_height));
    if (!isPictureSizeAllowed(declared)) {
        jpeg_destroy_decompress(&info);
        return Result::TooLarge;
    }
    image = QImage(declared, QImage::Format_RGB888);
    // A failed allocation gives a null image, never rows to write into.
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return Result::NoMemory;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    // Without scaling the output has the size of the header's picture.
    if (info.output_width != info.image_width || info.output_height != info.image_height ||
        info.output_components != 3) {
        std::snprintf(err.message, sizeof err.message, "Unexpected JPEG output size");
        jpeg_destroy_decompress(&info);
        return Result::Unreadable;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return Result::Decoded;
}

} // namespace

bool isPictureSizeAllowed(QSize size)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= MaxPictureSide &&
           size.height() <= MaxPictureSide &&
           qint64(size.width()) * size.height() <= MaxPicturePixels;
}

QString pictureTooLargeMessage(const QString& path, QSize size)
{
    return QStringLiteral("L'immagine %1 è troppo grande (%2 × %3 pixel): Corvalto mostra "
                          "immagini fino a %4 × %4 pixel.")
        .arg(path)
        .arg(size.width())
        .arg(size.height())
        .arg(MaxPictureSide);
}

QImage decodeJpeg(const QByteArray& bytes, QString* error, QSize* tooLarge)
{
    QImage image;
    QSize declared;
    ErrorManager err{};
    switch (decodeInto(bytes, image, declared, err)) {
    case Result::Decoded:
        return image;
    case Result::Unreadable:
        if (error)
            *error = QString::fromLocal8Bit(err.message);
        break;
    case Result::TooLarge:
        if (error)
            *error = pictureTooLargeMessage(QString(), declared);
        if (tooLarge)
            *tooLarge = declared;
        break;
    case Result::NoMemory:
        if (error)
            *error = QStringLiteral("Memoria insufficiente per l'immagine.");
        break;
    }
    return {};
}
