#pragma once
// The desk's buttons. Each is a QAbstractButton that emits clicked() and never
// latches by itself: the desk's logic decides what a click changes. Disabled
// buttons look the same as enabled ones; they only ignore clicks.

#include <QAbstractButton>
#include <QPixmap>
#include <QPushButton>

#include "desk/qt/widget_support.h"

namespace zormia {

// A circular push button drawn as a shaded hemisphere, its bright colour at the
// upper left running into its dark colour at the lower right, inside a 1-pixel
// lowered bevel.
class HemisphereButton : public QAbstractButton, public ElementWidget {
    Q_OBJECT
  public:
    HemisphereButton(ElementId id, const DeskModel& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

  private:
    QPixmap render(bool pressed, qreal ratio) const;
    QPixmap up_, down_;  // the two looks, drawn on first use at the screen's density
};

// The square "+"/"-" button of a set of points.
class PointButton : public QAbstractButton, public ElementWidget {
    Q_OBJECT
  public:
    PointButton(ElementId id, const DeskModel& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
    bool takeLook() override;
};

// A small teal arrow pointing right or left.
class ArrowButton : public QAbstractButton, public ElementWidget {
    Q_OBJECT
  public:
    ArrowButton(ElementId id, const DeskModel& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
};

// A flat two-state button of the occupancy simulator. It shows the down state the
// desk keeps for it (state.down), not a state of its own: a click only emits
// clicked(), and the desk's logic flips the state.
class ToggleButton : public QAbstractButton, public ElementWidget {
    Q_OBJECT
  public:
    ToggleButton(ElementId id, const DeskModel& model, QWidget* parent);

    // Whether the button paints itself down.
    bool shownDown() const { return shownDown_; }

  protected:
    void paintEvent(QPaintEvent*) override;
    bool takeLook() override;

  private:
    bool shownDown_ = false;
};

// A plain push button with its caption.
class PushButton : public QPushButton, public ElementWidget {
    Q_OBJECT
  public:
    PushButton(ElementId id, const DeskModel& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
    bool takeLook() override;
};

}  // namespace zormia
