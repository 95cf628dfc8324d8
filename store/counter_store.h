#pragma once
// Where the ten use counters are kept between runs. The desk loads them on every
// activation and saves them on every deactivation; the medium is the store's own
// business (a per-user file for the program, memory in tests).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zormia {

// The value names in the order in which they are read and written.
inline constexpr std::array<std::string_view, 10> kCounterNames = {
    "sza", "szb", "szc", "szd", "szg", "szh", "dkog", "dpod", "dpov", "dkoy"};

class CounterStore {
  public:
    virtual ~CounterStore() = default;

    struct LoadResult {
        bool loaded = false;  // the key was there and every value was read
        std::string error;    // the message of a failed read, empty otherwise
    };
    // Opens the key without creating it; when it is there, reads the values in
    // order into *counters[i], each at once, and stops at the first that cannot be
    // read ("Failed to get data for '...'", "Invalid data type for '...'").
    virtual LoadResult load(const std::array<std::int32_t*, 10>& counters) = 0;

    // Opens or creates the key and writes all ten values. Returns the message of a
    // refused write ("Failed to set data for '...'"), empty otherwise; a key that
    // cannot be opened or created is skipped silently.
    virtual std::string save(const std::array<std::int32_t, 10>& counters) = 0;
};

}  // namespace zormia
