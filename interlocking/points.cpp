// Not built yet.
#include "desk/pul.h"

namespace zormia {

void Pul::z1abClick() {}
void Pul::z1cdClick() {}

}  // namespace zormia
