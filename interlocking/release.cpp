// The sealed route release buttons of A, B, C and H, and the seals of all six
// release buttons. A release button does not ask which route is set: it frees
// its signal's lock, tests the lie of the points and the routes of the opposite
// direction and darkens the path those select. Those of A, B and C stop Timer3,
// also where the route they release runs on Timer5; that of H does nothing more
// than free its lock while Timer3 runs.

#include "desk/pul.h"
#include "interlocking/route_program.h"

namespace zormia {

// The button's enabled state is the only record of its seal.
void Pul::SetSeal(ElementRef& button, ElementRef& bar, bool unsealed) {
    button.setEnabled(unsealed);
    bar.setVisible(!unsealed);
}

void Pul::zwaClick() {
    ua = true;
    UpdatePointButtons();
    if (pos1ab && !pos1cd && !pha && !Timer3.enabled()) {  // the path of pa
        pa = false;
        PaintITA('s');
        PaintIZ1('b');
        PaintITH('s');
    }
    if (!pos1ab && !pos1cd && !pga && !Timer3.enabled()) {  // the path of pag
        PaintIT3('z');
        PaintITA('s');
        PaintIZ1('b');
        PaintIZ2('b');
        PaintITD('s');
    }
    Panel55.hide();
    psa.enable();
    showStopA(*this);
    Timer3.disable();
    pag = false;
}

void Pul::zwbClick() {
    ub = true;
    UpdatePointButtons();
    if (pos1ab && pos1cd && !phb && !Timer3.enabled()) {  // the path of pb
        PaintITB('s');
        PaintIZ1('b');
        PaintITH('s');
    }
    if (!pos1ab && pos1cd && !pgb && !Timer3.enabled()) {  // the path of pbd
        PaintIT1('z');
        PaintITB('s');
        PaintIZ1('b');
        PaintIZ2('b');
        PaintITD('s');
    }
    psb.enable();  // after a refused pb this is what frees B again
    pb = false;
    pbd = false;
    showStopB(*this);
    Timer3.disable();
    Panel56.hide();
}

// A train standing in ITD keeps it shown occupied.
void Pul::zwcClick() {
    uc = true;
    if (!pgc && !Timer3.enabled()) {
        PaintITC('s');
        PaintIZ2('b');
        if (!occITD) PaintITD('s');
    }
    UpdatePointButtons();
    psc.enable();
    pc = false;
    showStopC(*this);
    Timer3.disable();
    Panel57.hide();
}

// While Timer3 runs this frees only the lock of H.
void Pul::zwhClick() {
    uh = true;
    UpdatePointButtons();
    if (Timer3.enabled()) return;
    showStopH(*this);
    Panel63.hide();
    if (pos1ab && !pos1cd && !pa) {  // the path of pha
        PaintITH('s');
        PaintIZ1('b');
        PaintITA('s');
        psh.enable();
        pha = false;
    }
    if (pos1ab && pos1cd && !pb) {  // the path of phb
        phb = false;
        PaintIZ1('b');
        PaintITB('s');
        PaintITH('s');
        psh.enable();
    }
}

}  // namespace zormia
