#include "support/crafted_files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

#include <sys/stat.h>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
}

// A real small JPEG whose frame header is made to claim 65500 x 65500 pixels.
QByteArray hugeJpeg()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG"))
        return {};
    const qsizetype sof = bytes.indexOf("\xFF\xC0");
    if (sof < 0)
        return {};
    // Marker, length (2), precision (1), then height and width, big-endian.
    for (qsizetype at : {sof + 5, sof + 7}) {
        bytes[at] = char(0xFF);
        bytes[at + 1] = char(0xDC);
    }
    return bytes;
}

// A one-pixel image in a GIF whose logical screen is 65500 x 65500.
QByteArray hugeGif()
{
    QByteArray b("GIF89a");
    b += QByteArray::fromHex("dcffdcff"
                             "80"
                             "0000"
                             "000000"
                             "ffffff");
    b += QByteArray::fromHex("2c"
                             "00000000"
                             "dcffdcff"
                             "00"
                             "02"
                             "024401"
                             "00"
                             "3b");
    return b;
}

} // namespace

bool makeCraftedFile(const QString& path, const QString& kind)
{
    QFile::remove(path);
    if (kind == QLatin1String("missing"))
        return true;
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == QLatin1String("folder"))
        return QDir().mkpath(path);
    if (kind == QLatin1String("device"))
        return QFile::link(QStringLiteral("/dev/zero"), path);
    if (kind == QLatin1String("50 MiB")) {
        QFile out(path);
        return out.open(QIODevice::WriteOnly) && out.resize(50 * 1024 * 1024);
    }
    if (kind == QLatin1String("huge jpeg"))
        return writeFile(path, hugeJpeg()) && QFile(path).size() > 0;
    if (kind == QLatin1String("huge gif"))
        return writeFile(path, hugeGif());
    return false;
}
