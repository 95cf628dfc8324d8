#pragma once
// What must hold on the desk's core after every operation of the random operator,
// whatever the operation was: every flag is exactly false or true, the use
// counters never go down except by a load from the store, a counter's display
// changes only to the counter's value, and time does not run backwards.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "desk/pul.h"
#include "store/counter_store.h"

namespace zormia::random_operator {

// A store that passes every load and save on to another one and remembers what
// the loads of the current operation put into the counters.
class RecordingStore : public CounterStore {
  public:
    explicit RecordingStore(std::unique_ptr<CounterStore> inner) : inner_(std::move(inner)) {}

    LoadResult load(const std::array<std::int32_t*, 10>& counters) override;
    std::string save(const std::array<std::int32_t, 10>& counters) override;

    // Forgets the loads of the previous operation.
    void startOperation();
    // The value each counter was last given by a load in this operation.
    const std::array<std::optional<std::int32_t>, 10>& loaded() const { return loaded_; }
    // Whether a load in this operation read all ten values (and so showed them).
    bool fullLoad() const { return fullLoad_; }

    std::uint64_t loads() const { return loads_; }
    std::uint64_t saves() const { return saves_; }
    std::uint64_t errors() const { return errors_; }

  private:
    std::unique_ptr<CounterStore> inner_;
    std::array<std::optional<std::int32_t>, 10> loaded_{};
    bool fullLoad_ = false;
    std::uint64_t loads_ = 0, saves_ = 0, errors_ = 0;
};

class CoreChecker {
  public:
    CoreChecker(Pul& desk, RecordingStore& store) : desk_(desk), store_(store) {}

    // Takes note of the state before an operation.
    void before();
    // What is wrong after the operation (empty when everything holds). `mayCount`:
    // the operation was a click, which may add one use to one counter.
    std::string after(bool mayCount);

    // A digest of the whole state of the core (variables, elements, timers, time).
    std::uint64_t digest() const;

  private:
    std::array<std::int32_t, 10> displays() const;

    Pul& desk_;
    RecordingStore& store_;
    std::array<std::int32_t, 10> counters_{};
    std::array<std::int32_t, 10> displays_{};
    std::int64_t now_ = 0;
};

}  // namespace zormia::random_operator
