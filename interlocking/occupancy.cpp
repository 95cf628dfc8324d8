// The occupancy simulator: eleven two-state buttons, one per track section. A
// button down marks its section occupied (red, "c"); up shows it free, or in the
// route colour while a route over it is set. Whenever a route runs over the
// section, its signal drops to stop and its train arrow goes, on pressing and on
// releasing alike; the route itself stays set and locked.
//
// The handlers run after the button has changed state and read only that state.

#include "desk/pul.h"
#include "interlocking/route_program.h"

namespace zormia {
namespace {

// The section's letter: occupied while the button is down, else `freeLetter`.
char look(const ToggleRef& button, char freeLetter) {
    return button.down() ? 'c' : freeLetter;
}

}  // namespace

void Pul::Symulator1Click() {
    symulator.show();
}

// Hiding the panel changes nothing: its buttons keep their state.
void Pul::BitBtn1Click() {
    symulator.hide();
}

void Pul::sitaClick() {
    if (!pa && !pha) PaintITA(look(sita, 's'));
    if (!ua || !uh) PaintITA(look(sita, 'z'));
    if (pa || pag) showStopA(*this);
    if (pha) showStopH(*this);
    if (pa) Panel55.hide();
    if (pha) Panel63.hide();
}

void Pul::sitbClick() {
    if (!pb && !phb) PaintITB(look(sitb, 's'));
    if (pb || phb || pbd || pgb) PaintITB(look(sitb, 'z'));
    if (pb || pbd) showStopB(*this);
    if (phb) showStopH(*this);
    if (pb || pbd) Panel56.hide();
    if (phb) Panel63.hide();
    if (pgb) showStopG(*this);
}

void Pul::sitcClick() {
    if (!pc) PaintITC(look(sitc, 's'));
    if (pc || !ugc) {
        PaintITC(look(sitc, 'z'));
        Panel64.hide();
        Panel57.hide();
        showStopC(*this);
        showStopG(*this);
    }
}

// SzD's departure arrow is offered whenever SzD shows, whatever ITD now shows.
void Pul::sitdClick() {
    PaintITD(look(sitd, 's'));
    if (pc || !ugc || pag || pbd || pgb || pga) {
        PaintITD(look(sitd, 'z'));
        Panel64.hide();
        Panel57.hide();
        showStopC(*this);
        showStopG(*this);
        if (pag || pbd) {
            Panel55.hide();
            showStopA(*this);
            Panel56.hide();
            showStopB(*this);
        }
    }
    if (szOnD) jszd.show();
}

// With route D set, a train in ITG has passed D: the start block is given, D goes
// to stop and the route no longer counts as set for the line block.
void Pul::sitgClick() {
    PaintITG(look(sitg, 's'));
    if (pd || !ug || !ugc) {
        PaintITG(look(sitg, 'z'));
        Panel64.hide();
    }
    if (pd) {
        StartBlockGiven(out.busy, ALed44, ALed52);
        showStopD(*this);
        out.route = false;
    }
    if (!ug || !ugc) showStopG(*this);
}

void Pul::sithClick() {
    PaintITH(look(sith, 's'));
    if (pa || pb || pha || phb) PaintITH(look(sith, 'z'));
    if (pha || phb) {
        showStopH(*this);
        Panel63.hide();
    }
    if (pa) {
        showStopA(*this);
        Panel55.hide();
    }
    if (pb) {
        showStopB(*this);
        Panel56.hide();
    }
}

void Pul::siz1Click() {
    PaintIZ1(look(siz1, 'b'));
    if (pa || pb || pha || phb || pag || pbd) {
        PaintIZ1(look(siz1, 'z'));
        showStopH(*this);
        Panel63.hide();
        showStopA(*this);
        Panel55.hide();
        showStopB(*this);
        Panel56.hide();
    }
    if (!ug) {
        showStopG(*this);
        Panel64.hide();
        PaintIZ1(look(siz1, 'z'));
    }
}

void Pul::siz2Click() {
    PaintIZ2(look(siz2, 'b'));
    if (pc || !ugc) {
        PaintIZ2(look(siz2, 'z'));
        Panel64.hide();
        Panel57.hide();
        showStopC(*this);
        showStopG(*this);
    }
    if (pbd || pag || !ug) {
        PaintIZ2(look(siz2, 'z'));
        Panel56.hide();
        Panel55.hide();
        Panel64.hide();
        showStopB(*this);
        showStopA(*this);
        showStopG(*this);
    }
}

// The station tracks rest in the route colour, so they never show unlit.
void Pul::sit1Click() {
    PaintIT1(look(sit1, 'z'));
    if (phb) {
        showStopH(*this);
        Panel63.hide();
    }
}

void Pul::sit2Click() {
    PaintIT2(look(sit2, 'z'));
    if (!ugc) {
        Panel64.hide();
        showStopG(*this);
    }
}

void Pul::sit3Click() {
    PaintIT3(look(sit3, 'z'));
    if (pha) {
        showStopH(*this);
        Panel63.hide();
    }
    if (pga) {
        showStopG(*this);
        Panel64.hide();
    }
}

}  // namespace zormia
