// What all station routes share: which route a signal button chooses, the guards
// of the set-ups, the train arrows, the run of each program through its decisive
// steps, the shared counters of the route timers and the hand-over to route D.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desk_fixture.h"

namespace zormia {
namespace {

using E = ElementId;
using P = Picture;

// ---- which route a signal button sets -------------------------------------------

std::vector<bool Pul::*> routesOf(E button) {
    switch (button) {
        case E::psa:
            return {&Pul::pa, &Pul::pag};
        case E::psb:
            return {&Pul::pb, &Pul::pbd};
        case E::psc:
            return {&Pul::pc};
        default:
            return {&Pul::pha, &Pul::phb};
    }
}

struct Selection {
    const char* name;
    bool pos1ab, pos1cd;
    void (*before)(Pul&);  // may be null
    E button;
    bool Pul::*expected;  // null: the click does nothing
};

const Selection kSelections[] = {
    {"A, both minus", false, false, nullptr, E::psa, &Pul::pag},
    {"A, 1ab plus 1cd minus", true, false, nullptr, E::psa, &Pul::pa},
    {"A, 1ab minus 1cd plus", false, true, nullptr, E::psa, nullptr},
    {"A, both plus", true, true, nullptr, E::psa, nullptr},
    {"A to D, ITD occupied", false, false, [](Pul& d) { d.occITD = true; }, E::psa, nullptr},
    {"A to H ignores ITD", true, false, [](Pul& d) { d.occITD = true; }, E::psa, &Pul::pa},
    {"A to D, shunting at C", false, false, [](Pul& d) { d.shuntC = true; }, E::psa, nullptr},
    {"A to H ignores C", true, false, [](Pul& d) { d.shuntC = true; }, E::psa, &Pul::pa},
    {"A, route from H set", true, false, [](Pul& d) { d.pha = true; }, E::psa, nullptr},
    {"B, both plus", true, true, nullptr, E::psb, &Pul::pb},
    {"B, 1ab minus 1cd plus", false, true, nullptr, E::psb, &Pul::pbd},
    {"B, 1cd minus", true, false, nullptr, E::psb, nullptr},
    {"B, both minus", false, false, nullptr, E::psb, nullptr},
    {"B, route H to track 1 set", true, true, [](Pul& d) { d.phb = true; }, E::psb, nullptr},
    {"B to D, ITD occupied", false, true, [](Pul& d) { d.occITD = true; }, E::psb, nullptr},
    {"B to H, ITH occupied", true, true, [](Pul& d) { d.occITH = true; }, E::psb, nullptr},
    {"C, both plus", true, true, nullptr, E::psc, &Pul::pc},
    {"C, 1cd minus", true, false, nullptr, E::psc, &Pul::pc},
    {"C, 1ab minus", false, true, nullptr, E::psc, nullptr},
    {"C, route G to track 2 set", true, true, [](Pul& d) { d.pgc = true; }, E::psc, nullptr},
    {"C, ITC occupied", true, true, [](Pul& d) { d.occITC = true; }, E::psc, nullptr},
    {"H, both plus", true, true, nullptr, E::psh, &Pul::phb},
    {"H, 1ab plus 1cd minus", true, false, nullptr, E::psh, &Pul::pha},
    {"H, 1ab minus", false, true, nullptr, E::psh, nullptr},
    {"H, both minus", false, false, nullptr, E::psh, nullptr},
    {"H to track 1, track 1 occupied", true, true, [](Pul& d) { d.occIT1 = true; }, E::psh,
     nullptr},
    {"H to track 1, route B set", true, true, [](Pul& d) { d.pb = true; }, E::psh, nullptr},
    {"H to track 3, track 3 occupied", true, false, [](Pul& d) { d.occIT3 = true; }, E::psh,
     nullptr},
    {"H to track 3, route A set", true, false, [](Pul& d) { d.pa = true; }, E::psh, nullptr},
    {"H to track 1, shunting at A", true, true, [](Pul& d) { d.shuntA = true; }, E::psh, nullptr},
};

TEST(RouteSelection, ASignalButtonSetsTheRouteThePointsAndTheLineAllow) {
    for (const Selection& s : kSelections) {
        SCOPED_TRACE(s.name);
        TestDesk d;
        d.setPoints(s.pos1ab, s.pos1cd);
        if (s.before) s.before(d.pul);
        d.click(s.button);
        for (bool Pul::*route : routesOf(s.button)) EXPECT_EQ(d.pul.*route, route == s.expected);
        const bool locksFree = d.pul.ua && d.pul.ub && d.pul.uc && d.pul.uh;
        EXPECT_EQ(locksFree, s.expected == nullptr);
    }
}

// ---- the guards of the set-ups ---------------------------------------------------

struct Guard {
    const char* name;
    bool pos1ab, pos1cd;
    E button;
    bool Pul::*route;
    bool Pul::*lock;
    E deskGreen;
    std::int32_t step3, step5;
    bool sets;
};

const Guard kGuards[] = {
    {"pa, step3 4", true, false, E::psa, &Pul::pa, &Pul::ua, E::ALed4, 4, 0, true},
    {"pa, step3 5", true, false, E::psa, &Pul::pa, &Pul::ua, E::ALed4, 5, 0, false},
    {"pa, step3 40", true, false, E::psa, &Pul::pa, &Pul::ua, E::ALed4, 40, 0, false},
    {"pa, step5 7", true, false, E::psa, &Pul::pa, &Pul::ua, E::ALed4, 0, 7, true},
    {"pag, step5 5", false, false, E::psa, &Pul::pag, &Pul::ua, E::ALed4, 0, 5, false},
    {"pag, step5 13", false, false, E::psa, &Pul::pag, &Pul::ua, E::ALed4, 0, 13, false},
    {"pag, step5 14", false, false, E::psa, &Pul::pag, &Pul::ua, E::ALed4, 0, 14, true},
    {"pag, step3 7", false, false, E::psa, &Pul::pag, &Pul::ua, E::ALed4, 7, 0, true},
    {"pb, step3 5", true, true, E::psb, &Pul::pb, &Pul::ub, E::ALed9, 5, 0, false},
    {"pb, step3 30", true, true, E::psb, &Pul::pb, &Pul::ub, E::ALed9, 30, 0, false},
    // The guard of pbd reads Timer3's counter, though pbd runs on Timer5.
    {"pbd, step3 5", false, true, E::psb, &Pul::pbd, &Pul::ub, E::ALed9, 5, 0, false},
    {"pbd, step3 13", false, true, E::psb, &Pul::pbd, &Pul::ub, E::ALed9, 13, 0, false},
    {"pbd, step3 14", false, true, E::psb, &Pul::pbd, &Pul::ub, E::ALed9, 14, 0, true},
    {"pbd, step5 7", false, true, E::psb, &Pul::pbd, &Pul::ub, E::ALed9, 0, 7, true},
    {"pc, step5 5", true, true, E::psc, &Pul::pc, &Pul::uc, E::ALed12, 0, 5, false},
    {"pc, step5 13", true, true, E::psc, &Pul::pc, &Pul::uc, E::ALed12, 0, 13, false},
    {"pc, step5 14", true, true, E::psc, &Pul::pc, &Pul::uc, E::ALed12, 0, 14, true},
    {"pc, step3 7", true, true, E::psc, &Pul::pc, &Pul::uc, E::ALed12, 7, 0, true},
    {"pha, step3 5", true, false, E::psh, &Pul::pha, &Pul::uh, E::ALed17, 5, 0, false},
    {"phb, step3 5", true, true, E::psh, &Pul::phb, &Pul::uh, E::ALed17, 5, 0, false},
    {"phb, step3 4", true, true, E::psh, &Pul::phb, &Pul::uh, E::ALed17, 4, 0, true},
};

// Inside its guard a set-up does nothing at all, but the route flag that the
// handler raised stays up.
TEST(RouteGuards, ASetUpIgnoresTheClickWhileItsCounterIsInTheGuardRange) {
    for (const Guard& g : kGuards) {
        SCOPED_TRACE(g.name);
        TestDesk d;
        d.setPoints(g.pos1ab, g.pos1cd);
        d.pul.step3 = g.step3;
        d.pul.step5 = g.step5;
        d.click(g.button);
        EXPECT_TRUE(d.pul.*g.route);
        EXPECT_EQ(d.pul.*g.lock, !g.sets);
        EXPECT_EQ(d.lit(g.deskGreen), g.sets);
        EXPECT_EQ(d.pul.step3, g.step3);
        EXPECT_EQ(d.pul.step5, g.step5);
    }
}

// ---- the train arrows -------------------------------------------------------------

struct Arrow {
    const char* name;
    bool pos1ab, pos1cd;
    E button, arrow;
    TimerRef Pul::*timer;
    std::int32_t Pul::*counter;
    bool resetsCounter;
    std::vector<TileShows> shown;  // the train shown at once
    bool Pul::*occupancy;          // null: nothing painted
    bool occupied;
};

TEST(RouteArrows, AnArrowShowsTheTrainAndStartsTheTimerOfTheRouteSetThere) {
    const Arrow arrows[] = {
        {"A",
         true,
         false,
         E::psa,
         E::PrzebiegiA,
         &Pul::Timer3,
         &Pul::step3,
         false,
         {{E::im1, P::AW1C}},
         &Pul::occIT3,
         true},
        {"A to D",
         false,
         false,
         E::psa,
         E::PrzebiegiA,
         &Pul::Timer5,
         &Pul::step5,
         false,
         {{E::im1, P::AW1C}},
         &Pul::occIT3,
         true},
        {"B",
         true,
         true,
         E::psb,
         E::PrzebiegiB,
         &Pul::Timer3,
         &Pul::step3,
         false,
         {{E::im4, P::AW1C}},
         &Pul::occIT1,
         false},
        {"B to D",
         false,
         true,
         E::psb,
         E::PrzebiegiB,
         &Pul::Timer5,
         &Pul::step5,
         false,
         {{E::im4, P::AW1C}},
         &Pul::occIT1,
         false},
        {"C",
         true,
         true,
         E::psc,
         E::PrzebiegC,
         &Pul::Timer5,
         &Pul::step5,
         true,
         {{E::im15, P::AW1C}},
         &Pul::occIT2,
         false},
        {"H",
         true,
         true,
         E::psh,
         E::PrzebiegiH,
         &Pul::Timer3,
         &Pul::step3,
         true,
         {{E::im14, P::AW1S}, {E::im8, P::AW1Z}},
         nullptr,
         false},
    };
    for (const Arrow& a : arrows) {
        SCOPED_TRACE(a.name);
        TestDesk d;
        d.setPoints(a.pos1ab, a.pos1cd);
        d.pul.step3 = d.pul.step5 = 3;  // a count left behind by another program
        d.click(a.button);
        d.click(a.arrow);
        EXPECT_TRUE((d.pul.*a.timer).enabled());
        EXPECT_EQ(d.pul.Timer3.enabled() + d.pul.Timer5.enabled(), 1);
        EXPECT_EQ(d.pul.*a.counter, a.resetsCounter ? 0 : 3);
        d.expectTiles(a.shown);
        if (a.occupancy) {
            EXPECT_EQ(d.pul.*a.occupancy, a.occupied);
        }
    }
}

// ---- each route through its decisive steps --------------------------------------

struct RouteRun {
    const char* name;
    bool pos1ab, pos1cd;
    E button, arrow, panel, deskGreen, deskRed;
    bool Pul::*route;
    bool Pul::*lock;
    TimerRef Pul::*timer;
    std::int32_t Pul::*counter;
    int passStep, releaseStep, endStep;
    std::vector<TileShows> whenSet;
    std::vector<TileShows> atEnd;
    bool Pul::*occupiedAtEnd;  // may be null
};

const std::vector<RouteRun>& routeRuns() {
    static const std::vector<RouteRun> runs = {
        {"pa",
         true,
         false,
         E::psa,
         E::PrzebiegiA,
         E::Panel55,
         E::ALed4,
         E::ALed6,
         &Pul::pa,
         &Pul::ua,
         &Pul::Timer3,
         &Pul::step3,
         5,
         17,
         22,
         {{E::im1, P::AW1Z},
          {E::im2, P::AW1Z},
          {E::im3, P::AW7Z},
          {E::im6, P::AW4MZ},
          {E::im7, P::AW3PZ},
          {E::im8, P::AW1Z},
          {E::im13, P::AW1Z}},
         {{E::im1, P::AW1Z},
          {E::im2, P::AW1S},
          {E::im3, P::AW7S},
          {E::im6, P::AW4MB},
          {E::im7, P::AW3PB},
          {E::im8, P::AW1S}},
         nullptr},
        {"pag",
         false,
         false,
         E::psa,
         E::PrzebiegiA,
         E::Panel55,
         E::ALed4,
         E::ALed6,
         &Pul::pag,
         &Pul::ua,
         &Pul::Timer5,
         &Pul::step5,
         5,
         18,
         20,
         {{E::im1, P::AW1Z},
          {E::im2, P::AW1Z},
          {E::im3, P::AW7Z},
          {E::im6, P::AW4MZ},
          {E::im7, P::AW3MZ},
          {E::im18, P::AW4MZ},
          {E::im19, P::AW1Z}},
         {{E::im1, P::AW1Z},
          {E::im2, P::AW1S},
          {E::im6, P::AW4MB},
          {E::im7, P::AW3MB},
          {E::im18, P::AW4MB},
          {E::im19, P::AW1C}},
         &Pul::occITD},
        {"pb",
         true,
         true,
         E::psb,
         E::PrzebiegiB,
         E::Panel56,
         E::ALed9,
         E::ALed8,
         &Pul::pb,
         &Pul::ub,
         &Pul::Timer3,
         &Pul::step3,
         5,
         16,
         20,
         {{E::im4, P::AW1Z},
          {E::im5, P::AW1Z},
          {E::im6, P::AW4PZ},
          {E::im7, P::AW3PZ},
          {E::im8, P::AW1Z}},
         {{E::im4, P::AW1Z},
          {E::im5, P::AW1S},
          {E::im6, P::AW4PB},
          {E::im7, P::AW3PB},
          {E::im8, P::AW1S}},
         nullptr},
        {"pbd",
         false,
         true,
         E::psb,
         E::PrzebiegiB,
         E::Panel56,
         E::ALed9,
         E::ALed8,
         &Pul::pbd,
         &Pul::ub,
         &Pul::Timer5,
         &Pul::step5,
         5,
         18,
         20,
         {{E::im4, P::AW1Z},
          {E::im5, P::AW1Z},
          {E::im6, P::AW4PZ},
          {E::im7, P::AW3MZ},
          {E::im18, P::AW4MZ},
          {E::im19, P::AW1Z}},
         {{E::im4, P::AW1Z},
          {E::im5, P::AW1S},
          {E::im6, P::AW4PB},
          {E::im7, P::AW3MB},
          {E::im18, P::AW4MB},
          {E::im19, P::AW1C}},
         &Pul::occITD},
        {"pc",
         true,
         true,
         E::psc,
         E::PrzebiegC,
         E::Panel57,
         E::ALed12,
         E::ALed11,
         &Pul::pc,
         &Pul::uc,
         &Pul::Timer5,
         &Pul::step5,
         3,
         15,
         18,
         {{E::im15, P::AW1Z},
          {E::im16, P::AW1Z},
          {E::im17, P::AW1Z},
          {E::im18, P::AW4PZ},
          {E::im19, P::AW1Z}},
         {{E::im15, P::AW1Z},
          {E::im16, P::AW1S},
          {E::im17, P::AW1S},
          {E::im18, P::AW4PB},
          {E::im19, P::AW1C}},
         &Pul::occITD},
        {"pha",
         true,
         false,
         E::psh,
         E::PrzebiegiH,
         E::Panel63,
         E::ALed17,
         E::ALed16,
         &Pul::pha,
         &Pul::uh,
         &Pul::Timer3,
         &Pul::step3,
         5,
         22,
         28,
         {{E::im1, P::AW1Z},
          {E::im2, P::AW1Z},
          {E::im3, P::AW7Z},
          {E::im6, P::AW4MZ},
          {E::im7, P::AW3PZ},
          {E::im8, P::AW1Z}},
         {{E::im1, P::AW1Z},
          {E::im2, P::AW1S},
          {E::im6, P::AW4MB},
          {E::im7, P::AW3PB},
          {E::im8, P::AW1S},
          {E::im14, P::AW1S}},
         nullptr},
        {"phb, P at stop",
         true,
         true,
         E::psh,
         E::PrzebiegiH,
         E::Panel63,
         E::ALed17,
         E::ALed16,
         &Pul::phb,
         &Pul::uh,
         &Pul::Timer3,
         &Pul::step3,
         5,
         19,
         20,
         {{E::im4, P::AW1Z},
          {E::im5, P::AW1Z},
          {E::im6, P::AW4PZ},
          {E::im7, P::AW3PZ},
          {E::im8, P::AW1Z}},
         {{E::im4, P::AW1C},
          {E::im5, P::AW1S},
          {E::im6, P::AW4PB},
          {E::im7, P::AW3PB},
          {E::im8, P::AW1S},
          {E::im14, P::AW1S}},
         &Pul::occIT1},
    };
    return runs;
}

// The train passes the signal (signal to stop, arrow hidden), the route behind it
// is released (lock free, points free to throw) and the program ends (flag down,
// timer stopped, counter 0), each exactly at its step. Routes to D end with the
// train standing in ITD while D shows stop.
TEST(RoutePrograms, EachRoutePassesReleasesAndEndsAtItsSteps) {
    for (const RouteRun& r : routeRuns()) {
        SCOPED_TRACE(r.name);
        TestDesk d;
        d.setPoints(r.pos1ab, r.pos1cd);
        d.click(r.button);
        ASSERT_TRUE(d.pul.*r.route);
        EXPECT_FALSE(d.pul.*r.lock);
        EXPECT_TRUE(d.lit(r.deskGreen));
        EXPECT_FALSE(d.lit(r.deskRed));
        EXPECT_TRUE(d.visible(r.panel));
        EXPECT_FALSE(d.enabled(E::z1ab));
        d.expectTiles(r.whenSet);

        TimerRef& timer = d.pul.*r.timer;
        d.click(r.arrow);
        d.tick(r.passStep - 1);
        EXPECT_TRUE(d.lit(r.deskGreen));
        EXPECT_TRUE(d.visible(r.panel));
        d.tick();
        EXPECT_FALSE(d.lit(r.deskGreen));
        EXPECT_TRUE(d.lit(r.deskRed));
        EXPECT_FALSE(d.visible(r.panel));

        d.tick(r.releaseStep - r.passStep - 1);
        EXPECT_FALSE(d.pul.*r.lock);
        EXPECT_FALSE(d.enabled(E::z1ab));
        d.tick();
        EXPECT_TRUE(d.pul.*r.lock);
        EXPECT_TRUE(d.enabled(E::z1ab));
        EXPECT_TRUE(d.enabled(E::z1cd));

        d.tick(r.endStep - r.releaseStep - 1);
        EXPECT_TRUE(d.pul.*r.route);
        EXPECT_TRUE(timer.enabled());
        EXPECT_EQ(d.pul.*r.counter, r.endStep - 1);
        d.tick();
        EXPECT_FALSE(d.pul.*r.route);
        EXPECT_FALSE(timer.enabled());
        EXPECT_EQ(d.pul.*r.counter, 0);
        EXPECT_FALSE(d.pul.Timer6.enabled());
        d.expectTiles(r.atEnd);
        if (r.occupiedAtEnd) {
            EXPECT_TRUE(d.pul.*r.occupiedAtEnd);
        }
    }
}

// With D at proceed when a route to D ends, the train runs on as D's departure
// train: Timer6 takes over from its step 5.
TEST(RoutePrograms, ARouteToDHandsItsTrainToRouteDWhenDShowsProceed) {
    for (const RouteRun& r : routeRuns()) {
        if (r.timer != &Pul::Timer5) continue;
        SCOPED_TRACE(r.name);
        TestDesk d;
        d.setPoints(r.pos1ab, r.pos1cd);
        d.click(r.button);
        d.click(r.arrow);
        d.tick(r.endStep - 1);
        d.pul.ALed14.setOn(true);
        d.tick();
        EXPECT_FALSE(d.pul.*r.route);
        EXPECT_FALSE(d.pul.Timer5.enabled());
        EXPECT_EQ(d.pul.step5, 0);
        EXPECT_EQ(d.pul.step6, 4);
        EXPECT_TRUE(d.pul.Timer6.enabled());
        d.tick();  // the train passes D into ITG
        EXPECT_EQ(d.pul.step6, 5);
        EXPECT_EQ(d.picture(E::im23), P::AW1C);
    }
}

// ---- shared counters ------------------------------------------------------------

// A route from G to track 3 is at step 20 on Timer5 when the trainee throws 1ab,
// sets pc and starts it: the arrow of C restarts the count for both, and the
// route from G replays its steps. When pc ends at step 18 it stops Timer5 and
// puts the counter to 0 before the route from G gets its turn in the same tick,
// so that one is handed 0, not 18, and is left unfinished.
TEST(RouteTimers, ProgramsOnOneTimerShareItsCounterAsItStandsAtTheirTurn) {
    TestDesk d;
    d.setPoints(false, false);
    d.click(E::psg);
    ASSERT_TRUE(d.pul.pga);
    d.click(E::PrzebiegiG);
    d.tick(20);
    d.setPoints(true, false);
    d.click(E::psc);
    ASSERT_TRUE(d.lit(E::ALed12));
    d.click(E::PrzebiegC);
    EXPECT_EQ(d.pul.step5, 0);
    d.tick();  // the route from G shows its train on the line again
    EXPECT_EQ(d.picture(E::im25), P::AW1C);
    d.tick(16);
    EXPECT_EQ(d.pul.step5, 17);
    EXPECT_TRUE(d.pul.occIZ1);  // the train of G in the points since step 11
    d.tick();
    EXPECT_FALSE(d.pul.pc);
    EXPECT_TRUE(d.pul.pga);
    EXPECT_FALSE(d.pul.Timer5.enabled());
    EXPECT_EQ(d.pul.step5, 0);
    EXPECT_TRUE(d.pul.occIZ1);  // step 18 of the route from G did not act
}

}  // namespace
}  // namespace zormia
