// The track tile set: the 39 pictures by key, and every pixel of each picture
// against the geometry of the desk's tiles, written out here shape by shape in
// the form the tile drawings give it (black / colour / black columns per row).

#include "desk/tile_set.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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

enum class Pos { None, Plus, Minus };

struct Case {
    std::string_view key;  // as the program writes it
    Picture picture;
    int shape;
    Pos pos;
    char letter;
};

constexpr Case kCases[] = {
    {"aw1s", Picture::AW1S, 1, Pos::None, 's'},    {"aw1z", Picture::AW1Z, 1, Pos::None, 'z'},
    {"aw1c", Picture::AW1C, 1, Pos::None, 'c'},    {"aw2pb", Picture::AW2PB, 2, Pos::Plus, 'b'},
    {"aw2pz", Picture::AW2PZ, 2, Pos::Plus, 'z'},  {"aw2pc", Picture::AW2PC, 2, Pos::Plus, 'c'},
    {"aw2mb", Picture::AW2MB, 2, Pos::Minus, 'b'}, {"aw2mz", Picture::AW2MZ, 2, Pos::Minus, 'z'},
    {"aw2mc", Picture::AW2MC, 2, Pos::Minus, 'c'}, {"aw3pb", Picture::AW3PB, 3, Pos::Plus, 'b'},
    {"aw3pz", Picture::AW3PZ, 3, Pos::Plus, 'z'},  {"aw3pc", Picture::AW3PC, 3, Pos::Plus, 'c'},
    {"aw3mb", Picture::AW3MB, 3, Pos::Minus, 'b'}, {"aw3mz", Picture::AW3MZ, 3, Pos::Minus, 'z'},
    {"aw3mc", Picture::AW3MC, 3, Pos::Minus, 'c'}, {"aw4pb", Picture::AW4PB, 4, Pos::Plus, 'b'},
    {"aw4pz", Picture::AW4PZ, 4, Pos::Plus, 'z'},  {"aw4pc", Picture::AW4PC, 4, Pos::Plus, 'c'},
    {"aw4mb", Picture::AW4MB, 4, Pos::Minus, 'b'}, {"aw4mz", Picture::AW4MZ, 4, Pos::Minus, 'z'},
    {"aw4mc", Picture::AW4MC, 4, Pos::Minus, 'c'}, {"aw5pb", Picture::AW5PB, 5, Pos::Plus, 'b'},
    {"aw5pz", Picture::AW5PZ, 5, Pos::Plus, 'z'},  {"aw5pc", Picture::AW5PC, 5, Pos::Plus, 'c'},
    {"aw5mb", Picture::AW5MB, 5, Pos::Minus, 'b'}, {"aw5mz", Picture::AW5MZ, 5, Pos::Minus, 'z'},
    {"aw5mc", Picture::AW5MC, 5, Pos::Minus, 'c'}, {"aw6s", Picture::AW6S, 6, Pos::None, 's'},
    {"aw6z", Picture::AW6Z, 6, Pos::None, 'z'},    {"aw6c", Picture::AW6C, 6, Pos::None, 'c'},
    {"aw7s", Picture::AW7S, 7, Pos::None, 's'},    {"aw7z", Picture::AW7Z, 7, Pos::None, 'z'},
    {"aw7c", Picture::AW7C, 7, Pos::None, 'c'},    {"aw8s", Picture::AW8S, 8, Pos::None, 's'},
    {"aw8z", Picture::AW8Z, 8, Pos::None, 'z'},    {"aw8c", Picture::AW8C, 8, Pos::None, 'c'},
    {"aw9s", Picture::AW9S, 9, Pos::None, 's'},    {"aw9z", Picture::AW9Z, 9, Pos::None, 'z'},
    {"aw9c", Picture::AW9C, 9, Pos::None, 'c'},
};
static_assert(std::size(kCases) == kPictureCount);

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// One row of a leg as the point-shape drawings give it: black, colour run, black.
struct LegRow {
    int firstRow, lastRow;
    int (*blackA)(int y);
    int (*colourFrom)(int y);
    int (*colourTo)(int y);
    int (*blackB)(int y);
    int (*inner)(int y);  // the black column facing the rest of the band
    int branchSide;       // -1: the leg branches off at the left end, +1 at the right
};

