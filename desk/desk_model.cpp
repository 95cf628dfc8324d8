#include "desk/desk_model.h"

namespace zormia {

DeskModel::DeskModel() {
    const auto rows = catalogue();
    for (int i = 0; i < kElementCount; ++i) {
        const ElementSpec& row = rows[i];
        ElementState& s = states_[i];
        s.visible = !row.attrs.hidden;
        s.enabled = !row.attrs.disabled;
        s.caption = std::string(row.attrs.text);
        if (row.kind == ElementKind::Lamp || row.kind == ElementKind::BarLamp) {
            s.on = row.attrs.on;
            s.blink = row.attrs.blink;
            s.colour = row.attrs.colour;
            s.interval = row.attrs.interval;
            s.caption.clear();
        } else if (row.kind == ElementKind::Tile) {
            s.picture = pictureForKey(row.attrs.text).value_or(Picture::AW1S);
            s.startup = true;
            s.caption.clear();
        }
    }
}

void DeskModel::setVisible(ElementId id, bool visible) {
    ElementState& s = states_[index(id)];
    if (s.visible == visible) return;
    s.visible = visible;
    changed(id);
}

void DeskModel::setEnabled(ElementId id, bool enabled) {
    ElementState& s = states_[index(id)];
    if (s.enabled == enabled) return;
    s.enabled = enabled;
    changed(id);
}

void DeskModel::setLampOn(ElementId id, bool on) {
    ElementState& s = states_[index(id)];
    if (s.on == on) return;
    s.on = on;
    changed(id);
}

void DeskModel::setLampBlink(ElementId id, bool blink) {
    ElementState& s = states_[index(id)];
    if (s.blink == blink) return;
    s.blink = blink;
    changed(id);
}

void DeskModel::setLampColour(ElementId id, Rgb colour) {
    ElementState& s = states_[index(id)];
    if (s.colour == colour) return;
    s.colour = colour;
    changed(id);
}

void DeskModel::showPicture(ElementId id, Picture picture) {
    ElementState& s = states_[index(id)];
    if (s.picture == picture && !s.startup) return;
    s.picture = picture;
    s.startup = false;
    changed(id);
}

void DeskModel::setCaption(ElementId id, std::string_view caption) {
    ElementState& s = states_[index(id)];
    if (s.caption == caption) return;
    s.caption = std::string(caption);
    changed(id);
}

void DeskModel::setValue(ElementId id, std::int32_t value) {
    ElementState& s = states_[index(id)];
    if (s.value == value) return;
    s.value = value;
    changed(id);
}

void DeskModel::setDown(ElementId id, bool down) {
    ElementState& s = states_[index(id)];
    if (s.down == down) return;
    s.down = down;
    changed(id);
}

}  // namespace zormia
