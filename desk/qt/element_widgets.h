#pragma once
// The widgets that draw the desk's elements. Each draws one element from its
// catalogue row (place, size, start-up look) and its run-time state in the
// DeskModel; the desk window calls sync() after every change of that state.

#include <QWidget>
#include <cstdint>
#include <functional>

#include "desk/desk_model.h"

class QTime;

namespace zormia {

// What the painted elements need to know about time: the desk's clock (for the
// flashing phase of lamps) and the local time of day (for the analogue clock).
struct DisplayClock {
    std::function<std::int64_t()> elapsedMs;
    std::function<QTime()> localTime;
};

class ElementView {
public:
    virtual ~ElementView() = default;
    // Brings the widget in line with the element's state: shown or hidden,
    // enabled or disabled, and repainted where its look changed.
    virtual void sync() = 0;
};

// A lamp that flashes changes between its on colour and grey every interval on
// the desk's clock: lit during the even intervals, grey during the odd ones.
bool flashPhaseLit(std::int64_t elapsedMs, int intervalMs);

// Creates the widget of one element as a child of `parent` (the widget of the
// element's parent) at the element's place, with the element's name as its
// object name. Buttons of every kind are QAbstractButtons and emit clicked().
QWidget* createElementWidget(ElementId id, const DeskModel& model, const DisplayClock& clock,
                             QWidget* parent);

}  // namespace zormia
