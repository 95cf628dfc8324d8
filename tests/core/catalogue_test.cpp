// The desk's element catalogue: its tree, its grid of cells and the start-up
// look that the interlocking reads back (lamps, hidden and disabled elements).

#include "desk/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zormia {
namespace {

using Names = std::set<std::string, std::less<>>;

const ElementSpec& row(std::string_view name) {
    const auto id = elementByName(name);
    if (!id) throw std::runtime_error("no element " + std::string(name));
    return elementRow(*id);
}

int indexOf(std::string_view name) { return static_cast<int>(*elementByName(name)); }

// The names of the elements that satisfy `pred`.
template <typename Pred>
Names namesWhere(Pred pred) {
    Names out;
    for (const ElementSpec& e : catalogue())
        if (pred(e)) out.emplace(e.name);
    return out;
}

struct Rect {
    int left, top, right, bottom;
};

// The element's place on the desk's client area.
Rect absolute(int index) {
    const auto rows = catalogue();
    Rect r{rows[index].x, rows[index].y, 0, 0};
    for (int p = rows[index].parent; p != 0; p = rows[p].parent) {
        r.left += rows[p].x;
        r.top += rows[p].y;
    }
    r.right = r.left + rows[index].width;
    r.bottom = r.top + rows[index].height;
    return r;
}

bool isLamp(const ElementSpec& e) {
    return e.kind == ElementKind::Lamp || e.kind == ElementKind::BarLamp;
}

TEST(Catalogue, IsATreeInCreationOrderWithUniqueNamesFoundByName) {
    const auto rows = catalogue();
    ASSERT_EQ(static_cast<int>(rows.size()), kElementCount);
    EXPECT_EQ(rows[0].name, "Canvas");
    EXPECT_EQ(rows[0].kind, ElementKind::Canvas);

    Names seen;
    for (int i = 0; i < kElementCount; ++i) {
        SCOPED_TRACE(std::string(rows[i].name));
        EXPECT_TRUE(seen.emplace(rows[i].name).second) << "name used twice";
        ASSERT_EQ(elementByName(rows[i].name), static_cast<ElementId>(i));
        if (i > 0) {
            EXPECT_LT(rows[i].parent, i) << "parent must be created first";
            EXPECT_NE(rows[i].kind, ElementKind::Canvas);
        }
    }
    EXPECT_FALSE(elementByName("nothing"));
    EXPECT_FALSE(elementByName("psa "));
    EXPECT_FALSE(elementByName(""));
}

TEST(Catalogue, OnlyPanelsHoldOtherElements) {
    const auto rows = catalogue();
    for (int i = 1; i < kElementCount; ++i) {
        const ElementKind parentKind = rows[rows[i].parent].kind;
        EXPECT_TRUE(parentKind == ElementKind::Canvas || parentKind == ElementKind::Panel ||
                    parentKind == ElementKind::GradPanel)
            << rows[i].name << " lies in " << rows[rows[i].parent].name;
    }
}

TEST(Catalogue, ElementsFillTheClientAreaExactly) {
    // Every element lies inside the canvas, and together they reach from x = 5 to
    // 781 and from y = 1 to 528, no further.
    const ElementSpec& canvas = catalogue()[0];
    Rect extent{canvas.width, canvas.height, 0, 0};
    for (int i = 1; i < kElementCount; ++i) {
        const Rect r = absolute(i);
        SCOPED_TRACE(std::string(catalogue()[i].name));
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.right, canvas.width);
        EXPECT_LE(r.bottom, canvas.height);
        extent = {std::min(extent.left, r.left), std::min(extent.top, r.top),
                  std::max(extent.right, r.right), std::max(extent.bottom, r.bottom)};
    }
    EXPECT_EQ(extent.left, 5);
    EXPECT_EQ(extent.top, 1);
    EXPECT_EQ(extent.right, 781);
    EXPECT_EQ(extent.bottom, 528);
}

