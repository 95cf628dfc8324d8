#pragma once
// The run-time state of every desk element (what a lamp, a tile, a button shows
// now), kept apart from any toolkit. The window that draws the desk listens for
// changes and repaints only the element that changed.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "desk/catalogue.h"
#include "desk/tile_set.h"

namespace zormia {

struct ElementState {
    bool visible = true;  // the element's own setting, whatever its parents'
    bool enabled = true;
    // lamps
    bool on = false;
    bool blink = false;
    Rgb colour = kNoColour;
    int interval = 1000;
    // tiles
    Picture picture = Picture::AW1S;
    bool startup = true;  // still the start-up picture in the lighter shade
    // buttons and labels
    std::string caption;
    // counters
    std::int32_t value = 0;
    // two-state buttons
    bool down = false;
};

class DeskModel {
  public:
    DeskModel();  // every element in its start-up state

    const ElementState& state(ElementId id) const { return states_[index(id)]; }

    void setVisible(ElementId id, bool visible);
    void setEnabled(ElementId id, bool enabled);
    void setLampOn(ElementId id, bool on);
    void setLampBlink(ElementId id, bool blink);
    void setLampColour(ElementId id, Rgb colour);
    void showPicture(ElementId id, Picture picture);
    void setCaption(ElementId id, std::string_view caption);
    void setValue(ElementId id, std::int32_t value);
    void setDown(ElementId id, bool down);

    // Called with the element after each change of its state.
    void setListener(std::function<void(ElementId)> listener) { listener_ = std::move(listener); }

  private:
    static int index(ElementId id) { return static_cast<int>(id); }
    void changed(ElementId id) {
        if (listener_) listener_(id);
    }

    std::array<ElementState, kElementCount> states_;
    std::function<void(ElementId)> listener_;
};

// Handles by which the desk's logic reaches its elements: `ALed4.on()`,
// `Panel55.hide()`, `z1ab.setCaption("-")`.
class ElementRef {
  public:
    ElementRef(DeskModel& model, ElementId id) : model_(&model), id_(id) {}
    ElementId id() const { return id_; }
    bool visible() const { return model_->state(id_).visible; }
    bool enabled() const { return model_->state(id_).enabled; }
    void show() { model_->setVisible(id_, true); }
    void hide() { model_->setVisible(id_, false); }
    void setVisible(bool visible) { model_->setVisible(id_, visible); }
    void enable() { model_->setEnabled(id_, true); }
    void disable() { model_->setEnabled(id_, false); }
    void setEnabled(bool enabled) { model_->setEnabled(id_, enabled); }
    const std::string& caption() const { return model_->state(id_).caption; }
    void setCaption(std::string_view caption) { model_->setCaption(id_, caption); }

  protected:
    DeskModel* model_;
    ElementId id_;
};

class LampRef : public ElementRef {
  public:
    using ElementRef::ElementRef;
    bool on() const { return model_->state(id_).on; }
    void setOn(bool on) { model_->setLampOn(id_, on); }
    bool blink() const { return model_->state(id_).blink; }
    void setBlink(bool blink) { model_->setLampBlink(id_, blink); }
    Rgb colour() const { return model_->state(id_).colour; }
    void setColour(Rgb colour) { model_->setLampColour(id_, colour); }
};

class TileRef : public ElementRef {
  public:
    using ElementRef::ElementRef;
    Picture picture() const { return model_->state(id_).picture; }
    bool startup() const { return model_->state(id_).startup; }
    void showPicture(Picture picture) { model_->showPicture(id_, picture); }
};

class CounterRef : public ElementRef {
  public:
    using ElementRef::ElementRef;
    std::int32_t value() const { return model_->state(id_).value; }
    void setValue(std::int32_t value) { model_->setValue(id_, value); }
};

class ToggleRef : public ElementRef {
  public:
    using ElementRef::ElementRef;
    bool down() const { return model_->state(id_).down; }
    void setDown(bool down) { model_->setDown(id_, down); }
};

template <ElementKind K>
struct HandleFor {
    using type = ElementRef;
};
template <>
struct HandleFor<ElementKind::Lamp> {
    using type = LampRef;
};
template <>
struct HandleFor<ElementKind::BarLamp> {
    using type = LampRef;
};
template <>
struct HandleFor<ElementKind::Tile> {
    using type = TileRef;
};
template <>
struct HandleFor<ElementKind::Counter> {
    using type = CounterRef;
};
template <>
struct HandleFor<ElementKind::ToggleButton> {
    using type = ToggleRef;
};

// Every element of the catalogue as a named member.
class DeskElements {
  public:
    explicit DeskElements(DeskModel& model) : model_(model) {}
    DeskModel& model() { return model_; }
    const DeskModel& model() const { return model_; }

  private:
    DeskModel& model_;

  public:
#define E(name, kind, ...) HandleFor<ElementKind::kind>::type name{model_, ElementId::name};
#include "desk/catalogue.def"
#undef E
};

}  // namespace zormia
