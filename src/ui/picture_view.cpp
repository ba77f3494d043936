#include "ui/picture_view.h"

#include "app/errors.h"
#include "ui/jpeg_reader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QMovie>
#include <QPixmap>

PictureView::PictureView(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureView::load(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw CorvaltoError::cannotOpen(path);
    const QByteArray bytes = file.readAll();

    if (bytes.startsWith("\xFF\xD8")) {
        QString error;
        const QImage image = decodeJpeg(bytes, &error);
        if (image.isNull())
            throw CorvaltoError(error);
        clearPicture();
        setPixmap(QPixmap::fromImage(image));
        m_fileName = path;
        emit pictureChanged();
        return;
    }

    QBuffer probe;
    probe.setData(bytes);
    QImageReader reader(&probe);
    if (!reader.canRead())
        throw CorvaltoError(reader.errorString());
    const QImage first = reader.read();
    if (first.isNull())
        throw CorvaltoError(reader.errorString());

    clearPicture();
    if (reader.supportsAnimation() && reader.imageCount() > 1) {
        m_movie = new QMovie(path, QByteArray(), this);
        setMovie(m_movie);
        m_movie->start();
    } else {
        setPixmap(QPixmap::fromImage(first));
    }
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
