// Draws the About window's animation and writes it as GIF with giflib:
// about.gif, 353 x 265, an endless loop of 80 frames at 100 ms: four chords are
// fingered on a fretboard one dot after the other, then strummed, under the
// program's name, with notes drifting up the night sky behind.
// All frames share one palette of at most 255 colours; every frame
// after the first stores only the rectangle that changed, with the pixels that
// stayed the same as the transparent index, which compresses to almost nothing.
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int Width = 353;
constexpr int Height = 265;
constexpr int FramesPerChord = 20;
constexpr int DelayCentiseconds = 10;

// Fretboard geometry, in pixels.
constexpr double BoardLeft = 34;
constexpr double BoardRight = 330;
constexpr double BoardTop = 88;
constexpr double BoardBottom = 184;
constexpr double NutWidth = 6;
constexpr double FretGap = 58;
constexpr int Frets = 5;

// Strings from the high E (top of the picture) to the low E (bottom).
double stringY(int s)
{
    return BoardTop + 10 + s * (BoardBottom - BoardTop - 20) / 5.0;
}

double fretX(int fret)
{
    return BoardLeft + NutWidth + fret * FretGap;
}

struct Chord
{
    const char* name;
    // Frets from the high E to the low E: -1 muted, 0 open.
    std::array<int, 6> frets;
};

const std::array<Chord, 4> Chords = {{
    {"DO Maggiore", {0, 1, 0, 2, 3, -1}},
    {"LA Minore", {0, 1, 2, 2, 0, -1}},
    {"SOL Maggiore", {3, 0, 0, 0, 2, 3}},
    {"MI Minore", {0, 0, 0, 2, 2, 0}},
}};

QFont font(const char* family, int pixels, bool bold, bool italic = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void drawCentred(QPainter& p, const QFont& f, double y, const QString& text, const QColor& colour,
                 const QColor& shadow)
{
    p.setFont(f);
    const double w = QFontMetricsF(f).horizontalAdvance(text);
    const double x = (Width - w) / 2;
    if (shadow.isValid()) {
        p.setPen(shadow);
        p.drawText(QPointF(x + 2, y + 2), text);
    }
    p.setPen(colour);
    p.drawText(QPointF(x, y), text);
}

void drawBackground(QPainter& p, int frame)
{
    QLinearGradient sky(0, 0, 0, Height);
    sky.setColorAt(0.0, QColor(14, 18, 58));
    sky.setColorAt(1.0, QColor(58, 22, 84));
    p.fillRect(QRect(0, 0, Width, Height), sky);

    // Notes drifting upward: 3 pixels a frame, 240 pixels a loop of 80 frames.
    const QFont noteFont = font("DejaVu Sans", 18, false);
    p.setFont(noteFont);
    p.setPen(QColor(96, 78, 150));
    // They keep to the margins, clear of the title and the chord name.
    const std::array<std::array<int, 2>, 6> notes = {
        {{6, 0}, {24, 130}, {40, 60}, {306, 200}, {322, 20}, {338, 110}}};
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const int y = Height + 10 - ((notes[i][1] + frame * 3) % 240) - 2;
        p.drawText(QPointF(notes[i][0], y), QString(i % 2 ? QChar(0x266B) : QChar(0x266A)));
    }
}

void drawTitle(QPainter& p)
{
    drawCentred(p, font("TeX Gyre Bonum", 38, true, true), 48, QStringLiteral("Corvalto 3.0"),
                QColor(255, 201, 16), QColor(0, 0, 30));
    drawCentred(p, font("DejaVu Sans", 12, true), 70, QStringLiteral("by Virmosk"),
                QColor(236, 236, 250), QColor());
}

void drawBoard(QPainter& p)
{
    QLinearGradient wood(0, BoardTop, 0, BoardBottom);
    wood.setColorAt(0.0, QColor(92, 52, 28));
    wood.setColorAt(0.5, QColor(128, 74, 40));
    wood.setColorAt(1.0, QColor(80, 44, 22));
    p.fillRect(QRectF(BoardLeft, BoardTop, BoardRight - BoardLeft, BoardBottom - BoardTop), wood);
    p.fillRect(QRectF(BoardLeft, BoardTop, NutWidth, BoardBottom - BoardTop),
               QColor(240, 232, 208));

    p.setPen(QPen(QColor(214, 214, 206), 2.5));
    for (int f = 1; f <= Frets; ++f)
        p.drawLine(QPointF(fretX(f), BoardTop), QPointF(fretX(f), BoardBottom));

    // Inlays on the third and the fifth fret.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 224, 200));
    for (int f : {3, 5}) {
        const double x = (fretX(f - 1) + fretX(f)) / 2;
        p.drawEllipse(QPointF(x, (BoardTop + BoardBottom) / 2), 5, 5);
    }
}

