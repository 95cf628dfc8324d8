#pragma once
// What the station's route programs share: the stop aspects they put their
// signals back to (every signal's, used by the release buttons and the occupancy
// simulator too), the end of a program and the hand-over of a train that has
// reached signal D to the departure program of D.

#include <cstdint>

#include "desk/pul.h"
#include "interlocking/step_program.h"

namespace zormia {

inline void showStopA(Pul& d) {
    d.SetAspectA(false, false, true, false, false, true, false);
}
inline void showStopB(Pul& d) {
    d.SetAspectB(false, false, true, false, false, true, false);
}
inline void showStopC(Pul& d) {
    d.SetAspectC(false, true, false, false, true, false);
}
inline void showStopD(Pul& d) {
    d.SetAspectD(true, false, true, false);
}
inline void showStopG(Pul& d) {
    d.SetAspectG(false, false, true, false, false, true, false);
}
inline void showStopH(Pul& d) {
    d.SetAspectH(false, false, true, false, false, true, false);
}

// Track 3, ITA and IZ1 (1cd minus, 1ab plus) in the route colour by their pictures
// alone, no occupancy changing: the path that pa and pha share.
inline void showTrack3Path(Pul& d) {
    d.ShowTile(d.im1, "aw1z");
    d.ShowTile(d.im2, "aw1z");
    d.ShowTile(d.im3, "aw7z");
    d.ShowTile(d.im6, "aw4mz");
    d.ShowTile(d.im7, "aw3pz");
}

// The last step of a route: its flag goes down, its timer stops and the timer's
// counter starts again from 0. Any other program on the same timer stops where
// it is.
void endRoute(bool& routeFlag, TimerRef& timer, std::int32_t& counter);

// The last step of a route that ends at signal D (on Timer5): the route ends as
// with endRoute. With D at proceed the train runs on as the departure train of D,
// from step 5 of its program; with D at stop it stays in ITD, which stays shown
// occupied.
void handOverToD(Pul& d, bool& routeFlag);

}  // namespace zormia
