#include "desk/qt/widget_buttons.h"

#include <QAccessible>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace zormia {
namespace {

const QColor kButtonDarkEdge{64, 64, 64};

// The Windows-style 2-pixel edge of a square button: raised while up, sunken
// while pressed.
void drawButtonEdge(QPainter& p, const QRect& r, bool pressed) {
    if (pressed) {
        drawBevel(p, r, Bevel::Lowered);
        drawBevel(p, r.adjusted(1, 1, -1, -1), Bevel::Lowered);
    } else {
        p.fillRect(r.left(), r.bottom(), r.width(), 1, kButtonDarkEdge);
        p.fillRect(r.right(), r.top(), 1, r.height(), kButtonDarkEdge);
        drawBevel(p, r.adjusted(0, 0, -1, -1), Bevel::Raised);
    }
}

QString captionOf(const ElementState& s) {
    return QString::fromStdString(s.caption);
}

}  // namespace

// ---- HemisphereButton ------------------------------------------------------------

HemisphereButton::HemisphereButton(ElementId id, const DeskModel& model, QWidget* parent)
    : QAbstractButton(parent), ElementWidget(id, model) {
    setFocusPolicy(Qt::NoFocus);
    setUp(this);
}

void HemisphereButton::resizeEvent(QResizeEvent*) {
    up_ = QPixmap();
    down_ = QPixmap();
}

QPixmap HemisphereButton::render(bool pressed, qreal ratio) const {
    const ElementAttrs& a = row().attrs;
    const QColor bright = toQColor(a.colour, Qt::white);
    const QColor dark = toQColor(a.colour2, Qt::black);
    QPixmap pixmap = surfaceFor(size(), ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    // The lowered bevel: shadow on the upper-left half, highlight on the lower right.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBevelShadow, 1.0));
    p.drawArc(outer, 45 * 16, 180 * 16);
    p.setPen(QPen(kBevelHighlight, 1.0));
    p.drawArc(outer, 225 * 16, 180 * 16);

    // The dome: its light comes from the upper left; pressed, the light spot
    // moves towards the middle and the whole dome sinks by a pixel.
    const QRectF dome =
        QRectF(rect()).adjusted(1, 1, -1, -1).translated(pressed ? 0.5 : 0, pressed ? 0.5 : 0);
    const double spot = pressed ? 0.45 : 0.32;
    const QPointF centre(dome.left() + dome.width() * spot, dome.top() + dome.height() * spot);
    QRadialGradient shade(centre, std::max(dome.width(), dome.height()) * (pressed ? 0.7 : 0.8));
    shade.setColorAt(0.0, bright);
    shade.setColorAt(1.0, dark);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(dome);
    return pixmap;
}

void HemisphereButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const qreal ratio = paintRatio(p);
    QPixmap& look = isDown() ? down_ : up_;
    if (look.isNull() || look.devicePixelRatio() != ratio) look = render(isDown(), ratio);
    p.drawPixmap(0, 0, look);
}

// ---- PointButton -----------------------------------------------------------------

PointButton::PointButton(ElementId id, const DeskModel& model, QWidget* parent)
    : QAbstractButton(parent), ElementWidget(id, model) {
    setFocusPolicy(Qt::NoFocus);
    setFont(rowFont(row().attrs));
    setUp(this);
}

bool PointButton::takeLook() {
    const QString caption = captionOf(state());
    if (caption == text()) return false;
    setText(caption);
    return true;
}

void PointButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool pressed = isDown();
    p.fillRect(rect(), kButtonFace);
    drawButtonEdge(p, rect(), pressed);
    p.setPen(Qt::black);
    p.drawText(rect().translated(pressed ? 1 : 0, pressed ? 1 : 0), Qt::AlignCenter, text());
}

// ---- ArrowButton -----------------------------------------------------------------

ArrowButton::ArrowButton(ElementId id, const DeskModel& model, QWidget* parent)
    : QAbstractButton(parent), ElementWidget(id, model) {
    setFocusPolicy(Qt::NoFocus);
    setUp(this);
}

void ArrowButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = width(), h = height();
    const double mid = h / 2;
    const double shaft = h / 5;  // half the shaft's height
    const double headStart = w * 0.45;
    // Pointing right; mirrored for an arrow pointing left.
    QPainterPath arrow;
    arrow.moveTo(1, mid - shaft);
    arrow.lineTo(headStart, mid - shaft);
    arrow.lineTo(headStart, 1);
    arrow.lineTo(w - 1, mid);
    arrow.lineTo(headStart, h - 1);
    arrow.lineTo(headStart, mid + shaft);
    arrow.lineTo(1, mid + shaft);
    arrow.closeSubpath();
    if (row().attrs.direction == Direction::Left) {
        p.translate(w, 0);
        p.scale(-1, 1);
    }
    if (isDown()) p.translate(1, 1);
    p.setPen(QPen(toQColor(row().attrs.colour, toQColor(colour::teal)).darker(200), 1.0));
    p.setBrush(toQColor(row().attrs.colour, toQColor(colour::teal)));
    p.drawPath(arrow);
}

// ---- ToggleButton ----------------------------------------------------------------

ToggleButton::ToggleButton(ElementId id, const DeskModel& model, QWidget* parent)
    : QAbstractButton(parent), ElementWidget(id, model) {
    setFocusPolicy(Qt::NoFocus);
    setFont(rowFont(row().attrs));
    setAttribute(Qt::WA_Hover);  // a flat button shows its edge under the pointer
    setUp(this);
}

bool ToggleButton::takeLook() {
    const ElementState& s = state();
    const QString caption = captionOf(s);
    if (caption == text() && s.down == shownDown_) return false;
    setText(caption);
    if (s.down != shownDown_) {
        shownDown_ = s.down;
        QAccessible::State checked;
        checked.checked = true;
        QAccessibleStateChangeEvent event(this, checked);
        QAccessible::updateAccessibility(&event);
    }
    return true;
}

void ToggleButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool sunk = shownDown_ || isDown();
    if (sunk) {
        p.fillRect(rect(), QColor(255, 255, 255, 110));
        drawBevel(p, rect(), Bevel::Lowered);
    } else if (underMouse()) {
        drawBevel(p, rect(), Bevel::Raised);
    }
    p.setPen(Qt::black);
    p.drawText(rect().translated(sunk ? 1 : 0, sunk ? 1 : 0), Qt::AlignCenter, text());
}

// ---- PushButton ------------------------------------------------------------------

PushButton::PushButton(ElementId id, const DeskModel& model, QWidget* parent)
    : QPushButton(parent), ElementWidget(id, model) {
    setFont(rowFont(row().attrs));
    setUp(this);
}

void PushButton::paintEvent(QPaintEvent*) {
    // The style's look of an enabled button, whether or not this one is.
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state |= QStyle::State_Enabled;
    option.palette.setCurrentColorGroup(isActiveWindow() ? QPalette::Active : QPalette::Inactive);
    p.drawControl(QStyle::CE_PushButton, option);
}

bool PushButton::takeLook() {
    const QString caption = captionOf(state());
    if (caption == text()) return false;
    setText(caption);
    return true;
}

}  // namespace zormia
