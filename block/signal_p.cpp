// Signal P at the far end of track 1: not interlocked, just its button and its
// lamp. A lit P lamp means proceed. Lighting it with a train standing on track 1
// sends the train off past P: P drops behind it after 4 s and track 1 shows free
// after 10 s (Timer4 ticks every 2 s).

#include "desk/pul.h"
#include "interlocking/step_program.h"

namespace zormia {
namespace {

constexpr ProgramStep kSignalP[] = {
    {2,
     [](Pul& d) {
         d.ALed29.setOn(false);  // P back to stop behind the train
         d.occIT1 = false;
     }},
    {5, [](Pul& d) { d.ShowTile(d.im4, "aw1z"); }},  // track 1 in its rest look
};

}  // namespace

void Pul::SemPClick() {
    ALed29.setOn(!ALed29.on());
    const bool p = ALed29.on();
    // H and G at proceed into track 1 announce P in the field.
    if (!ALed16.on() && phb) {
        ALed53.setOn(p);
        ALed40.setOn(!p);
    }
    if (!ALed1.on() && pgb) {
        ALed54.setOn(p);
        ALed45.setOn(!p);
    }
    if (p && occIT1) {
        step4 = 0;
        Timer4.enable();
    }
}

// Stops on its seventh tick, whose step does nothing.
void Pul::Timer4Timer() {
    if (step4 == 6) Timer4.disable();
    step4 += 1;
    RunSignalP(step4);
}

void Pul::RunSignalP(int step) {
    runStep(*this, kSignalP, step);
}

}  // namespace zormia
