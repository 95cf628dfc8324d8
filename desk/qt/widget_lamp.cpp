#include "desk/qt/widget_lamp.h"

#include <QPainter>
#include <QPixmap>
#include <vector>

namespace zormia {
namespace {
const QColor kBezel{48, 48, 48};
const QColor kGlint{255, 255, 255, 150};

// A lamp's look in one colour: bezel, face and glint on a transparent ground.
QPixmap drawLook(bool bar, QSize size, const QColor& colour, qreal ratio) {
    QPixmap pixmap = surfaceFor(size, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(kBezel, 2.0));
    p.setBrush(colour);
    if (bar) {
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        // A glint along the top edge, clear of the middle.
        p.setPen(Qt::NoPen);
        p.setBrush(kGlint);
        p.drawRect(QRectF(3, 2.5, size.width() - 6, 1.5));
    } else {
        p.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
        // A glint at the upper left, clear of the middle.
        p.setPen(Qt::NoPen);
        p.setBrush(kGlint);
        p.drawEllipse(QRectF(size.width() * 0.25, size.height() * 0.22, size.width() * 0.2,
                             size.height() * 0.16));
    }
    return pixmap;
}

// The desk has a handful of lamp looks (two shapes, six colours and grey) for
// some hundred lamps: each look is drawn once, the first time a lamp shows it
// at a density, and every lamp showing it paints the same picture.
const QPixmap& lampLook(bool bar, QSize size, const QColor& colour, qreal ratio) {
    struct Look {
        bool bar;
        QSize size;
        QRgb colour;
        qreal ratio;
        QPixmap pixmap;
    };
    static std::vector<Look> looks;
    const QRgb rgb = colour.rgba();
    for (const Look& look : looks) {
        if (look.bar == bar && look.size == size && look.colour == rgb && look.ratio == ratio) {
            return look.pixmap;
        }
    }
    looks.push_back(Look{bar, size, rgb, ratio, drawLook(bar, size, colour, ratio)});
    return looks.back().pixmap;
}

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
    p.drawPixmap(0, 0, lampLook(bar_, size(), shownColour(), paintRatio(p)));
}

}  // namespace zormia
