// Not built yet: the tile set.
#include "desk/tile_set.h"

namespace zormia {

std::string_view pictureName(Picture) { return "AW1S"; }
std::optional<Picture> pictureForKey(std::string_view) { return Picture::AW1S; }
const RgbImage& pictureImage(Picture, bool) {
    static const RgbImage empty{64, 64, std::vector<std::uint8_t>(64 * 64 * 3, 0)};
    return empty;
}

}  // namespace zormia
