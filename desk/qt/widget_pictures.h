#pragma once
// The desk's pictures: the 64 x 64 track tiles and the triangles of the block
// directions.

#include <QImage>
#include <QWidget>

#include "desk/qt/widget_support.h"

namespace zormia {

// A track tile: the picture it shows now, unscaled from its top left and cut to
// 64 x 64 (two stored pictures are 65 x 65).
class TileWidget : public QWidget, public ElementWidget {
    Q_OBJECT
  public:
    TileWidget(ElementId id, const DeskModel& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
    bool takeLook() override;

  private:
    Picture picture_ = Picture::AW1S;
    bool startup_ = true;
};

// The image of a tile picture, converted once per picture and shade.
const QImage& tileImage(Picture picture, bool startupShade);

// The 11 x 18 picture of a block direction: a grey isosceles triangle on lime, 9
// pixels deep and 17 high, its apex at the middle of the left or the right side.
const QImage& triangleImage(Direction direction);

class TriangleWidget : public QWidget, public ElementWidget {
    Q_OBJECT
  public:
    TriangleWidget(ElementId id, const DeskModel& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace zormia
