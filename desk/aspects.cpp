// The aspect setters: each sets one signal's red, green and yellow lamps on the
// desk and in its column of the field-signal panel, in a fixed order. The white
// lamps belong to the shunting and substitute signals and are never touched here.

#include "desk/pul.h"

namespace zormia {

void Pul::SetAspectA(bool green, bool upperYellow, bool red, bool lowerYellow, bool flashing,
                     bool deskRed, bool deskGreen) {
    ALed19.setOn(green);
    ALed20.setOn(upperYellow);
    ALed21.setOn(red);
    ALed22.setOn(lowerYellow);
    ALed20.setBlink(flashing);
    ALed6.setOn(deskRed);
    ALed4.setOn(deskGreen);
}

void Pul::SetAspectB(bool green, bool upperYellow, bool red, bool lowerYellow, bool flashing,
                     bool deskRed, bool deskGreen) {
    ALed24.setOn(green);
    ALed25.setOn(upperYellow);
    ALed26.setOn(red);
    ALed27.setOn(lowerYellow);
    ALed27.setBlink(flashing);
    ALed8.setOn(deskRed);
    ALed9.setOn(deskGreen);
}

void Pul::SetAspectC(bool green, bool red, bool yellow, bool flashing, bool deskRed,
                     bool deskGreen) {
    ALed30.setOn(green);
    ALed31.setOn(red);
    ALed32.setOn(yellow);
    ALed32.setBlink(flashing);
    ALed11.setOn(deskRed);
    ALed12.setOn(deskGreen);
}

void Pul::SetAspectD(bool red, bool green, bool deskRed, bool deskGreen) {
    ALed36.setOn(red);
    ALed37.setOn(green);
    ALed15.setOn(deskRed);
    ALed14.setOn(deskGreen);
}

void Pul::SetAspectG(bool green, bool upperYellow, bool red, bool lowerYellow, bool flashing,
                     bool deskRed, bool deskGreen) {
    ALed54.setOn(green);
    ALed45.setOn(upperYellow);
    ALed46.setOn(red);
    ALed47.setOn(lowerYellow);
    ALed45.setBlink(flashing);
    ALed1.setOn(deskRed);
    ALed2.setOn(deskGreen);
}

void Pul::SetAspectH(bool green, bool upperYellow, bool red, bool lowerYellow, bool flashing,
                     bool deskRed, bool deskGreen) {
    ALed53.setOn(green);
    ALed40.setOn(upperYellow);
    ALed41.setOn(red);
    ALed42.setOn(lowerYellow);
    ALed42.setBlink(flashing);
    ALed16.setOn(deskRed);
    ALed17.setOn(deskGreen);
}

}  // namespace zormia
