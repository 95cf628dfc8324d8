// Not built yet.
#include "desk/pul.h"

namespace zormia {

void Pul::Timer3Timer() {}
void Pul::Timer5Timer() {}

}  // namespace zormia
