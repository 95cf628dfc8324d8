// Not built yet.
#include "desk/pul.h"

namespace zormia {

void Pul::ResetBlock() {}
void Pul::WblPress(BlockDirection&, LampRef&, LampRef&) {}
void Pul::PozPress(BlockDirection&, LampRef&, LampRef&) {}
void Pul::DPoPress(BlockDirection&, LampRef&, LampRef&, LampRef&) {}
void Pul::pwblaClick() {}
void Pul::ppoz1Click() {}
void Pul::pdpodClick() {}
void Pul::pwbl2Click() {}
void Pul::ppoz2Click() {}
void Pul::pdpo2Click() {}

}  // namespace zormia
