#pragma once
// What every painted element widget shares: its catalogue row, its state in the
// desk model, the desk's colours and type, and the 1-pixel bevels of the desk's
// panels and buttons.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include "desk/desk_model.h"
#include "desk/element_spec.h"
#include "desk/qt/desk_font.h"
#include "desk/qt/element_widgets.h"

class QPainter;

namespace zormia {

inline QColor toQColor(Rgb rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
// `rgb`, or `fallback` where the row gives no colour.
inline QColor toQColor(Rgb rgb, QColor fallback) {
    return rgb == kNoColour ? fallback : toQColor(rgb);
}

// The system colours of the desk's bevels.
inline const QColor kBevelHighlight{255, 255, 255};
inline const QColor kBevelShadow{128, 128, 128};
// The face of the desk's square buttons.
inline const QColor kButtonFace{192, 192, 192};

// The desk's type in the size and weight a row asks for.
inline QFont rowFont(const ElementAttrs& attrs) {
    return deskFont(attrs.fontPx, attrs.bold);
}

// Device pixels per logical pixel of what `p` paints on: the screen's density
// while a widget paints on screen (1.5 at 150 %), that of the image a widget is
// rendered into for a snapshot. Looks that a widget keeps are drawn at this
// ratio, never at 1 and then scaled up.
qreal paintRatio(const QPainter& p);

// A transparent pixmap covering `size` logical pixels at `ratio` device pixels
// per logical pixel; a painter on it draws in logical pixels.
QPixmap surfaceFor(QSize size, qreal ratio);

// A 1-pixel bevel just inside `r`: raised is light on the top and left edges and
// dark on the bottom and right, lowered the reverse.
void drawBevel(QPainter& p, const QRect& r, Bevel bevel);

// The base of every element widget: the widget's row and state, and the part of
// sync() that is the same for all of them.
class ElementWidget : public ElementView {
  public:
    ElementWidget(ElementId id, const DeskModel& model) : id_(id), model_(model) {}

    ElementId id() const { return id_; }
    const ElementSpec& row() const { return elementRow(id_); }
    const ElementState& state() const { return model_.state(id_); }

    // Shows or hides, enables or disables the widget, then repaints it when
    // takeLook() says its look changed and renames it where its accessible name
    // tells its state. A widget without a parent (the canvas before the window
    // takes it in) is shown by its owner, never here.
    void sync() override;

  protected:
    // Called once the derived widget is built: places it, names it, gives it its
    // hint and its start-up flags.
    void setUp(QWidget* self);
    // Copies from the state what the widget draws; true when that changed.
    virtual bool takeLook() { return false; }
    // Names the widget for assistive technology after what the element shows now.
    void updateAccessibleName();

  private:
    QWidget* self_ = nullptr;
    ElementId id_;
    const DeskModel& model_;
};

}  // namespace zormia