TEST(Catalogue, GridHasSixtySixRaisedCellsInPlace) {
    // clang-format off
    constexpr std::string_view kCells[6][11] = {
        {"Panel1",  "Panel2",  "Panel3",  "Panel4",  "R1C5", "Panel5",  "Panel6",  "Panel7",  "Panel8",  "R1C10", "R1C11"},
        {"Panel9",  "Panel10", "Panel11", "Panel12", "R2C5", "Panel13", "Panel14", "Panel15", "Panel16", "R2C10", "R2C11"},
        {"Panel17", "Panel18", "Panel19", "Panel20", "R3C5", "Panel21", "Panel22", "Panel23", "Panel24", "R3C10", "R3C11"},
        {"Panel25", "Panel26", "Panel27", "Panel28", "R4C5", "Panel29", "Panel30", "Panel31", "Panel32", "R4C10", "R4C11"},
        {"Panel33", "Panel34", "Panel44", "Panel36", "R5C5", "Panel37", "Panel38", "Panel39", "Panel40", "R5C10", "R5C11"},
        {"Panel41", "Panel42", "Panel43", "Panel35", "R6C5", "Panel45", "Panel46", "Panel47", "Panel48", "R6C10", "R6C11"},
    };
    // clang-format on
    constexpr int kLeft[11] = {36, 102, 168, 233, 299, 365, 431, 497, 562, 628, 693};
    constexpr int kTop[6] = {2, 67, 133, 199, 264, 329};

    Names grid;
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 11; ++c) {
            SCOPED_TRACE(std::string(kCells[r][c]));
            const ElementSpec& cell = row(kCells[r][c]);
            grid.emplace(cell.name);
            EXPECT_EQ(cell.kind, ElementKind::Panel);
            EXPECT_EQ(cell.parent, 0);
            EXPECT_EQ(cell.width, 66);
            EXPECT_EQ(cell.height, 66);
            EXPECT_EQ(cell.attrs.bevel, Bevel::Raised);
            EXPECT_LE(std::abs(cell.x - kLeft[c]), 1);
            EXPECT_LE(std::abs(cell.y - kTop[r]), 1);
            // Track cells: all of rows 3 and 4, and track 3 in row 2.
            const bool track = r == 2 || r == 3 || (r == 1 && c < 3);
            EXPECT_EQ(cell.attrs.colour, track ? colour::trackCell : colour::lime);
        }
    }
    EXPECT_EQ(grid.size(), 66u);

    // The cells are the canvas's first 66 children, row by row; the free-standing
    // elements come after them and so lie over them.
    std::vector<std::string_view> canvasChildren;
    for (const ElementSpec& e : catalogue().subspan(1))
        if (e.parent == 0) canvasChildren.push_back(e.name);
    ASSERT_GT(canvasChildren.size(), 66u);
    for (int i = 0; i < 66; ++i) EXPECT_EQ(canvasChildren[i], kCells[i / 11][i % 11]);
    for (std::size_t i = 66; i < canvasChildren.size(); ++i)
        EXPECT_FALSE(grid.contains(canvasChildren[i])) << canvasChildren[i];
}

