#pragma once
#include <QIcon>
#include <QImage>

namespace zormia {

// The program's 32 x 32 picture: a red band, a black line, a lime band, a silver
// strip with two lamps in dark bezels (the left unlit, the right lit red), a grey
// line and a lime band at the bottom.
QImage programIconImage();
QIcon programIcon();

}  // namespace zormia
