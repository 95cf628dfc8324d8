// Not built yet.
#include "desk/pul.h"

namespace zormia {

void Pul::psbClick() {}
void Pul::pscClick() {}
void Pul::PrzebiegiBClick() {}
void Pul::PrzebiegCClick() {}
void Pul::SetRoutePb() {}
void Pul::SetRoutePbd() {}
void Pul::SetRoutePc() {}
void Pul::RunRoutePb(int) {}
void Pul::RunRoutePbd(int) {}
void Pul::RunRoutePc(int) {}

}  // namespace zormia