TEST(Catalogue, TilesStartWithTheirPicturesAtTheBottomOfTheirCells) {
    const std::pair<std::string_view, std::string_view> kTiles[] = {
        {"im1", "AW1Z"},  {"im2", "AW1S"},  {"im3", "AW7S"},  {"im4", "AW1Z"},  {"im5", "AW1S"},
        {"im6", "AW4PB"}, {"im7", "AW3PB"}, {"im8", "AW1S"},  {"im9", "AW1S"},  {"im10", "AW1S"},
        {"im11", "AW1S"}, {"im12", "AW1S"}, {"im13", "AW1S"}, {"im14", "AW1S"}, {"im15", "AW1Z"},
        {"im16", "AW1S"}, {"im17", "AW1S"}, {"im18", "AW4PB"}, {"im19", "AW1S"}, {"im20", "AW1S"},
        {"im21", "AW1S"}, {"im22", "AW1S"}, {"im23", "AW1S"}, {"im24", "AW1S"}, {"im25", "AW1S"},
    };
    Names listed;
    for (const auto& [name, picture] : kTiles) {
        SCOPED_TRACE(std::string(name));
        listed.emplace(name);
        const ElementSpec& tile = row(name);
        EXPECT_EQ(tile.kind, ElementKind::Tile);
        EXPECT_EQ(tile.attrs.text, picture);
        EXPECT_EQ(tile.width, 64);
        EXPECT_EQ(tile.height, 64);
        const bool shifted = name == "im1" || name == "im9";
        EXPECT_EQ(tile.x, shifted ? 0 : 1);
        EXPECT_EQ(tile.y, shifted ? 2 : 1);
        // A tile lies in a track cell and is its first child, below everything else.
        const int index = indexOf(name);
        EXPECT_EQ(tile.parent, index - 1);
        EXPECT_EQ(catalogue()[tile.parent].attrs.colour, colour::trackCell);
    }
    EXPECT_EQ(namesWhere([](const ElementSpec& e) { return e.kind == ElementKind::Tile; }),
              listed);
    // Every track cell carries a tile.
    for (int i = 1; i < kElementCount; ++i) {
        const ElementSpec& e = catalogue()[i];
        if (e.parent == 0 && e.attrs.colour == colour::trackCell) {
            EXPECT_EQ(catalogue()[i + 1].kind, ElementKind::Tile) << e.name;
        }
    }
}

TEST(Catalogue, StartUpLampsShowEverySignalAtStop) {
    const Names kOn = {"ALed6",  "ALed8",  "ALed11", "ALed15", "ALed1",  "ALed16",
                       "ALed21", "ALed26", "ALed31", "ALed36", "ALed41", "ALed46"};
    EXPECT_EQ(namesWhere([](const ElementSpec& e) { return isLamp(e) && e.attrs.on; }), kOn);
    EXPECT_EQ(namesWhere([](const ElementSpec& e) { return !isLamp(e) && e.attrs.on; }), Names{});
    for (const auto& name : kOn) EXPECT_EQ(row(name).attrs.colour, colour::red) << name;

    // White substitute-signal lamps and the yellow block lamps flash at 500 ms;
    // every other lamp is steady at the default period.
    const Names kFlashing = {"ALed5",  "ALed7",  "ALed10", "ALed13", "ALed3",  "ALed18",
                             "ALed23", "ALed28", "ALed33", "ALed38", "ALed48", "ALed43",
                             "ALed39", "ALed44", "ALed51", "ALed52"};
    EXPECT_EQ(namesWhere([](const ElementSpec& e) { return isLamp(e) && e.attrs.blink; }),
              kFlashing);
    for (const ElementSpec& e : catalogue()) {
        if (!isLamp(e)) continue;
        SCOPED_TRACE(std::string(e.name));
        EXPECT_EQ(e.attrs.interval, e.attrs.blink ? 500 : 1000);
        EXPECT_NE(e.attrs.colour, kNoColour);
        if (e.kind == ElementKind::Lamp) {
            EXPECT_EQ(e.width, 16);
            EXPECT_EQ(e.height, 16);
        } else {
            EXPECT_EQ(e.width, 22);
            EXPECT_EQ(e.height, 14);
        }
    }
    EXPECT_EQ(namesWhere([](const ElementSpec& e) { return e.kind == ElementKind::BarLamp; }),
              (Names{"ALed34", "ALed39", "ALed44", "ALed49", "ALed51", "ALed52"}));
}

TEST(Catalogue, HiddenAndDisabledAtStartUp) {
    EXPECT_EQ(namesWhere([](const ElementSpec& e) { return e.attrs.hidden; }),
              (Names{"Panel55", "Panel56", "Panel57", "Panel63", "Panel64", "jszd", "symulator"}));
    EXPECT_EQ(namesWhere([](const ElementSpec& e) { return e.attrs.disabled; }),
              (Names{"zwa", "zwb", "zwc", "zwd", "zwg", "zwh"}));
}

