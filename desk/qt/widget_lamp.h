#pragma once
// A signal lamp: a 16 x 16 circular lamp with a dark bezel, or a 22 x 14 bar lamp.
// A flashing lamp paints the phase of the desk's clock at the moment it paints;
// the desk window repaints it when the phase changes.

#include <QWidget>

#include "desk/qt/widget_support.h"

namespace zormia {

// Grey of a lamp that is off, and of a flashing lamp in its dark phase.
inline const QColor kLampOff{192, 192, 192};

class LampWidget : public QWidget, public ElementWidget {
    Q_OBJECT
  public:
    LampWidget(ElementId id, const DeskModel& model, const DisplayClock& clock, QWidget* parent);

    // The colour the lamp shows now.
    QColor shownColour() const;

  protected:
    void paintEvent(QPaintEvent*) override;
    bool takeLook() override;

  private:
    bool flashing() const { return on_ && blink_ && interval_ > 0; }

    DisplayClock clock_;  // a copy: the caller's may be a temporary
    bool bar_;
    bool on_ = false;
    bool blink_ = false;
    QColor colour_;
    int interval_ = 1000;
};

}  // namespace zormia
