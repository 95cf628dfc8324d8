#pragma once
// What screen readers and desktop automation learn about the desk's elements: a
// Polish name that says what an element is and, where it has one, what it shows
// now ("Lampa zielona semafora A w terenie, zapalona", "Odcinek ITA, wolny",
// "Licznik SzA: 0003"), and a role by its kind (a lamp is an indicator, a tile a
// graphic, a counter static text). The element widgets keep their accessible
// names up to date on every sync().

#include <QAccessible>
#include <QString>

#include "desk/desk_model.h"

namespace zormia {

// The element's accessible name for its state.
QString accessibleName(ElementId id, const ElementState& state);

// What the element shows now, alone: "zapalona", "miga", "wolny", "0003",
// "wciśnięty", "plus"; empty where the element has no state of its own to show.
QString accessibleValue(ElementId id, const ElementState& state);

QAccessible::Role accessibleRole(ElementId id);

// Installs, once, the factory that gives every element widget its role, its
// states (a simulator button is checkable and checked while down, a pressed
// button pressed, a flashing lamp animated) and a press action for its buttons.
void installElementAccessibility();

}  // namespace zormia
