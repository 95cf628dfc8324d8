#include "desk/qt/widget_panels.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

namespace zormia {

CanvasWidget::CanvasWidget(ElementId id, const DeskModel& model, QWidget* parent)
    : QWidget(parent), ElementWidget(id, model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setUp(this);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), toQColor(row().attrs.colour, toQColor(colour::deskBack)));
}

PanelWidget::PanelWidget(ElementId id, const DeskModel& model, QWidget* parent)
    : QWidget(parent), ElementWidget(id, model) {
    if (row().attrs.colour != kNoColour) setAttribute(Qt::WA_OpaquePaintEvent);
    setUp(this);
}

void PanelWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const ElementAttrs& a = row().attrs;
    if (a.colour != kNoColour) p.fillRect(rect(), toQColor(a.colour));
    drawBevel(p, rect(), a.bevel);
}

GradPanelWidget::GradPanelWidget(ElementId id, const DeskModel& model, QWidget* parent)
    : QWidget(parent), ElementWidget(id, model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setUp(this);
}

void GradPanelWidget::resizeEvent(QResizeEvent*) {
    surface_ = QPixmap();
}

void GradPanelWidget::render(qreal ratio) {
    const ElementAttrs& a = row().attrs;
    const QColor start = toQColor(a.colour, Qt::white);
    const QColor end = toQColor(a.colour2, Qt::black);
    surface_ = surfaceFor(size(), ratio);
    QPainter p(&surface_);
    switch (a.shading) {
        case Shading::Down: {
            // From the start colour at the top to the end colour at the bottom.
            QLinearGradient g(0, 0, 0, height());
            g.setColorAt(0, start);
            g.setColorAt(1, end);
            p.fillRect(rect(), g);
            break;
        }
        case Shading::HorzOut: {
            // From the start colour down the middle out to the end colour at the
            // left and right edges.
            QLinearGradient g(0, 0, width(), 0);
            g.setColorAt(0, end);
            g.setColorAt(0.5, start);
            g.setColorAt(1, end);
            p.fillRect(rect(), g);
            break;
        }
        case Shading::None:
            p.fillRect(rect(), start);
            break;
    }
    drawBevel(p, rect(), a.bevel);
    const std::string& caption = state().caption;
    if (!caption.empty()) {
        p.setFont(rowFont(a));
        p.setPen(Qt::white);
        p.drawText(rect(), Qt::AlignCenter, QString::fromStdString(caption));
    }
}

void GradPanelWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const qreal ratio = paintRatio(p);
    if (surface_.isNull() || surface_.devicePixelRatio() != ratio) render(ratio);
    // Only the part to repaint; the source is in the surface's device pixels.
    const QRectF area(event->rect());
    p.drawPixmap(area, surface_, QRectF(area.topLeft() * ratio, area.size() * ratio));
}

ShapeWidget::ShapeWidget(ElementId id, const DeskModel& model, QWidget* parent)
    : QWidget(parent), ElementWidget(id, model) {
    setUp(this);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const ElementAttrs& a = row().attrs;
    if (a.colour != kNoColour) p.fillRect(rect(), toQColor(a.colour));
    if (a.colour2 != kNoColour) {
        const QColor outline = toQColor(a.colour2);
        p.fillRect(0, 0, width(), 1, outline);
        p.fillRect(0, height() - 1, width(), 1, outline);
        p.fillRect(0, 0, 1, height(), outline);
        p.fillRect(width() - 1, 0, 1, height(), outline);
    }
}

}  // namespace zormia
