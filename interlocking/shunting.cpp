// Not built yet.
#include "desk/pul.h"

namespace zormia {

void Pul::SetShuntLamps(LampRef&, LampRef&, bool) {}
void Pul::SetSzLamps(LampRef&, LampRef&, bool, std::int32_t&, CounterRef&, bool&) {}
void Pul::amClick() {}
void Pul::bmClick() {}
void Pul::cmClick() {}
void Pul::pszaClick() {}
void Pul::pszbClick() {}
void Pul::pszcClick() {}
void Pul::pszdClick() {}
void Pul::pszgClick() {}
void Pul::pszhClick() {}
void Pul::jszdClick() {}
void Pul::Timer1Timer() {}
void Pul::Timer2Timer() {}

}  // namespace zormia
