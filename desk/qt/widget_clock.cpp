#include "desk/qt/widget_clock.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace zormia {
namespace {
const QColor kScale{255, 255, 255};
const QColor kHands{255, 255, 0};
const QColor kSecondHand{255, 0, 0};
const QColor kText{255, 255, 255};
constexpr int kTextPx = 11;
}  // namespace

ClockWidget::ClockWidget(ElementId id, const DeskModel& model, const DisplayClock& clock,
                         QWidget* parent)
    : QWidget(parent), ElementWidget(id, model), clock_(clock) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setUp(this);
}

QTime ClockWidget::shownTime() const {
    const QTime t = clock_.localTime ? clock_.localTime() : QTime::currentTime();
    return QTime(t.hour(), t.minute(), t.second());
}

void ClockWidget::resizeEvent(QResizeEvent*) {
    face_ = QPixmap();
}

void ClockWidget::renderFace(qreal ratio) {
    face_ = surfaceFor(size(), ratio);
    QPainter p(&face_);
    p.fillRect(rect(), toQColor(row().attrs.colour, toQColor(colour::navy)));
    drawBevel(p, rect(), Bevel::Lowered);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    const double radius = std::min(width(), height()) / 2.0 - 3;
    for (int i = 0; i < 60; ++i) {
        const bool hour = i % 5 == 0;
        p.setPen(QPen(kScale, hour ? 1.6 : 0.8));
        p.drawLine(QPointF(0, -radius), QPointF(0, -radius + (hour ? 4.5 : 2)));
        p.rotate(6.0);
    }
}

void ClockWidget::paintEvent(QPaintEvent*) {
    const QTime t = shownTime();
    QPainter p(this);
    const qreal ratio = paintRatio(p);
    if (face_.isNull() || face_.devicePixelRatio() != ratio) renderFace(ratio);
    p.drawPixmap(0, 0, face_);

    // The time as text in the lower half of the face, under the hands.
    p.setFont(deskFont(kTextPx, false));
    p.setPen(kText);
    const QRect textRect(0, height() * 58 / 100, width(), kTextPx + 4);
    p.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop, t.toString(QStringLiteral("HH:mm:ss")));

    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    const double radius = std::min(width(), height()) / 2.0 - 3;
    const auto hand = [&](double degrees, double length, double halfWidth, const QColor& colour) {
        p.save();
        p.rotate(degrees);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        const QPointF shape[] = {{-halfWidth, 2}, {0, -length}, {halfWidth, 2}, {0, 3.5}};
        p.drawConvexPolygon(shape, 4);
        p.restore();
    };
    hand(30.0 * (t.hour() % 12 + t.minute() / 60.0), radius * 0.55, 2.2, kHands);
    hand(6.0 * (t.minute() + t.second() / 60.0), radius * 0.85, 1.7, kHands);
    p.save();
    p.rotate(6.0 * t.second());
    p.setPen(QPen(kSecondHand, 1.0));
    p.drawLine(QPointF(0, 5), QPointF(0, -radius * 0.92));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(kHands);
    p.drawEllipse(QPointF(0, 0), 1.8, 1.8);
}

}  // namespace zormia
