// Shunting and substitute signals on the white lamp pairs of the signals: one
// white lamp in the signal's desk group, one at the foot of its column in the
// field-signal panel. Steady white is the shunting signal (A, B and C only),
// flashing white the substitute signal (Sz, all six signals). Every switching on
// of an Sz is counted; an Sz goes out by itself on the time-out of its group's
// timer: 15 ticks for A, B and H (Timer1), 10 for C, D and G (Timer2).

#include <initializer_list>

#include "desk/pul.h"
#include "interlocking/counters.h"

namespace zormia {
namespace {

// One substitute signal: its flag, its white pair (desk lamp first), its use
// counter and display, the shunting flag it takes over, and its group's timer.
struct SzSignal {
    bool Pul::*on;
    LampRef Pul::*deskLamp;
    LampRef Pul::*fieldLamp;
    std::int32_t Pul::*counter;
    CounterRef Pul::*display;
    bool Pul::*shunt;
    std::int32_t Pul::*step;
    TimerRef Pul::*timer;
};

constexpr SzSignal kSzA{&Pul::szOnA, &Pul::ALed5,  &Pul::ALed23, &Pul::sza,
                        &Pul::lia,   &Pul::shuntA, &Pul::step1,  &Pul::Timer1};
constexpr SzSignal kSzB{&Pul::szOnB, &Pul::ALed7,  &Pul::ALed28, &Pul::szb,
                        &Pul::lib,   &Pul::shuntB, &Pul::step1,  &Pul::Timer1};
constexpr SzSignal kSzC{&Pul::szOnC, &Pul::ALed10, &Pul::ALed33, &Pul::szc,
                        &Pul::lic,   &Pul::shuntC, &Pul::step2,  &Pul::Timer2};
constexpr SzSignal kSzD{&Pul::szOnD, &Pul::ALed13, &Pul::ALed38, &Pul::szd,
                        &Pul::lid,   &Pul::shuntD, &Pul::step2,  &Pul::Timer2};
constexpr SzSignal kSzG{&Pul::szOnG, &Pul::ALed3,  &Pul::ALed48, &Pul::szg,
                        &Pul::lig,   &Pul::shuntG, &Pul::step2,  &Pul::Timer2};
constexpr SzSignal kSzH{&Pul::szOnH, &Pul::ALed18, &Pul::ALed43, &Pul::szh,
                        &Pul::lih,   &Pul::shuntH, &Pul::step1,  &Pul::Timer1};

// A press of an Sz button, never refused. The group's count starts again from 0;
// a timer that already runs keeps its phase, so the time-out comes 14 to 15 (9 to
// 10) seconds after the press. Returns whether the Sz now shows.
bool pressSz(Pul& d, const SzSignal& s) {
    bool& on = d.*s.on;
    on = !on;
    d.SetSzLamps(d.*s.deskLamp, d.*s.fieldLamp, on, d.*s.counter, d.*s.display, d.*s.shunt);
    d.*s.step = 0;
    if (on) (d.*s.timer).enable();
    return on;
}

// A shunting button: refused while any of its conditions holds, switching on and
// off alike; otherwise the signal changes over.
void pressShunt(Pul& d, bool refused, bool& flag, LampRef& lamp1, LampRef& lamp2) {
    if (refused) return;
    flag = !flag;
    d.SetShuntLamps(lamp1, lamp2, flag);
}

}  // namespace

void Pul::SetShuntLamps(LampRef& lamp1, LampRef& lamp2, bool on) {
    lamp1.setOn(on);
    lamp2.setOn(on);
    lamp1.setBlink(false);
    lamp2.setBlink(false);
}

// The counter counts switchings on only, but its display is refreshed on every
// press. An Sz lit on a pair that showed the shunting signal takes it over.
void Pul::SetSzLamps(LampRef& lamp1, LampRef& lamp2, bool on, std::int32_t& counter,
                     CounterRef& display, bool& shuntFlag) {
    lamp1.setOn(on);
    lamp2.setOn(on);
    if (lamp1.on()) addOne(counter);
    display.setValue(counter);
    lamp1.setBlink(true);
    lamp2.setBlink(true);
    shuntFlag = false;
}

// The shunting signals of A and B exclude each other; both need every route over
// the points from A, B and H free, and no route over ITD toward or from G.
void Pul::amClick() {
    pressShunt(*this, szOnA || !ua || !ub || !uh || shuntB || pag || pbd || pgb || pga, shuntA,
               ALed5, ALed23);
}

void Pul::bmClick() {
    pressShunt(*this, szOnB || !ua || !ub || !uh || shuntA || pag || pbd || pgb || pga, shuntB,
               ALed7, ALed28);
}

void Pul::cmClick() {
    pressShunt(*this, szOnC || pc || pgc || pgb || pga || pag || pbd, shuntC, ALed33, ALed10);
}

void Pul::pszaClick() {
    pressSz(*this, kSzA);
}
void Pul::pszbClick() {
    pressSz(*this, kSzB);
}
void Pul::pszcClick() {
    pressSz(*this, kSzC);
}

// With a train standing in ITD, every press offers the departure arrow, also the
// press that put SzD out; only the time-out of Timer2 takes it away.
void Pul::pszdClick() {
    pressSz(*this, kSzD);
    if (occITD) jszd.show();
}

void Pul::pszgClick() {
    if (!pressSz(*this, kSzG)) return;
    if (ug || ugc) Panel64.show();
    psg.enable();
}

void Pul::pszhClick() {
    pressSz(*this, kSzH);
}

// The departure past D on its substitute signal: route D's program from its start.
void Pul::jszdClick() {
    step6 = 0;
    Timer6.enable();
}

// Time-out of SzA, SzB and SzH: all six white lamps of the group go out, whatever
// they show, a shunting signal of A or B included.
void Pul::Timer1Timer() {
    ++step1;
    if (step1 == 15) {
        szOnA = false;
        szOnB = false;
        szOnH = false;
        for (LampRef* lamp : {&ALed23, &ALed5, &ALed28, &ALed7, &ALed43, &ALed18})
            lamp->setOn(false);
        Timer1.disable();
        step1 = 0;
    }
}

// Time-out of SzC, SzD and SzG.
void Pul::Timer2Timer() {
    ++step2;
    if (step2 == 10) {
        szOnC = false;
        szOnD = false;
        szOnG = false;
        for (LampRef* lamp : {&ALed33, &ALed10, &ALed13, &ALed38, &ALed48, &ALed3})
            lamp->setOn(false);
        Timer2.disable();
        step2 = 0;
        jszd.hide();
    }
    // Nothing of this group shows any more (put out by hand): Timer2 has no more
    // to time and stops where it is; the next press of pszc, pszd or pszg starts
    // its count again. It must be Timer2 that stops here: stopping Timer1 would
    // cut the time-out of a substitute signal of A, B or H that still shows, and
    // leave it flashing until its button is pressed again.
    if (!szOnC && !szOnD && !szOnG) Timer2.disable();
}

}  // namespace zormia
