#include "desk/qt/widget_pictures.h"

#include <QPainter>
#include <array>

namespace zormia {
namespace {
constexpr int kTileSize = 64;
}  // namespace

const QImage& tileImage(Picture picture, bool startupShade) {
    // Built on first use from the tile set's pixels; the tile set never changes
    // them, so one image per picture and shade serves every tile for the run.
    static std::array<QImage, 2 * kPictureCount> cache;
    QImage& image = cache[static_cast<int>(picture) * 2 + (startupShade ? 1 : 0)];
    if (image.isNull()) {
        const RgbImage& rgb = pictureImage(picture, startupShade);
        if (rgb.width > 0 && rgb.height > 0 &&
            rgb.pixels.size() >= static_cast<std::size_t>(rgb.width) * rgb.height * 3) {
            // Wraps the tile set's rows without copying, then converts once into
            // the format that draws fastest.
            const QImage wrapped(rgb.pixels.data(), rgb.width, rgb.height, rgb.width * 3,
                                 QImage::Format_RGB888);
            image = wrapped.convertToFormat(QImage::Format_RGB32);
        } else {
            image = QImage(kTileSize, kTileSize, QImage::Format_RGB32);
            image.fill(Qt::black);
        }
    }
    return image;
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
    const QImage& image = tileImage(picture_, startup_);
    const QRect source(0, 0, std::min({kTileSize, width(), image.width()}),
                       std::min({kTileSize, height(), image.height()}));
    p.drawImage(QPoint(0, 0), image, source);
}

const QImage& triangleImage(Direction direction) {
    static const auto build = [](Direction d) {
        constexpr int kWidth = 11, kHeight = 18, kDepth = 9, kMiddle = 8;
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        image.fill(QColor(0, 255, 0));
        // Column k from the apex is 2k + 1 pixels high, centred on row 8: one
        // pixel at the apex, 17 at the base, 9 columns deep, a pixel clear of the
        // picture's sides.
        for (int k = 0; k < kDepth; ++k) {
            const int x = d == Direction::Left ? 1 + k : kWidth - 2 - k;
            for (int y = kMiddle - k; y <= kMiddle + k; ++y) image.setPixel(x, y, 0xFF808080u);
        }
        return image;
    };
    static const QImage left = build(Direction::Left);
    static const QImage right = build(Direction::Right);
    return direction == Direction::Left ? left : right;
}

TriangleWidget::TriangleWidget(ElementId id, const DeskModel& model, QWidget* parent)
    : QWidget(parent), ElementWidget(id, model) {
    setUp(this);
}

void TriangleWidget::paintEvent(QPaintEvent*) {
    // Unscaled at the top left; the rest of the element shows its parent.
    QPainter p(this);
    p.drawImage(QPoint(0, 0), triangleImage(row().attrs.direction));
}

}  // namespace zormia
