// The interlocking's start-up values and the locking of the point buttons.

#include "desk/pul.h"

namespace zormia {

// Runs once, when the desk is created. It draws nothing: the desk's start-up look
// already shows this state.
void Pul::FormCreate() {
    arrivalState = 0;
    step1 = step2 = step3 = step5 = 0;
    out.koRun = false;
    dkogLatch = false;
    ua = ub = uc = ud = ug = ugc = uh = true;
    out = BlockDirection{};
    in = BlockDirection{};
    occITA = occITB = occITC = occITD = occITG = occITH = false;
    occIT1 = occIT2 = occIT3 = occIZ1 = occIZ2 = false;
    pos1ab = pos1cd = true;
    pa = pb = pc = pd = pha = phb = false;
}

// The points can be thrown only while no route over them holds its lock. Routes
// from D take no part.
void Pul::UpdatePointButtons() {
    z1ab.setEnabled(ua && ub && uc && ug && ugc && uh);
    z1cd.setEnabled(ua && ub && ug && uh);
}

}  // namespace zormia