TEST(Catalogue, EachReleaseButtonIsCrossedByItsSeal) {
    const std::pair<std::string_view, std::string_view> kSeals[] = {
        {"zwa", "pzwa"}, {"zwb", "pzwb"}, {"zwc", "pzwc"},
        {"zwd", "pzwd"}, {"zwg", "pzwg"}, {"zwh", "pzwh"},
    };
    for (const auto& [button, seal] : kSeals) {
        SCOPED_TRACE(std::string(seal));
        const ElementSpec& s = row(seal);
        EXPECT_EQ(s.kind, ElementKind::SealBar);
        EXPECT_EQ(s.parent, row(button).parent);
        EXPECT_GT(indexOf(seal), indexOf(button)) << "the seal is drawn over the button";
        const Rect b = absolute(indexOf(button)), r = absolute(indexOf(seal));
        EXPECT_TRUE(r.left < b.right && b.left < r.right && r.top < b.bottom && b.top < r.bottom);
    }
    EXPECT_EQ(namesWhere([](const ElementSpec& e) { return e.kind == ElementKind::SealBar; })
                  .size(),
              std::size(kSeals));
}

TEST(Catalogue, ButtonsHaveTheColourPairOfTheirFamily) {
    using namespace colour;
    struct Family {
        Rgb bright, dark;
        std::vector<std::string_view> buttons;
    };
    const Family kFamilies[] = {
        {lime, grey, {"psa", "psb", "psc", "psd", "psg", "psh", "SemP"}},
        {black, grey, {"psza", "pszb", "pszc", "pszd", "pszg", "pszh",  //
                       "zwa", "zwb", "zwc", "zwd", "zwg", "zwh"}},
        {silver, white, {"am", "bm", "cm"}},
        {red, white, {"ppoz1", "pwbla", "pwbl2", "ppoz2"}},
        {silver, black, {"pkog", "pdkog", "pdpod", "pdpo2", "pdkox", "pkoy"}},
    };
    Names listed;
    for (const Family& f : kFamilies) {
        for (std::string_view name : f.buttons) {
            SCOPED_TRACE(std::string(name));
            listed.emplace(name);
            const ElementSpec& b = row(name);
            EXPECT_EQ(b.kind, ElementKind::Button);
            EXPECT_EQ(b.attrs.colour, f.bright);
            EXPECT_EQ(b.attrs.colour2, f.dark);
        }
    }
    EXPECT_EQ(namesWhere([](const ElementSpec& e) { return e.kind == ElementKind::Button; }),
              listed);
}

TEST(Catalogue, TheTenUseCountersAndTheTwoPointButtons) {
    EXPECT_EQ(namesWhere([](const ElementSpec& e) { return e.kind == ElementKind::Counter; }),
              (Names{"lia", "lib", "lic", "lid", "lig", "lih", "licznikg", "ldpod", "ldpov",
                     "ldkoy"}));
    for (std::string_view name : {"z1ab", "z1cd"}) {
        const ElementSpec& b = row(name);
        EXPECT_EQ(b.kind, ElementKind::PointButton);
        EXPECT_EQ(b.attrs.text, "+");
    }
}

TEST(Catalogue, OnlyTheSzGCellCarriesTheHint) {
    EXPECT_EQ(namesWhere([](const ElementSpec& e) { return !e.attrs.hint.empty(); }),
              Names{"Panel8"});
    EXPECT_EQ(row("Panel8").attrs.hint, "Jazda poc.wyj\u0105tkowo tylko po utwierdzonej drodze !");
    EXPECT_EQ(row("Label2").attrs.text, "Symulacja zaj\u0119to\u015bci");
    EXPECT_EQ(row("Label3D12").attrs.text, "OBRAZY SEMAFOR\u00d3W W TERENIE");
}

}  // namespace
}  // namespace zormia
