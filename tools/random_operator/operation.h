#pragma once
// A seeded random trainee: long sequences of everything a trainee can do with the
// program (clicks on every element, shown or not, enabled or not; menu commands;
// the popup menu; activating and closing windows; switching to another
// application and back; waits short and long), each written as a line of
// zormia-script so that a run can be replayed from its seed or from its script.
//
// The numbers come from a small generator of our own, so that a seed gives the
// same run on every machine and with every standard library.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "desk/catalogue.h"

namespace zormia::random_operator {

// splitmix64: a 64-bit state, one multiply-xorshift round per number.
class SplitMix64 {
  public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A number in [0, n), n > 0. The remainder's bias is far below what a test
    // can notice and keeps every platform's sequence the same.
    std::uint64_t below(std::uint64_t n) { return next() % n; }
    // [lo, hi], both included.
    std::int64_t between(std::int64_t lo, std::int64_t hi) {
        return lo + static_cast<std::int64_t>(below(static_cast<std::uint64_t>(hi - lo) + 1));
    }
    // True with probability per / 1000.
    bool perMille(unsigned per) { return below(1000) < per; }

  private:
    std::uint64_t state_;
};

// The program's four windows, in the order in which it creates them.
enum class Window { START, PUL, AboutBox, op };
inline constexpr Window kWindows[] = {Window::START, Window::PUL, Window::AboutBox, Window::op};
const char* windowName(Window w);

struct Operation {
    enum class Kind { Click, RightClick, Menu, Wait, Activate, Close, Leave, Return };
    Kind kind = Kind::Wait;
    std::string name;         // element, menu item or window
    std::optional<int> x, y;  // an element-local point of a click
    std::int64_t ms = 0;      // a wait
    // The zormia-script line of the operation.
    std::string line() const;
    // Whether the operation ends the program (it may only be the last).
    bool endsProgram() const;
};

// What the trainee sees of the program before choosing the next operation: only
// operations a script may run at that moment are chosen (a window that is not
// shown cannot be activated, the popup menu's item needs the popup menu open).
class ProgramView {
  public:
    virtual ~ProgramView() = default;
    virtual bool shown(Window w) const = 0;
    virtual bool popupOpen() const = 0;
};

class OperationSource {
  public:
    // `points`: some clicks on desk elements go to a random pixel of the element
    // rather than its centre (for the real widgets; the core has no pixels).
    OperationSource(std::uint64_t seed, bool points);

    Operation next(const ProgramView& view);
    // One of the two ways of ending the program, for the last operation of a run.
    Operation ending();
    // How many operations the next run of the program lasts: a trainee starts the
    // program afresh now and then, also after driving the desk into a corner.
    std::uint64_t runLength();

  private:
    Operation clickElement(ElementId id);

    SplitMix64 rng_;
    bool points_;
    bool away_ = false;  // switched to another application
    // A trainee works on one part of the desk for a while: during a burst most
    // button clicks go to the buttons of one group.
    std::vector<ElementId> focus_;
    std::uint64_t focusLeft_ = 0;
    std::vector<ElementId> buttons_;  // desk elements with a click handler
    std::vector<ElementId> others_;   // every other desk element
};

// The options both operators take: --seed N, --ops N, --end (the last operation
// ends the program) and --script FILE (the run as zormia-script).
struct RunOptions {
    std::uint64_t seed = 1;
    std::uint64_t ops = 0;
    bool end = false;
    std::string script;
};

// A whole decimal number, nothing before or after it.
bool parseNumber(const char* text, std::uint64_t& out);
// When argv[i] is one of the options of RunOptions, reads it and its value into
// `o`, leaves i on the last word it took and says true.
bool takeRunOption(int argc, char** argv, int& i, RunOptions& o);

}  // namespace zormia::random_operator
