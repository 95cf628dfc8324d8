// Not built yet.
#include "desk/pul.h"

namespace zormia {

void Pul::SetAspectA(bool, bool, bool, bool, bool, bool, bool) {}
void Pul::SetAspectB(bool, bool, bool, bool, bool, bool, bool) {}
void Pul::SetAspectC(bool, bool, bool, bool, bool, bool) {}
void Pul::SetAspectD(bool, bool, bool, bool) {}
void Pul::SetAspectG(bool, bool, bool, bool, bool, bool, bool) {}
void Pul::SetAspectH(bool, bool, bool, bool, bool, bool, bool) {}

}  // namespace zormia
