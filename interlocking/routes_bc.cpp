// The routes from signal B on track 1 (`pb` into ITH toward Stacja C on Timer3,
// `pbd` to signal D on Timer5) and from signal C on track 2 (`pc` to signal D on
// Timer5).

#include "desk/pul.h"
#include "interlocking/route_program.h"

namespace zormia {
namespace {

// A train from track 1 toward Stacja C.
constexpr ProgramStep kRoutePb[] = {
    {5,
     [](Pul& d) {  // the train passes B into ITB
         d.PaintITB('C');
         showStopB(d);
         d.Panel56.hide();
     }},
    {8,
     [](Pul& d) {
         d.PaintITB('C');
         d.PaintIT1('z');
         d.PaintIZ1('c');
     }},
    {10,
     [](Pul& d) {
         d.PaintITH('c');
         d.PaintITB('z');
     }},
    {12, [](Pul& d) { d.ShowTile(d.im6, "aw4pc"); }},
    {13, [](Pul& d) { d.PaintIZ1('z'); }},
    {16,
     [](Pul& d) {  // the route behind the train is released
         d.PaintITB('s');
         d.PaintIZ1('b');
         d.ub = true;
         d.UpdatePointButtons();
     }},
    {20,
     [](Pul& d) {
         d.PaintITH('s');
         endRoute(d.pb, d.Timer3, d.step3);
     }},
};

// A train from track 1 to signal D.
constexpr ProgramStep kRoutePbd[] = {
    {5,
     [](Pul& d) {
         d.PaintITB('C');
         showStopB(d);
         d.Panel56.hide();
     }},
    {9, [](Pul& d) { d.PaintIZ1('c'); }},
    {10, [](Pul& d) { d.PaintIZ2('c'); }},
    {11, [](Pul& d) { d.PaintIT1('Z'); }},
    {12, [](Pul& d) { d.PaintITB('z'); }},
    {14, [](Pul& d) { d.PaintITD('c'); }},
    {16, [](Pul& d) { d.PaintIZ1('z'); }},
    {17, [](Pul& d) { d.PaintIZ2('z'); }},
    {18,
     [](Pul& d) {
         d.PaintITB('s');
         d.PaintIZ1('b');
         d.PaintIZ2('b');
         d.ub = true;
         d.UpdatePointButtons();
     }},
    {20, [](Pul& d) { handOverToD(d, d.pbd); }},
};

// A train from track 2 to signal D.
constexpr ProgramStep kRoutePc[] = {
    {3,
     [](Pul& d) {  // the train passes C into ITC
         d.PaintITC('c');
         showStopC(d);
         d.Panel57.hide();
     }},
    {7,
     [](Pul& d) {
         d.PaintIZ2('c');
         d.PaintIT2('z');
     }},
    {9, [](Pul& d) { d.PaintITD('c'); }},
    {12, [](Pul& d) { d.PaintITC('z'); }},
    {14, [](Pul& d) { d.PaintIZ2('z'); }},
    {15,
     [](Pul& d) {
         d.uc = true;
         d.UpdatePointButtons();
         d.PaintITC('s');
         d.PaintIZ2('b');
     }},
    {18, [](Pul& d) { handOverToD(d, d.pc); }},
};

}  // namespace

void Pul::psbClick() {
    if (pos1ab && pos1cd && !phb && !shuntB && !shuntA && !occITB && !occIZ1 && !occITH) {
        pb = true;
        SetRoutePb();
    }
    if (!pos1ab && pos1cd && !phb && !shuntB && !shuntA && !occITB && !occIZ1 && !occIZ2 &&
        !occITD) {
        pbd = true;
        SetRoutePbd();
    }
}

void Pul::pscClick() {
    // The lie of 1cd does not matter.
    if (pos1ab && !shuntC && !occITC && !occIZ2 && !occITD && !pgc) {
        pc = true;
        SetRoutePc();
    }
}

// Track 1 is shown occupied by its picture alone; the counters are not reset.
void Pul::PrzebiegiBClick() {
    ShowTile(im4, "aw1c");
    if (pb) Timer3.enable();
    if (pbd) Timer5.enable();
}

// Restarts the count of every program on Timer5, whatever routes are set.
void Pul::PrzebiegCClick() {
    ShowTile(im15, "aw1c");
    step5 = 0;
    Timer5.enable();
}

void Pul::SetRoutePb() {
    if (step3 >= 5) return;
    if (!ALed9.on() && ub) {
        SetAspectB(true, false, false, false, false, false, true);
        if (!occIT1) ShowTile(im4, "aw1z");  // a train standing on track 1 stays shown
        ShowTile(im5, "aw1z");
        ShowTile(im6, "aw4pz");
        ShowTile(im7, "aw3pz");
        PaintITH('z');
        ub = false;
        UpdatePointButtons();
        Panel56.show();
    } else {
        // B stays locked out until its release button is used.
        showStopB(*this);
        Timer3.disable();
        Panel56.hide();
        psb.disable();
    }
}

void Pul::SetRoutePbd() {
    if (step3 >= 5 && step3 <= 13) return;  // Timer3's counter, though pbd runs on Timer5
    if (!ALed9.on() && ug && ub) {
        const bool dProceed = ALed37.on();
        SetAspectB(dProceed, !dProceed, false, true, false, false, true);
        pbd = true;
        PaintIT1('z');
        PaintITB('z');
        PaintIZ1('z');
        PaintIZ2('z');
        PaintITD('z');
        ub = false;
        UpdatePointButtons();
        Panel56.show();
    } else {
        showStopB(*this);
        Timer3.disable();  // Timer3, not Timer5: a started pbd runs on
        Panel56.hide();
    }
}

void Pul::SetRoutePc() {
    if (step5 >= 5 && step5 <= 13) return;
    if (!ALed12.on() && uc) {
        const bool dProceed = ALed37.on();  // C announces whether D shows proceed
        SetAspectC(dProceed, false, !dProceed, false, false, true);
        pc = true;
        ShowTile(im15, "aw1z");
        ShowTile(im16, "aw1z");
        ShowTile(im17, "aw1z");
        ShowTile(im18, "aw4pz");
        PaintITD('z');
        uc = false;
        UpdatePointButtons();
        Panel57.show();
    } else {
        showStopC(*this);
        Timer5.disable();
        Panel57.hide();
    }
}

void Pul::RunRoutePb(int step) {
    runStep(*this, kRoutePb, step);
}

void Pul::RunRoutePbd(int step) {
    runStep(*this, kRoutePbd, step);
}

void Pul::RunRoutePc(int step) {
    runStep(*this, kRoutePc, step);
}

}  // namespace zormia
