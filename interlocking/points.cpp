// Points 1ab and 1cd: a throw takes effect at once and shows the new lie in the
// white rest look. A point button is only enabled while no route over the points
// holds its lock (UpdatePointButtons); an occupied points section holds them too.

#include "desk/pul.h"

namespace zormia {

// 1ab is the crossover between IZ1 and IZ2: its two tiles move together.
void Pul::z1abClick() {
    if (occIZ1 || occIZ2) return;
    pos1ab = !pos1ab;
    if (pos1ab) {
        ShowTile(im7, "aw3pb");
        ShowTile(im18, "aw4pb");
        z1ab.setCaption("+");
    } else {
        ShowTile(im7, "aw3mb");
        ShowTile(im18, "aw4mb");
        z1ab.setCaption("-");
    }
}

// 1cd lies wholly in IZ1; a train in IZ2 does not hold it.
void Pul::z1cdClick() {
    if (occIZ1) return;
    pos1cd = !pos1cd;
    if (pos1cd) {
        ShowTile(im6, "aw4pb");
        z1cd.setCaption("+");
    } else {
        ShowTile(im6, "aw4mb");
        z1cd.setCaption("-");
    }
}

}  // namespace zormia
