// The desk right after it is created, the locking of the point buttons, and how
// clicks and menu commands reach the handlers.

#include <gtest/gtest.h>

#include "tests/core/desk_fixture.h"

namespace zormia {
namespace {

TEST_F(DeskTest, StartsWithEveryVariableAtItsStartUpValueAndNoTimerRunning) {
    for (const Pul::Variable& v : pul.variables()) {
        const std::string_view name = v.name;
        if (v.number) {
            EXPECT_EQ(*v.number, 0) << name;
            continue;
        }
        const bool startsTrue =
            name == "pos1ab" || name == "pos1cd" || (name.size() <= 3 && name.front() == 'u');
        EXPECT_EQ(*v.flag, startsTrue) << name;
    }
    EXPECT_EQ(pul.variables().size(), 76u);
    for (TimerRef* timer : pul.timers()) EXPECT_FALSE(timer->enabled());
    EXPECT_FALSE(timers.nextDue());
    EXPECT_TRUE(enabled(ElementId::z1ab));
    EXPECT_TRUE(enabled(ElementId::z1cd));
    EXPECT_EQ(state(ElementId::z1ab).caption, "+");
    EXPECT_EQ(state(ElementId::lia).value, 0);
}

TEST_F(DeskTest, TimersTickAtTheirIntervalsAndTimer8HasNoHandler) {
    const std::int64_t intervals[] = {1000, 1000, 1000, 2000, 1000, 1000, 1000, 1000};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(timers.interval(pul.timers()[i]->id()), intervals[i]) << i + 1;
        EXPECT_EQ(timers.name(pul.timers()[i]->id()), "Timer" + std::to_string(i + 1));
    }
    pul.Timer8.enable();
    tick(3);  // ticks with nothing to do
    EXPECT_TRUE(pul.Timer8.enabled());
}

struct LockCase {
    const char* taken;  // route-lock flags held false
    bool z1ab, z1cd;
};

class PointButtonLocks : public DeskTest, public ::testing::WithParamInterface<LockCase> {};

TEST_P(PointButtonLocks, FollowTheRouteLockFlags) {
    const LockCase& c = GetParam();
    for (const Pul::Variable& v : pul.variables()) {
        for (std::string_view rest = c.taken; !rest.empty();) {
            const auto space = rest.find(' ');
            const std::string_view flag = rest.substr(0, space);
            if (flag == v.name) *v.flag = false;
            rest = space == std::string_view::npos ? "" : rest.substr(space + 1);
        }
    }
    pul.UpdatePointButtons();
    EXPECT_EQ(enabled(ElementId::z1ab), c.z1ab);
    EXPECT_EQ(enabled(ElementId::z1cd), c.z1cd);
}

INSTANTIATE_TEST_SUITE_P(
    Desk, PointButtonLocks,
    ::testing::Values(LockCase{"", true, true}, LockCase{"ud", true, true},
                      LockCase{"uc", false, true}, LockCase{"ugc", false, true},
                      LockCase{"uc ugc ud", false, true}, LockCase{"ua", false, false},
                      LockCase{"ub", false, false}, LockCase{"ug", false, false},
                      LockCase{"uh", false, false}));

TEST_F(DeskTest, ADisabledButtonIgnoresItsClickAndASimulatorButtonChangesStateFirst) {
    // zwa is sealed at start-up: its click does nothing.
    EXPECT_TRUE(pul.click(ElementId::zwa));
    EXPECT_FALSE(enabled(ElementId::zwa));
    EXPECT_TRUE(pul.click(ElementId::sith));
    EXPECT_TRUE(state(ElementId::sith).down);
    EXPECT_TRUE(pul.click(ElementId::sith));
    EXPECT_FALSE(state(ElementId::sith).down);
    // Elements without a click handler say so.
    EXPECT_FALSE(pul.click(ElementId::ALed4));
    EXPECT_FALSE(pul.click(ElementId::im3));
}

TEST_F(DeskTest, MenuCommandsReachTheirHandlersAndUnknownOnesAreRefused) {
    int shownAbout = 0;
    int shownDescription = 0;
    pul.showAbout = [&] { ++shownAbout; };
    pul.showDescription = [&] { ++shownDescription; };
    EXPECT_TRUE(pul.choose("INFO1"));
    EXPECT_TRUE(pul.choose("Opis1"));
    EXPECT_TRUE(pul.choose("Odwoanie1"));
    EXPECT_FALSE(pul.choose("zwx1"));
    EXPECT_EQ(shownAbout, 1);
    EXPECT_EQ(shownDescription, 1);
}

}  // namespace
}  // namespace zormia
