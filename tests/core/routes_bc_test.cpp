// The routes from B and C: the refusal that locks B out until its release
// button, the refusal of pbd that leaves its train running, a train standing on
// track 1, and the aspects that announce signal D.

#include <gtest/gtest.h>

#include <string>

#include "desk_fixture.h"

namespace zormia {
namespace {

using E = ElementId;
using P = Picture;

class RouteBC : public DeskTest {};

TEST_F(RouteBC, ARefusedRouteToHLocksSignalBUntilItsReleaseButton) {
    click(E::psb);
    ASSERT_TRUE(lit(E::ALed9));
    click(E::psb);
    EXPECT_FALSE(lit(E::ALed9));
    EXPECT_TRUE(lit(E::ALed8));
    EXPECT_FALSE(pul.Timer3.enabled());
    EXPECT_FALSE(visible(E::Panel56));
    EXPECT_FALSE(enabled(E::psb));
    EXPECT_TRUE(pul.pb);
    EXPECT_FALSE(pul.ub);

    click(E::psb);  // ignored
    EXPECT_FALSE(lit(E::ALed9));

    menu("zwb1");
    click(E::zwb);
    EXPECT_TRUE(enabled(E::psb));
    EXPECT_FALSE(pul.pb);
    EXPECT_TRUE(pul.ub);
    click(E::psb);
    EXPECT_TRUE(pul.pb);
    EXPECT_TRUE(lit(E::ALed9));
}

// The refusal of pbd stops Timer3, not its own Timer5: the train runs on.
TEST_F(RouteBC, ARefusedRouteToDAfterTheArrowClickLetsItsTrainRunOn) {
    setPoints(false, true);
    click(E::psb);
    click(E::PrzebiegiB);
    tick(2);
    click(E::psb);
    EXPECT_FALSE(lit(E::ALed9));
    EXPECT_FALSE(visible(E::Panel56));
    EXPECT_TRUE(enabled(E::psb));
    EXPECT_TRUE(pul.Timer5.enabled());
    tick(3);
    EXPECT_EQ(picture(E::im5), P::AW1C);  // the train passes B
    tick(15);
    EXPECT_FALSE(pul.pbd);
    EXPECT_TRUE(pul.ub);
}

// pb leaves a train standing on track 1 shown; pbd repaints track 1 in its rest
// look and forgets the train.
TEST(RouteBCTrack1, ATrainStandingOnTrack1StaysShownOnlyForTheRouteToH) {
    struct Row {
        const char* name;
        bool pos1ab;
        bool Pul::*route;
        Picture track1;
        bool occupied;
    };
    const Row rows[] = {
        {"pb", true, &Pul::pb, P::AW1C, true},
        {"pbd", false, &Pul::pbd, P::AW1Z, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TestDesk d;
        d.setPoints(r.pos1ab, true);
        d.pul.PaintIT1('c');
        d.click(E::psb);
        ASSERT_TRUE(d.pul.*r.route);
        EXPECT_EQ(d.picture(E::im4), r.track1);
        EXPECT_EQ(d.pul.occIT1, r.occupied);
    }
}

// A, B and C tell the driver whether D shows proceed when their route to D is
// set: field green, or the yellow lamp (upper yellow for A and B).
TEST(RouteToD, TheSignalAnnouncesWhetherDShowsProceed) {
    struct Row {
        const char* name;
        bool pos1ab, pos1cd;
        E button, green, yellow;
    };
    const Row rows[] = {
        {"A", false, false, E::psa, E::ALed19, E::ALed20},
        {"B", false, true, E::psb, E::ALed24, E::ALed25},
        {"C", true, true, E::psc, E::ALed30, E::ALed32},
    };
    for (const Row& r : rows) {
        for (bool dProceed : {false, true}) {
            SCOPED_TRACE(std::string(r.name) + (dProceed ? ", D at proceed" : ", D at stop"));
            TestDesk d;
            d.setPoints(r.pos1ab, r.pos1cd);
            d.pul.SetAspectD(!dProceed, dProceed, !dProceed, dProceed);
            d.click(r.button);
            EXPECT_EQ(d.lit(r.green), dProceed);
            EXPECT_EQ(d.lit(r.yellow), !dProceed);
        }
    }
}

}  // namespace
}  // namespace zormia
