#include "desk/catalogue.h"

#include <algorithm>
#include <array>

namespace zormia {
namespace {

using namespace colour;
using enum ElementKind;
constexpr Bevel Raised = Bevel::Raised;
constexpr Direction Right = Direction::Right, Left = Direction::Left;
constexpr Shading Down = Shading::Down, HorzOut = Shading::HorzOut;

// The desk's client area: elements lie from x = 5 to 781 and y = 1 to 528.
constexpr int kCanvasWidth = 787;
constexpr int kCanvasHeight = 531;

const ElementSpec kCatalogue[] = {
    {"Canvas", Canvas, 0, 0, 0, kCanvasWidth, kCanvasHeight, {.colour = deskBack}},
#define E(name, kind, parent, x, y, w, h, ...) \
    {#name, kind, static_cast<int>(ElementId::parent), x, y, w, h, ElementAttrs{__VA_ARGS__}},
#include "desk/catalogue.def"
#undef E
};
static_assert(std::size(kCatalogue) == kElementCount);

}  // namespace

std::span<const ElementSpec> catalogue() {
    return kCatalogue;
}

std::optional<ElementId> elementByName(std::string_view name) {
    static const auto sorted = [] {
        std::array<int, kElementCount> order{};
        for (int i = 0; i < kElementCount; ++i) order[i] = i;
        std::sort(order.begin(), order.end(),
                  [](int a, int b) { return kCatalogue[a].name < kCatalogue[b].name; });
        return order;
    }();
    auto it = std::lower_bound(sorted.begin(), sorted.end(), name,
                               [](int i, std::string_view n) { return kCatalogue[i].name < n; });
    if (it == sorted.end() || kCatalogue[*it].name != name) return std::nullopt;
    return static_cast<ElementId>(*it);
}

}  // namespace zormia
