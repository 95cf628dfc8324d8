// The desk's timers on virtual time: phase, order of ticks due together, and what
// a handler that enables or disables timers does to the ticks that follow.

#include "desk/timer_service.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zormia {
namespace {

struct Recorder {
    TimerService service;
    std::vector<std::string> ticks;  // "name@time"

    TimerService::TimerId add(const std::string& name, std::int64_t interval, int rank) {
        return service.create(name, interval, rank, [this, name] {
            ticks.push_back(name + "@" + std::to_string(service.now()));
        });
    }
};

TEST(TimerService, EnabledTimerTicksEveryIntervalFromWhenItWasEnabled) {
    Recorder r;
    const auto t = r.add("T", 1000, 0);
    r.service.advanceTo(300);
    r.service.setEnabled(t, true);
    r.service.advanceTo(3300);
    EXPECT_EQ(r.ticks, (std::vector<std::string>{"T@1300", "T@2300", "T@3300"}));
    EXPECT_EQ(r.service.now(), 3300);
}

TEST(TimerService, EnablingARunningTimerKeepsItsPhaseButReEnablingStartsANewOne) {
    Recorder r;
    const auto t = r.add("T", 1000, 0);
    r.service.setEnabled(t, true);
    r.service.advanceTo(500);
    r.service.setEnabled(t, true);  // already running: phase kept
    r.service.advanceTo(1000);
    r.service.setEnabled(t, false);
    r.service.advanceTo(1200);
    r.service.setEnabled(t, true);  // a new phase from 1200
    r.service.advanceTo(2500);
    EXPECT_EQ(r.ticks, (std::vector<std::string>{"T@1000", "T@2200"}));
}

TEST(TimerService, TicksDueTogetherRunInRankOrderWhateverTheOrderOfCreation) {
    Recorder r;
    const auto late = r.add("Start", 1000, 8);
    const auto t3 = r.add("T3", 1000, 2);
    const auto t1 = r.add("T1", 1000, 0);
    const auto t4 = r.add("T4", 2000, 3);
    for (auto t : {late, t3, t1, t4}) r.service.setEnabled(t, true);
    r.service.advanceTo(2000);
    EXPECT_EQ(r.ticks, (std::vector<std::string>{"T1@1000", "T3@1000", "Start@1000", "T1@2000",
                                                 "T3@2000", "T4@2000", "Start@2000"}));
}

TEST(TimerService, AHandlerThatStopsAnotherTimerDueAtTheSameInstantPreventsItsTick) {
    TimerService service;
    std::vector<std::string> ticks;
    TimerService::TimerId second = -1;
    const auto first = service.create("A", 1000, 0, [&] {
        ticks.push_back("A");
        service.setEnabled(second, false);
    });
    second = service.create("B", 1000, 1, [&] { ticks.push_back("B"); });
    service.setEnabled(first, true);
    service.setEnabled(second, true);
    service.advanceTo(1000);
    EXPECT_EQ(ticks, (std::vector<std::string>{"A"}));
    EXPECT_FALSE(service.isEnabled(second));
}

TEST(TimerService, ATimerEnabledDuringATickFirstTicksOneIntervalLaterInTheSameAdvance) {
    TimerService service;
    std::vector<std::int64_t> ticks;
    TimerService::TimerId follower = -1;
    const auto starter = service.create("S", 1000, 0, [&] {
        service.setEnabled(follower, true);
        service.setEnabled(0, false);
    });
    follower = service.create("F", 500, 1, [&] { ticks.push_back(service.now()); });
    service.setEnabled(starter, true);
    service.advanceTo(2100);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1500, 2000}));
}

TEST(TimerService, NextDueFollowsTheEnabledTimersAndAnAdvanceIntoThePastChangesNothing) {
    Recorder r;
    const auto a = r.add("A", 1000, 0);
    const auto b = r.add("B", 2000, 1);
    EXPECT_FALSE(r.service.nextDue());
    r.service.setEnabled(b, true);
    r.service.advanceTo(100);
    r.service.setEnabled(a, true);
    EXPECT_EQ(r.service.nextDue(), 1100);
    r.service.advanceTo(1500);
    EXPECT_EQ(r.service.nextDue(), 2000);
    r.service.advanceTo(200);
    EXPECT_EQ(r.service.now(), 1500);
    EXPECT_EQ(r.ticks, (std::vector<std::string>{"A@1100"}));
}

TEST(TimerService, TheScheduleListenerHearsOfEveryChangeOfTheNextTick) {
    TimerService service;
    int heard = 0;
    service.setScheduleListener([&] { ++heard; });
    const auto t = service.create("T", 1000, 0, [] {});
    service.setEnabled(t, true);
    service.setEnabled(t, true);  // no change
    service.advanceTo(2000);      // two ticks
    service.setEnabled(t, false);
    EXPECT_EQ(heard, 4);
}

// Driven by a wall clock, the service's own time moves only with the ticks. A
// timer enabled between ticks counts from the clock's time, however long no timer
// has run; one enabled by a tick's handler counts from that tick, also when the
// tick is delivered late.
TEST(TimerService, WithAClockATimerCountsFromTheClickThatEnablesItOrFromTheTickThatDoes) {
    std::int64_t wall = 0;
    TimerService service;
    service.setClock([&] { return wall; });
    std::vector<std::string> ticks;
    TimerService::TimerId follower = -1;
    const auto starter = service.create("S", 1000, 0, [&] {
        ticks.push_back("S@" + std::to_string(service.now()));
        service.setEnabled(follower, true);
    });
    follower = service.create("F", 1000, 1,
                              [&] { ticks.push_back("F@" + std::to_string(service.now())); });

    wall = 60300;  // a minute without a running timer, then a click
    service.setEnabled(starter, true);
    EXPECT_EQ(service.nextDue(), 61300);
    wall = 61700;  // the tick is delivered 400 ms late
    service.advanceTo(wall);
    EXPECT_EQ(service.nextDue(), 62300);
    wall = 62300;
    service.advanceTo(wall);
    EXPECT_EQ(ticks, (std::vector<std::string>{"S@61300", "S@62300", "F@62300"}));
}

}  // namespace
}  // namespace zormia
