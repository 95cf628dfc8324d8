#pragma once
// The desk's pictures: the 64 x 64 track tiles and the triangles of the block
// directions.

#include <QImage>
#include <QWidget>

#include "desk/qt/widget_support.h"

namespace zormia {

// A track tile: the picture it shows now, unscaled from its top left and cut to
// 64 x 64 (two stored pictures are 65 x 65). On a denser screen the picture is
// drawn from its shapes at the screen's density.
class TileWidget : public QWidget, public ElementWidget {
    Q_OBJECT
  public:
    TileWidget(ElementId id, const DeskModel& model, QWidget* parent);

    // The picture the tile paints now, and whether in the start-up shade.
    Picture picture() const { return picture_; }
    bool startupShade() const { return startup_; }

  protected:
    void paintEvent(QPaintEvent*) override;
    bool takeLook() override;

  private:
    Picture picture_ = Picture::AW1S;
    bool startup_ = true;
};

// The image of a tile picture, converted once per picture and shade.
const QImage& tileImage(Picture picture, bool startupShade);
// The picture's 64 x 64 face drawn from its shapes at `ratio` device pixels per
// logical pixel (the image carries that ratio), held once per picture, shade
// and ratio. At ratio 1 it is the image above.
QImage tileImage(Picture picture, bool startupShade, qreal ratio);

// The 11 x 18 picture of a block direction: a grey isosceles triangle on lime, 9
// pixels deep and 17 high, its apex at the middle of the left or the right side.
const QImage& triangleImage(Direction direction);
// The same triangle drawn as a polygon at `ratio` device pixels per logical
// pixel, held once per ratio.
QImage triangleImage(Direction direction, qreal ratio);

class TriangleWidget : public QWidget, public ElementWidget {
    Q_OBJECT
  public:
    TriangleWidget(ElementId id, const DeskModel& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace zormia
