#pragma once
// The track tile set: 39 pictures of a piece of track in one colour, named by
// tile keys such as "aw4pz" (shape 4, plus position, yellow).

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zormia {

enum class Picture : std::uint8_t {
    AW1S, AW1Z, AW1C,
    AW2PB, AW2PZ, AW2PC, AW2MB, AW2MZ, AW2MC,
    AW3PB, AW3PZ, AW3PC, AW3MB, AW3MZ, AW3MC,
    AW4PB, AW4PZ, AW4PC, AW4MB, AW4MZ, AW4MC,
    AW5PB, AW5PZ, AW5PC, AW5MB, AW5MZ, AW5MC,
    AW6S, AW6Z, AW6C,
    AW7S, AW7Z, AW7C,
    AW8S, AW8Z, AW8C,
    AW9S, AW9Z, AW9C,
};
inline constexpr int kPictureCount = 39;

// The stored, upper-case name of a picture ("AW4PZ").
std::string_view pictureName(Picture picture);

// The picture a tile key names, matched without regard to case; nothing for a key
// outside the set.
std::optional<Picture> pictureForKey(std::string_view key);

// An RGB image, row by row, three bytes a pixel.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    std::array<std::uint8_t, 3> at(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
        return {pixels[i], pixels[i + 1], pixels[i + 2]};
    }
};

// The picture at its stored size (65 x 65 for AW1S and AW1C, 64 x 64 otherwise).
// With `startupShade` the unlit colour is the lighter shade of the desk's
// start-up look.
const RgbImage& pictureImage(Picture picture, bool startupShade = false);

// The picture's 64 x 64 face drawn from its shapes at `scale` image pixels per
// tile pixel (2 for a screen with twice the desk's pixel density, 1.5 for one and
// a half), ceil(64 * scale) pixels square. The bands are drawn as rectangles and
// the 45-degree strips as parallelograms between their black edge lines; each
// pixel takes the colour of the shape under its centre, so every edge stays
// sharp at the new density and a diagonal steps by one image pixel per row. At
// scale 1 it is pixel for pixel the top-left 64 x 64 of pictureImage(). Drawn
// afresh on every call; scale must be positive.
RgbImage renderPicture(Picture picture, bool startupShade, double scale);

}  // namespace zormia
