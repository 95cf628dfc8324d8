// Not built yet.
#include "desk/pul.h"

namespace zormia {

void Pul::ShowTile(TileRef&, std::string_view) {}
void Pul::PaintITA(char) {}
void Pul::PaintITB(char) {}
void Pul::PaintITC(char) {}
void Pul::PaintITD(char) {}
void Pul::PaintITG(char) {}
void Pul::PaintITH(char) {}
void Pul::PaintIZ1(char) {}
void Pul::PaintIZ2(char) {}
void Pul::PaintIT1(char) {}
void Pul::PaintIT2(char) {}
void Pul::PaintIT3(char) {}

}  // namespace zormia
