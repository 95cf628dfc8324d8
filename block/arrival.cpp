// Not built yet.
#include "desk/pul.h"

namespace zormia {

void Pul::UpdateArrivalState() {}

}  // namespace zormia
