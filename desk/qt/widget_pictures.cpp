#include "desk/qt/widget_pictures.h"

#include <QHash>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace zormia {
namespace {
constexpr int kTileSize = 64;

// Cache keys for looks drawn at a screen's density: the ratio to a thousandth.
quint64 ratioKey(qreal ratio) {
    return static_cast<quint64>(std::llround(ratio * 1000.0));
}

QImage toQImage(const RgbImage& rgb) {
    if (rgb.width <= 0 || rgb.height <= 0 ||
        rgb.pixels.size() < static_cast<std::size_t>(rgb.width) * rgb.height * 3) {
        QImage image(kTileSize, kTileSize, QImage::Format_RGB32);
        image.fill(Qt::black);
        return image;
    }
    // Wraps the tile set's rows without copying, then converts once into the
    // format that draws fastest.
    const QImage wrapped(rgb.pixels.data(), rgb.width, rgb.height, rgb.width * 3,
                         QImage::Format_RGB888);
    return wrapped.convertToFormat(QImage::Format_RGB32);
}

// The triangle of a block direction at `scale` image pixels per picture pixel.
// In picture units (u across, v down, pixel (x, y) centred on (x + 0.5, y + 0.5))
// the triangle pointing left has its apex at (1, 8.5) and its base along u = 10,
// its sides at 45 degrees; each image pixel is grey where its centre lies inside.
// At scale 1 that is column k from the apex 2k + 1 pixels high.
QImage drawTriangle(Direction direction, qreal scale) {
    constexpr int kWidth = 11, kHeight = 18;
    const int width = std::max(1, static_cast<int>(std::ceil(kWidth * scale - 1e-9)));
    const int height = std::max(1, static_cast<int>(std::ceil(kHeight * scale - 1e-9)));
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0, 255, 0));
    for (int py = 0; py < height; ++py) {
        const double v = (py + 0.5) / scale;
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < width; ++px) {
            double u = (px + 0.5) / scale;
            if (direction == Direction::Right) u = kWidth - u;
            if (u >= 1 && u < 10 && std::abs(v - 8.5) <= u - 1) row[px] = 0xFF808080u;
        }
    }
    image.setDevicePixelRatio(scale);
    return image;
}

}  // namespace

const QImage& tileImage(Picture picture, bool startupShade) {
    // Built on first use from the tile set's pixels; the tile set never changes
    // them, so one image per picture and shade serves every tile for the run.
    static std::array<QImage, 2 * kPictureCount> cache;
    QImage& image = cache[static_cast<int>(picture) * 2 + (startupShade ? 1 : 0)];
    if (image.isNull()) image = toQImage(pictureImage(picture, startupShade));
    return image;
}

QImage tileImage(Picture picture, bool startupShade, qreal ratio) {
    if (ratio == 1.0) return tileImage(picture, startupShade);
    // Drawn from the tile set's shapes once per picture, shade and density.
    static QHash<quint64, QImage> cache;
    const quint64 key =
        (ratioKey(ratio) << 8) | (static_cast<quint64>(picture) << 1) | (startupShade ? 1u : 0u);
    auto it = cache.find(key);
    if (it == cache.end()) {
        QImage image = toQImage(renderPicture(picture, startupShade, ratio));
        image.setDevicePixelRatio(ratio);
        it = cache.insert(key, image);
    }
    return it.value();
}

TileWidget::TileWidget(ElementId id, const DeskModel& model, QWidget* parent)
    : QWidget(parent), ElementWidget(id, model) {
    setUp(this);
}

bool TileWidget::takeLook() {
    const ElementState& s = state();
    const bool changed = s.picture != picture_ || s.startup != startup_;
    picture_ = s.picture;
    startup_ = s.startup;
    return changed;
}

void TileWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const qreal ratio = paintRatio(p);
    if (ratio != 1.0) {
        // The picture drawn at the screen's density, 64 x 64 logical pixels.
        p.drawImage(QPointF(0, 0), tileImage(picture_, startup_, ratio));
        return;
    }
    const QImage& image = tileImage(picture_, startup_);
    const QRect source(0, 0, std::min({kTileSize, width(), image.width()}),
                       std::min({kTileSize, height(), image.height()}));
    p.drawImage(QPoint(0, 0), image, source);
}

const QImage& triangleImage(Direction direction) {
    static const QImage left = drawTriangle(Direction::Left, 1.0);
    static const QImage right = drawTriangle(Direction::Right, 1.0);
    return direction == Direction::Left ? left : right;
}

QImage triangleImage(Direction direction, qreal ratio) {
    if (ratio == 1.0) return triangleImage(direction);
    static QHash<quint64, QImage> cache;
    const quint64 key = (ratioKey(ratio) << 1) | (direction == Direction::Left ? 1u : 0u);
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.insert(key, drawTriangle(direction, ratio));
    return it.value();
}

TriangleWidget::TriangleWidget(ElementId id, const DeskModel& model, QWidget* parent)
    : QWidget(parent), ElementWidget(id, model) {
    setUp(this);
}

void TriangleWidget::paintEvent(QPaintEvent*) {
    // Unscaled at the top left; the rest of the element shows its parent.
    QPainter p(this);
    p.drawImage(QPointF(0, 0), triangleImage(row().attrs.direction, paintRatio(p)));
}

}  // namespace zormia
