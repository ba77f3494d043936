#include "ui/widgets/picture_view.h"

#include "core/errors.h"
#include "core/file_reader.h"
#include "ui/pictures/decoded_picture_cache.h"
#include "ui/pictures/jpeg_reader.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QMovie>
#include <QPixmap>

#include <memory>

PictureView::PictureView(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureView::load(const QString& path)
{
    // Only JPEG pictures have decoded copies; the name tells which to look for.
    const bool jpegName = path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ||
                          path.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive);
    const DecodedPictureCache::Stamp stamp =
        jpegName ? DecodedPictureCache::stampOf(path) : DecodedPictureCache::Stamp();
    if (const QImage copy = DecodedPictureCache::find(stamp); !copy.isNull()) {
        showStill(copy, path);
        return;
    }

    const QByteArray bytes = filereader::readAll(path, filereader::PictureBytes);

    if (bytes.startsWith("\xFF\xD8")) {
        QString error;
        QSize tooLarge;
        const QImage image = decodeJpeg(bytes, &error, &tooLarge);
        if (tooLarge.isValid())
            throw CorvaltoError(pictureTooLargeMessage(path, tooLarge));
        if (image.isNull())
            throw CorvaltoError(error);
        DecodedPictureCache::store(stamp, image);
        showStill(image, path);
        return;
    }

    auto data = std::make_unique<QBuffer>();
    data->setData(bytes);
    data->open(QIODevice::ReadOnly);
    QImageReader reader(data.get());
    if (!reader.canRead())
        throw CorvaltoError(reader.errorString());
    // A reader that cannot tell the size leaves the bound to the toolkit's own
    // allocation limit.
    const QSize size = reader.size();
    if (size.isValid() && !isPictureSizeAllowed(size))
        throw CorvaltoError(pictureTooLargeMessage(path, size));
    const QImage first = reader.read();
    if (first.isNull())
        throw CorvaltoError(reader.errorString());
    const bool animated = reader.supportsAnimation() && reader.imageCount() > 1;

    clearPicture();
    if (animated) {
        // The movie plays from the bytes already read and checked, not from the
        // path, which may have changed since.
        data->seek(0);
        m_movieData = data.release();
        m_movieData->setParent(this);
        m_movie = new QMovie(m_movieData, QByteArray(), this);
        setMovie(m_movie);
        m_movie->start();
    } else {
        const qreal ratio = devicePixelRatioF();
        const QImage sharp =
            m_sharpPicture && ratio > 1 ? m_sharpPicture(path, first.size(), ratio) : QImage();
        setPixmap(QPixmap::fromImage(sharp.isNull() ? first : sharp));
    }
    m_fileName = path;
    emit pictureChanged();
}

void PictureView::showStill(const QImage& image, const QString& path)
{
    clearPicture();
    QPixmap pixmap = QPixmap::fromImage(image);
    // A picture named "...@2x" is drawn at twice its size, for screens that show two
    // pixels a point.
    if (QFileInfo(path).completeBaseName().endsWith(QLatin1String("@2x")))
        pixmap.setDevicePixelRatio(2);
    setPixmap(pixmap);
    m_fileName = path;
    emit pictureChanged();
}

void PictureView::clearPicture()
{
    if (m_movie) {
        m_movie->stop();
        setMovie(nullptr);
        delete m_movie;
        m_movie = nullptr;
    }
    delete m_movieData;
    m_movieData = nullptr;
    clear();
    m_fileName.clear();
    emit pictureChanged();
}

void PictureView::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clickedPicture();
}
