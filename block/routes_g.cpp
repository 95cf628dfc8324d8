// The routes from signal G, the entry from the line from Stacja B: to track 2
// (pgc), track 1 (pgb) and track 3 (pga), chosen by the lie of the points. Their
// programs run on Timer5, shared with the routes from A, B and C to D.

#include "desk/pul.h"
#include "interlocking/route_program.h"

namespace zormia {
namespace {

// The first steps are the same for all three: the train comes in off the line,
// passes G into ITG and reaches ITD.
void lineOccupied(Pul& d) {
    d.ShowTile(d.im25, "aw1c");
}
void passesG(Pul& d) {
    d.PaintITG('c');  // while G still shows proceed, for the arrival supervision
    showStopG(d);
}
void reachesITD(Pul& d) {
    d.PaintITD('c');
    d.ShowTile(d.im25, "aw1s");
}
void leavesITG(Pul& d) {
    d.PaintITG('z');
}
// Toward track 1 or 3 the train has left both points: G's route lock `ug` is free
// again, and ITD, ITG and the points' sections go back to their rest look.
void throatClear(Pul& d) {
    d.ug = true;
    d.UpdatePointButtons();
    d.PaintITD('s');
    d.PaintITG('s');
    d.PaintIZ2('b');
    d.PaintIZ1('b');
}

// G to track 3.
constexpr ProgramStep kPga[] = {
    {1, lineOccupied},
    {3, passesG},
    {4, reachesITD},
    {6, leavesITG},
    {10, [](Pul& d) { d.PaintIZ2('c'); }},
    {11, [](Pul& d) { d.PaintIZ1('c'); }},
    {12, [](Pul& d) { d.PaintITD('z'); }},
    {14, [](Pul& d) { d.PaintITA('C'); }},
    {15, [](Pul& d) { d.PaintIT3('c'); }},
    {16, [](Pul& d) { d.PaintIZ2('z'); }},
    {18, [](Pul& d) { d.PaintIZ1('z'); }},
    {19, throatClear},
    {20, [](Pul& d) { d.PaintITA('s'); }},
    {22,
     [](Pul& d) {
         d.PaintIT3('z');
         endRoute(d.pga, d.Timer5, d.step5);
     }},
};

// G to track 1. With P at stop the train stays on track 1; with P at proceed it
// runs through past P, which then drops to stop behind it. If P is lit at step 20
// and dark again at step 25 the program never ends: pgb stays set until zwg.
constexpr ProgramStep kPgb[] = {
    {1, lineOccupied},
    {3, passesG},
    {4, reachesITD},
    {6, leavesITG},
    {10, [](Pul& d) { d.PaintIZ2('c'); }},
    {11, [](Pul& d) { d.PaintIZ1('c'); }},
    {12, [](Pul& d) { d.PaintITB('C'); }},
    {14, [](Pul& d) { d.PaintITD('z'); }},
    {15, [](Pul& d) { d.PaintIT1('c'); }},
    {16, [](Pul& d) { d.PaintIZ2('z'); }},
    {17, [](Pul& d) { d.PaintIZ1('z'); }},
    {18, throatClear},
    {19, [](Pul& d) { d.PaintITB('s'); }},
    {20,
     [](Pul& d) {
         if (d.ALed29.on()) return;
         d.PaintITB('s');
         endRoute(d.pgb, d.Timer5, d.step5);
     }},
    {21,
     [](Pul& d) {
         if (d.ALed29.on()) d.PaintITB('s');
     }},
    {25,
     [](Pul& d) {
         if (!d.ALed29.on()) return;
         d.PaintIT1('z');
         d.ALed29.setOn(false);
         d.occIT1 = false;
         endRoute(d.pgb, d.Timer5, d.step5);
     }},
};

// G to track 2.
constexpr ProgramStep kPgc[] = {
    {1, lineOccupied},
    {3, passesG},
    {4, reachesITD},
    {6, leavesITG},
    {10, [](Pul& d) { d.PaintIZ2('c'); }},
    {12, [](Pul& d) { d.PaintITC('C'); }},
    {13, [](Pul& d) { d.PaintIT2('c'); }},
    {14, [](Pul& d) { d.PaintITD('z'); }},
    {15,
     [](Pul& d) {
         d.ugc = true;
         d.UpdatePointButtons();
         d.PaintITD('s');
         d.PaintITG('s');
         d.PaintIZ2('b');
     }},
    {16, [](Pul& d) { d.PaintITC('s'); }},
    {17, [](Pul& d) { d.PaintIT2('z'); }},
    {18, [](Pul& d) { endRoute(d.pgc, d.Timer5, d.step5); }},
};

}  // namespace

void Pul::psgClick() {
    // No entry while ZORMIA asks for or holds the line, nor while an arrival is
    // still under supervision.
    if (out.poz || out.wbl || arrivalState != 0) return;

    if (pos1ab && !shuntC && !occITC && !occIZ2 && !occITD && !occITG && !occIT2 && ud && !pc) {
        pgc = true;
        SetRoutePgc();
    }
    if (!pos1ab && pos1cd && !pbd && !shuntB && !shuntA && !shuntC && !occITB && !occIZ1 &&
        !occIZ2 && !occITD && !occIT1 && !occITG) {
        pgb = true;
        SetRoutePgb();
    }
    if (!pos1ab && !pos1cd && !shuntB && !shuntA && !shuntC && !occIT3 && !occITA && !occIZ1 &&
        !occIZ2 && !occITD && !occITG && !pag) {
        pga = true;
        SetRoutePga();
    }
}

// The set-ups of pga and pgb keep off while a Timer3 program is at its middle
// steps: their guard reads Timer3's count, and a refusal stops Timer3.
void Pul::SetRoutePga() {
    if (step3 >= 5) return;
    if (ALed2.on() || !ug) {
        showStopG(*this);
        Timer3.disable();
        Panel64.hide();
        return;
    }
    SetAspectG(false, true, false, true, false, false, true);
    PaintITG('z');
    PaintITD('z');
    PaintIZ2('z');
    PaintIZ1('z');
    PaintITA('z');
    PaintIT3('z');
    ug = false;
    UpdatePointButtons();
    Panel64.show();
}

void Pul::SetRoutePgb() {
    if (step3 >= 5) return;
    if (ALed2.on() || !ug) {
        showStopG(*this);
        Timer3.disable();
        Panel64.hide();
        return;
    }
    const bool p = ALed29.on();  // G announces signal P at the end of track 1
    SetAspectG(p, !p, false, true, false, false, true);
    PaintITG('z');
    PaintITD('z');
    PaintIZ2('z');
    PaintIZ1('z');
    PaintITB('z');
    PaintIT1('z');
    ug = false;
    UpdatePointButtons();
    Panel64.show();
}

// Its guard reads Timer5's count; its refusal stops Timer3 and resets Timer3's count.
void Pul::SetRoutePgc() {
    if (step5 >= 5) return;
    if (ALed2.on() || !ugc) {
        showStopG(*this);
        Timer3.disable();
        Panel64.hide();
        step3 = 0;
        return;
    }
    SetAspectG(false, true, false, false, false, false, true);
    PaintITG('z');
    PaintITD('z');
    PaintIZ2('z');
    PaintITC('z');
    PaintIT2('z');
    ugc = false;
    UpdatePointButtons();
    Panel64.show();
}

// With a route from G set, the arrow restarts Timer5's count, also for any other
// program running on it.
void Pul::PrzebiegiGClick() {
    if (!pgc && !pgb && !pga) return;
    step5 = 0;
    Timer5.enable();
    Panel64.hide();
}

void Pul::RunRoutePga(int step) {
    runStep(*this, kPga, step);
}

void Pul::RunRoutePgb(int step) {
    runStep(*this, kPgb, step);
}

void Pul::RunRoutePgc(int step) {
    runStep(*this, kPgc, step);
}

// Releases the routes from G. The second and third tests look at the lie of the
// points, not at the route flags. Timer5 is left running.
void Pul::zwgClick() {
    if (!pbd && pga && !Timer3.enabled()) {
        PaintIT3('z');
        PaintITA('s');
        PaintIZ1('b');
        PaintIZ2('b');
        PaintITD('s');
        PaintITG('s');
        pga = false;
    }
    if (!pos1ab && !pos1cd && !pag && !Timer3.enabled()) {
        PaintIT3('z');
        PaintITA('s');
        PaintIZ1('b');
        PaintIZ2('b');
        PaintITD('s');
        pga = false;
    }
    if (!pos1ab && pos1cd && !pbd && !Timer3.enabled()) {
        PaintIT1('z');
        PaintITB('s');
        PaintIZ1('b');
        PaintIZ2('b');
        PaintITD('s');
        PaintITG('s');
        pgb = false;
    }
    if (!pc && pgc && !Timer3.enabled()) {
        PaintITC('s');
        PaintIZ2('b');
        PaintITD('s');
        PaintITG('s');
        pgc = false;
        ugc = true;
    }
    ug = true;
    Panel64.hide();
    psg.enable();
    showStopG(*this);
    UpdatePointButtons();
    Timer3.disable();
}

}  // namespace zormia
