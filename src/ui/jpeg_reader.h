#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes JPEG bytes with libjpeg, called directly. On failure returns a null
// image and puts the library's message into *error.
QImage decodeJpeg(const QByteArray& bytes, QString* error);
