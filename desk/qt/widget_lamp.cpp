#include "desk/qt/widget_lamp.h"

#include <QPainter>

namespace zormia {
namespace {
const QColor kBezel{48, 48, 48};
const QColor kGlint{255, 255, 255, 150};
}  // namespace

LampWidget::LampWidget(ElementId id, const DeskModel& model, const DisplayClock& clock,
                       QWidget* parent)
    : QWidget(parent),
      ElementWidget(id, model),
      clock_(clock),
      bar_(row().kind == ElementKind::BarLamp) {
    setUp(this);
}

bool LampWidget::takeLook() {
    const ElementState& s = state();
    const QColor colour = toQColor(s.colour, kLampOff);
    const bool changed =
        s.on != on_ || s.blink != blink_ || colour != colour_ || s.interval != interval_;
    on_ = s.on;
    blink_ = s.blink;
    colour_ = colour;
    interval_ = s.interval;
    return changed;
}

QColor LampWidget::shownColour() const {
    if (!on_) return kLampOff;
    if (flashing() && clock_.elapsedMs && !flashPhaseLit(clock_.elapsedMs(), interval_)) {
        return kLampOff;
    }
    return colour_;
}

void LampWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = shownColour();
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(kBezel, 2.0));
    p.setBrush(colour);
    if (bar_) {
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        // A glint along the top edge, clear of the middle.
        p.setPen(Qt::NoPen);
        p.setBrush(kGlint);
        p.drawRect(QRectF(3, 2.5, width() - 6, 1.5));
    } else {
        p.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
        // A glint at the upper left, clear of the middle.
        p.setPen(Qt::NoPen);
        p.setBrush(kGlint);
        p.drawEllipse(QRectF(width() * 0.25, height() * 0.22, width() * 0.2, height() * 0.16));
    }
}

}  // namespace zormia
