#include <QCoreApplication>
#include <QFile>
#include <QImage>

#include <cstdio>

// Build-time helper: writes the pixels of a picture as the program's window icon
// keeps them, premultiplied ARGB, 32 bits a pixel in the byte order of the
// machine that builds (the one the program runs on), rows from the top, no
// header: the size is in the name the program asks for. Reading them back
// costs a copy where decoding the PNG costs about 30 instructions a pixel.
// Usage: icon_pixels <in.png> <out.argb>
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: icon_pixels <in.png> <out.argb>\n", stderr);
        return 2;
    }
    const QImage image = QImage(QString::fromLocal8Bit(argv[1]))
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        std::fprintf(stderr, "icon_pixels: cannot read %s\n", argv[1]);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "icon_pixels: cannot write %s\n", argv[2]);
        return 1;
    }
    const qsizetype rowBytes = qsizetype(image.width()) * 4;
    for (int y = 0; y < image.height(); ++y) {
        if (out.write(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes) != rowBytes)
            return 1;
    }
    return out.flush() ? 0 : 1;
}
