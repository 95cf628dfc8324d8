#include "desk/qt/element_widgets.h"

#include "desk/qt/accessibility.h"
#include "desk/qt/widget_buttons.h"
#include "desk/qt/widget_clock.h"
#include "desk/qt/widget_counter.h"
#include "desk/qt/widget_labels.h"
#include "desk/qt/widget_lamp.h"
#include "desk/qt/widget_panels.h"
#include "desk/qt/widget_pictures.h"

namespace zormia {

bool flashPhaseLit(std::int64_t elapsedMs, int intervalMs) {
    if (intervalMs <= 0) return true;
    // A flashing lamp changes its look every interval: lit for one interval, grey
    // for the next, lit again from the desk clock's start.
    const std::int64_t period = 2 * static_cast<std::int64_t>(intervalMs);
    std::int64_t phase = elapsedMs % period;
    if (phase < 0) phase += period;
    return phase < intervalMs;
}

QWidget* createElementWidget(ElementId id, const DeskModel& model, const DisplayClock& clock,
                             QWidget* parent) {
    installElementAccessibility();
    switch (elementRow(id).kind) {
        case ElementKind::Canvas:
            return new CanvasWidget(id, model, parent);
        case ElementKind::Panel:
            return new PanelWidget(id, model, parent);
        case ElementKind::GradPanel:
            return new GradPanelWidget(id, model, parent);
        case ElementKind::Tile:
            return new TileWidget(id, model, parent);
        case ElementKind::Lamp:
        case ElementKind::BarLamp:
            return new LampWidget(id, model, clock, parent);
        case ElementKind::Button:
            return new HemisphereButton(id, model, parent);
        case ElementKind::PointButton:
            return new PointButton(id, model, parent);
        case ElementKind::Counter:
            return new CounterWidget(id, model, parent);
        case ElementKind::Label:
            return new LabelWidget(id, model, parent);
        case ElementKind::Label3D:
            return new Label3DWidget(id, model, parent);
        case ElementKind::SealBar:
            return new SealBarWidget(id, model, parent);
        case ElementKind::ArrowButton:
            return new ArrowButton(id, model, parent);
        case ElementKind::BoxLabel:
            return new BoxLabelWidget(id, model, parent);
        case ElementKind::Triangle:
            return new TriangleWidget(id, model, parent);
        case ElementKind::Shape:
            return new ShapeWidget(id, model, parent);
        case ElementKind::Clock:
            return new ClockWidget(id, model, clock, parent);
        case ElementKind::ToggleButton:
            return new ToggleButton(id, model, parent);
        case ElementKind::PushButton:
            return new PushButton(id, model, parent);
    }
    return nullptr;
}

}  // namespace zormia
