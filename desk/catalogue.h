#pragma once
// The desk's element catalogue: every element by name, in creation order (a
// parent always comes before its children, and among siblings a later element
// lies over an earlier one).

#include <optional>
#include <span>
#include <string_view>

#include "desk/element_spec.h"

namespace zormia {

enum class ElementId : int {
    Canvas,
#define E(name, ...) name,
#include "desk/catalogue.def"
#undef E
};

inline constexpr int kElementCount = 1
#define E(name, ...) +1
#include "desk/catalogue.def"
#undef E
    ;

std::span<const ElementSpec> catalogue();
inline const ElementSpec& elementRow(ElementId id) {
    return catalogue()[static_cast<int>(id)];
}
std::optional<ElementId> elementByName(std::string_view name);

}  // namespace zormia