LegRow legRow(int shape) {
    switch (shape) {
        case 2:
            return {0,
                    26,
                    [](int y) { return 26 - y; },
                    [](int y) { return 27 - y; },
                    [](int y) { return 35 - y; },
                    [](int y) { return 36 - y; },
                    [](int y) { return 36 - y; },
                    -1};
        case 3:
            return {37,
                    63,
                    [](int y) { return y - 36; },
                    [](int y) { return y - 35; },
                    [](int y) { return y - 28; },
                    [](int y) { return y - 27; },
                    [](int y) { return y - 27; },
                    -1};
        case 4:
            return {0,
                    26,
                    [](int y) { return 27 + y; },
                    [](int y) { return 28 + y; },
                    [](int y) { return 35 + y; },
                    [](int y) { return 36 + y; },
                    [](int y) { return 27 + y; },
                    +1};
        default:
            return {37,
                    63,
                    [](int y) { return 90 - y; },
                    [](int y) { return 91 - y; },
                    [](int y) { return 98 - y; },
                    [](int y) { return 99 - y; },
                    [](int y) { return 90 - y; },
                    +1};
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

std::optional<Colour> straight(int y, Colour colour) {
    if (y == 27 || y == 36) return kBlack;
    if (y >= 28 && y <= 35) return colour;
    return std::nullopt;
}

// The expected colour of pixel (x, y) of a picture's 64 x 64 face.
Colour expected(const Case& c, int x, int y, Colour unlit) {
    const Colour lit = letterColour(c.letter, unlit);
    if (c.shape == 1) return straight(y, lit).value_or(kBackground);

    if (c.shape >= 6) {
        // Shape 6 in row y (0..36): black 27 - y, colour 28 - y .. 35 - y, black 36 - y.
        const int y6 = (c.shape == 7 || c.shape == 9) ? 63 - y : y;
        const int x6 = (c.shape == 8 || c.shape == 9) ? 63 - x : x;
        if (y6 > 36) return kBackground;
        if (x6 == 27 - y6 || x6 == 36 - y6) return kBlack;
        if (x6 >= 28 - y6 && x6 <= 35 - y6) return lit;
        return kBackground;
    }

    const LegRow leg = legRow(c.shape);
    const bool bandRow = y >= 27 && y <= 36;
    if (!bandRow) {
        if (y < leg.firstRow || y > leg.lastRow) return kBackground;
        if (x == leg.blackA(y) || x == leg.blackB(y)) return kBlack;
        if (x >= leg.colourFrom(y) && x <= leg.colourTo(y)) return c.pos == Pos::Plus ? unlit : lit;
        return kBackground;
    }
    if (c.pos == Pos::Plus) return *straight(y, lit);

    // Minus, inside the band: the black 45-degree line continues the leg's inner
    // side; beyond it, toward the branching end, the leg's colour reaches the edge
    // between the band's black rows, and crosses a black row only where the leg's
    // own colour run falls on it.
    const int line = leg.inner(y);
    if (x == line) return kBlack;
    const bool branchingSide = leg.branchSide > 0 ? x > line : x < line;
    if (!branchingSide) return *straight(y, unlit);
    if (y >= 28 && y <= 35) return lit;
    const bool onLegRun = x >= leg.colourFrom(y) && x <= leg.colourTo(y);
    return onLegRun ? lit : kBlack;
}

std::string show(Colour c) {
    return "(" + std::to_string(c[0]) + "," + std::to_string(c[1]) + "," + std::to_string(c[2]) +
           ")";
}

// Compares the 64 x 64 face and reports the first few differing pixels.
void expectFace(const Case& c, const RgbImage& image, Colour unlit) {
    int wrong = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const Colour want = expected(c, x, y, unlit);
            const Colour got = image.at(x, y);
            if (got != want && ++wrong <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << "): got " << show(got) << ", want "
                              << show(want);
        }
    }
    EXPECT_EQ(wrong, 0) << "pixels differing from the geometry";
}

TEST(TileSet, KeysNameTheirPicturesWithoutRegardToCase) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.key));
        EXPECT_EQ(pictureForKey(c.key), c.picture);
        EXPECT_EQ(pictureForKey(upper(c.key)), c.picture);
        EXPECT_EQ(pictureName(c.picture), upper(c.key));
        std::string mixed(c.key);
        mixed.back() = upper(mixed.substr(mixed.size() - 1))[0];  // "aw1S", "aw4pZ"
        EXPECT_EQ(pictureForKey(mixed), c.picture);
    }
}

