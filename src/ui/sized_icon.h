#pragma once

#include <QIcon>
#include <QList>
#include <QSize>
#include <QString>

// An icon with one PNG picture per size, decoded only when a size is asked for
// and not kept afterwards. The pictures are read with the built-in PNG reader
// alone, so that no image format plugin is loaded for them.
struct SizedPicture
{
    QSize size;
    QString path;
};

QIcon sizedIcon(const QList<SizedPicture>& pictures);
