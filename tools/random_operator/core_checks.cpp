#include "tools/random_operator/core_checks.h"

#include <cstring>

namespace zormia::random_operator {
namespace {

// The displays of the ten counters, in the store's order.
constexpr ElementId kDisplays[] = {
    ElementId::lia, ElementId::lib,      ElementId::lic,   ElementId::lid,   ElementId::lig,
    ElementId::lih, ElementId::licznikg, ElementId::ldpod, ElementId::ldpov, ElementId::ldkoy};

// The byte of a flag as memory holds it: a flag that is neither 0 nor 1 is a
// fault even where reading it as a bool would hide it.
unsigned byteOf(const bool* flag) {
    unsigned char byte = 0;
    std::memcpy(&byte, flag, 1);
    return byte;
}

class Fnv {
  public:
    void add(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) hash_ = (hash_ ^ bytes[i]) * 0x100000001B3ull;
    }
    template <typename T>
    void value(T v) {
        add(&v, sizeof v);
    }
    std::uint64_t hash() const { return hash_; }

  private:
    std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

}  // namespace

CounterStore::LoadResult RecordingStore::load(const std::array<std::int32_t*, 10>& counters) {
    ++loads_;
    // The inner store reads into copies; every value it gives is then stored in its
    // counter at once, as the desk's load does.
    std::array<std::int32_t, 10> values;
    std::array<std::int32_t*, 10> into;
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = *counters[i];
        into[i] = &values[i];
    }
    LoadResult result = inner_->load(into);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] != *counters[i]) {
            *counters[i] = values[i];
            loaded_[i] = values[i];
        }
    }
    if (result.loaded) fullLoad_ = true;
    if (!result.error.empty()) ++errors_;
    return result;
}

std::string RecordingStore::save(const std::array<std::int32_t, 10>& counters) {
    ++saves_;
    std::string error = inner_->save(counters);
    if (!error.empty()) ++errors_;
    return error;
}

void RecordingStore::startOperation() {
    loaded_ = {};
    fullLoad_ = false;
}

std::array<std::int32_t, 10> CoreChecker::displays() const {
    std::array<std::int32_t, 10> values;
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = desk_.model().state(kDisplays[i]).value;
    }
    return values;
}

void CoreChecker::before() {
    store_.startOperation();
    for (std::size_t i = 0; i < counters_.size(); ++i) counters_[i] = *desk_.counters()[i];
    displays_ = displays();
    now_ = desk_.timerService().now();
}

std::string CoreChecker::after(bool mayCount) {
    for (const Pul::Variable& v : desk_.variables()) {
        if (v.flag && byteOf(v.flag) > 1) {
            return "flag " + std::string(v.name) + " holds the byte " +
                   std::to_string(byteOf(v.flag));
        }
    }
    for (int i = 0; i < kElementCount; ++i) {
        const ElementSpec& row = catalogue()[i];
        const ElementState& s = desk_.model().state(static_cast<ElementId>(i));
        const std::pair<const char*, const bool*> flags[] = {
            {"visible", &s.visible}, {"enabled", &s.enabled}, {"on", &s.on},
            {"blink", &s.blink},     {"startup", &s.startup}, {"down", &s.down},
        };
        for (const auto& [what, flag] : flags) {
            if (byteOf(flag) > 1) {
                return std::string(row.name) + "." + what + " holds the byte " +
                       std::to_string(byteOf(flag));
            }
        }
        unsigned char picture = 0;
        std::memcpy(&picture, &s.picture, 1);
        if (picture >= kPictureCount) {
            return std::string(row.name) + " shows picture number " + std::to_string(picture);
        }
    }

    // Counters: a use adds one (a 32-bit register wraps round); nothing else but a
    // load changes them, and a load's value is where the count goes on from.
    int counted = 0;
    const std::array<std::int32_t, 10> now = displays();
    for (std::size_t i = 0; i < counters_.size(); ++i) {
        const std::string name(kCounterNames[i]);
        const std::int32_t value = *desk_.counters()[i];
        const std::int32_t from = store_.loaded()[i].value_or(counters_[i]);
        const auto added = static_cast<std::uint32_t>(value) - static_cast<std::uint32_t>(from);
        if (added > 1 || (added == 1 && !mayCount)) {
            return "counter " + name + " went from " + std::to_string(from) + " to " +
                   std::to_string(value);
        }
        counted += static_cast<int>(added);
        // A display shows its counter's value or keeps what it showed.
        if (now[i] != displays_[i] && now[i] != value) {
            return "display of " + name + " shows " + std::to_string(now[i]) + ", counter " +
                   std::to_string(value);
        }
        if (store_.fullLoad() && now[i] != value) {
            return "after a full load the display of " + name + " shows " + std::to_string(now[i]) +
                   ", counter " + std::to_string(value);
        }
    }
    if (counted > 1) return "one operation added " + std::to_string(counted) + " uses";

    const TimerService& timers = desk_.timerService();
    if (timers.now() < now_) return "time went back from " + std::to_string(now_);
    if (const auto due = timers.nextDue(); due && *due <= timers.now()) {
        return "a tick due at " + std::to_string(*due) + " was not delivered by " +
               std::to_string(timers.now());
    }
    return {};
}

std::uint64_t CoreChecker::digest() const {
    Fnv fnv;
    fnv.value(desk_.timerService().now());
    for (const Pul::Variable& v : desk_.variables()) {
        if (v.flag) fnv.value(*v.flag);
        if (v.number) fnv.value(*v.number);
    }
    for (TimerRef* timer : desk_.timers()) fnv.value(timer->enabled());
    for (int i = 0; i < kElementCount; ++i) {
        const ElementState& s = desk_.model().state(static_cast<ElementId>(i));
        fnv.value(s.visible);
        fnv.value(s.enabled);
        fnv.value(s.on);
        fnv.value(s.blink);
        fnv.value(s.colour);
        fnv.value(s.interval);
        fnv.value(s.picture);
        fnv.value(s.startup);
        fnv.add(s.caption.data(), s.caption.size());
        fnv.value(s.value);
        fnv.value(s.down);
    }
    return fnv.hash();
}

}  // namespace zormia::random_operator
