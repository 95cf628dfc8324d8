// The track tile set, drawn once from the geometry of the desk's tiles.
//
// Every picture is 64 x 64 on the desk background, columns x = 0..63 from the
// left and rows y = 0..63 from the top.
//
// Straight band (shape 1 and the straight of the point shapes): colour in rows
// 28..35 across the whole width, black rows 27 and 36.
//
// Diagonal strips (shapes 6..9 and the legs of the point shapes 2..5) are drawn
// row by row as a run measured from the strip's inner black line. With `d` the
// distance from that line, counted toward the strip's outer side:
//   d == 0            black (the inner line)
//   d == 1 .. width   the strip's colour
//   d == width + 1    black (the outer line)
// Shape 6 in row y (0..36) has its inner line at x = 36 - y and runs toward the
// left edge, 8 pixels wide; shapes 7, 8 and 9 are shape 6 mirrored. The legs:
//   shape 2, rows 0..26:  inner line x = 36 - y, toward the left,  9 pixels
//   shape 3, rows 37..63: inner line x = y - 27, toward the left,  8 pixels
//   shape 4, rows 0..26:  inner line x = 27 + y, toward the right, 8 pixels
//   shape 5, rows 37..63: inner line x = 90 - y, toward the right, 8 pixels
// The inner line is the one facing the rest of the band; the leg's outer side
// faces the tile edge at the end where the leg branches off (left for 2 and 3,
// right for 4 and 5).
//
// Plus pictures: the leg in the unlit colour outside rows 27..36, the straight
// band in the letter's colour over it (the leg does not show inside the band).
//
// Minus pictures: the leg in the letter's colour, and inside rows 27..36 the leg
// goes on across the band to the branching edge. Read row by row in rows 27..36,
// with `d` measured from the leg's inner line continued at 45 degrees:
//   d < 0             the rest of the band: black in rows 27 and 36, unlit
//                     between them
//   d == 0            black: the 45-degree line that bounds the leg inside
//   d == 1 .. width   the letter's colour: the leg's own run crosses the band's
//                     black row on the side it enters from, so the lit path has
//                     no black bar across it
//   d >  width        rows 28..35: the letter's colour up to the tile edge (the
//                     leg carried on to the edge); rows 27 and 36: black (the
//                     band's black row, which is also where the leg's outer line
//                     falls)
// So at the branching edge the lit colour fills rows 28..35 between black rows 27
// and 36, meeting the next tile's band. Shape 2's leg is 9 pixels wide, so its
// minus pictures also light row 27 at the left edge.
//
// AW1S and AW1C are held at 65 x 65 with a white last column and last row, as
// they were stored; a tile shows only the top-left 64 x 64.
#include "desk/tile_set.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

