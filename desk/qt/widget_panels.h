#pragma once
// The desk's flat surfaces: its background, the cells and other plain panels, the
// gradient panels and the plain rectangles.

#include <QWidget>

#include "desk/qt/widget_support.h"

namespace zormia {

// The desk's client area in its background colour.
class CanvasWidget : public QWidget, public ElementWidget {
    Q_OBJECT
  public:
    CanvasWidget(ElementId id, const DeskModel& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
};

// A cell or any other plain panel: its colour (none shows its parent through) and
// its bevel. Panels carry no caption.
class PanelWidget : public QWidget, public ElementWidget {
    Q_OBJECT
  public:
    PanelWidget(ElementId id, const DeskModel& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
};

// A panel shaded from its start colour to its end colour, with its caption centred
// in bold white type.
class GradPanelWidget : public QWidget, public ElementWidget {
    Q_OBJECT
  public:
    GradPanelWidget(ElementId id, const DeskModel& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

  private:
    void render(qreal ratio);
    QPixmap surface_;  // the shading, edge and caption at the screen's density
};

// A filled rectangle with a 1-pixel outline.
class ShapeWidget : public QWidget, public ElementWidget {
    Q_OBJECT
  public:
    ShapeWidget(ElementId id, const DeskModel& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace zormia
