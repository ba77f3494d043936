#pragma once

#include <QImage>
#include <QString>

// Decoded copies of the JPEG pictures the program shows (the main window's
// banners) in the user's cache folder, so that a start shows them without
// loading the decoder. A copy stands for its picture file only while the file
// has the path, size and modification time it had when it was decoded; a copy
// that does not fit in every respect is ignored and made again.
class DecodedPictureCache
{
public:
    // The folder of the copies; empty, the default, keeps none.
    static void setFolder(const QString& folder);
    static QString folder();

    // What a copy is checked against, taken before the file is read.
    struct Stamp
    {
        QString path; // absolute
        qint64 size = -1;
        qint64 modified = 0; // nanoseconds since the epoch
    };
    // An empty stamp when no copy is kept or path is no readable file.
    static Stamp stampOf(const QString& path);

    // The copy for the file as stamped; a null image when there is none that fits.
    static QImage find(const Stamp& stamp);
    // Keeps image as the copy for the file as stamped. A copy that cannot be
    // written is left out: the picture is decoded again next time.
    static void store(const Stamp& stamp, const QImage& image);
    // The copy's file for a picture file.
    static QString copyPath(const QString& absolutePath);
};
