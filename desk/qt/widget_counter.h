#pragma once
// A four-digit use counter: black digits on light grey drum-like cells.

#include <QString>
#include <QWidget>
#include <cstdint>

#include "desk/qt/widget_support.h"

namespace zormia {

// The four digits a counter shows for `value`, with leading zeros: 7 shows
// "0007". The display has four digits and no sign, so a value above 9999 shows its
// last four digits (12345 shows "2345") and a negative value those of its
// absolute value (-42 shows "0042").
QString counterText(std::int32_t value);

class CounterWidget : public QWidget, public ElementWidget {
    Q_OBJECT
  public:
    CounterWidget(ElementId id, const DeskModel& model, QWidget* parent);

    const QString& text() const { return text_; }

  protected:
    void paintEvent(QPaintEvent*) override;
    bool takeLook() override;

  private:
    std::int32_t value_ = 0;
    QString text_ = QStringLiteral("0000");
};

}  // namespace zormia
