// Not built yet.
#include "desk/pul.h"

namespace zormia {

void Pul::FlashYellowPair(LampRef&, LampRef&) {}
void Pul::ClearBlockLamps(LampRef&, LampRef&, LampRef&, LampRef&) {}
void Pul::pkoyClick() {}
void Pul::pdkoxClick() {}
void Pul::pkogClick() {}
void Pul::pdkogClick() {}
void Pul::Timer7Timer() {}
void Pul::RunKoY(int) {}
void Pul::RunKoG(int) {}

}  // namespace zormia
