// Not built yet.
#include "desk/pul.h"

namespace zormia {

void Pul::psgClick() {}
void Pul::PrzebiegiGClick() {}
void Pul::SetRoutePga() {}
void Pul::SetRoutePgb() {}
void Pul::SetRoutePgc() {}
void Pul::zwgClick() {}
void Pul::RunRoutePga(int) {}
void Pul::RunRoutePgb(int) {}
void Pul::RunRoutePgc(int) {}

}  // namespace zormia
