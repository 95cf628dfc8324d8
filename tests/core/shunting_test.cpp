// Shunting and substitute signals: the refusals of the shunting buttons, the
// counted Sz presses, the shared time-outs of Timer1 and Timer2, and the extras
// of SzD (departure arrow) and SzG (train arrow of G).

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "desk_fixture.h"

namespace zormia {
namespace {

using E = ElementId;

// One substitute signal as the desk shows it.
struct SzRow {
    const char* name;
    E button;
    bool Pul::*on;
    std::int32_t Pul::*counter;
    E display, deskLamp, fieldLamp;
    int group;  // 1: Timer1 (A, B, H), 2: Timer2 (C, D, G)
};

const SzRow kSz[] = {
    {"A", E::psza, &Pul::szOnA, &Pul::sza, E::lia, E::ALed5, E::ALed23, 1},
    {"B", E::pszb, &Pul::szOnB, &Pul::szb, E::lib, E::ALed7, E::ALed28, 1},
    {"C", E::pszc, &Pul::szOnC, &Pul::szc, E::lic, E::ALed10, E::ALed33, 2},
    {"D", E::pszd, &Pul::szOnD, &Pul::szd, E::lid, E::ALed13, E::ALed38, 2},
    {"G", E::pszg, &Pul::szOnG, &Pul::szg, E::lig, E::ALed3, E::ALed48, 2},
    {"H", E::pszh, &Pul::szOnH, &Pul::szh, E::lih, E::ALed18, E::ALed43, 1},
};

TimerRef& groupTimer(TestDesk& d, int group) {
    return group == 1 ? d.pul.Timer1 : d.pul.Timer2;
}

void at(TestDesk& d, std::int64_t ms) {
    d.timers.advanceTo(ms);
}

// ---- substitute signals ---------------------------------------------------------

// Each button switches its own pair on (flashing, counted) and off (not counted);
// the display shows the counter after every press, also one loaded meanwhile.
TEST(SzCounters, EachButtonCountsSwitchingsOnAndRefreshesItsDisplayOnEveryPress) {
    for (const SzRow& r : kSz) {
        SCOPED_TRACE(r.name);
        TestDesk d;
        d.pul.*r.counter = 41;
        d.click(r.button);
        EXPECT_TRUE(d.pul.*r.on);
        EXPECT_EQ(d.pul.*r.counter, 42);
        EXPECT_EQ(d.state(r.display).value, 42);
        for (E lamp : {r.deskLamp, r.fieldLamp}) {
            EXPECT_TRUE(d.lit(lamp));
            EXPECT_TRUE(d.state(lamp).blink);
        }
        EXPECT_TRUE(groupTimer(d, r.group).enabled());

        d.pul.*r.counter = 7;  // as if the store had loaded another value
        d.click(r.button);
        EXPECT_FALSE(d.pul.*r.on);
        EXPECT_EQ(d.pul.*r.counter, 7);
        EXPECT_EQ(d.state(r.display).value, 7);
        EXPECT_FALSE(d.lit(r.deskLamp));
        EXPECT_FALSE(d.lit(r.fieldLamp));
        // Every other pair stays dark.
        for (const SzRow& other : kSz) {
            if (&other != &r) {
                EXPECT_FALSE(d.lit(other.deskLamp)) << other.name;
            }
        }
    }
}

TEST(SzCounters, ACounterAtTheLargestValueWrapsRound) {
    TestDesk d;
    d.pul.szh = std::numeric_limits<std::int32_t>::max();
    d.click(E::pszh);
    EXPECT_EQ(d.pul.szh, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(d.state(E::lih).value, std::numeric_limits<std::int32_t>::min());
    d.click(E::pszh);
    d.click(E::pszh);
    EXPECT_EQ(d.pul.szh, std::numeric_limits<std::int32_t>::min() + 1);
}

// The group's timer counts from the last press of any of its buttons; a timer
// that already runs keeps its phase. `endsAt` is the time of the tick that puts
// the group out: until then every signal left on shows, from then none.
TEST(SzTimeOut, AGroupGoesDarkFifteenOrTenTicksAfterItsLastPress) {
    struct Press {
        E button;
        std::int64_t ms;
    };
    struct Row {
        const char* name;
        std::vector<Press> presses;
        int group;
        std::int64_t endsAt;
    };
    const Row rows[] = {
        {"A alone", {{E::psza, 0}}, 1, 15000},
        {"C alone", {{E::pszc, 0}}, 2, 10000},
        {"H started off the second", {{E::pszh, 300}}, 1, 15300},
        {"B joins A, timer keeps phase", {{E::psza, 0}, {E::pszb, 10500}}, 1, 25000},
        {"H joins A, phase 500", {{E::psza, 500}, {E::pszh, 7000}}, 1, 21500},
        {"G joins D", {{E::pszd, 0}, {E::pszg, 4200}}, 2, 14000},
        {"A on and off, runs on", {{E::psza, 0}, {E::psza, 3500}}, 1, 18000},
        {"B off by hand, A on", {{E::psza, 0}, {E::pszb, 2000}, {E::pszb, 6600}}, 1, 21000},
        {"C on and off, D still on", {{E::pszd, 0}, {E::pszc, 1500}, {E::pszc, 2500}}, 2, 12000},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TestDesk d;
        for (const Press& p : r.presses) {
            at(d, p.ms);
            d.click(p.button);
        }
        std::vector<const SzRow*> shown;
        for (const SzRow& s : kSz)
            if (d.pul.*s.on) shown.push_back(&s);

        at(d, r.endsAt - 1);
        EXPECT_TRUE(groupTimer(d, r.group).enabled());
        for (const SzRow* s : shown) {
            EXPECT_TRUE(d.pul.*s->on) << s->name;
            EXPECT_TRUE(d.lit(s->deskLamp)) << s->name;
            EXPECT_TRUE(d.lit(s->fieldLamp)) << s->name;
        }
        at(d, r.endsAt);
        EXPECT_FALSE(groupTimer(d, r.group).enabled());
        EXPECT_EQ(r.group == 1 ? d.pul.step1 : d.pul.step2, 0);
        for (const SzRow& s : kSz) {
            EXPECT_FALSE(d.pul.*s.on) << s.name;
            EXPECT_FALSE(d.lit(s.deskLamp)) << s.name;
            EXPECT_FALSE(d.lit(s.fieldLamp)) << s.name;
        }
    }
}

// When SzC, SzD and SzG have all been put out by hand, Timer2 stops at its next
// tick and keeps its count; Timer1 runs on, so SzA still times out.
TEST(SzTimeOut, Timer2StopsWhenItsGroupIsOutAndLeavesTimer1Running) {
    TestDesk d;
    d.pul.occITD = true;
    d.click(E::psza);  // 0 s
    at(d, 1500);
    d.click(E::pszd);
    at(d, 2500);
    d.click(E::pszd);
    EXPECT_TRUE(d.visible(E::jszd));
    at(d, 3499);
    EXPECT_TRUE(d.pul.Timer2.enabled());
    at(d, 3500);  // Timer2's next tick
    EXPECT_FALSE(d.pul.Timer2.enabled());
    EXPECT_EQ(d.pul.step2, 1);
    EXPECT_TRUE(d.visible(E::jszd));  // only the time-out hides it
    EXPECT_TRUE(d.pul.Timer1.enabled());
    at(d, 14999);
    EXPECT_TRUE(d.lit(E::ALed5));
    at(d, 15000);
    EXPECT_FALSE(d.lit(E::ALed5));
    EXPECT_FALSE(d.pul.szOnA);

    // The next press starts Timer2's count from 0 again.
    d.click(E::pszg);
    d.tick(9);
    EXPECT_TRUE(d.lit(E::ALed3));
    d.tick(1);
    EXPECT_FALSE(d.lit(E::ALed3));
}

// ---- shunting signals -----------------------------------------------------------

struct ShuntButton {
    bool Pul::*flag;
    E lamp1, lamp2;
};

ShuntButton shuntOf(E button) {
    switch (button) {
        case E::am:
            return {&Pul::shuntA, E::ALed5, E::ALed23};
        case E::bm:
            return {&Pul::shuntB, E::ALed7, E::ALed28};
        default:
            return {&Pul::shuntC, E::ALed33, E::ALed10};
    }
}

// Refused presses change nothing, switching on and switching off alike.
TEST(ShuntingSignals, EachButtonIsRefusedExactlyUnderItsConditions) {
    struct Row {
        const char* name;
        E button;
        std::function<void(Pul&)> setUp;
        bool refused;
    };
    const Row rows[] = {
        {"am free", E::am, [](Pul&) {}, false},
        {"am szOnA", E::am, [](Pul& p) { p.szOnA = true; }, true},
        {"am ua", E::am, [](Pul& p) { p.ua = false; }, true},
        {"am ub", E::am, [](Pul& p) { p.ub = false; }, true},
        {"am uh", E::am, [](Pul& p) { p.uh = false; }, true},
        {"am shuntB", E::am, [](Pul& p) { p.shuntB = true; }, true},
        {"am pag", E::am, [](Pul& p) { p.pag = true; }, true},
        {"am pbd", E::am, [](Pul& p) { p.pbd = true; }, true},
        {"am pgb", E::am, [](Pul& p) { p.pgb = true; }, true},
        {"am pga", E::am, [](Pul& p) { p.pga = true; }, true},
        {"am szOnB", E::am, [](Pul& p) { p.szOnB = true; }, false},
        {"am uc", E::am, [](Pul& p) { p.uc = false; }, false},
        {"am ug", E::am, [](Pul& p) { p.ug = false; }, false},
        {"am pc", E::am, [](Pul& p) { p.pc = true; }, false},
        {"am pgc", E::am, [](Pul& p) { p.pgc = true; }, false},
        {"am shuntC", E::am, [](Pul& p) { p.shuntC = true; }, false},
        {"bm free", E::bm, [](Pul&) {}, false},
        {"bm szOnB", E::bm, [](Pul& p) { p.szOnB = true; }, true},
        {"bm ua", E::bm, [](Pul& p) { p.ua = false; }, true},
        {"bm ub", E::bm, [](Pul& p) { p.ub = false; }, true},
        {"bm uh", E::bm, [](Pul& p) { p.uh = false; }, true},
        {"bm shuntA", E::bm, [](Pul& p) { p.shuntA = true; }, true},
        {"bm pag", E::bm, [](Pul& p) { p.pag = true; }, true},
        {"bm pbd", E::bm, [](Pul& p) { p.pbd = true; }, true},
        {"bm pgb", E::bm, [](Pul& p) { p.pgb = true; }, true},
        {"bm pga", E::bm, [](Pul& p) { p.pga = true; }, true},
        {"bm szOnA", E::bm, [](Pul& p) { p.szOnA = true; }, false},
        {"bm pb", E::bm, [](Pul& p) { p.pb = true; }, false},
        {"cm free", E::cm, [](Pul&) {}, false},
        {"cm szOnC", E::cm, [](Pul& p) { p.szOnC = true; }, true},
        {"cm pc", E::cm, [](Pul& p) { p.pc = true; }, true},
        {"cm pgc", E::cm, [](Pul& p) { p.pgc = true; }, true},
        {"cm pgb", E::cm, [](Pul& p) { p.pgb = true; }, true},
        {"cm pga", E::cm, [](Pul& p) { p.pga = true; }, true},
        {"cm pag", E::cm, [](Pul& p) { p.pag = true; }, true},
        {"cm pbd", E::cm, [](Pul& p) { p.pbd = true; }, true},
        {"cm shuntA", E::cm, [](Pul& p) { p.shuntA = true; }, false},
        {"cm shuntB", E::cm, [](Pul& p) { p.shuntB = true; }, false},
        {"cm uc", E::cm, [](Pul& p) { p.uc = false; }, false},
        {"cm ua", E::cm, [](Pul& p) { p.ua = false; }, false},
        {"cm ugc", E::cm, [](Pul& p) { p.ugc = false; }, false},
        {"cm szOnA", E::cm, [](Pul& p) { p.szOnA = true; }, false},
    };
    for (const Row& r : rows) {
        for (bool wasOn : {false, true}) {
            SCOPED_TRACE(std::string(r.name) + (wasOn ? ", switching off" : ", switching on"));
            TestDesk d;
            const ShuntButton s = shuntOf(r.button);
            if (wasOn) {  // switched on by its own button before the condition arises
                d.click(r.button);
                ASSERT_TRUE(d.pul.*s.flag);
                ASSERT_TRUE(d.lit(s.lamp1));
            }
            r.setUp(d.pul);
            d.click(r.button);
            const bool expectOn = r.refused ? wasOn : !wasOn;
            EXPECT_EQ(d.pul.*s.flag, expectOn);
            for (E lamp : {s.lamp1, s.lamp2}) {
                EXPECT_EQ(d.lit(lamp), expectOn);
                if (!r.refused) {
                    EXPECT_FALSE(d.state(lamp).blink);  // steady, never flashing
                }
            }
        }
    }
}

// An Sz on the same pair takes a shunting signal over; the shunting button is then
// refused until the Sz is out, and afterwards shows steady again.
TEST(ShuntingSignals, AnSzTakesOverTheShuntingSignalOfItsPair) {
    TestDesk d;
    d.click(E::am);
    ASSERT_TRUE(d.pul.shuntA);
    d.click(E::psza);
    EXPECT_FALSE(d.pul.shuntA);
    EXPECT_TRUE(d.lit(E::ALed5));
    EXPECT_TRUE(d.state(E::ALed5).blink);
    EXPECT_TRUE(d.state(E::ALed23).blink);
    d.click(E::am);
    EXPECT_FALSE(d.pul.shuntA);
    EXPECT_TRUE(d.state(E::ALed5).blink);
    d.click(E::psza);
    EXPECT_FALSE(d.lit(E::ALed5));
    d.click(E::am);
    EXPECT_TRUE(d.pul.shuntA);
    EXPECT_TRUE(d.lit(E::ALed5));
    EXPECT_FALSE(d.state(E::ALed5).blink);
}

// The time-out puts out the whole group's lamps, also a shunting signal lit while
// the timer ran; its flag stays set, so the next press switches it off.
TEST(ShuntingSignals, ATimeOutPutsOutAShuntingSignalButLeavesItsFlag) {
    TestDesk d;
    d.click(E::pszb);
    d.tick(3);
    d.click(E::am);
    ASSERT_TRUE(d.lit(E::ALed5));
    d.tick(12);
    EXPECT_FALSE(d.lit(E::ALed5));
    EXPECT_FALSE(d.lit(E::ALed23));
    EXPECT_TRUE(d.pul.shuntA);
    d.click(E::am);
    EXPECT_FALSE(d.pul.shuntA);
    EXPECT_FALSE(d.lit(E::ALed5));
}

// D, G and H have no shunting signal: their Sz leaves A, B and C's alone.
TEST(ShuntingSignals, TheSzOfDGAndHLeavesTheShuntingSignalsAlone) {
    TestDesk d;
    d.click(E::am);
    d.click(E::cm);
    for (E b : {E::pszd, E::pszg, E::pszh}) d.click(b);
    EXPECT_TRUE(d.pul.shuntA);
    EXPECT_TRUE(d.pul.shuntC);
    EXPECT_TRUE(d.lit(E::ALed5));
    EXPECT_TRUE(d.lit(E::ALed10));
    EXPECT_FALSE(d.state(E::ALed10).blink);
}

// ---- extras of SzD and SzG --------------------------------------------------------

// With a train in ITD the departure arrow shows on every press of pszd, also the
// one that puts SzD out; without one it stays hidden. The time-out hides it.
TEST(SzExtras, TheDepartureArrowOfSzD) {
    for (bool occupied : {false, true}) {
        SCOPED_TRACE(occupied ? "ITD occupied" : "ITD free");
        TestDesk d;
        d.pul.PaintITD(occupied ? 'c' : 's');
        d.click(E::pszd);
        EXPECT_EQ(d.visible(E::jszd), occupied);
        d.pul.jszd.hide();
        d.click(E::pszd);
        EXPECT_FALSE(d.pul.szOnD);
        EXPECT_EQ(d.visible(E::jszd), occupied);
        d.click(E::pszd);
        d.tick(9);
        EXPECT_EQ(d.visible(E::jszd), occupied);
        d.tick(1);
        EXPECT_FALSE(d.visible(E::jszd));
    }
}

TEST(SzExtras, TheDepartureArrowStartsRouteDsProgramFromItsFirstStep) {
    TestDesk d;
    d.pul.PaintITD('c');
    d.click(E::pszd);
    d.pul.step6 = 9;
    d.click(E::jszd);
    EXPECT_TRUE(d.pul.Timer6.enabled());
    EXPECT_EQ(d.pul.step6, 0);
    EXPECT_TRUE(d.visible(E::jszd));
    d.tick(1);
    EXPECT_EQ(d.pul.step6, 1);
}

// Switching SzG on shows the train arrow of G unless both of G's locks are held,
// and enables G's signal button; switching it off touches neither.
TEST(SzExtras, SzGShowsTheTrainArrowOfGAndEnablesItsButton) {
    struct Row {
        bool ug, ugc, arrow;
    };
    const Row rows[] = {
        {true, true, true},
        {false, true, true},
        {true, false, true},
        {false, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << "ug " << r.ug << " ugc " << r.ugc);
        TestDesk d;
        d.pul.ug = r.ug;
        d.pul.ugc = r.ugc;
        d.pul.psg.disable();
        d.click(E::pszg);
        EXPECT_EQ(d.visible(E::Panel64), r.arrow);
        EXPECT_TRUE(d.enabled(E::psg));

        d.pul.Panel64.hide();
        d.pul.psg.disable();
        d.click(E::pszg);
        EXPECT_FALSE(d.visible(E::Panel64));
        EXPECT_FALSE(d.enabled(E::psg));
    }
}

}  // namespace
}  // namespace zormia
