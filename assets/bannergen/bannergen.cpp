// Draws the main window's banner: a fretboard with the program's name on it,
// written as JPEG with libjpeg. The modified-list banner is the same picture in
// greyscale with a small "*" mark, so the change catches the eye. Both are drawn
// twice: at their size, and at twice it ("@2x") for screens of device pixel ratio 2.
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <jpeglib.h>

namespace {

constexpr int Width = 233;
constexpr int Height = 22;

QImage drawBanner(int scale)
{
    QImage img(Width * scale, Height * scale, QImage::Format_RGB888);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Rosewood fretboard.
    QLinearGradient wood(0, 0, 0, Height);
    wood.setColorAt(0.0, QColor(92, 52, 28));
    wood.setColorAt(0.5, QColor(124, 72, 38));
    wood.setColorAt(1.0, QColor(80, 44, 22));
    p.fillRect(QRect(0, 0, Width, Height), wood);

    // Frets, narrowing toward the body as on a real neck.
    double x = 6.0;
    double gap = 30.0;
    p.setPen(QPen(QColor(214, 214, 206), 1.4));
    while (x < Width) {
        p.drawLine(QPointF(x, 0), QPointF(x, Height));
        x += gap;
        gap *= 0.944;
    }
    // The nut.
    p.fillRect(QRectF(0, 0, 4, Height), QColor(240, 232, 208));

    // Six strings, thicker toward the bottom.
    for (int s = 0; s < 6; ++s) {
        const double y = 2.5 + s * 3.4;
        p.setPen(
            QPen(s < 3 ? QColor(230, 230, 230, 150) : QColor(220, 190, 120, 170), 0.5 + s * 0.18));
        p.drawLine(QPointF(0, y), QPointF(Width, y));
    }

    // The name on a soft plate.
    const QString title = QStringLiteral("Corvalto 3.0");
    const QString byline = QStringLiteral("by Virmosk");
    QFont titleFont(QStringLiteral("TeX Gyre Bonum"));
    titleFont.setPixelSize(14);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    QFont bylineFont(QStringLiteral("DejaVu Sans"));
    bylineFont.setPixelSize(9);
    bylineFont.setBold(true);

    const QFontMetricsF titleMetrics(titleFont);
    const QFontMetricsF bylineMetrics(bylineFont);
    const double titleWidth = titleMetrics.horizontalAdvance(title);
    const double bylineWidth = bylineMetrics.horizontalAdvance(byline);
    const double plateWidth = titleWidth + bylineWidth + 22;
    const double plateLeft = (Width - plateWidth) / 2;

    QPainterPath plate;
    plate.addRoundedRect(QRectF(plateLeft, 2, plateWidth, 18), 9, 9);
    p.fillPath(plate, QColor(255, 201, 16, 230));
    p.setPen(QPen(QColor(0, 0, 64), 1));
    p.drawPath(plate);

    p.setPen(QColor(0, 0, 64));
    p.setFont(titleFont);
    p.drawText(QPointF(plateLeft + 8, 16), title);
    p.setFont(bylineFont);
    p.drawText(QPointF(plateLeft + 14 + titleWidth, 15), byline);
    p.end();
    return img;
}

QImage toModified(const QImage& clean, int scale)
{
    QImage img =
        clean.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB888);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    QFont mark(QStringLiteral("DejaVu Sans"));
    mark.setPixelSize(22);
    mark.setBold(true);
    p.setFont(mark);
    p.setPen(QColor(200, 30, 30));
    p.drawText(QPointF(Width - 20, 19), QStringLiteral("*"));
    return img;
}

bool writeJpeg(const QImage& image, const QString& path)
{
    FILE* out = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (!out)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row =
            const_cast<uchar*>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    // Readable by all whatever the umask, as every file the build lays out.
    return std::fclose(out) == 0 &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                           QFile::ReadOther);
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bannergen <imm folder>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QStringLiteral(".jpg") : QStringLiteral("@2x.jpg");
        const QImage clean = drawBanner(scale);
        if (!writeJpeg(clean, dir + QStringLiteral("/virmoskc") + suffix) ||
            !writeJpeg(toModified(clean, scale), dir + QStringLiteral("/virmoskbn") + suffix)) {
            std::fprintf(stderr, "bannergen: cannot write the banners\n");
            return 1;
        }
    }
    return 0;
}
