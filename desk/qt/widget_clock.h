#pragma once
// The desk's analogue clock of the local time: a navy face with white scale marks,
// yellow hands, a red second hand and the time as text, in a lowered border. It
// paints the time of the moment it paints; the desk window repaints it every
// second.

#include <QPixmap>
#include <QTime>
#include <QWidget>

#include "desk/qt/widget_support.h"

namespace zormia {

class ClockWidget : public QWidget, public ElementWidget {
    Q_OBJECT
  public:
    ClockWidget(ElementId id, const DeskModel& model, const DisplayClock& clock, QWidget* parent);

    // The local time the clock shows (to the second).
    QTime shownTime() const;

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

  private:
    void renderFace(qreal ratio);

    DisplayClock clock_;  // a copy: the caller's may be a temporary
    QPixmap face_;        // border, face and scale at the screen's density
};

}  // namespace zormia
