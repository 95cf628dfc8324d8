// Not built yet.
#include "desk/pul.h"

namespace zormia {

void Pul::SetSeal(ElementRef&, ElementRef&, bool) {}
void Pul::zwaClick() {}
void Pul::zwbClick() {}
void Pul::zwcClick() {}
void Pul::zwhClick() {}

}  // namespace zormia