namespace zormia {

namespace {

using Colour = std::array<std::uint8_t, 3>;

constexpr Colour kBackground{0, 255, 0};
constexpr Colour kBlack{0, 0, 0};
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kUnlit{160, 160, 255};
constexpr Colour kStartupUnlit{192, 192, 255};
constexpr Colour kYellow{255, 255, 0};
constexpr Colour kRed{255, 0, 0};

constexpr int kSize = 64;

enum class Position : std::uint8_t { None, Plus, Minus };

struct PictureLook {
    std::string_view name;
    int shape;
    Position position;
    char letter;  // 's', 'z', 'c' or 'b'
};

// In the order of the Picture enum.
constexpr std::array<PictureLook, kPictureCount> kPictures{{
    {"AW1S", 1, Position::None, 's'},   {"AW1Z", 1, Position::None, 'z'},
    {"AW1C", 1, Position::None, 'c'},   {"AW2PB", 2, Position::Plus, 'b'},
    {"AW2PZ", 2, Position::Plus, 'z'},  {"AW2PC", 2, Position::Plus, 'c'},
    {"AW2MB", 2, Position::Minus, 'b'}, {"AW2MZ", 2, Position::Minus, 'z'},
    {"AW2MC", 2, Position::Minus, 'c'}, {"AW3PB", 3, Position::Plus, 'b'},
    {"AW3PZ", 3, Position::Plus, 'z'},  {"AW3PC", 3, Position::Plus, 'c'},
    {"AW3MB", 3, Position::Minus, 'b'}, {"AW3MZ", 3, Position::Minus, 'z'},
    {"AW3MC", 3, Position::Minus, 'c'}, {"AW4PB", 4, Position::Plus, 'b'},
    {"AW4PZ", 4, Position::Plus, 'z'},  {"AW4PC", 4, Position::Plus, 'c'},
    {"AW4MB", 4, Position::Minus, 'b'}, {"AW4MZ", 4, Position::Minus, 'z'},
    {"AW4MC", 4, Position::Minus, 'c'}, {"AW5PB", 5, Position::Plus, 'b'},
    {"AW5PZ", 5, Position::Plus, 'z'},  {"AW5PC", 5, Position::Plus, 'c'},
    {"AW5MB", 5, Position::Minus, 'b'}, {"AW5MZ", 5, Position::Minus, 'z'},
    {"AW5MC", 5, Position::Minus, 'c'}, {"AW6S", 6, Position::None, 's'},
    {"AW6Z", 6, Position::None, 'z'},   {"AW6C", 6, Position::None, 'c'},
    {"AW7S", 7, Position::None, 's'},   {"AW7Z", 7, Position::None, 'z'},
    {"AW7C", 7, Position::None, 'c'},   {"AW8S", 8, Position::None, 's'},
    {"AW8Z", 8, Position::None, 'z'},   {"AW8C", 8, Position::None, 'c'},
    {"AW9S", 9, Position::None, 's'},   {"AW9Z", 9, Position::None, 'z'},
    {"AW9C", 9, Position::None, 'c'},
}};

// A leg of a point shape: its rows outside the band, its inner line in row y at
// x = innerBase + innerSlope * y, and the direction (+1 right, -1 left) from the
// inner line toward the outer side and the branching edge.
struct Leg {
    int firstRow, lastRow;
    int innerBase, innerSlope;
    int direction;
    int width;
};

constexpr Leg legOf(int shape) {
    switch (shape) {
        case 2:
            return {0, 26, 36, -1, -1, 9};
        case 3:
            return {37, 63, -27, 1, -1, 8};
        case 4:
            return {0, 26, 27, 1, 1, 8};
        default:
            return {37, 63, 90, -1, 1, 8};  // shape 5
    }
}

constexpr bool isBandEdge(int y) {
    return y == 27 || y == 36;
}

class Canvas {
  public:
    Canvas(int size, Colour fill) : image_{size, size, {}} {
        image_.pixels.resize(static_cast<std::size_t>(size) * size * 3);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) set(x, y, fill);
    }
    void set(int x, int y, Colour c) {
        if (x < 0 || y < 0 || x >= image_.width || y >= image_.height) return;
        const std::size_t i = (static_cast<std::size_t>(y) * image_.width + x) * 3;
        image_.pixels[i] = c[0];
        image_.pixels[i + 1] = c[1];
        image_.pixels[i + 2] = c[2];
    }
    RgbImage take() { return std::move(image_); }

