#pragma once
// The desk's use counters (substitute signals and the auxiliary buttons of the
// line block) are 32-bit registers: one use past the largest value wraps round to
// the smallest instead of overflowing.

#include <cstdint>

namespace zormia {

// Adds one use to `counter`.
inline void countUse(std::int32_t& counter) {
    counter = static_cast<std::int32_t>(static_cast<std::uint32_t>(counter) + 1u);
}

}  // namespace zormia
