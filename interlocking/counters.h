#pragma once
// The desk's counters are 32-bit registers: the use counters (substitute signals
// and the auxiliary buttons of the line block) and the step counters of the route
// timers. One past the largest value wraps round to the smallest instead of
// overflowing.

#include <cstdint>

namespace zormia {

// Adds one to `counter`.
inline void addOne(std::int32_t& counter) {
    counter = static_cast<std::int32_t>(static_cast<std::uint32_t>(counter) + 1u);
}

}  // namespace zormia