  private:
    RgbImage image_;
};

// One row of a strip: inner black line, `width` pixels of colour, outer black line.
void stripRow(Canvas& canvas, int y, int inner, int direction, int width, Colour colour) {
    canvas.set(inner, y, kBlack);
    for (int d = 1; d <= width; ++d) canvas.set(inner + direction * d, y, colour);
    canvas.set(inner + direction * (width + 1), y, kBlack);
}

void straightBand(Canvas& canvas, Colour colour) {
    for (int x = 0; x < kSize; ++x) {
        canvas.set(x, 27, kBlack);
        for (int y = 28; y <= 35; ++y) canvas.set(x, y, colour);
        canvas.set(x, 36, kBlack);
    }
}

// Shape 6, mirrored top to bottom (shape 7), left to right (shape 8) or both (9).
void diagonal(Canvas& canvas, int shape, Colour colour) {
    const bool flipRows = shape == 7 || shape == 9;
    const bool flipColumns = shape == 8 || shape == 9;
    for (int y = 0; y <= 36; ++y) {
        const int row = flipRows ? kSize - 1 - y : y;
        const int inner = 36 - y;
        for (int d = 0; d <= 9; ++d) {
            const int x = inner - d;
            const int column = flipColumns ? kSize - 1 - x : x;
            canvas.set(column, row, (d == 0 || d == 9) ? kBlack : colour);
        }
    }
}

void pointPicture(Canvas& canvas, int shape, Position position, Colour lit, Colour unlit) {
    const Leg leg = legOf(shape);
    const Colour legColour = position == Position::Plus ? unlit : lit;
    for (int y = leg.firstRow; y <= leg.lastRow; ++y)
        stripRow(canvas, y, leg.innerBase + leg.innerSlope * y, leg.direction, leg.width,
                 legColour);

    if (position == Position::Plus) {
        straightBand(canvas, lit);
        return;
    }
    for (int y = 27; y <= 36; ++y) {
        const int inner = leg.innerBase + leg.innerSlope * y;
        for (int x = 0; x < kSize; ++x) {
            const int d = leg.direction * (x - inner);
            Colour c;
            if (d < 0)
                c = isBandEdge(y) ? kBlack : unlit;
            else if (d == 0)
                c = kBlack;
            else if (d <= leg.width)
                c = lit;
            else
                c = isBandEdge(y) ? kBlack : lit;
            canvas.set(x, y, c);
        }
    }
}

Colour letterColour(char letter, Colour unlit) {
    switch (letter) {
        case 'z':
            return kYellow;
        case 'c':
            return kRed;
        case 'b':
            return kWhite;
        default:
            return unlit;
    }
}

RgbImage draw(Picture picture, bool startupShade) {
    const PictureLook& look = kPictures[static_cast<std::size_t>(picture)];
    const Colour unlit = startupShade ? kStartupUnlit : kUnlit;
    const Colour colour = letterColour(look.letter, unlit);
    const bool stored65 = picture == Picture::AW1S || picture == Picture::AW1C;

    Canvas canvas(stored65 ? kSize + 1 : kSize, stored65 ? kWhite : kBackground);
    if (stored65) {
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) canvas.set(x, y, kBackground);
    }
    if (look.shape == 1)
        straightBand(canvas, colour);
    else if (look.shape >= 6)
        diagonal(canvas, look.shape, colour);
    else
        pointPicture(canvas, look.shape, look.position, colour, unlit);
    return canvas.take();
}

// ---- The face drawn from its shapes, at any scale ---------------------------------
//
// Here the tile is measured in continuous tile units: u across (0 at the left
// edge, 64 at the right), v down. Tile pixel (x, y) covers [x, x + 1) x [y, y + 1)
// and has its centre at (x + 0.5, y + 0.5). A piece of a picture is the part of
// the rows top <= v < bottom whose key lies in [from, to), the key being u for
// the upright ends of a band (a band across the whole width has an endless key
// range), u + v for a strip running up to the right ("/") and u - v for one
// running down to the right ("\"). A black edge line one pixel wide is a key
// range one unit wide around the pixel centres it covers in the drawing above,
// so the pieces sampled at the centres of the tile's own pixels give back that
// drawing exactly, and sampled at the centres of smaller pixels they give the
// same shapes with sharp edges at the finer grid.

enum class Slant : std::uint8_t { Upright, Slash, Backslash };
enum class Ink : std::uint8_t { Black, Lit, Unlit };

struct Piece {
    double top, bottom;  // rows
    Slant slant;
    double from, to;  // key range
    Ink ink;

    bool covers(double u, double v) const {
        if (v < top || v >= bottom) return false;
        const double key = slant == Slant::Upright ? u : slant == Slant::Slash ? u + v : u - v;
        return key >= from && key < to;
    }
};

constexpr double kEndless = 1e9;

// The key range of a leg's pixels at distances first .. last from its inner line
// (the distance d of the row-by-row drawing).
std::pair<double, double> legKeys(const Leg& leg, double first, double last) {
    // At a pixel centre u + v = x + y + 1 and u - v = x - y; on the inner line
    // x = innerBase + innerSlope * y.
    const double origin = leg.innerBase + (leg.innerSlope < 0 ? 1 : 0);
    if (leg.direction > 0) return {origin + first - 0.5, origin + last + 0.5};
    return {origin - last - 0.5, origin - first + 0.5};
}

Slant legSlant(const Leg& leg) {
    return leg.innerSlope < 0 ? Slant::Slash : Slant::Backslash;
}

// The band's rows 27 .. 36 (black, colour, black) over the key range given.
void addBand(std::vector<Piece>& pieces, Ink colour, Slant slant, double from, double to) {
    pieces.push_back({27, 28, slant, from, to, Ink::Black});
    pieces.push_back({28, 36, slant, from, to, colour});
    pieces.push_back({36, 37, slant, from, to, Ink::Black});
}

