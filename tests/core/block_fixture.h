#pragma once
// A desk on virtual time for the tests of the line block and the routes over it.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

#include "desk/pul.h"

namespace zormia {

// One lamp's whole look: lit or dark, its flashing switch, its on colour.
struct Look {
    bool on;
    bool blink;
    Rgb colour;
    friend bool operator==(const Look&, const Look&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Look& l) {
        return os << (l.on ? "lit" : "dark") << (l.blink ? " flashing " : " steady ") << std::hex
                  << "#" << l.colour << std::dec;
    }
};

inline Look lookOf(const LampRef& lamp) {
    return {lamp.on(), lamp.blink(), lamp.colour()};
}

inline std::ostream& operator<<(std::ostream& os, const BlockDirection& d) {
    os << "{";
    if (d.wbl) os << " wbl";
    if (d.poz) os << " poz";
    if (d.route) os << " route";
    if (d.busy) os << " busy";
    if (d.koRun) os << " koRun";
    if (d.free) os << " free";
    if (d.req) os << " req";
    return os << " }";
}

inline bool sameFlags(const BlockDirection& a, const BlockDirection& b) {
    return a.wbl == b.wbl && a.poz == b.poz && a.route == b.route && a.busy == b.busy &&
           a.koRun == b.koRun && a.free == b.free && a.req == b.req;
}

// The seven flags of one direction, named in a string: "poz busy".
inline BlockDirection blockFlags(std::string_view names) {
    BlockDirection d;
    std::istringstream words{std::string(names)};
    for (std::string w; words >> w;) {
        bool* flag = w == "wbl"     ? &d.wbl
                     : w == "poz"   ? &d.poz
                     : w == "route" ? &d.route
                     : w == "busy"  ? &d.busy
                     : w == "koRun" ? &d.koRun
                     : w == "free"  ? &d.free
                     : w == "req"   ? &d.req
                                    : nullptr;
        if (!flag)
            ADD_FAILURE() << "no block flag " << w;
        else
            *flag = true;
    }
    return d;
}

// A desk on virtual time: `tick(n)` lets n seconds pass, delivering every timer
// tick due; `click(id)` is the trainee's mouse.
struct BlockDesk {
    TimerService timers;
    Pul desk{timers, nullptr};

    void tick(int seconds) { timers.advanceTo(timers.now() + std::int64_t{seconds} * 1000); }
    void click(ElementId id) { desk.click(id); }
};

class BlockFixture : public ::testing::Test, public BlockDesk {};

}  // namespace zormia
