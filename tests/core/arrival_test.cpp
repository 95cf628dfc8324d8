// The arrival supervision: one step from a given state and given flags, and whole
// arrivals driven by the painters of ITG and ITD.

#include <gtest/gtest.h>

#include <string>

#include "desk/pul.h"

namespace zormia {
namespace {

struct Step {
    const char* name;
    bool pozIn, gGreen, occITG, occITD, latch;
    int state;
    bool lampBefore;
    int wantState;
    bool wantLamp;
};

constexpr Step kSteps[] = {
    // name                                   poz    G    ITG    ITD   latch  st  lamp   ->
    {"no permission: train entering ITG", false, true, true, false, false, 0, false, 0, false},
    {"no permission: train leaving ITG", false, false, false, true, false, 2, false, 2, false},
    {"no permission, dKoG pressed", false, false, true, true, true, 0, false, 0, false},
    {"G at proceed, train enters ITG", true, true, true, false, false, 0, false, 1, false},
    {"G at stop, train enters ITG", true, false, true, false, false, 0, false, 0, false},
    {"G at stop after dKoG", true, false, true, false, true, 0, false, 1, false},
    {"G at proceed after dKoG", true, true, true, false, true, 0, false, 1, false},
    {"ITD reached", true, true, true, true, false, 1, false, 2, false},
    {"G at proceed, ITG and ITD: 0 -> 1 -> 2", true, true, true, true, false, 0, false, 2, false},
    {"dKoG with ITG and ITD: 0 -> 1 -> 2", true, false, true, true, true, 0, false, 2, false},
    {"ITG left before ITD reached", true, false, false, false, false, 1, false, 6, false},
    {"ITG left, ITD shown occupied, from 1", true, false, false, true, false, 1, false, 6, false},
    {"train still in ITG only", true, true, true, false, false, 1, false, 1, false},
    {"train left ITG, still in ITD", true, false, false, true, false, 2, false, 2, true},
    {"train in both sections", true, false, true, true, false, 2, false, 2, false},
    {"both left before the lamp lit", true, false, false, false, false, 2, false, 6, false},
    {"both left after the lamp lit", true, false, false, false, false, 2, true, 6, true},
    {"over: a new train in ITG", true, true, true, false, true, 6, false, 6, false},
    {"over: ITG free, ITD occupied", true, false, false, true, false, 6, false, 6, false},
    {"idle: ITD alone occupied", true, true, false, true, false, 0, false, 0, false},
};

TEST(ArrivalSupervision, OneStepFromEachStateAndFlags) {
    for (const Step& s : kSteps) {
        SCOPED_TRACE(s.name);
        TimerService timers;
        Pul pul(timers, nullptr);
        pul.in.poz = s.pozIn;
        pul.ALed2.setOn(s.gGreen);
        pul.occITG = s.occITG;
        pul.occITD = s.occITD;
        pul.dkogLatch = s.latch;
        pul.arrivalState = s.state;
        pul.ALed35.setOn(s.lampBefore);

        pul.UpdateArrivalState();

        EXPECT_EQ(pul.arrivalState, s.wantState);
        EXPECT_EQ(pul.ALed35.on(), s.wantLamp);
        // The step reads the flags and lamps; it never writes them.
        EXPECT_EQ(pul.occITG, s.occITG);
        EXPECT_EQ(pul.occITD, s.occITD);
        EXPECT_EQ(pul.dkogLatch, s.latch);
        EXPECT_EQ(pul.ALed2.on(), s.gGreen);
    }
}

class Arrival : public ::testing::Test {
  protected:
    TimerService timers;
    Pul pul{timers, nullptr};
};

TEST_F(Arrival, NormalArrivalOnARouteFromGLightsKoG) {
    pul.in.poz = true;
    pul.SetAspectG(0, 1, 0, 1, 0, 0, 1);
    pul.PaintITG('c');
    EXPECT_EQ(pul.arrivalState, 1);
    pul.SetAspectG(0, 0, 1, 0, 0, 1, 0);  // the train passed G
    pul.PaintITD('c');
    EXPECT_EQ(pul.arrivalState, 2);
    EXPECT_FALSE(pul.ALed35.on());
    pul.PaintITG('z');
    EXPECT_EQ(pul.arrivalState, 2);
    EXPECT_TRUE(pul.ALed35.on());
    pul.PaintITD('z');
    EXPECT_EQ(pul.arrivalState, 6);
    EXPECT_TRUE(pul.ALed35.on());
}

TEST_F(Arrival, TrainOnTheSubstituteSignalIsSupervisedOnlyAfterDkog) {
    pul.in.poz = true;  // G's desk green lamp stays dark
    pul.PaintITG('c');
    pul.PaintITD('c');
    EXPECT_EQ(pul.arrivalState, 0);
    // dKoG: the latch is set and the step runs with the train in both sections.
    pul.dkogLatch = true;
    pul.UpdateArrivalState();
    EXPECT_EQ(pul.arrivalState, 2);
    pul.PaintITG('s');
    EXPECT_TRUE(pul.ALed35.on());
}

TEST_F(Arrival, WithoutPermissionNothingIsSupervised) {
    pul.SetAspectG(0, 1, 0, 1, 0, 0, 1);
    pul.PaintITG('c');
    pul.PaintITD('c');
    pul.PaintITG('s');
    pul.PaintITD('s');
    EXPECT_EQ(pul.arrivalState, 0);
    EXPECT_FALSE(pul.ALed35.on());
}

TEST_F(Arrival, ItgFreedBeforeItdIsReachedEndsInSixWithKoGDark) {
    pul.in.poz = true;
    pul.SetAspectG(0, 1, 0, 1, 0, 0, 1);
    pul.PaintITG('c');
    pul.PaintITG('s');
    EXPECT_EQ(pul.arrivalState, 6);
    // Nothing on the desk's sections leaves state 6 or lights the lamp.
    pul.PaintITG('c');
    pul.PaintITD('c');
    pul.PaintITG('s');
    EXPECT_EQ(pul.arrivalState, 6);
    EXPECT_FALSE(pul.ALed35.on());
}

}  // namespace
}  // namespace zormia
