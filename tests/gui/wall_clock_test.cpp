// The window program drives the desk's timers from the wall clock. A timer that a
// click enables starts its count from the click, also after a long while in which
// no timer ran: its first tick comes one interval later, not at once.

#include <gtest/gtest.h>

#include <QTest>

#include "app/program.h"
#include "desk/pul.h"

namespace zormia {
namespace {

TEST(WallClock, ATimerEnabledAfterAnIdleSpellTicksOneIntervalAfterTheClick) {
    Program program(Program::Mode::Interactive, nullptr);
    Pul& desk = program.desk();
    QTest::qWait(2300);  // no timer of the desk runs meanwhile

    desk.pszaClick();  // SzA on: Timer1 times it out 15 ticks later
    ASSERT_TRUE(desk.Timer1.enabled());
    QTest::qWait(400);
    EXPECT_TRUE(desk.szOnA);
    EXPECT_EQ(desk.step1, 0) << "Timer1 ticked within 400 ms of being enabled";

    QTest::qWait(1000);
    EXPECT_EQ(desk.step1, 1);
    EXPECT_TRUE(desk.ALed5.on());
}

}  // namespace
}  // namespace zormia