// One string, displaced in the middle of its sounding part when it vibrates.
void drawString(QPainter& p, int s, double from, double amplitude)
{
    const double y = stringY(s);
    const QColor colour = s < 3 ? QColor(226, 226, 232) : QColor(222, 190, 120);
    p.setPen(QPen(amplitude != 0 ? colour.lighter(115) : colour, 1.0 + s * 0.35));
    if (BoardLeft < from)
        p.drawLine(QPointF(BoardLeft, y), QPointF(from, y));
    QPainterPath path(QPointF(from, y));
    const double span = BoardRight - from;
    for (int i = 1; i <= 48; ++i) {
        const double t = i / 48.0;
        path.lineTo(from + t * span, y + amplitude * std::sin(t * M_PI));
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void drawChordFrame(QPainter& p, const Chord& chord, int f)
{
    // Fingers go down one a frame, from the high E; the strum follows from the low E.
    const int strumStart = 7;
    for (int s = 0; s < 6; ++s) {
        const int fret = chord.frets[static_cast<std::size_t>(s)];
        const double from = fret > 0 && f >= s ? (fretX(fret - 1) + fretX(fret)) / 2 : BoardLeft;
        double amplitude = 0;
        const int struck = strumStart + (5 - s);
        if (fret >= 0 && f >= struck) {
            const int t = f - struck;
            amplitude = 3.5 * std::exp(-t / 4.5) * (t % 2 ? -1 : 1);
        }
        drawString(p, s, from, amplitude);
    }

    p.setRenderHint(QPainter::Antialiasing);
    for (int s = 0; s < 6; ++s) {
        const int fret = chord.frets[static_cast<std::size_t>(s)];
        const double y = stringY(s);
        if (fret < 0) {
            p.setPen(QPen(QColor(240, 96, 96), 2));
            p.drawLine(QPointF(BoardLeft - 18, y - 4), QPointF(BoardLeft - 10, y + 4));
            p.drawLine(QPointF(BoardLeft - 18, y + 4), QPointF(BoardLeft - 10, y - 4));
        } else if (fret == 0) {
            p.setPen(QPen(QColor(120, 230, 255), 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(BoardLeft - 14, y), 4, 4);
        } else if (f >= s) {
            // A dot grows to full size in two frames.
            const double r = f == s ? 5.0 : 7.5;
            const QPointF centre((fretX(fret - 1) + fretX(fret)) / 2, y);
            QRadialGradient ball(centre - QPointF(2, 2), r * 1.6);
            ball.setColorAt(0.0, QColor(255, 190, 120));
            ball.setColorAt(1.0, QColor(214, 72, 24));
            p.setPen(QPen(QColor(60, 16, 0), 1));
            p.setBrush(ball);
            p.drawEllipse(centre, r, r);
        }
    }

    // The pick sweeps across the strings while they are struck.
    if (f >= strumStart && f < strumStart + 7) {
        const double y = stringY(5) - (f - strumStart) * (stringY(5) - stringY(0)) / 6.0;
        QPainterPath pick;
        const QPointF tip(BoardRight - 34, y);
        pick.moveTo(tip);
        pick.cubicTo(tip + QPointF(-4, -14), tip + QPointF(20, -20), tip + QPointF(16, -6));
        pick.cubicTo(tip + QPointF(14, 0), tip + QPointF(6, 2), tip);
        p.setPen(QPen(QColor(40, 10, 0), 1));
        p.setBrush(QColor(255, 150, 40));
        p.drawPath(pick);
    }

    drawCentred(p, font("TeX Gyre Bonum", 24, true, true), 220, QString::fromLatin1(chord.name),
                QColor(120, 230, 255), QColor(0, 0, 30));
}

QImage drawFrame(int frame)
{
    QImage img(Width, Height, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawBackground(p, frame);
    drawTitle(p);
    drawBoard(p);
    const Chord& chord = Chords[static_cast<std::size_t>(frame / FramesPerChord)];
    drawChordFrame(p, chord, frame % FramesPerChord);
    drawCentred(p, font("DejaVu Sans", 11, false), 250,
                QStringLiteral("accordi \u2022 liste \u2022 riff"), QColor(196, 188, 226),
                QColor());
    p.end();
    return img;
}

constexpr int Transparent = 255;

// One palette for all frames: the 255 most used colours at 5 bits a channel,
// each the average of the pixels that fall in its box. Index 255 is kept for
// the transparent pixels of the frames after the first.
QVector<QRgb> palette(const std::vector<QImage>& frames)
{
    struct Box
    {
        quint64 count = 0, r = 0, g = 0, b = 0;
    };
    QHash<int, Box> boxes;
    for (const QImage& img : frames) {
        for (int y = 0; y < img.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = line[x];
                Box& box = boxes[(qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | (qBlue(c) >> 3)];
                ++box.count;
                box.r += qRed(c);
                box.g += qGreen(c);
                box.b += qBlue(c);
            }
        }
    }
    std::vector<Box> sorted(boxes.begin(), boxes.end());
    std::sort(sorted.begin(), sorted.end(),
              [](const Box& a, const Box& b) { return a.count > b.count; });
    QVector<QRgb> table;
    for (std::size_t i = 0; i < sorted.size() && i < std::size_t(Transparent); ++i) {
        const Box& box = sorted[i];
        table.append(qRgb(int(box.r / box.count), int(box.g / box.count), int(box.b / box.count)));
    }
    while (table.size() < 256)
        table.append(qRgb(0, 0, 0));
    return table;
}

bool writeGif(const std::vector<QImage>& frames, const QString& path, bool loop)
{
    const QVector<QRgb> table = palette(frames);
    const QVector<QRgb> opaque = table.mid(0, Transparent);
    std::vector<QImage> indexed;
    for (const QImage& f : frames)
        indexed.push_back(f.convertToFormat(QImage::Format_Indexed8, opaque, Qt::ThresholdDither));

    // Readable by everyone, as every file of the program folder, whatever the
    // umask (which open's mode goes through).
    const int fd = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    if (::fchmod(fd, 0644) != 0) {
        ::close(fd);
        return false;
    }
    int error = 0;
    GifFileType* gif = EGifOpenFileHandle(fd, &error);
    if (!gif) {
        ::close(fd);
        return false;
    }
    EGifSetGifVersion(gif, true);
    std::vector<GifColorType> colours;
    for (QRgb c : table)
        colours.push_back({GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))});
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    const int w = frames.front().width();
    const int h = frames.front().height();
    bool ok = EGifPutScreenDesc(gif, w, h, 8, 0, map) == GIF_OK;
    GifFreeMapObject(map);

    if (ok && loop) {
        // The application extension that makes browsers and viewers loop forever.
        unsigned char loopForever[3] = {1, 0, 0};
        ok = EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
             EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_OK &&
             EGifPutExtensionBlock(gif, 3, loopForever) == GIF_OK &&
             EGifPutExtensionTrailer(gif) == GIF_OK;
    }

    for (std::size_t i = 0; ok && i < indexed.size(); ++i) {
        const QImage& img = indexed[i];
        QRect changed(0, 0, w, h);
        if (i > 0) {
            const QImage& prev = indexed[i - 1];
            int left = w, right = -1, top = h, bottom = -1;
            for (int y = 0; y < h; ++y) {
                const uchar* a = img.constScanLine(y);
                const uchar* b = prev.constScanLine(y);
                for (int x = 0; x < w; ++x) {
                    if (a[x] != b[x]) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
                }
            }
            // An unchanged frame still takes its time: one pixel stands for it.
            changed =
                right < 0 ? QRect(0, 0, 1, 1) : QRect(QPoint(left, top), QPoint(right, bottom));
        }
        if (frames.size() > 1) {
            GraphicsControlBlock gcb{};
            gcb.DisposalMode = DISPOSE_DO_NOT;
            gcb.UserInputFlag = false;
            gcb.DelayTime = DelayCentiseconds;
            gcb.TransparentColor = i > 0 ? Transparent : NO_TRANSPARENT_COLOR;
            GifByteType ext[4];
            EGifGCBToExtension(&gcb, ext);
            ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext) == GIF_OK;
        }
        ok = ok && EGifPutImageDesc(gif, changed.x(), changed.y(), changed.width(),
                                    changed.height(), false, nullptr) == GIF_OK;
        std::vector<GifPixelType> row(static_cast<std::size_t>(changed.width()));
        for (int y = changed.top(); ok && y <= changed.bottom(); ++y) {
            const uchar* now = img.constScanLine(y);
            const uchar* before = i > 0 ? indexed[i - 1].constScanLine(y) : nullptr;
            for (int x = changed.left(); x <= changed.right(); ++x) {
                const bool same = before && before[x] == now[x];
                row[std::size_t(x - changed.left())] = same ? Transparent : now[x];
            }
            ok = EGifPutLine(gif, row.data(), changed.width()) == GIF_OK;
        }
    }
    return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: aboutgen <imm folder>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    std::vector<QImage> frames;
    for (int f = 0; f < FramesPerChord * int(Chords.size()); ++f)
        frames.push_back(drawFrame(f));
    if (!writeGif(frames, dir + QStringLiteral("/about.gif"), true)) {
        std::fprintf(stderr, "aboutgen: cannot write the About animation\n");
        return 1;
    }
    return 0;
}