TEST(TileSet, KeysOutsideTheSetNameNothing) {
    for (std::string_view key : {"aw1b", "aw4ps", "aw1", "", "aw", "aw1pz", "aw4z", "aw4pzz",
                                 "aw10s", "aw0s", "bw1s", " aw1s", "aw1s ", "aw6b", "aw3xs"}) {
        SCOPED_TRACE(std::string(key));
        EXPECT_EQ(pictureForKey(key), std::nullopt);
    }
}

TEST(TileSet, EveryPixelFollowsTheGeometry) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.key));
        expectFace(c, pictureImage(c.picture), kUnlit);
    }
}

TEST(TileSet, StartupShadeReplacesOnlyTheUnlitColour) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.key));
        const RgbImage& image = pictureImage(c.picture, true);
        expectFace(c, image, kStartupUnlit);
        const RgbImage& regular = pictureImage(c.picture, false);
        ASSERT_EQ(image.width, regular.width);
        ASSERT_EQ(image.height, regular.height);
    }
}

TEST(TileSet, Aw1sAndAw1cAreStored65WithAWhiteLastLineTheRest64) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.key));
        for (bool startup : {false, true}) {
            const RgbImage& image = pictureImage(c.picture, startup);
            const bool big = c.picture == Picture::AW1S || c.picture == Picture::AW1C;
            const int size = big ? 65 : 64;
            ASSERT_EQ(image.width, size);
            ASSERT_EQ(image.height, size);
            ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(size * size * 3));
            if (!big) continue;
            for (int i = 0; i < 65; ++i) {
                EXPECT_EQ(image.at(64, i), kWhite) << "column 64, row " << i;
                EXPECT_EQ(image.at(i, 64), kWhite) << "row 64, column " << i;
            }
        }
    }
}

TEST(TileSet, ImagesAreBuiltOnceAndHeld) {
    for (const Case& c : kCases) {
        EXPECT_EQ(&pictureImage(c.picture), &pictureImage(c.picture));
        EXPECT_EQ(&pictureImage(c.picture, true), &pictureImage(c.picture, true));
        EXPECT_NE(&pictureImage(c.picture), &pictureImage(c.picture, true));
    }
}

