// Not built yet.
#include "desk/pul.h"

namespace zormia {

void Pul::psaClick() {}
void Pul::PrzebiegiAClick() {}
void Pul::SetRoutePa() {}
void Pul::SetRoutePag() {}
void Pul::RunRoutePa(int) {}
void Pul::RunRoutePag(int) {}

}  // namespace zormia
