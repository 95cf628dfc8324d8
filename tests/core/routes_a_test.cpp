// The routes from A: what a second click on the signal button does before and
// while the train runs, the lock of G, and the aspect that announces signal D.

#include <gtest/gtest.h>

#include "desk_fixture.h"

namespace zormia {
namespace {

using E = ElementId;
using P = Picture;

class RouteA : public DeskTest {
  protected:
    void SetUp() override { setPoints(false, false); }
};

// Before the train passes A (also after the arrow click), a second click refuses:
// A to stop, Timer5 stopped, the arrow hidden; the route stays set and lit and
// only the release button frees it.
TEST(RouteARefusal, ASecondClickBeforeTheTrainPassesPutsAToStopAndHaltsTheTrain) {
    for (int ticksBefore : {-1, 3}) {  // -1: before the arrow click
        SCOPED_TRACE(ticksBefore);
        TestDesk d;
        d.setPoints(false, false);
        d.click(E::psa);
        if (ticksBefore >= 0) {
            d.click(E::PrzebiegiA);
            d.tick(ticksBefore);
        }
        d.click(E::psa);
        EXPECT_FALSE(d.lit(E::ALed4));
        EXPECT_TRUE(d.lit(E::ALed6));
        EXPECT_TRUE(d.lit(E::ALed21));
        EXPECT_FALSE(d.pul.Timer5.enabled());
        EXPECT_FALSE(d.visible(E::Panel55));
        EXPECT_TRUE(d.pul.pag);
        EXPECT_FALSE(d.pul.ua);
        EXPECT_FALSE(d.enabled(E::z1ab));
        d.tick(10);
        d.expectTiles({{E::im2, P::AW1Z}, {E::im19, P::AW1Z}, {E::im18, P::AW4MZ}});
    }
}

// Once the train has passed A, ITA shows red without being recorded occupied, so
// the click passes the tests; the guard keeps it from stopping the train.
TEST_F(RouteA, AClickWhileTheTrainPassesAChangesNothing) {
    click(E::psa);
    click(E::PrzebiegiA);
    tick(5);
    click(E::psa);
    EXPECT_TRUE(pul.Timer5.enabled());
    EXPECT_FALSE(lit(E::ALed4));
    tick(15);
    EXPECT_FALSE(pul.pag);
    EXPECT_TRUE(pul.ua);
}

// A route from G holds ug: the click raises pag, then the set-up refuses and
// stops Timer5, halting the route from G's program where it is.
TEST_F(RouteA, ARouteFromGHoldingItsLockRefusesTheRouteToD) {
    pul.ug = false;
    pul.step5 = 3;
    pul.Timer5.enable();
    click(E::psa);
    EXPECT_TRUE(pul.pag);
    EXPECT_TRUE(pul.ua);
    EXPECT_FALSE(lit(E::ALed4));
    EXPECT_TRUE(lit(E::ALed6));
    EXPECT_FALSE(pul.Timer5.enabled());
    EXPECT_FALSE(visible(E::Panel55));
    EXPECT_EQ(pul.step5, 3);
}

}  // namespace
}  // namespace zormia
