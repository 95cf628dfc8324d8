#pragma once
// What every element of the desk is: its kind, its place and its start-up look.
// The catalogue (catalogue.def) holds one row per element.

#include <cstdint>
#include <string_view>

namespace zormia {

// Colours are 0xRRGGBB. kNoColour stands for "the parent's colour" (or no fill).
using Rgb = std::uint32_t;
inline constexpr Rgb kNoColour = 0xFF000000u;

namespace colour {
inline constexpr Rgb lime = 0x00FF00, green = 0x008000, grey = 0x808080, silver = 0xC0C0C0,
                     white = 0xFFFFFF, black = 0x000000, red = 0xFF0000, yellow = 0xFFFF00,
                     teal = 0x008080, navy = 0x000080, aqua = 0x00FFFF, orange = 0xFF8040;
inline constexpr Rgb trackCell = 0x00CF60;  // cells that carry a track tile
inline constexpr Rgb deskBack = 0x83609F;   // the desk window's background
inline constexpr Rgb stacjaB = 0x00FF80;    // the panel of the far end of the line block
}  // namespace colour

enum class ElementKind : std::uint8_t {
    Canvas,        // the desk's client area
    Panel,         // a cell or any other plain panel
    GradPanel,     // a panel shaded between two colours
    Tile,          // a 64 x 64 track picture
    Lamp,          // a 16 x 16 circular lamp
    BarLamp,       // a 22 x 14 bar lamp
    Button,        // a circular push button drawn as a shaded hemisphere
    PointButton,   // the square "+"/"-" button of a set of points
    Counter,       // a four-digit use counter
    Label,         // a plain label
    Label3D,       // a raised label
    SealBar,       // the black seal lying over a release button
    ArrowButton,   // a small teal arrow button
    BoxLabel,      // a boxed letter at the foot of a field-signal column
    Triangle,      // a grey triangle picture of a block direction
    Shape,         // a plain rectangle
    Clock,         // the analogue clock
    ToggleButton,  // a two-state button of the occupancy simulator
    PushButton,    // a plain push button with a caption
};

enum class Bevel : std::uint8_t { None, Raised, Lowered };
enum class Direction : std::uint8_t { Right, Left };
enum class Shading : std::uint8_t { None, Down, HorzOut };

// The attributes a catalogue row may give; the rest keep these defaults. Rows
// name only what they set, in this order (designated initialisers).
struct ElementAttrs {
    Rgb colour = kNoColour;   // fill; a lamp's on colour; a label's text colour;
                              // a button's bright colour; a gradient's start colour
    Rgb colour2 = kNoColour;  // a button's dark colour; a gradient's end colour;
                              // a label's background; a shape's outline
    std::string_view text{};  // caption; a tile's start-up picture; a hint
    int fontPx = 11;          // type height in pixels
    bool bold = false;
    bool on = false;        // a lamp's start-up value
    bool blink = false;     // a lamp's flashing switch at start-up
    int interval = 1000;    // a lamp's flashing period in ms
    bool hidden = false;    // hidden at start-up
    bool disabled = false;  // disabled at start-up
    Bevel bevel = Bevel::None;
    Direction direction = Direction::Right;
    Shading shading = Shading::None;
    bool centred = false;     // text centred (and wrapped over lines)
    std::string_view hint{};  // text shown when the pointer rests on the element
};

struct ElementSpec {
    std::string_view name;
    ElementKind kind;
    int parent;  // index of the parent element; 0 is the canvas
    int x, y, width, height;
    ElementAttrs attrs;
};

}  // namespace zormia
