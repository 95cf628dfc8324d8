#pragma once
// What the desk window's widgets show must be what the core holds: each element
// shown or hidden, enabled or disabled as its state and its parents' say; each
// lamp in its colour, flashing phase included; each tile with its picture; each
// counter with its four digits; each button with its caption and down state.

#include <string>

namespace zormia {
class PulWindow;
}

namespace zormia::random_operator {

// What differs (empty when nothing does). `pixels`: also compare what the tiles
// and lamps paint, pixel by pixel (slower: done now and then).
std::string checkWidgets(PulWindow& window, bool pixels);

}  // namespace zormia::random_operator
