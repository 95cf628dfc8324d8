// The route timers: each tick advances the timer's counter and runs the programs
// of the routes that are set, in a fixed order. The programs share the counter
// and know nothing of each other.

#include <span>

#include "desk/pul.h"
#include "interlocking/counters.h"
#include "interlocking/route_program.h"

namespace zormia {
namespace {

struct Dispatch {
    bool Pul::*routeFlag;
    void (Pul::*program)(int step);
};

constexpr Dispatch kTimer3Programs[] = {
    {&Pul::pa, &Pul::RunRoutePa},    // A toward Stacja C
    {&Pul::pb, &Pul::RunRoutePb},    // B toward Stacja C
    {&Pul::phb, &Pul::RunRoutePhb},  // H to track 1
    {&Pul::pha, &Pul::RunRoutePha},  // H to track 3
};

constexpr Dispatch kTimer5Programs[] = {
    {&Pul::pc, &Pul::RunRoutePc},    // C to D
    {&Pul::pgc, &Pul::RunRoutePgc},  // G to track 2
    {&Pul::pgb, &Pul::RunRoutePgb},  // G to track 1
    {&Pul::pga, &Pul::RunRoutePga},  // G to track 3
    {&Pul::pag, &Pul::RunRoutePag},  // A to D
    {&Pul::pbd, &Pul::RunRoutePbd},  // B to D
};

// Each program gets the counter as it stands when its turn comes: a program that
// ended earlier in the same tick has already put it back to 0. A timer left
// running with no route to run (a route released while it ran) counts on for
// ever, going on from the smallest number after the largest.
void tick(Pul& d, std::int32_t& counter, std::span<const Dispatch> programs) {
    addOne(counter);
    for (const Dispatch& row : programs) {
        if (d.*row.routeFlag) (d.*row.program)(counter);
    }
}

}  // namespace

void endRoute(bool& routeFlag, TimerRef& timer, std::int32_t& counter) {
    routeFlag = false;
    timer.disable();
    counter = 0;
}

void handOverToD(Pul& d, bool& routeFlag) {
    endRoute(routeFlag, d.Timer5, d.step5);
    if (d.ALed14.on()) {
        d.step6 = 4;  // the next tick of Timer6 is step 5 of route D: the train passes D
        d.Timer6.enable();
    }
}

void Pul::Timer3Timer() {
    tick(*this, step3, kTimer3Programs);
}

void Pul::Timer5Timer() {
    tick(*this, step5, kTimer5Programs);
}

}  // namespace zormia
