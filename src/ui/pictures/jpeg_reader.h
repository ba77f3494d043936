#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// The largest picture any decoder of the program accepts, per side and in all:
// the banners and chord pictures are a few hundred pixels, and a header that
// claims more is refused before anything is allocated for it.
constexpr int MaxPictureSide = 8192;
constexpr qint64 MaxPicturePixels = 16 * 1024 * 1024;

bool isPictureSizeAllowed(QSize size);

// The Italian message for a picture beyond those bounds.
QString pictureTooLargeMessage(const QString& path, QSize size);

// Decodes JPEG bytes with libjpeg. On failure returns a null image and puts the
// library's message into *error; a picture beyond the bounds above returns a
// null image and sets *tooLarge (when given) to its size.
QImage decodeJpeg(const QByteArray& bytes, QString* error, QSize* tooLarge = nullptr);
