#include "desk/qt/widget_counter.h"

#include <QLinearGradient>
#include <QPainter>
#include <cstdlib>

namespace zormia {
namespace {
constexpr int kDigits = 4;
constexpr int kCellWidth = 14;
}  // namespace

QString counterText(std::int32_t value) {
    // In 64 bits, so that the absolute value of the smallest int32 exists.
    const std::int64_t shown = std::llabs(static_cast<long long>(value)) % 10000;
    return QStringLiteral("%1").arg(shown, kDigits, 10, QLatin1Char('0'));
}

CounterWidget::CounterWidget(ElementId id, const DeskModel& model, QWidget* parent)
    : QWidget(parent), ElementWidget(id, model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setUp(this);
}

bool CounterWidget::takeLook() {
    const std::int32_t value = state().value;
    if (value == value_) return false;
    value_ = value;
    text_ = counterText(value);
    return true;
}

void CounterWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Each digit on a drum: darker at the top and bottom where it turns away,
    // light across the middle, with a dark gap between drums.
    QLinearGradient drum(0, 0, 0, height());
    drum.setColorAt(0.0, QColor(150, 150, 150));
    drum.setColorAt(0.3, QColor(232, 232, 232));
    drum.setColorAt(0.7, QColor(232, 232, 232));
    drum.setColorAt(1.0, QColor(150, 150, 150));
    p.fillRect(rect(), QColor(64, 64, 64));
    p.setFont(deskFont(15, true));
    p.setPen(Qt::black);
    for (int i = 0; i < kDigits && i < text_.size(); ++i) {
        const QRect cell(i * kCellWidth + 1, 1, kCellWidth - 2, height() - 2);
        p.fillRect(cell, drum);
        p.drawText(cell, Qt::AlignCenter, text_.mid(i, 1));
    }
}

}  // namespace zormia
