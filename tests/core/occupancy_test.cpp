// The occupancy simulator: its panel, and what each of its buttons paints, which
// signals it drops and which train arrows it hides, with and without a route set
// over its section.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desk_fixture.h"

namespace zormia {
namespace {

using E = ElementId;

// ---- the signals and arrows a button may act on ------------------------------

enum Sig : unsigned { A = 1, B = 2, C = 4, D = 8, G = 16, H = 32 };

struct SignalLamps {
    Sig sig;
    const char* name;
    E deskGreen, deskRed, fieldRed;
    E arrow;  // the train arrow's panel; D has none
};

const SignalLamps kSignals[] = {
    {A, "A", E::ALed4, E::ALed6, E::ALed21, E::Panel55},
    {B, "B", E::ALed9, E::ALed8, E::ALed26, E::Panel56},
    {C, "C", E::ALed12, E::ALed11, E::ALed31, E::Panel57},
    {D, "D", E::ALed14, E::ALed15, E::ALed36, E::Panel55},  // arrow unused
    {G, "G", E::ALed2, E::ALed1, E::ALed46, E::Panel64},
    {H, "H", E::ALed17, E::ALed16, E::ALed41, E::Panel63},
};

// Every signal at proceed and every train arrow shown, so that a click's drops
// and hidings all show.
void allProceed(Pul& p) {
    p.SetAspectA(true, false, false, true, false, false, true);
    p.SetAspectB(true, false, false, false, false, false, true);
    p.SetAspectC(true, false, false, false, false, true);
    p.SetAspectD(false, true, false, true);
    p.SetAspectG(false, true, false, true, false, false, true);
    p.SetAspectH(false, true, false, true, false, false, true);
    for (ElementRef* arrow : {&p.Panel55, &p.Panel56, &p.Panel57, &p.Panel63, &p.Panel64})
        arrow->show();
}

void expectDropsAndHides(const TestDesk& d, unsigned stops, unsigned hides) {
    for (const SignalLamps& s : kSignals) {
        const bool stopped = (stops & s.sig) != 0;
        EXPECT_EQ(d.lit(s.deskGreen), !stopped) << "signal " << s.name;
        EXPECT_EQ(d.lit(s.deskRed), stopped) << "signal " << s.name;
        EXPECT_EQ(d.lit(s.fieldRed), stopped) << "signal " << s.name;
        if (s.sig != D) {
            EXPECT_EQ(d.visible(s.arrow), (hides & s.sig) == 0) << "arrow " << s.name;
        }
    }
}

// ---- routes, set by their flags -----------------------------------------------

struct Route {
    const char* name;
    bool Pul::*flag;
    bool Pul::*lock;
};

const Route kPa{"pa", &Pul::pa, &Pul::ua}, kPag{"pag", &Pul::pag, &Pul::ua},
    kPb{"pb", &Pul::pb, &Pul::ub}, kPbd{"pbd", &Pul::pbd, &Pul::ub}, kPc{"pc", &Pul::pc, &Pul::uc},
    kPd{"pd", &Pul::pd, &Pul::ud}, kPha{"pha", &Pul::pha, &Pul::uh},
    kPhb{"phb", &Pul::phb, &Pul::uh}, kPga{"pga", &Pul::pga, &Pul::ug},
    kPgb{"pgb", &Pul::pgb, &Pul::ug}, kPgc{"pgc", &Pul::pgc, &Pul::ugc};

// ---- the sections --------------------------------------------------------------

struct TileStem {
    E tile;
    const char* stem;  // the key without its colour letter (points lie plus)
};

struct Section {
    E button;
    bool Pul::*occupied;
    std::vector<TileStem> tiles;
};

const Section kSections[] = {
    {E::sita, &Pul::occITA, {{E::im2, "aw1"}, {E::im3, "aw7"}}},
    {E::sitb, &Pul::occITB, {{E::im5, "aw1"}}},
    {E::sitc, &Pul::occITC, {{E::im16, "aw1"}, {E::im17, "aw1"}}},
    {E::sitd,
     &Pul::occITD,
     {{E::im19, "aw1"}, {E::im20, "aw1"}, {E::im21, "aw1"}, {E::im22, "aw1"}}},
    {E::sitg, &Pul::occITG, {{E::im23, "aw1"}, {E::im24, "aw1"}}},
    {E::sith,
     &Pul::occITH,
     {{E::im8, "aw1"},
      {E::im9, "aw1"},
      {E::im10, "aw1"},
      {E::im11, "aw1"},
      {E::im12, "aw1"},
      {E::im13, "aw1"}}},
    {E::siz1, &Pul::occIZ1, {{E::im6, "aw4p"}, {E::im7, "aw3p"}}},
    {E::siz2, &Pul::occIZ2, {{E::im18, "aw4p"}}},
    {E::sit1, &Pul::occIT1, {{E::im4, "aw1"}}},
    {E::sit2, &Pul::occIT2, {{E::im15, "aw1"}}},
    {E::sit3, &Pul::occIT3, {{E::im1, "aw1"}}},
};

const Section& sectionOf(E button) {
    for (const Section& s : kSections)
        if (s.button == button) return s;
    return kSections[0];
}

std::vector<Picture> allTiles(const TestDesk& d) {
    std::vector<Picture> tiles;
    for (int i = 0; i < kElementCount; ++i)
        if (elementRow(static_cast<E>(i)).kind == ElementKind::Tile)
            tiles.push_back(d.picture(static_cast<E>(i)));
    return tiles;
}

// The section shows `letter` on all its tiles; every other tile is as before.
void expectSection(const TestDesk& d, const Section& s, char letter,
                   const std::vector<Picture>& before) {
    std::vector<Picture> expected = before;
    for (const TileStem& t : s.tiles) {
        const auto picture = pictureForKey(std::string(t.stem) + letter);
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(pictureName(d.picture(t.tile)), pictureName(*picture)) << elementRow(t.tile).name;
    }
    int k = 0;
    for (int i = 0; i < kElementCount; ++i) {
        const E id = static_cast<E>(i);
        if (elementRow(id).kind != ElementKind::Tile) continue;
        bool own = false;
        for (const TileStem& t : s.tiles) own = own || t.tile == id;
        if (!own) {
            EXPECT_EQ(pictureName(d.picture(id)), pictureName(before[k])) << elementRow(id).name;
        }
        ++k;
    }
}

// Each button pressed (section red, flag set) and released (free look, or the
// route colour under a route): the same signals drop and the same arrows go both
// times, and no route or lock flag changes.
TEST(OccupancySimulator, EachButtonWithAndWithoutARouteOverItsSection) {
    struct Row {
        E button;
        const Route* route;  // null: no route set
        char releasedLook;
        unsigned stops, hides;
    };
    const Row rows[] = {
        {E::sita, nullptr, 's', 0, 0},
        {E::sita, &kPa, 'z', A, A},
        {E::sita, &kPag, 'z', A, 0},
        {E::sita, &kPha, 'z', H, H},
        {E::sita, &kPga, 's', 0, 0},
        {E::sitb, nullptr, 's', 0, 0},
        {E::sitb, &kPb, 'z', B, B},
        {E::sitb, &kPbd, 'z', B, B},
        {E::sitb, &kPhb, 'z', H, H},
        {E::sitb, &kPgb, 'z', G, 0},
        {E::sitb, &kPa, 's', 0, 0},
        {E::sitc, nullptr, 's', 0, 0},
        {E::sitc, &kPc, 'z', C | G, C | G},
        {E::sitc, &kPgc, 'z', C | G, C | G},
        {E::sitc, &kPga, 's', 0, 0},
        {E::sitd, nullptr, 's', 0, 0},
        {E::sitd, &kPc, 'z', C | G, C | G},
        {E::sitd, &kPgc, 'z', C | G, C | G},
        {E::sitd, &kPgb, 'z', C | G, C | G},
        {E::sitd, &kPga, 'z', C | G, C | G},
        {E::sitd, &kPag, 'z', A | B | C | G, A | B | C | G},
        {E::sitd, &kPbd, 'z', A | B | C | G, A | B | C | G},
        {E::sitd, &kPd, 's', 0, 0},
        {E::sitg, nullptr, 's', 0, 0},
        {E::sitg, &kPd, 'z', D, G},
        {E::sitg, &kPga, 'z', G, G},
        {E::sitg, &kPgc, 'z', G, G},
        {E::sitg, &kPc, 's', 0, 0},
        {E::sith, nullptr, 's', 0, 0},
        {E::sith, &kPa, 'z', A, A},
        {E::sith, &kPb, 'z', B, B},
        {E::sith, &kPha, 'z', H, H},
        {E::sith, &kPhb, 'z', H, H},
        {E::sith, &kPag, 's', 0, 0},
        {E::siz1, nullptr, 'b', 0, 0},
        {E::siz1, &kPa, 'z', A | B | H, A | B | H},
        {E::siz1, &kPbd, 'z', A | B | H, A | B | H},
        {E::siz1, &kPhb, 'z', A | B | H, A | B | H},
        {E::siz1, &kPgb, 'z', G, G},
        {E::siz1, &kPgc, 'b', 0, 0},
        {E::siz1, &kPc, 'b', 0, 0},
        {E::siz2, nullptr, 'b', 0, 0},
        {E::siz2, &kPc, 'z', C | G, C | G},
        {E::siz2, &kPgc, 'z', C | G, C | G},
        {E::siz2, &kPag, 'z', A | B | G, A | B | G},
        {E::siz2, &kPga, 'z', A | B | G, A | B | G},
        {E::siz2, &kPa, 'b', 0, 0},
        {E::sit1, nullptr, 'z', 0, 0},
        {E::sit1, &kPhb, 'z', H, H},
        {E::sit1, &kPgb, 'z', 0, 0},
        {E::sit2, nullptr, 'z', 0, 0},
        {E::sit2, &kPgc, 'z', G, G},
        {E::sit2, &kPc, 'z', 0, 0},
        {E::sit3, nullptr, 'z', 0, 0},
        {E::sit3, &kPha, 'z', H, H},
        {E::sit3, &kPga, 'z', G, G},
        {E::sit3, &kPa, 'z', 0, 0},
    };
    for (const Row& r : rows) {
        const Section& s = sectionOf(r.button);
        SCOPED_TRACE(std::string(elementRow(r.button).name) + " with " +
                     (r.route ? r.route->name : "no route"));
        TestDesk d;
        if (r.route) {
            d.pul.*r.route->flag = true;
            d.pul.*r.route->lock = false;
        }
        const auto flagsBefore = [&] {
            std::vector<bool> v;
            for (const Pul::Variable& var : d.pul.variables())
                if (var.flag && std::string(var.name).rfind("occ", 0) != 0 &&
                    var.name != "routeOut" && var.name != "busyOut")
                    v.push_back(*var.flag);
            return v;
        };
        const std::vector<bool> routeState = flagsBefore();

        for (bool down : {true, false}) {
            SCOPED_TRACE(down ? "pressed" : "released");
            allProceed(d.pul);
            const std::vector<Picture> before = allTiles(d);
            d.click(r.button);
            ASSERT_EQ(d.state(r.button).down, down);
            expectSection(d, s, down ? 'c' : r.releasedLook, before);
            EXPECT_EQ(d.pul.*s.occupied, down);
            expectDropsAndHides(d, r.stops, r.hides);
            EXPECT_FALSE(d.visible(E::jszd));
            EXPECT_EQ(flagsBefore(), routeState);
        }
    }
}

// Route D set by its button: a train marked in ITG, pressed or released, gives the
// start block, puts D to stop and clears routeOut; pd stays set.
TEST(OccupancySimulator, ITGUnderRouteDGivesTheStartBlock) {
    TestDesk d;
    d.pul.out.free = true;
    d.click(E::psd);
    ASSERT_TRUE(d.pul.pd);
    ASSERT_TRUE(d.pul.out.route);
    ASSERT_TRUE(d.state(E::ALed52).blink);
    for (bool down : {true, false}) {
        SCOPED_TRACE(down ? "pressed" : "released");
        if (!down) {  // set the pending start block up again to see it given again
            d.pul.out.busy = false;
            d.pul.out.route = true;
            d.pul.ALed44.setColour(colour::yellow);
            d.pul.ALed52.setBlink(true);
            d.pul.SetAspectD(false, true, false, true);
        }
        d.click(E::sitg);
        EXPECT_TRUE(d.pul.out.busy);
        EXPECT_EQ(d.state(E::ALed44).colour, colour::red);
        EXPECT_FALSE(d.state(E::ALed52).blink);
        EXPECT_FALSE(d.pul.out.route);
        EXPECT_TRUE(d.pul.pd);
        EXPECT_FALSE(d.pul.ud);
        EXPECT_TRUE(d.lit(E::ALed36));
        EXPECT_TRUE(d.lit(E::ALed15));
        EXPECT_FALSE(d.lit(E::ALed37));
        EXPECT_FALSE(d.lit(E::ALed14));
        EXPECT_EQ(d.pul.occITG, down);
    }
}

// Without route D the ITG button leaves the line block alone.
TEST(OccupancySimulator, ITGWithoutRouteDLeavesTheBlockAlone) {
    TestDesk d;
    d.pul.out.route = true;  // a used route D, not yet ended by the end block
    d.click(E::sitg);
    EXPECT_FALSE(d.pul.out.busy);
    EXPECT_TRUE(d.pul.out.route);
    EXPECT_EQ(d.state(E::ALed44).colour, colour::yellow);
}

// While SzD shows, the ITD button offers the departure arrow on pressing and on
// releasing, whatever ITD shows.
TEST(OccupancySimulator, ITDOffersTheSzDArrowWhileSzDShows) {
    TestDesk d;
    d.click(E::pszd);
    ASSERT_FALSE(d.visible(E::jszd));
    for (bool down : {true, false}) {
        d.pul.jszd.hide();
        d.click(E::sitd);
        EXPECT_EQ(d.pul.occITD, down);
        EXPECT_TRUE(d.visible(E::jszd));
    }
    d.click(E::pszd);  // SzD out
    d.pul.jszd.hide();
    d.click(E::sitd);
    EXPECT_FALSE(d.visible(E::jszd));
}

// The panel: shown by the menu (once however often), hidden by UKRYJ; its buttons
// keep their state while it is hidden.
TEST(OccupancySimulator, ThePanelShowsAndHidesAndItsButtonsKeepTheirState) {
    TestDesk d;
    EXPECT_FALSE(d.visible(E::symulator));
    d.menu("Symulator1");
    d.menu("Symulator1");
    EXPECT_TRUE(d.visible(E::symulator));
    d.click(E::sith);
    d.click(E::siz2);
    d.click(E::BitBtn1);
    EXPECT_FALSE(d.visible(E::symulator));
    d.menu("Symulator1");
    EXPECT_TRUE(d.visible(E::symulator));
    EXPECT_TRUE(d.state(E::sith).down);
    EXPECT_TRUE(d.state(E::siz2).down);
    EXPECT_FALSE(d.state(E::sita).down);
    EXPECT_TRUE(d.pul.occITH);
    EXPECT_TRUE(d.pul.occIZ2);
}

// A button is not told when a program repaints its section: it stays down, and
// the next click releases it.
TEST(OccupancySimulator, AButtonLeftDownAfterARepaintIsReleasedByTheNextClick) {
    TestDesk d;
    d.click(E::sita);
    d.pul.PaintITA('s');
    d.click(E::sita);
    EXPECT_FALSE(d.state(E::sita).down);
    EXPECT_FALSE(d.pul.occITA);
    d.click(E::sita);
    EXPECT_TRUE(d.pul.occITA);
}

}  // namespace
}  // namespace zormia
