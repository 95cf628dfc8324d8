// Route D: the departure from ITD past signal D onto the line toward Stacja B.
// Setting it makes the start block pending; the train passing D (or D put back to
// stop) gives the start block; the program reports the arrival at Stacja B by
// lighting the KoY lamp there.

#include "desk/pul.h"
#include "interlocking/route_program.h"
#include "interlocking/step_program.h"

namespace zormia {
namespace {

// The signals in front of D announce D's aspect: their field green lamp (A and B:
// with the upper yellow as its alternative, C: with its only yellow) follows D.
struct Announcing {
    LampRef Pul::*green;
    LampRef Pul::*yellow;
};
constexpr Announcing kAnnouncing[] = {
    {&Pul::ALed30, &Pul::ALed32},  // C
    {&Pul::ALed19, &Pul::ALed20},  // A
    {&Pul::ALed24, &Pul::ALed25},  // B
};

// D to proceed: each signal showing yellow for D turns green.
void announceProceed(Pul& d) {
    for (const Announcing& s : kAnnouncing) {
        if ((d.*s.yellow).on()) {
            (d.*s.green).setOn(true);
            (d.*s.yellow).setOn(false);
        }
    }
}

// D to stop: each green turns into yellow, whatever route the signal shows.
void announceStop(Pul& d) {
    for (const Announcing& s : kAnnouncing) {
        if ((d.*s.green).on()) {
            (d.*s.green).setOn(false);
            (d.*s.yellow).setOn(true);
        }
    }
}

// Timer6, one step a second. The hand-over from a route ending at D enters at
// step 5.
constexpr ProgramStep kRouteD[] = {
    {5,
     [](Pul& d) {
         d.PaintITG('c');  // the train passes D
         showStopD(d);
         if (d.pd) d.StartBlockGiven(d.out.busy, d.ALed44, d.ALed52);
     }},
    {7, [](Pul& d) { d.PaintITD('s'); }},
    {10, [](Pul& d) { d.PaintITG('s'); }},  // the train is out on the line
    {15,
     [](Pul& d) {
         if (d.out.busy) d.ALed50.setOn(true);  // arrived at Stacja B
     }},
    {16,
     [](Pul& d) {
         d.Timer6.disable();
         d.pd = false;
         d.ud = true;  // D's lock is not one the point buttons follow
     }},
};

}  // namespace

void Pul::StartBlockPending(LampRef& pwlLamp, LampRef& pozLamp, bool& free) {
    free = false;
    pwlLamp.setOn(true);
    pozLamp.setColour(colour::red);
    pozLamp.setBlink(true);
}

void Pul::StartBlockGiven(bool& busy, LampRef& wblLamp, LampRef& pozLamp) {
    busy = true;
    wblLamp.setColour(colour::red);
    pozLamp.setBlink(false);
}

void Pul::psdClick() {
    // A second press after the permission has been used puts D back to stop and
    // gives the start block.
    if (!out.free && out.route && !occITG) {
        StartBlockGiven(out.busy, ALed44, ALed52);
        showStopD(*this);
        out.route = false;
        pd = false;
        announceStop(*this);
    }
    // Set the route while Stacja B's permission stands unused.
    if (out.free && !out.req && ud && !occITG) {
        SetAspectD(false, true, false, true);
        PaintITG('z');
        pd = true;
        out.route = true;
        StartBlockPending(ALed34, ALed52, out.free);
        ud = false;
        announceProceed(*this);
        if (occITD) {  // a train already stands before D: it leaves at once
            step6 = 0;
            Timer6.enable();
        }
    }
}

void Pul::zwdClick() {
    if (pgc || Timer3.enabled()) return;
    if (ALed19.on()) {  // only A's field lamps follow this release
        ALed19.setOn(false);
        ALed20.setOn(true);
    }
    if (pd) StartBlockGiven(out.busy, ALed44, ALed52);
    showStopD(*this);
    out.route = false;
    pd = false;
    PaintITG('s');
    Timer3.disable();
    ud = true;
}

void Pul::Timer6Timer() {
    step6 += 1;
    RunRoutePd(step6);
}

void Pul::RunRoutePd(int step) {
    runStep(*this, kRouteD, step);
}

}  // namespace zormia
