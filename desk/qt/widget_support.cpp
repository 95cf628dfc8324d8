#include "desk/qt/widget_support.h"

#include <QPaintEngine>
#include <QPainter>
#include <cmath>

#include "desk/qt/accessibility.h"

namespace zormia {

void drawBevel(QPainter& p, const QRect& r, Bevel bevel) {
    if (bevel == Bevel::None || r.width() < 2 || r.height() < 2) return;
    const QColor& topLeft = bevel == Bevel::Raised ? kBevelHighlight : kBevelShadow;
    const QColor& bottomRight = bevel == Bevel::Raised ? kBevelShadow : kBevelHighlight;
    // One-pixel rectangles rather than lines: exact pixels whatever the pen.
    p.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
    p.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
    p.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    p.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

qreal paintRatio(const QPainter& p) {
    // The engine's device is the one painted on: the screen's backing store, or
    // the image of QWidget::render() (p.device() would name the widget itself).
    if (const QPaintEngine* engine = p.paintEngine(); engine && engine->paintDevice()) {
        return engine->paintDevice()->devicePixelRatioF();
    }
    return p.device() ? p.device()->devicePixelRatioF() : 1.0;
}

QPixmap surfaceFor(QSize size, qreal ratio) {
    QPixmap pixmap(static_cast<int>(std::ceil(size.width() * ratio - 1e-9)),
                   static_cast<int>(std::ceil(size.height() * ratio - 1e-9)));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void ElementWidget::setUp(QWidget* self) {
    self_ = self;
    const ElementSpec& r = row();
    self->setObjectName(QString::fromUtf8(r.name.data(), static_cast<qsizetype>(r.name.size())));
    self->setGeometry(r.x, r.y, r.width, r.height);
    if (!r.attrs.hint.empty()) {
        self->setToolTip(
            QString::fromUtf8(r.attrs.hint.data(), static_cast<qsizetype>(r.attrs.hint.size())));
    }
    takeLook();
    const ElementState& s = state();
    self->setEnabled(s.enabled);
    if (!self->isWindow()) self->setVisible(s.visible);
    updateAccessibleName();
}

void ElementWidget::updateAccessibleName() {
    // Setting a new name tells assistive technology that it changed.
    const QString name = accessibleName(id_, state());
    if (name != self_->accessibleName()) self_->setAccessibleName(name);
}

void ElementWidget::sync() {
    const ElementState& s = state();
    // Only the widget's own flags: a widget under a hidden parent is not visible,
    // yet it is not hidden itself and shows again with its parent. A window (the
    // canvas before the desk window takes it in) is its owner's to show.
    if (!self_->isWindow() && self_->isHidden() == s.visible) self_->setVisible(s.visible);
    if (self_->testAttribute(Qt::WA_Disabled) == s.enabled) self_->setEnabled(s.enabled);
    if (takeLook()) self_->update();
    updateAccessibleName();
}

}  // namespace zormia