// The minus pictures at the two edges of the band: the lit path leaves the tile
// at the branching end exactly where the next tile's band lies, and the unlit
// straight leaves at the other end.
TEST(TileSet, MinusPicturesCarryTheLegToTheBranchingEdge) {
    struct EdgeCase {
        Picture picture;
        int branchingColumn, otherColumn;
        Colour lit;
    };
    const EdgeCase cases[] = {
        {Picture::AW3MB, 0, 63, kWhite},  {Picture::AW3MC, 0, 63, kRed},
        {Picture::AW4MZ, 63, 0, kYellow}, {Picture::AW4MB, 63, 0, kWhite},
        {Picture::AW5MC, 63, 0, kRed},
    };
    for (const EdgeCase& e : cases) {
        SCOPED_TRACE(std::string(pictureName(e.picture)));
        const RgbImage& image = pictureImage(e.picture);
        EXPECT_EQ(image.at(e.branchingColumn, 27), kBlack);
        EXPECT_EQ(image.at(e.otherColumn, 27), kBlack);
        for (int y = 28; y <= 35; ++y) {
            EXPECT_EQ(image.at(e.branchingColumn, y), e.lit) << "row " << y;
            EXPECT_EQ(image.at(e.otherColumn, y), kUnlit) << "row " << y;
        }
        EXPECT_EQ(image.at(e.branchingColumn, 36), kBlack);
        EXPECT_EQ(image.at(e.otherColumn, 36), kBlack);
    }
    // Shape 4 in row 30: the straight unlit up to the black line at x = 57, the
    // leg's colour from there to the edge.
    const RgbImage& aw4mb = pictureImage(Picture::AW4MB);
    EXPECT_EQ(aw4mb.at(56, 30), kUnlit);
    EXPECT_EQ(aw4mb.at(57, 30), kBlack);
    EXPECT_EQ(aw4mb.at(58, 30), kWhite);
    // Row 27, where the leg enters the band: its colour run passes the black row.
    EXPECT_EQ(aw4mb.at(54, 27), kBlack);
    EXPECT_EQ(aw4mb.at(55, 27), kWhite);
    EXPECT_EQ(aw4mb.at(62, 27), kWhite);
}

// ---- The face drawn from its shapes at a finer scale ---------------------------------

TEST(ScaledTileSet, AtScaleOneEveryPictureIsTheStoredFace) {
    for (const Case& c : kCases) {
        for (bool startup : {false, true}) {
            SCOPED_TRACE(std::string(c.key) + (startup ? " start-up shade" : ""));
            const RgbImage drawn = renderPicture(c.picture, startup, 1.0);
            const RgbImage& stored = pictureImage(c.picture, startup);
            ASSERT_EQ(drawn.width, 64);
            ASSERT_EQ(drawn.height, 64);
            int wrong = 0;
            for (int y = 0; y < 64; ++y)
                for (int x = 0; x < 64; ++x)
                    if (drawn.at(x, y) != stored.at(x, y) && ++wrong <= 5)
                        ADD_FAILURE()
                            << "pixel (" << x << ", " << y << "): " << show(drawn.at(x, y))
                            << " drawn, " << show(stored.at(x, y)) << " stored";
            EXPECT_EQ(wrong, 0);
        }
    }
}

TEST(ScaledTileSet, SizeFollowsTheScale) {
    const std::pair<double, int> cases[] = {{1.0, 64},  {1.25, 80}, {1.5, 96}, {2.0, 128},
                                            {3.0, 192}, {1.1, 71},  {0.5, 32}};
    for (const auto& [scale, size] : cases) {
        const RgbImage image = renderPicture(Picture::AW1S, false, scale);
        EXPECT_EQ(image.width, size) << scale;
        EXPECT_EQ(image.height, size) << scale;
        EXPECT_EQ(image.pixels.size(), static_cast<std::size_t>(size * size * 3)) << scale;
    }
    EXPECT_EQ(renderPicture(Picture::AW1S, false, 0.0).width, 0);
    EXPECT_EQ(renderPicture(Picture::AW1S, false, -2.0).width, 0);
}

// Upright edges lie on whole tile pixels, so at any scale each pixel of a
// straight band shows the tile pixel its centre falls in.
TEST(ScaledTileSet, StraightBandKeepsItsRowsAtAnyScale) {
    for (double scale : {1.25, 1.5, 2.0, 3.0}) {
        for (const Case& c : {kCases[1], kCases[15]}) {  // aw1z, aw4pb
            SCOPED_TRACE(std::string(c.key) + " at " + std::to_string(scale));
            const RgbImage image = renderPicture(c.picture, false, scale);
            for (int py = 0; py < image.height; ++py) {
                const int y = static_cast<int>((py + 0.5) / scale);
                if (y < 27 || y > 36) continue;  // the leg of aw4pb runs at 45 degrees
                for (int px = 0; px < image.width; ++px) {
                    const int x = static_cast<int>((px + 0.5) / scale);
                    ASSERT_EQ(image.at(px, py), expected(c, x, y, kUnlit))
                        << "pixel (" << px << ", " << py << ")";
                }
            }
        }
    }
}

