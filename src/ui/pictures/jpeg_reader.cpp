#include "ui/pictures/jpeg_reader.h"

#include "core/module_symbol.h"
#include "ui/pictures/jpeg_module.h"

namespace {

ModuleFunction& module()
{
    static ModuleFunction m(QStringLiteral("libcorvalto_jpeg.so"), CORVALTO_JPEG_ENTRY);
    return m;
}

// Where the module writes the rows: a picture of the declared size, once that
// size is allowed and the memory for it is there.
struct Target
{
    QImage image;
    QSize tooLarge;
};

unsigned char* rowsOf(void* context, int width, int height, std::ptrdiff_t* rowStride)
{
    auto* target = static_cast<Target*>(context);
    const QSize declared(width, height);
    if (!isPictureSizeAllowed(declared)) {
        target->tooLarge = declared;
        return nullptr;
    }
    target->image = QImage(declared, QImage::Format_RGB888);
    // A failed allocation gives a null image, never rows to write into.
    if (target->image.isNull())
        return nullptr;
    *rowStride = target->image.bytesPerLine();
    return target->image.bits();
}

} // namespace

void setJpegModuleFolders(const QStringList& folders)
{
    module().setFolders(folders);
}

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
    const auto decode = reinterpret_cast<CorvaltoDecodeJpeg>(module().function());
    Target target;
    CorvaltoJpegDecoding d;
    d.bytes = reinterpret_cast<const unsigned char*>(bytes.constData());
    d.size = static_cast<unsigned long>(bytes.size());
    d.rows = rowsOf;
    d.context = &target;
    const int result = decode(&d);
    if (result == CorvaltoJpegDecoded)
        return target.image;
    if (error) {
        if (result == CorvaltoJpegUnreadable)
            *error = QString::fromLocal8Bit(d.message);
        else if (target.tooLarge.isValid())
            *error = pictureTooLargeMessage(QString(), target.tooLarge);
        else
            *error = QStringLiteral("Memoria insufficiente per l'immagine.");
    }
    if (tooLarge && target.tooLarge.isValid())
        *tooLarge = target.tooLarge;
    return {};
}
