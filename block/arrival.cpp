// The arrival supervision: watches sections ITG and ITD while ZORMIA's permission
// to Stacja B stands, and lights the KoG lamp once an arriving train has entered
// ITG, reached ITD and then left ITG while still in ITD.
//
// States: 0 idle, 1 a train has entered ITG, 2 it occupies ITG and ITD, 6 the
// arrival is over or went wrong. Only a KoG press brings the state back to 0.

#include "desk/pul.h"

namespace zormia {

void Pul::UpdateArrivalState() {
    if (!in.poz) return;

    // The tests run in this order, each on what the ones before left, so one call
    // may pass through several states (0 -> 1 -> 2 after dKoG, for example).
    if (ALed2.on() && occITG && arrivalState == 0 && !dkogLatch) arrivalState = 1;
    if (occITG && arrivalState == 0 && dkogLatch) arrivalState = 1;
    if (occITG && occITD && arrivalState == 1) arrivalState = 2;
    if (!occITG && arrivalState == 1) arrivalState = 6;
    if (!occITG && !occITD && arrivalState == 2) arrivalState = 6;
    if (!occITG && occITD && arrivalState == 2) ALed35.setOn(true);
}

}  // namespace zormia
