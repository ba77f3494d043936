#pragma once

#include <QImage>
#include <QLabel>
#include <QString>

#include <functional>

class QBuffer;
class QMovie;

// Shows a GIF picture (animated ones play) or a JPEG picture at its natural size
// from the top-left corner; never resized to its picture. A file that cannot be
// opened or is no regular file throws "Cannot open file <path>"; a file beyond
// the picture limits (filereader::PictureBytes, MaxPictureSide) or no readable
// picture throws its own message, and the view keeps its previous picture.
// A JPEG picture comes from its decoded copy when it has one that fits (see
// DecodedPictureCache).
class PictureView : public QLabel
{
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    // Draws a still picture afresh for a screen of more than one device pixel per logical
    // pixel: from the picture's path, its size and the ratio, a picture of that size at
    // that ratio, or a null image to show the file as it is. At ratio 1 the file is shown.
    using SharpPicture = std::function<QImage(const QString& path, QSize size, qreal ratio)>;
    void setSharpPicture(SharpPicture sharpPicture) { m_sharpPicture = std::move(sharpPicture); }

    void load(const QString& path);
    void clearPicture();
    // The path of the picture shown, empty when none.
    QString fileName() const { return m_fileName; }
    bool hasPicture() const { return !m_fileName.isEmpty(); }

signals:
    void clickedPicture();
    // After every load that succeeded and every clearing.
    void pictureChanged();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showStill(const QImage& image, const QString& path);

    QMovie* m_movie = nullptr;
    QBuffer* m_movieData = nullptr;
    QString m_fileName;
    SharpPicture m_sharpPicture;
};
