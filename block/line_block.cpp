// The semi-automatic line block toward Stacja B: request (Wbl), permission (Poz),
// the return of a permission and the auxiliary start block (dPoD, dPoV).
//
// Both ends of the block are on the desk. Each direction keeps its own seven
// flags; the three block operations take one direction with its lamps, so the
// ZORMIA end and the Stacja B end share them.

#include "desk/pul.h"
#include "interlocking/counters.h"

namespace zormia {

void Pul::ResetBlock() {
    out = BlockDirection{};
    in = BlockDirection{};
}

void Pul::WblPress(BlockDirection& d, LampRef& wblLamp, LampRef& pozLamp) {
    // Before permission: the first press asks for it, the second withdraws the request.
    if (!d.poz && !d.busy) {
        d.wbl = !d.wbl;
        wblLamp.setOn(d.wbl);
        pozLamp.setOn(d.wbl);
    }
    // After permission, while no route uses it: ask to give it back.
    if (d.poz && !d.route && !d.busy) {
        d.req = true;
        wblLamp.setBlink(true);
        pozLamp.setBlink(true);
    }
}

void Pul::PozPress(BlockDirection& d, LampRef& wblLamp, LampRef& pozLamp) {
    // Grant the pending request: both lamps burn steadily.
    if (!d.poz && !d.busy) {
        d.poz = true;
        wblLamp.setBlink(false);
        pozLamp.setBlink(false);
        d.free = true;
        d.wbl = false;
    }
    // Confirm the return of the permission.
    if (d.req) {
        wblLamp.setOn(false);
        pozLamp.setOn(false);
        d.poz = false;
        d.free = false;
        d.req = false;
    }
}

void Pul::DPoPress(BlockDirection& d, LampRef& wblLamp, LampRef& pozLamp, LampRef& pwlLamp) {
    if (!d.poz) return;
    d.busy = true;
    wblLamp.setColour(colour::red);  // keeps its flashing
    pozLamp.setBlink(false);
    pozLamp.setColour(colour::red);
    d.free = false;
    pwlLamp.setOn(true);
}

// A direction leaves its rest only while the other direction has no request, no
// permission and no train on the line.
void Pul::pwblaClick() {
    if (!in.wbl && !in.poz && !in.busy) WblPress(out, ALed44, ALed52);
}

void Pul::pwbl2Click() {
    if (!out.wbl && !out.poz && !out.busy) WblPress(in, ALed51, ALed39);
}

// Poz acts only on a direction with a request or a permission.
void Pul::ppoz2Click() {
    if (out.poz || out.wbl) PozPress(out, ALed44, ALed52);
}

void Pul::ppoz1Click() {
    if (in.poz || in.wbl) PozPress(in, ALed51, ALed39);
}

// The auxiliary start block counts every press made while permission is held,
// also on a line that is already occupied.
void Pul::pdpodClick() {
    if (!out.poz) return;
    addOne(dpod);
    ldpod.setValue(dpod);
    DPoPress(out, ALed44, ALed52, ALed34);
}

void Pul::pdpo2Click() {
    if (!in.poz) return;
    addOne(dpov);
    ldpov.setValue(dpov);
    DPoPress(in, ALed51, ALed39, ALed49);
}

}  // namespace zormia
