// Not built yet.
#include "desk/pul.h"

namespace zormia {

void Pul::SemPClick() {}
void Pul::Timer4Timer() {}
void Pul::RunSignalP(int) {}

}  // namespace zormia
