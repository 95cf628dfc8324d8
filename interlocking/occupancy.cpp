// Not built yet.
#include "desk/pul.h"

namespace zormia {

void Pul::Symulator1Click() {}
void Pul::BitBtn1Click() {}
void Pul::sitaClick() {}
void Pul::sitbClick() {}
void Pul::sitcClick() {}
void Pul::sitdClick() {}
void Pul::sitgClick() {}
void Pul::sithClick() {}
void Pul::siz1Click() {}
void Pul::siz2Click() {}
void Pul::sit1Click() {}
void Pul::sit2Click() {}
void Pul::sit3Click() {}

}  // namespace zormia
