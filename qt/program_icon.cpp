#include "program_icon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <utility>

namespace fuel::qt {

namespace {

// QIcon::addFile reads an image with its format left to detect, and Qt then loads every
// image-format plugin to ask whether it reads PNG; QIcon::addPixmap keeps one image per size, and
// two of the designed images are 32 × 32. So the images are read with the format fixed, which
// takes Qt's built-in PNG reader, and kept here as they are, the earlier preferred at one size.
class ImagesEngine final : public QIconEngine {
public:
    explicit ImagesEngine(QList<QPixmap> images)
        : m_images(std::move(images))
    {
    }

    QIconEngine *clone() const override { return new ImagesEngine(m_images); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const QPixmap &image : m_images)
            sizes.append(image.size());
        return sizes;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        QSize actual = bestFor(size).size();
        if (actual.width() > size.width() || actual.height() > size.height())
            actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const QPixmap &best = bestFor(size);
        const QSize actual = actualSize(size, mode, state);
        if (actual == best.size())
            return best;
        return best.scaled(actual, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

private:
    // The smallest image that fills the size, or else the largest; at one size, the earlier.
    const QPixmap &bestFor(const QSize &size) const
    {
        const auto fills = [&size](const QPixmap &image) {
            return image.width() >= size.width() && image.height() >= size.height();
        };
        const auto area = [](const QPixmap &image) { return image.width() * image.height(); };
        const QPixmap *best = &m_images.front();
        for (const QPixmap &image : m_images) {
            const bool better =
                fills(image) != fills(*best)
                    ? fills(image)
                    : (fills(image) ? area(image) < area(*best) : area(image) > area(*best));
            if (better)
                best = &image;
        }
        return *best;
    }

    QList<QPixmap> m_images;
};

} // namespace

QIcon programIcon()
{
    QList<QPixmap> images;
    for (const char *image : {"fuelcalc-32-16c", "fuelcalc-16-16c", "fuelcalc-32-2c"}) {
        QImageReader reader(QStringLiteral(":/icons/%1.png").arg(QLatin1String(image)), "png");
        reader.setAutoDetectImageFormat(false);
        images.append(QPixmap::fromImage(reader.read()));
    }
    return QIcon(new ImagesEngine(std::move(images)));
}

} // namespace fuel::qt
