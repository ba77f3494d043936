#pragma once

#include <QIcon>
#include <QList>
#include <QSize>
#include <QString>

// An icon with one picture per size, read only when a size is asked for and
// kept only until the event loop next runs. A picture is a PNG file, read with
// the built-in PNG reader alone so that no image format plugin is loaded, or a
// file named ".argb" holding the raw pixels of a picture of exactly its size:
// premultiplied ARGB, 32 bits a pixel in the machine's byte order, rows from the
// top, nothing else.
struct SizedPicture
{
    QSize size;
    QString path;
};

QIcon sizedIcon(const QList<SizedPicture>& pictures);
