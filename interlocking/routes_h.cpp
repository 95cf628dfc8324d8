// Not built yet.
#include "desk/pul.h"

namespace zormia {

void Pul::pshClick() {}
void Pul::PrzebiegiHClick() {}
void Pul::SetRoutePha() {}
void Pul::SetRoutePhb() {}
void Pul::RunRoutePha(int) {}
void Pul::RunRoutePhb(int) {}

}  // namespace zormia
