// The end block of the line toward Stacja B: KoY at Stacja B closes ZORMIA's
// departures, KoG at ZORMIA closes Stacja B's trains. Both run a short program on
// Timer7 that flashes the direction lamps yellow, then darkens the direction's
// block lamps and puts the block to rest. dKoY and dKoG are the counted
// auxiliary buttons.

#include "desk/pul.h"
#include "interlocking/counters.h"
#include "interlocking/step_program.h"

namespace zormia {
namespace {

constexpr ProgramStep kKoY[] = {
    {1, [](Pul& d) { d.FlashYellowPair(d.ALed44, d.ALed52); }},
    {8,
     [](Pul& d) {
         d.ClearBlockLamps(d.ALed44, d.ALed52, d.ALed34, d.ALed50);
         d.ResetBlock();
         d.Timer7.disable();
     }},
};

constexpr ProgramStep kKoG[] = {
    {1, [](Pul& d) { d.FlashYellowPair(d.ALed51, d.ALed39); }},
    {8,
     [](Pul& d) {
         d.ClearBlockLamps(d.ALed51, d.ALed39, d.ALed49, d.ALed35);
         d.ResetBlock();
         d.Timer7.disable();
     }},
};

}  // namespace

void Pul::FlashYellowPair(LampRef& a, LampRef& b) {
    a.setColour(colour::yellow);
    b.setColour(colour::yellow);
    a.setBlink(true);
    b.setBlink(true);
}

void Pul::ClearBlockLamps(LampRef& a, LampRef& b, LampRef& c, LampRef& d) {
    a.setOn(false);
    b.setOn(false);
    c.setOn(false);
    d.setOn(false);
}

void Pul::pkoyClick() {
    if (!ALed50.on() || !out.busy) return;
    out.koRun = true;
    step7 = 0;
    Timer7.enable();
}

void Pul::pdkoxClick() {
    if (!out.busy) return;
    addOne(dkoy);
    ldkoy.setValue(dkoy);
    ALed50.setOn(true);
}

void Pul::pkogClick() {
    if (!ALed35.on() || !in.busy) return;
    in.koRun = true;
    step7 = 0;
    Timer7.enable();
    // The supervision and the dKoG latch are back at rest at once, not at step 8.
    arrivalState = 0;
    dkogLatch = false;
    ALed55.setOn(false);
}

void Pul::pdkogClick() {
    if (!in.busy || ALed55.on()) return;
    dkogLatch = true;
    ALed55.setOn(true);
    addOne(dkog);
    licznikg.setValue(dkog);
    UpdateArrivalState();
}

void Pul::Timer7Timer() {
    step7 += 1;
    if (out.koRun) RunKoY(step7);
    if (in.koRun) RunKoG(step7);
}

void Pul::RunKoY(int step) {
    runStep(*this, kKoY, step);
}

void Pul::RunKoG(int step) {
    runStep(*this, kKoG, step);
}

}  // namespace zormia
