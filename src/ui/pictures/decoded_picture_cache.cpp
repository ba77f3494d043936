#include "ui/pictures/decoded_picture_cache.h"

#include "core/errors.h"
#include "core/file_reader.h"
#include "ui/pictures/jpeg_reader.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A copy: this header, the picture file's absolute path in UTF-8, then the rows,
// 3 bytes a pixel, red first, with nothing between them.
struct Header
{
    char magic[8];
    qint64 size;
    qint64 modified;
    qint32 width;
    qint32 height;
    qint32 pathBytes;
    qint32 reserved;
};
constexpr char Magic[8] = {'C', 'V', 'P', 'I', 'X', '0', '0', '1'};
// The largest copy read: a picture of the largest size allowed, with a long path.
constexpr qint64 CopyBytes = sizeof(Header) + 64 * filereader::KiB + 3 * MaxPicturePixels;

QString& folderSetting()
{
    static QString folder;
    return folder;
}

} // namespace

void DecodedPictureCache::setFolder(const QString& folder)
{
    folderSetting() = folder;
}

QString DecodedPictureCache::folder()
{
    return folderSetting();
}

QString DecodedPictureCache::copyPath(const QString& absolutePath)
{
    const QByteArray key =
        QCryptographicHash::hash(absolutePath.toUtf8(), QCryptographicHash::Sha1);
    return QDir(folder()).filePath(QString::fromLatin1(key.toHex()) + QStringLiteral(".pixels"));
}

DecodedPictureCache::Stamp DecodedPictureCache::stampOf(const QString& path)
{
    if (folder().isEmpty())
        return {};
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QByteArray name = QFile::encodeName(absolute);
    struct stat st;
    // A file the program cannot read is reported as such, copy or no copy.
    if (::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode) ||
        ::access(name.constData(), R_OK) != 0)
        return {};
    return {absolute, qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

QImage DecodedPictureCache::find(const Stamp& stamp)
{
    if (stamp.path.isEmpty())
        return {};
    QByteArray bytes;
    try {
        bytes = filereader::readAll(copyPath(stamp.path), CopyBytes);
    } catch (const CorvaltoError&) {
        return {};
    }
    Header h{};
    const QByteArray path = stamp.path.toUtf8();
    if (bytes.size() < qsizetype(sizeof h))
        return {};
    std::memcpy(&h, bytes.constData(), sizeof h);
    if (std::memcmp(h.magic, Magic, sizeof Magic) != 0 || h.size != stamp.size ||
        h.modified != stamp.modified || h.pathBytes != path.size() ||
        !isPictureSizeAllowed(QSize(h.width, h.height)) ||
        bytes.size() != qsizetype(sizeof h) + h.pathBytes + qsizetype(h.width) * h.height * 3 ||
        bytes.mid(sizeof h, h.pathBytes) != path)
        return {};
    QImage image(h.width, h.height, QImage::Format_RGB888);
    if (image.isNull())
        return {};
    const char* rows = bytes.constData() + sizeof h + h.pathBytes;
    const qsizetype rowBytes = qsizetype(h.width) * 3;
    for (int y = 0; y < h.height; ++y)
        std::memcpy(image.scanLine(y), rows + y * rowBytes, size_t(rowBytes));
    return image;
}

void DecodedPictureCache::store(const Stamp& stamp, const QImage& image)
{
    if (stamp.path.isEmpty() || image.format() != QImage::Format_RGB888 || !QDir().mkpath(folder()))
        return;
    const QByteArray path = stamp.path.toUtf8();
    Header h{};
    std::memcpy(h.magic, Magic, sizeof Magic);
    h.size = stamp.size;
    h.modified = stamp.modified;
    h.width = image.width();
    h.height = image.height();
    h.pathBytes = qint32(path.size());
    // Written whole or not at all: a reader never finds half a copy.
    QSaveFile file(copyPath(stamp.path));
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(reinterpret_cast<const char*>(&h), sizeof h);
    file.write(path);
    for (int y = 0; y < image.height(); ++y)
        file.write(reinterpret_cast<const char*>(image.constScanLine(y)),
                   qint64(image.width()) * 3);
    file.commit();
}