// The runs of one colour in a row: where each starts and how long it is.
struct ColourRun {
    int start, length;
    Colour colour;
};
std::vector<ColourRun> runsOf(const RgbImage& image, int y) {
    std::vector<ColourRun> runs;
    for (int x = 0; x < image.width; ++x) {
        if (runs.empty() || runs.back().colour != image.at(x, y))
            runs.push_back({x, 1, image.at(x, y)});
        else
            ++runs.back().length;
    }
    return runs;
}

// At twice the density a diagonal is not the 1x staircase blown up (two rows
// alike, then a step of two): every row of the strip moves one pixel, with black
// lines two pixels wide and sixteen pixels of colour between them.
TEST(ScaledTileSet, DiagonalStepsOnePixelPerRowAtTwiceTheDensity) {
    const RgbImage image = renderPicture(Picture::AW6Z, false, 2.0);
    ASSERT_EQ(image.width, 128);
    int previousStart = -1;
    // Rows whose strip lies whole inside the tile: device rows 0 .. 54 (tile rows
    // 0 .. 27 at the top of the strip's course).
    for (int py = 0; py <= 54; ++py) {
        SCOPED_TRACE("row " + std::to_string(py));
        const std::vector<ColourRun> runs = runsOf(image, py);
        std::vector<ColourRun> strip;
        for (const ColourRun& run : runs)
            if (run.colour != kBackground) strip.push_back(run);
        ASSERT_EQ(strip.size(), 3u);
        EXPECT_EQ(strip[0].colour, kBlack);
        EXPECT_EQ(strip[0].length, 2);
        EXPECT_EQ(strip[1].colour, kYellow);
        EXPECT_EQ(strip[1].length, 16);
        EXPECT_EQ(strip[2].colour, kBlack);
        EXPECT_EQ(strip[2].length, 2);
        if (previousStart >= 0) {
            EXPECT_EQ(strip[0].start, previousStart - 1);
        }
        previousStart = strip[0].start;
    }
}

// The mirrored shapes are the mirror images of shape 6 also at finer scales, and
// the legs of the point shapes step one pixel per row as the diagonals do.
TEST(ScaledTileSet, MirroredShapesAndLegsAtTwiceTheDensity) {
    const RgbImage six = renderPicture(Picture::AW6C, false, 2.0);
    const RgbImage seven = renderPicture(Picture::AW7C, false, 2.0);
    const RgbImage eight = renderPicture(Picture::AW8C, false, 2.0);
    const RgbImage nine = renderPicture(Picture::AW9C, false, 2.0);
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            ASSERT_EQ(seven.at(x, 127 - y), six.at(x, y)) << x << ", " << y;
            ASSERT_EQ(eight.at(127 - x, y), six.at(x, y)) << x << ", " << y;
            ASSERT_EQ(nine.at(127 - x, 127 - y), six.at(x, y)) << x << ", " << y;
        }
    }
    // Shape 4's leg in device rows 0 .. 53: the inner black line along tile
    // column 27 + y, two pixels wide, one pixel further right on every row.
    const RgbImage aw4mz = renderPicture(Picture::AW4MZ, false, 2.0);
    for (int py = 0; py < 54; ++py) {
        SCOPED_TRACE("row " + std::to_string(py));
        const int inner = 53 + py;
        EXPECT_EQ(aw4mz.at(inner - 1, py), kBackground);
        EXPECT_EQ(aw4mz.at(inner, py), kBlack);
        EXPECT_EQ(aw4mz.at(inner + 1, py), kBlack);
        EXPECT_EQ(aw4mz.at(inner + 2, py), kYellow);
        EXPECT_EQ(aw4mz.at(inner + 17, py), kYellow);
        EXPECT_EQ(aw4mz.at(inner + 18, py), kBlack);
    }
}

}  // namespace
}  // namespace zormia
