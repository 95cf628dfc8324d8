// The routes from signal A on track 3: `pa` over 1ab plus and 1cd minus into ITH
// toward Stacja C (Timer3), and `pag` over both points minus into ITD up to
// signal D (Timer5).

#include "desk/pul.h"
#include "interlocking/route_program.h"

namespace zormia {
namespace {

// A train from track 3 toward Stacja C.
constexpr ProgramStep kRoutePa[] = {
    {5,
     [](Pul& d) {  // the train passes A into ITA
         d.PaintITA('C');
         showStopA(d);
         d.Panel55.hide();
     }},
    {8, [](Pul& d) { d.PaintIT3('z'); }},
    {9, [](Pul& d) { d.PaintIZ1('c'); }},
    {12, [](Pul& d) { d.PaintITA('z'); }},
    {14, [](Pul& d) { d.PaintITH('c'); }},
    {16, [](Pul& d) { d.PaintIZ1('z'); }},
    {17,
     [](Pul& d) {  // the route behind the train is released
         d.PaintITA('s');
         d.PaintIZ1('b');
         d.ua = true;
         d.UpdatePointButtons();
     }},
    {22,
     [](Pul& d) {  // the train has left toward Stacja C
         d.PaintITH('s');
         endRoute(d.pa, d.Timer3, d.step3);
     }},
};

// A train from track 3 to signal D.
constexpr ProgramStep kRoutePag[] = {
    {5,
     [](Pul& d) {
         d.PaintITA('C');
         showStopA(d);
         d.Panel55.hide();
     }},
    {8, [](Pul& d) { d.PaintIT3('z'); }},
    {9, [](Pul& d) { d.PaintIZ1('c'); }},
    {10, [](Pul& d) { d.PaintIZ2('c'); }},
    {12, [](Pul& d) { d.PaintITA('z'); }},
    {14, [](Pul& d) { d.PaintITD('c'); }},
    {16, [](Pul& d) { d.PaintIZ1('z'); }},
    {17, [](Pul& d) { d.PaintIZ2('z'); }},
    {18,
     [](Pul& d) {
         d.PaintITA('s');
         d.PaintIZ1('b');
         d.PaintIZ2('b');
         d.ua = true;
         d.UpdatePointButtons();
     }},
    {20, [](Pul& d) { handOverToD(d, d.pag); }},
};

}  // namespace

void Pul::psaClick() {
    if (!pos1ab && !pos1cd && !shuntB && !shuntA && !shuntC && !pha && !occITA && !occIZ1 &&
        !occIZ2 && !occITD) {
        pag = true;
        SetRoutePag();
    }
    if (pos1ab && !pos1cd && !shuntB && !shuntA && !pha && !occITA && !occIZ1 && !occITH) {
        pa = true;
        SetRoutePa();
    }
}

// The train is shown on track 3 at once; the counters are not reset.
void Pul::PrzebiegiAClick() {
    PaintIT3('c');
    if (pa) Timer3.enable();
    if (pag) Timer5.enable();
}

void Pul::SetRoutePag() {
    if (step5 >= 5 && step5 <= 13) return;  // a train is passing: leave it alone
    if (!ALed4.on() && ug && ua) {
        const bool dProceed = ALed37.on();  // A announces whether D shows proceed
        SetAspectA(dProceed, !dProceed, false, true, false, false, true);
        pag = true;
        PaintIT3('z');
        PaintITA('z');
        PaintIZ1('z');
        PaintIZ2('z');
        PaintITD('z');
        ua = false;
        UpdatePointButtons();
        Panel55.show();
    } else {
        showStopA(*this);
        Timer5.disable();
        Panel55.hide();
    }
}

void Pul::SetRoutePa() {
    if (step3 >= 5) return;
    if (!ALed4.on() && ua) {
        SetAspectA(true, false, false, true, false, false, true);
        showTrack3Path(*this);
        PaintITH('z');
        ua = false;
        UpdatePointButtons();
        Panel55.show();
    } else {
        showStopA(*this);
        Timer3.disable();
        Panel55.hide();
        step3 = 0;
    }
}

void Pul::RunRoutePa(int step) {
    runStep(*this, kRoutePa, step);
}

void Pul::RunRoutePag(int step) {
    runStep(*this, kRoutePag, step);
}

}  // namespace zormia
