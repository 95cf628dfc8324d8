// Not built yet.
#include "desk/pul.h"

namespace zormia {

void Pul::StartBlockPending(LampRef&, LampRef&, bool&) {}
void Pul::StartBlockGiven(bool&, LampRef&, LampRef&) {}
void Pul::psdClick() {}
void Pul::zwdClick() {}
void Pul::Timer6Timer() {}
void Pul::RunRoutePd(int) {}

}  // namespace zormia
