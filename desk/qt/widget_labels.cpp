#include "desk/qt/widget_labels.h"

#include <QFontMetrics>
#include <QPainter>

namespace zormia {
namespace {

constexpr int kMostCondensed = 80;  // per cent of the type's normal width

// Flags for a label's text: wrapped and centred where the row asks, else one
// line from the top left.
int textFlags(const ElementAttrs& a) {
    return a.centred ? Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap
                     : Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace

LabelWidget::LabelWidget(ElementId id, const DeskModel& model, QWidget* parent, QSize margin)
    : QWidget(parent), ElementWidget(id, model), margin_(margin) {
    setFont(rowFont(row().attrs));
    setUp(this);
}

bool LabelWidget::takeLook() {
    const QString text = QString::fromStdString(state().caption);
    if (text == text_) return false;
    text_ = text;
    const ElementSpec& r = row();
    if (r.width == 0 || r.height == 0) {
        // The desk's own type is narrower than its stand-in: a text that would run
        // out of its panel on the right is set a little condensed instead.
        QFont type = rowFont(r.attrs);
        int width = QFontMetrics(type).horizontalAdvance(text_) + margin_.width();
        const int room = parentWidget() ? parentWidget()->width() - r.x : width;
        if (r.width == 0 && width > room && room > 0) {
            type.setStretch(std::max(kMostCondensed, room * 100 / width));
            width = QFontMetrics(type).horizontalAdvance(text_) + margin_.width();
        }
        setFont(type);
        resize(r.width != 0 ? r.width : width,
               r.height != 0 ? r.height : QFontMetrics(type).height() + margin_.height());
    }
    return true;
}

void LabelWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const ElementAttrs& a = row().attrs;
    if (a.colour2 != kNoColour) p.fillRect(rect(), toQColor(a.colour2));
    p.setPen(toQColor(a.colour, Qt::black));
    p.drawText(rect(), textFlags(a), text_);
}

Label3DWidget::Label3DWidget(ElementId id, const DeskModel& model, QWidget* parent)
    : LabelWidget(id, model, parent, QSize(1, 1)) {}

void Label3DWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const ElementAttrs& a = row().attrs;
    if (a.colour2 != kNoColour) p.fillRect(rect(), toQColor(a.colour2));
    const int flags = textFlags(a);
    const QRect textRect = rect().adjusted(1, 1, 0, 0);
    p.setPen(kBevelHighlight);
    p.drawText(textRect.translated(-1, -1), flags, text_);
    p.setPen(toQColor(a.colour, Qt::black));
    p.drawText(textRect, flags, text_);
}

SealBarWidget::SealBarWidget(ElementId id, const DeskModel& model, QWidget* parent)
    : QWidget(parent), ElementWidget(id, model) {
    setFont(rowFont(row().attrs));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setUp(this);
}

void SealBarWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const ElementAttrs& a = row().attrs;
    p.fillRect(rect(), toQColor(a.colour2, Qt::black));
    p.setPen(toQColor(a.colour, Qt::black));
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(state().caption));
}

BoxLabelWidget::BoxLabelWidget(ElementId id, const DeskModel& model, QWidget* parent)
    : QWidget(parent), ElementWidget(id, model) {
    setFont(rowFont(row().attrs));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setUp(this);
}

bool BoxLabelWidget::takeLook() {
    const QString text = QString::fromStdString(state().caption);
    if (text == text_) return false;
    text_ = text;
    return true;
}

void BoxLabelWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.fillRect(rect().adjusted(2, 2, -2, -2), Qt::white);
    p.setPen(Qt::black);
    p.drawText(rect(), Qt::AlignCenter, text_);
}

}  // namespace zormia
