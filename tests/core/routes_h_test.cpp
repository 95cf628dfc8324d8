// The routes from H: the end of phb decided by signal P, the refusals, and the
// arrow that restarts Timer3's count.

#include <gtest/gtest.h>

#include <string>

#include "desk_fixture.h"

namespace zormia {
namespace {

using E = ElementId;
using P = Picture;

// phb ends at step 20 with P at stop (the train stays on track 1), at step 25
// with P at proceed (the train runs past P, which goes back to stop), and never
// when P goes to stop between its steps 21 and 25.
TEST(RouteH, SignalPDecidesWhereTheTrainToTrack1Stops) {
    struct Row {
        const char* name;
        bool pAtSetUp, pAfterStep22;
        int endStep;  // 0: never
        Picture track1, itb;
        bool occIT1;
    };
    const Row rows[] = {
        {"P at stop", false, false, 20, P::AW1C, P::AW1S, true},
        {"P at proceed", true, true, 25, P::AW1Z, P::AW1S, false},
        {"P to stop after step 21", true, false, 0, P::AW1C, P::AW1S, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TestDesk d;
        d.pul.ALed29.setOn(r.pAtSetUp);
        d.click(E::psh);
        ASSERT_TRUE(d.pul.phb);
        EXPECT_EQ(d.lit(E::ALed53), r.pAtSetUp);  // H repeats P: green or upper yellow
        EXPECT_EQ(d.lit(E::ALed40), !r.pAtSetUp);
        d.click(E::PrzebiegiH);
        d.tick(22);
        d.pul.ALed29.setOn(r.pAfterStep22);
        const int last = r.endStep ? r.endStep : 40;
        if (last > 22) {
            d.tick(last - 23);
            EXPECT_TRUE(d.pul.phb);
            d.tick();
        }
        EXPECT_EQ(d.pul.phb, r.endStep == 0);
        EXPECT_EQ(d.pul.Timer3.enabled(), r.endStep == 0);
        EXPECT_EQ(d.pul.step3, r.endStep ? 0 : 40);
        EXPECT_FALSE(d.lit(E::ALed29));
        EXPECT_EQ(d.picture(E::im4), r.track1);
        EXPECT_EQ(d.picture(E::im5), r.itb);
        EXPECT_EQ(d.pul.occIT1, r.occIT1);
        EXPECT_TRUE(d.pul.uh);
    }
}

// A second click on psh while H shows proceed refuses; only the refusal of pha
// puts Timer3's counter back to 0.
TEST(RouteH, ASecondClickPutsHToStop) {
    struct Row {
        const char* name;
        bool pos1cd;
        bool Pul::*route;
        std::int32_t step3After;
    };
    const Row rows[] = {
        {"pha", false, &Pul::pha, 0},
        {"phb", true, &Pul::phb, 2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TestDesk d;
        d.setPoints(true, r.pos1cd);
        d.click(E::psh);
        d.click(E::PrzebiegiH);
        d.tick(2);
        d.click(E::psh);
        EXPECT_FALSE(d.lit(E::ALed17));
        EXPECT_TRUE(d.lit(E::ALed16));
        EXPECT_FALSE(d.pul.Timer3.enabled());
        EXPECT_FALSE(d.visible(E::Panel63));
        EXPECT_EQ(d.pul.step3, r.step3After);
        EXPECT_TRUE(d.pul.*r.route);
        EXPECT_FALSE(d.pul.uh);
    }
}

// The arrow of H starts the count again: a second click delays the train by the
// ticks already counted.
TEST(RouteH, ClickingTheArrowAgainDelaysTheTrain) {
    TestDesk d;
    d.click(E::psh);
    d.click(E::PrzebiegiH);
    d.tick(3);
    EXPECT_TRUE(d.visible(E::Panel63));
    d.click(E::PrzebiegiH);
    EXPECT_EQ(d.pul.step3, 0);
    d.tick(4);
    EXPECT_TRUE(d.lit(E::ALed17));
    d.tick();
    EXPECT_FALSE(d.lit(E::ALed17));
    EXPECT_FALSE(d.visible(E::Panel63));
}

}  // namespace
}  // namespace zormia