// The pieces of a picture, later ones over earlier ones; shapes 7, 8 and 9 are
// shape 6, mirrored where the picture is sampled.
std::vector<Piece> piecesOf(const PictureLook& look) {
    std::vector<Piece> pieces;
    if (look.shape == 1) {
        addBand(pieces, Ink::Lit, Slant::Upright, -kEndless, kEndless);
    } else if (look.shape >= 6) {
        // Rows 0 .. 36: black 27 - y, colour 28 - y .. 35 - y, black 36 - y.
        pieces.push_back({0, 37, Slant::Slash, 27.5, 28.5, Ink::Black});
        pieces.push_back({0, 37, Slant::Slash, 28.5, 36.5, Ink::Lit});
        pieces.push_back({0, 37, Slant::Slash, 36.5, 37.5, Ink::Black});
    } else {
        const Leg leg = legOf(look.shape);
        const Slant slant = legSlant(leg);
        const Ink legInk = look.position == Position::Plus ? Ink::Unlit : Ink::Lit;
        const double top = leg.firstRow, bottom = leg.lastRow + 1;
        const auto inner = legKeys(leg, 0, 0);
        const auto run = legKeys(leg, 1, leg.width);
        const auto outer = legKeys(leg, leg.width + 1, leg.width + 1);
        pieces.push_back({top, bottom, slant, inner.first, inner.second, Ink::Black});
        pieces.push_back({top, bottom, slant, run.first, run.second, legInk});
        pieces.push_back({top, bottom, slant, outer.first, outer.second, Ink::Black});
        if (look.position == Position::Plus) {
            addBand(pieces, Ink::Lit, Slant::Upright, -kEndless, kEndless);
        } else {
            // Across the band: the rest of the straight unlit, the black 45-degree
            // line, the leg's run through both black rows, and beyond it the leg
            // carried on to the branching edge between the band's black rows.
            const auto rest = legKeys(leg, -kEndless, -1);
            const auto beyond = legKeys(leg, leg.width + 1, kEndless);
            addBand(pieces, Ink::Unlit, slant, rest.first, rest.second);
            pieces.push_back({27, 37, slant, inner.first, inner.second, Ink::Black});
            pieces.push_back({27, 37, slant, run.first, run.second, Ink::Lit});
            addBand(pieces, Ink::Lit, slant, beyond.first, beyond.second);
        }
    }
    return pieces;
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

}  // namespace

std::string_view pictureName(Picture picture) {
    return kPictures[static_cast<std::size_t>(picture)].name;
}

std::optional<Picture> pictureForKey(std::string_view key) {
    for (int i = 0; i < kPictureCount; ++i)
        if (equalsIgnoringCase(key, kPictures[i].name)) return static_cast<Picture>(i);
    return std::nullopt;
}

const RgbImage& pictureImage(Picture picture, bool startupShade) {
    // Each picture is drawn the first time it is asked for and kept: a desk shows
    // a dozen of the 78 pictures and shades, and none of them ever changes.
    static std::array<RgbImage, 2 * kPictureCount> held;
    RgbImage& image = held[static_cast<std::size_t>(picture) * 2 + (startupShade ? 1 : 0)];
    if (image.pixels.empty()) image = draw(picture, startupShade);
    return image;
}

RgbImage renderPicture(Picture picture, bool startupShade, double scale) {
    if (!(scale > 0) || !std::isfinite(scale)) return {};
    const PictureLook& look = kPictures[static_cast<std::size_t>(picture)];
    const Colour unlit = startupShade ? kStartupUnlit : kUnlit;
    const Colour inks[] = {kBlack, letterColour(look.letter, unlit), unlit};
    const bool flipRows = look.shape == 7 || look.shape == 9;
    const bool flipColumns = look.shape == 8 || look.shape == 9;
    const std::vector<Piece> pieces = piecesOf(look);

    // A hair below the product, so that 64 * 1.5 gives 96 and not 97 by rounding.
    const int size = std::max(1, static_cast<int>(std::ceil(kSize * scale - 1e-9)));
    Canvas canvas(size, kBackground);
    for (int py = 0; py < size; ++py) {
        double v = (py + 0.5) / scale;
        if (flipRows) v = kSize - v;
        for (int px = 0; px < size; ++px) {
            double u = (px + 0.5) / scale;
            if (flipColumns) u = kSize - u;
            const Piece* top = nullptr;
            for (const Piece& piece : pieces)
                if (piece.covers(u, v)) top = &piece;
            if (top) canvas.set(px, py, inks[static_cast<int>(top->ink)]);
        }
    }
    return canvas.take();
}

}  // namespace zormia
