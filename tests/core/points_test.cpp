// Points 1ab and 1cd: throwing, the pictures and captions a throw shows, and the
// occupancy and route locks that hold the points.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desk_fixture.h"

namespace zormia {
namespace {

using E = ElementId;

struct PointTile {
    E tile;
    Picture plus, minus;
};

struct PointCase {
    const char* name;
    E button;
    bool Pul::*position;
    std::vector<PointTile> tiles;
};

const std::vector<PointCase> kPoints = {
    {"1ab",
     E::z1ab,
     &Pul::pos1ab,
     {{E::im7, Picture::AW3PB, Picture::AW3MB}, {E::im18, Picture::AW4PB, Picture::AW4MB}}},
    {"1cd", E::z1cd, &Pul::pos1cd, {{E::im6, Picture::AW4PB, Picture::AW4MB}}},
};

TEST(Points, EachClickThrowsThePointsAndShowsTheirLieInWhite) {
    for (const PointCase& p : kPoints) {
        SCOPED_TRACE(p.name);
        TestDesk d;
        for (bool expectPlus : {false, true, false}) {
            d.click(p.button);
            EXPECT_EQ(d.pul.*p.position, expectPlus);
            EXPECT_EQ(d.state(p.button).caption, expectPlus ? "+" : "-");
            for (const PointTile& t : p.tiles)
                EXPECT_EQ(d.picture(t.tile), expectPlus ? t.plus : t.minus);
        }
    }
}

TEST(Points, AnOccupiedPointsSectionHoldsThePoints) {
    struct Row {
        bool occIZ1, occIZ2;
        bool throws1ab, throws1cd;
    };
    const Row rows[] = {
        {true, false, false, false},
        {false, true, false, true},  // 1cd lies wholly in IZ1
        {true, true, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string("IZ1 ") + (r.occIZ1 ? "occupied" : "free") + ", IZ2 " +
                     (r.occIZ2 ? "occupied" : "free"));
        TestDesk d;
        d.pul.occIZ1 = r.occIZ1;
        d.pul.occIZ2 = r.occIZ2;
        d.click(E::z1ab);
        d.click(E::z1cd);
        EXPECT_EQ(d.pul.pos1ab, !r.throws1ab);
        EXPECT_EQ(d.pul.pos1cd, !r.throws1cd);
        EXPECT_EQ(d.state(E::z1ab).caption, r.throws1ab ? "-" : "+");
        EXPECT_EQ(d.state(E::z1cd).caption, r.throws1cd ? "-" : "+");
        EXPECT_EQ(d.picture(E::im7), r.throws1ab ? Picture::AW3MB : Picture::AW3PB);
        EXPECT_EQ(d.picture(E::im6), r.throws1cd ? Picture::AW4MB : Picture::AW4PB);
    }
}

class PointLocks : public DeskTest {};

// Route pc holds only 1ab: its lock uc does not reach 1cd.
TEST_F(PointLocks, PointButtonsAreLockedWhileARouteHoldsThem) {
    click(E::psc);
    ASSERT_TRUE(pul.pc);
    EXPECT_FALSE(enabled(E::z1ab));
    EXPECT_TRUE(enabled(E::z1cd));
    click(E::z1ab);
    EXPECT_TRUE(pul.pos1ab);
    click(E::z1cd);
    EXPECT_FALSE(pul.pos1cd);
}

}  // namespace
}  // namespace zormia
