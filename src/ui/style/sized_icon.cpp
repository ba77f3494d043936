#include "ui/style/sized_icon.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>

#include <memory>
#include <utility>

namespace {

class SizedIconEngine : public QIconEngine
{
public:
    explicit SizedIconEngine(QList<SizedPicture> pictures) : m_pictures(std::move(pictures)) {}

    QIconEngine* clone() const override { return new SizedIconEngine(m_pictures); }
    QString key() const override { return QStringLiteral("corvalto-sized"); }
    bool isNull() override { return m_pictures.isEmpty(); }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        QList<QSize> sizes;
        if (mode != QIcon::Normal || state != QIcon::Off)
            return sizes;
        for (const SizedPicture& p : std::as_const(m_pictures))
            sizes.append(p.size);
        return sizes;
    }

    // As for an icon made of files: the picture's own size, never larger than asked.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const SizedPicture* best = bestFor(size);
        if (!best)
            return QSize();
        return best->size.width() <= size.width() && best->size.height() <= size.height()
                   ? best->size
                   : best->size.scaled(size, Qt::KeepAspectRatio);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        const QSize pixels = size * scale;
        const SizedPicture* best = bestFor(pixels);
        if (!best)
            return QPixmap();
        QImage image = decoded(*best);
        if (image.isNull())
            return QPixmap();
        if (image.width() > pixels.width() || image.height() > pixels.height())
            image = image.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPixmap out = QPixmap::fromImage(std::move(image));
        Q_UNUSED(state);
        // The other modes look as the style makes them from the normal picture.
        if (mode != QIcon::Normal && qApp) {
            QStyleOption option;
            option.palette = QApplication::palette();
            out = QApplication::style()->generatedIconPixmap(mode, out, &option);
        }
        out.setDevicePixelRatio(scale);
        return out;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QPixmap px = scaledPixmap(rect.size(), mode, state, scale);
        painter->drawPixmap(rect, px);
    }

private:
    // A window asks for every size twice while it is made (for the window and
    // for the window system): the pictures are kept until the event loop runs.
    QImage decoded(const SizedPicture& picture)
    {
        if (!m_decoded)
            m_decoded = std::make_shared<QHash<QString, QImage>>();
        auto found = m_decoded->constFind(picture.path);
        if (found != m_decoded->constEnd())
            return *found;
        const QImage image = read(picture);
        if (m_decoded->isEmpty() && QCoreApplication::instance()) {
            std::weak_ptr<QHash<QString, QImage>> kept = m_decoded;
            QTimer::singleShot(0, QCoreApplication::instance(), [kept] {
                if (auto pictures = kept.lock())
                    pictures->clear();
            });
        }
        m_decoded->insert(picture.path, image);
        return image;
    }

    static QImage read(const SizedPicture& picture)
    {
        if (!picture.path.endsWith(QLatin1String(".argb"))) {
            QImageReader reader(picture.path, "png");
            reader.setAutoDetectImageFormat(false);
            return reader.read();
        }
        if (picture.size.isEmpty())
            return QImage();
        const qint64 bytes = qint64(picture.size.width()) * picture.size.height() * 4;
        // Pixels compiled into the program uncompressed are used where they lie,
        // read-only, without a copy.
        const QResource resource(picture.path);
        if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression &&
            resource.size() == bytes) {
            return QImage(resource.data(), picture.size.width(), picture.size.height(),
                          picture.size.width() * 4, QImage::Format_ARGB32_Premultiplied);
        }
        QFile file(picture.path);
        if (!file.open(QIODevice::ReadOnly) || file.size() != bytes)
            return QImage();
        QImage image(picture.size, QImage::Format_ARGB32_Premultiplied);
        const qint64 rowBytes = qint64(picture.size.width()) * 4;
        for (int y = 0; y < image.height(); ++y) {
            if (file.read(reinterpret_cast<char*>(image.scanLine(y)), rowBytes) != rowBytes)
                return QImage();
        }
        return image;
    }

    // The smallest picture at least as large as asked, else the largest.
    const SizedPicture* bestFor(const QSize& size) const
    {
        const SizedPicture* best = nullptr;
        for (const SizedPicture& p : m_pictures) {
            const bool covers = p.size.width() >= size.width() && p.size.height() >= size.height();
            if (!best) {
                best = &p;
                continue;
            }
            const bool bestCovers =
                best->size.width() >= size.width() && best->size.height() >= size.height();
            const qint64 area = qint64(p.size.width()) * p.size.height();
            const qint64 bestArea = qint64(best->size.width()) * best->size.height();
            if (covers && (!bestCovers || area < bestArea))
                best = &p;
            else if (!covers && !bestCovers && area > bestArea)
                best = &p;
        }
        return best;
    }

    QList<SizedPicture> m_pictures;
    std::shared_ptr<QHash<QString, QImage>> m_decoded;
};

} // namespace

QIcon sizedIcon(const QList<SizedPicture>& pictures)
{
    return QIcon(new SizedIconEngine(pictures));
}
