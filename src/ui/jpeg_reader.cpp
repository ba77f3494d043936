#include "ui/jpeg_reader.h"

#include <climits>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

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
    jpeg_decompress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = onError;
    err.base.output_message = onMessage;
    QImage image;

    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        if (error)
            *error = QString::fromLocal8Bit(err.message);
        return {};
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    const QSize declared(int(qMin<JDIMENSION>(info.image_width, INT_MAX)),
                         int(qMin<JDIMENSION>(info.image_height, INT_MAX)));
    if (!isPictureSizeAllowed(declared)) {
        jpeg_destroy_decompress(&info);
        if (tooLarge)
            *tooLarge = declared;
        if (error)
            *error = pictureTooLargeMessage(QString(), declared);
        return {};
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);

    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    // A failed allocation gives a null image, never rows to write into.
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        if (error)
            *error = QStringLiteral("Memoria insufficiente per l'immagine.");
        return {};
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}
