// The routes from entry signal H, for trains arriving from Stacja C: `pha` into
// track 3 and `phb` into track 1, both on Timer3. On track 1 the train either
// stops before signal P or, with P at proceed, runs on past it.

#include "desk/pul.h"
#include "interlocking/route_program.h"

namespace zormia {
namespace {

// The train has cleared the points: the route behind it is released, H's route
// lock `uh` is free again and IZ1 and ITH go back to their rest look.
void releasedBehindTheTrain(Pul& d) {
    d.PaintIZ1('b');
    d.PaintITH('s');
    d.uh = true;
    d.UpdatePointButtons();
}

// A train from Stacja C into track 3.
constexpr ProgramStep kRoutePha[] = {
    {2, [](Pul& d) { d.ShowTile(d.im14, "aw1c"); }},  // the train approaches on the line
    {5,
     [](Pul& d) {  // the train passes H into ITH
         d.PaintIZ1('z');
         d.PaintITH('c');
         showStopH(d);
         d.Panel63.hide();
     }},
    {7, [](Pul& d) { d.ShowTile(d.im14, "aw1S"); }},
    {10, [](Pul& d) { d.PaintIZ1('c'); }},
    {13, [](Pul& d) { d.PaintITH('z'); }},
    {18, [](Pul& d) { d.PaintITA('c'); }},
    {22, releasedBehindTheTrain},
    {24, [](Pul& d) { d.PaintIT3('c'); }},
    {25, [](Pul& d) { d.PaintITA('s'); }},
    {27, [](Pul& d) { d.PaintIT3('z'); }},
    {28, [](Pul& d) { endRoute(d.pha, d.Timer3, d.step3); }},
};

// A train from Stacja C into track 1. With P at stop at step 20 the train stays
// on track 1. With P at proceed it runs on and the program ends at step 25 only
// if P is still at proceed then; otherwise it never ends.
constexpr ProgramStep kRoutePhb[] = {
    {2, [](Pul& d) { d.ShowTile(d.im14, "aw1c"); }},
    {5,
     [](Pul& d) {
         d.PaintITH('c');
         showStopH(d);
         d.Panel63.hide();
     }},
    {7, [](Pul& d) { d.ShowTile(d.im14, "aw1S"); }},
    {10, [](Pul& d) { d.PaintIZ1('c'); }},
    {13, [](Pul& d) { d.PaintITH('z'); }},
    {15, [](Pul& d) { d.PaintITB('c'); }},
    {17, [](Pul& d) { d.PaintIT1('c'); }},
    {19, releasedBehindTheTrain},
    {20,
     [](Pul& d) {
         if (d.ALed29.on()) return;
         d.PaintITB('s');
         endRoute(d.phb, d.Timer3, d.step3);
     }},
    {21,
     [](Pul& d) {
         if (d.ALed29.on()) d.PaintITB('s');
     }},
    {25,
     [](Pul& d) {  // the train has left track 1 past P, which goes back to stop
         if (!d.ALed29.on()) return;
         d.PaintIT1('z');
         d.ALed29.setOn(false);
         endRoute(d.phb, d.Timer3, d.step3);
     }},
};

}  // namespace

void Pul::pshClick() {
    if (pos1ab && pos1cd && !shuntA && !shuntB && !pb && !occIT1 && !pha && !occITH && !occIZ1 &&
        !occITB) {
        phb = true;
        SetRoutePhb();
    }
    if (pos1ab && !pos1cd && !shuntA && !shuntB && !pa && !phb && !occITH && !occIZ1 && !occITA &&
        !occIT3) {
        pha = true;
        SetRoutePha();
    }
}

// Restarts the count of every program on Timer3. The arrow stays shown until the
// train passes H.
void Pul::PrzebiegiHClick() {
    step3 = 0;
    Timer3.enable();
}

void Pul::SetRoutePha() {
    if (step3 >= 5) return;
    if (!ALed17.on() && uh) {
        SetAspectH(false, true, false, true, false, false, true);
        showTrack3Path(*this);
        PaintITH('z');
        uh = false;
        UpdatePointButtons();
        Panel63.show();
    } else {
        showStopH(*this);
        Timer3.disable();
        Panel63.hide();
        step3 = 0;
    }
}

void Pul::SetRoutePhb() {
    if (step3 >= 5) return;
    if (!ALed17.on() && uh) {
        const bool pProceed = ALed29.on();  // H repeats P: green, or upper yellow
        SetAspectH(pProceed, !pProceed, false, false, false, false, true);
        ShowTile(im4, "aw1z");
        ShowTile(im5, "aw1z");
        ShowTile(im6, "aw4pz");
        ShowTile(im7, "aw3pz");
        PaintITH('z');
        uh = false;
        UpdatePointButtons();
        Panel63.show();
    } else {
        showStopH(*this);
        Timer3.disable();
        Panel63.hide();
    }
}

void Pul::RunRoutePha(int step) {
    runStep(*this, kRoutePha, step);
}

void Pul::RunRoutePhb(int step) {
    runStep(*this, kRoutePhb, step);
}

}  // namespace zormia
