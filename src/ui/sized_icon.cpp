#include "ui/sized_icon.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

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
        QImageReader reader(best->path, "png");
        reader.setAutoDetectImageFormat(false);
        QImage image = reader.read();
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
};

} // namespace

QIcon sizedIcon(const QList<SizedPicture>& pictures)
{
    return QIcon(new SizedIconEngine(pictures));
}
