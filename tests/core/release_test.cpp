// The sealed release buttons: breaking and putting back the seals, and what zwa,
// zwb, zwc and zwh release with and without a program running on Timer3.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desk_fixture.h"

namespace zormia {
namespace {

using E = ElementId;
using P = Picture;

TEST(ReleaseSeals, TheMenusBreakAndPutBackEachSeal) {
    struct Row {
        E button, bar;
        const char* name;
    };
    const Row rows[] = {
        {E::zwa, E::pzwa, "zwa"}, {E::zwb, E::pzwb, "zwb"}, {E::zwc, E::pzwc, "zwc"},
        {E::zwd, E::pzwd, "zwd"}, {E::zwg, E::pzwg, "zwg"}, {E::zwh, E::pzwh, "zwh"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TestDesk d;
        EXPECT_FALSE(d.enabled(r.button));
        EXPECT_TRUE(d.visible(r.bar));
        for (int i = 0; i < 2; ++i) {  // breaking a broken seal changes nothing
            d.menu(std::string(r.name) + "1");
            EXPECT_TRUE(d.enabled(r.button));
            EXPECT_FALSE(d.visible(r.bar));
        }
        d.menu(std::string(r.name) + "2");
        EXPECT_FALSE(d.enabled(r.button));
        EXPECT_TRUE(d.visible(r.bar));
    }
}

TEST(ReleaseSeals, ASealedButtonIgnoresClicksAndABrokenSealStaysBroken) {
    TestDesk d;
    d.setPoints(true, false);
    d.click(E::psa);
    d.click(E::zwa);
    EXPECT_TRUE(d.pul.pa);
    d.menu("zwa1");
    d.click(E::zwa);
    EXPECT_FALSE(d.pul.pa);
    EXPECT_TRUE(d.enabled(E::zwa));
    EXPECT_FALSE(d.visible(E::pzwa));
}

// A route toward Stacja C, set or running on Timer3, and its release button.
// With Timer3 idle the button darkens the route; with it running the sections
// stay as they are, but the signal goes to stop, the lock is freed and Timer3
// stops, halting the train where it is.
TEST(ReleaseButtons, ReleaseARouteTowardStacjaCWithAndWithoutItsProgramRunning) {
    struct Row {
        const char* name;
        bool pos1cd;
        E signal, arrow, release, panel, deskGreen;
        const char* breakSeal;
        bool Pul::*route;
        bool Pul::*lock;
        std::vector<TileShows> released;
        bool clearedWhileRunning;
    };
    const Row rows[] = {
        {"zwa",
         false,
         E::psa,
         E::PrzebiegiA,
         E::zwa,
         E::Panel55,
         E::ALed4,
         "zwa1",
         &Pul::pa,
         &Pul::ua,
         {{E::im2, P::AW1S}, {E::im6, P::AW4MB}, {E::im7, P::AW3PB}, {E::im8, P::AW1S}},
         false},
        {"zwb",
         true,
         E::psb,
         E::PrzebiegiB,
         E::zwb,
         E::Panel56,
         E::ALed9,
         "zwb1",
         &Pul::pb,
         &Pul::ub,
         {{E::im5, P::AW1S}, {E::im6, P::AW4PB}, {E::im7, P::AW3PB}, {E::im8, P::AW1S}},
         true},
    };
    for (const Row& r : rows) {
        for (bool running : {false, true}) {
            SCOPED_TRACE(std::string(r.name) + (running ? ", running" : ", idle"));
            TestDesk d;
            d.setPoints(true, r.pos1cd);
            d.menu(r.breakSeal);
            d.click(r.signal);
            if (running) {
                d.click(r.arrow);
                d.tick(2);
            }
            const std::int32_t step3 = d.pul.step3;
            d.click(r.release);
            EXPECT_TRUE(d.pul.*r.lock);
            EXPECT_TRUE(d.enabled(E::z1ab));
            EXPECT_FALSE(d.lit(r.deskGreen));
            EXPECT_FALSE(d.visible(r.panel));
            EXPECT_FALSE(d.pul.Timer3.enabled());
            if (running) {
                EXPECT_EQ(d.pul.*r.route, !r.clearedWhileRunning);
                EXPECT_EQ(d.picture(E::im8), P::AW1Z);
                d.tick(10);
                EXPECT_EQ(d.pul.step3, step3);
            } else {
                EXPECT_FALSE(d.pul.*r.route);
                d.expectTiles(r.released);
            }
        }
    }
}

TEST(ReleaseButtons, ZwaReleasesTheRouteToDAndATrainLeftInItd) {
    TestDesk d;
    d.setPoints(false, false);
    d.menu("zwa1");
    d.click(E::psa);
    d.click(E::zwa);
    EXPECT_FALSE(d.pul.pag);
    EXPECT_TRUE(d.pul.ua);
    EXPECT_FALSE(d.lit(E::ALed4));
    EXPECT_TRUE(d.lit(E::ALed21));
    EXPECT_FALSE(d.visible(E::Panel55));
    d.expectTiles({{E::im1, P::AW1Z},
                   {E::im2, P::AW1S},
                   {E::im6, P::AW4MB},
                   {E::im7, P::AW3MB},
                   {E::im18, P::AW4MB},
                   {E::im19, P::AW1S}});

    // A train that a route to D left standing in ITD before D at stop.
    d.click(E::psa);
    d.click(E::PrzebiegiA);
    d.tick(20);
    ASSERT_TRUE(d.pul.occITD);
    d.click(E::zwa);
    EXPECT_FALSE(d.pul.occITD);
    EXPECT_EQ(d.picture(E::im19), P::AW1S);
}

// Releasing a running route to D does not stop Timer5: the counter runs on. A
// click on psa is ignored while the counter is inside the guard; a route to D set
// at a higher count runs only the steps still ahead of the counter, so its train
// never passes A and A still shows proceed when the program ends.
TEST(ReleaseButtons, ARouteToDReleasedWhileRunningLeavesTimer5Counting) {
    TestDesk d;
    d.setPoints(false, false);
    d.menu("zwa1");
    d.click(E::psa);
    d.click(E::PrzebiegiA);
    d.tick(6);
    d.click(E::zwa);
    EXPECT_FALSE(d.pul.pag);
    EXPECT_TRUE(d.pul.Timer5.enabled());
    d.tick();
    EXPECT_EQ(d.pul.step5, 7);
    d.click(E::psa);
    EXPECT_TRUE(d.pul.pag);
    EXPECT_FALSE(d.lit(E::ALed4));
    EXPECT_TRUE(d.pul.ua);

    d.click(E::zwa);
    d.tick(7);
    d.click(E::psa);
    EXPECT_TRUE(d.lit(E::ALed4));
    EXPECT_FALSE(d.pul.ua);
    d.click(E::PrzebiegiA);
    d.tick(4);
    EXPECT_TRUE(d.pul.ua);
    d.tick(2);
    EXPECT_FALSE(d.pul.pag);
    EXPECT_FALSE(d.pul.Timer5.enabled());
    EXPECT_EQ(d.pul.step5, 0);
    EXPECT_TRUE(d.lit(E::ALed4));
}

// zwc leaves ITD red while a train stands in it; with Timer3 running (a route
// from H) it repaints nothing.
TEST(ReleaseButtons, ZwcReleasesRouteCButNeverDarkensAnOccupiedItd) {
    for (bool timer3Running : {false, true}) {
        SCOPED_TRACE(timer3Running ? "Timer3 running" : "Timer3 idle");
        TestDesk d;
        d.setPoints(true, false);
        d.menu("zwc1");
        if (timer3Running) {
            d.click(E::psh);
            d.click(E::PrzebiegiH);
        }
        d.click(E::psc);
        d.click(E::PrzebiegC);
        d.tick(10);  // the train of pc has reached ITD
        d.click(E::zwc);
        EXPECT_FALSE(d.pul.pc);
        EXPECT_TRUE(d.pul.uc);
        EXPECT_FALSE(d.lit(E::ALed12));
        EXPECT_TRUE(d.lit(E::ALed11));
        EXPECT_FALSE(d.visible(E::Panel57));
        EXPECT_FALSE(d.pul.Timer3.enabled());
        EXPECT_TRUE(d.pul.Timer5.enabled());
        EXPECT_EQ(d.picture(E::im19), P::AW1C);
        EXPECT_TRUE(d.pul.occITD);
        EXPECT_EQ(d.picture(E::im16), timer3Running ? P::AW1C : P::AW1S);
        EXPECT_EQ(d.picture(E::im18), timer3Running ? P::AW4PC : P::AW4PB);
        if (timer3Running) {
            EXPECT_TRUE(d.pul.pha);
        }
    }
}

// zwa, zwb and zwc stop Timer3 whatever route they release, halting a route from
// H in the middle of its run.
TEST(ReleaseButtons, EveryReleaseButtonStopsTimer3) {
    for (E release : {E::zwa, E::zwb, E::zwc}) {
        SCOPED_TRACE(elementRow(release).name);
        TestDesk d;
        d.setPoints(true, false);
        for (const char* item : {"zwa1", "zwb1", "zwc1"}) d.menu(item);
        d.click(E::psh);
        d.click(E::PrzebiegiH);
        d.tick(3);
        d.click(release);
        EXPECT_FALSE(d.pul.Timer3.enabled());
        EXPECT_TRUE(d.pul.pha);
        d.tick(5);
        EXPECT_EQ(d.pul.step3, 3);
        EXPECT_TRUE(d.lit(E::ALed17));  // the train never reaches H
    }
}

// zwh frees only the lock of H while Timer3 runs; with Timer3 idle it releases
// the route from H the points select.
TEST(ReleaseButtons, ZwhReleasesARouteFromHOnlyWhileTimer3IsIdle) {
    struct Row {
        const char* name;
        bool pos1cd;
        bool Pul::*route;
        std::vector<TileShows> released;
    };
    const Row rows[] = {
        {"pha",
         false,
         &Pul::pha,
         {{E::im2, P::AW1S}, {E::im6, P::AW4MB}, {E::im7, P::AW3PB}, {E::im8, P::AW1S}}},
        {"phb",
         true,
         &Pul::phb,
         {{E::im5, P::AW1S}, {E::im6, P::AW4PB}, {E::im7, P::AW3PB}, {E::im8, P::AW1S}}},
    };
    for (const Row& r : rows) {
        for (bool running : {false, true}) {
            SCOPED_TRACE(std::string(r.name) + (running ? ", running" : ", idle"));
            TestDesk d;
            d.setPoints(true, r.pos1cd);
            d.menu("zwh1");
            d.click(E::psh);
            if (running) {
                d.click(E::PrzebiegiH);
                d.tick(2);
            }
            d.click(E::zwh);
            EXPECT_TRUE(d.pul.uh);
            EXPECT_TRUE(d.enabled(E::z1ab));
            EXPECT_EQ(d.pul.*r.route, running);
            EXPECT_EQ(d.lit(E::ALed17), running);
            EXPECT_EQ(d.visible(E::Panel63), running);
            EXPECT_EQ(d.pul.Timer3.enabled(), running);
            if (running) {
                EXPECT_EQ(d.picture(E::im8), P::AW1Z);
            } else {
                d.expectTiles(r.released);
            }
        }
    }
}

}  // namespace
}  // namespace zormia
