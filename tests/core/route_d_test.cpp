// Route D: the departure from ITD onto the line toward Stacja B, its start block,
// the arrival report at Stacja B, the signal button's second press and zwd.

#include <functional>

#include "block_fixture.h"

namespace zormia {
namespace {

constexpr Rgb Y = colour::yellow, R = colour::red;
constexpr Look kSteadyY{true, false, Y}, kSteadyR{true, false, R}, kFlashR{true, true, R};

struct RouteDDesk : BlockDesk {
    RouteDDesk() { desk.choose("zwd1"); }  // the seal of zwd is broken

    // Wbl at ZORMIA, Poz at Stacja B.
    void permit() {
        click(ElementId::pwbla);
        click(ElementId::ppoz2);
    }
    bool dAtProceed() { return desk.ALed14.on() && desk.ALed37.on() && !desk.ALed15.on(); }
    bool dAtStop() { return !desk.ALed14.on() && !desk.ALed37.on() && desk.ALed15.on(); }
    Picture itg() { return desk.im23.picture(); }
};

class BlockRouteD : public ::testing::Test, public RouteDDesk {};

TEST_F(BlockRouteD, DepartureOfATrainStandingInItd) {
    permit();
    desk.PaintITD('c');
    click(ElementId::psd);
    EXPECT_TRUE(dAtProceed());
    EXPECT_EQ(itg(), Picture::AW1Z);
    EXPECT_TRUE(desk.pd && desk.out.route && !desk.out.free && !desk.ud);
    EXPECT_EQ(lookOf(desk.ALed44), kSteadyY);
    EXPECT_EQ(lookOf(desk.ALed52), kFlashR);  // start block pending
    EXPECT_TRUE(desk.ALed34.on());

    tick(4);
    EXPECT_EQ(itg(), Picture::AW1Z);
    EXPECT_FALSE(desk.out.busy);

    tick(1);  // 5 s: the train passes D and gives the start block
    EXPECT_EQ(itg(), Picture::AW1C);
    EXPECT_TRUE(desk.occITG);
    EXPECT_TRUE(dAtStop());
    EXPECT_TRUE(desk.out.busy);
    EXPECT_EQ(lookOf(desk.ALed44), kSteadyR);
    EXPECT_EQ(lookOf(desk.ALed52), kSteadyR);

    tick(2);  // 7 s
    EXPECT_FALSE(desk.occITD);
    EXPECT_EQ(desk.im19.picture(), Picture::AW1S);

    tick(3);  // 10 s: out on the line
    EXPECT_FALSE(desk.occITG);
    EXPECT_EQ(itg(), Picture::AW1S);

    tick(4);
    EXPECT_FALSE(desk.ALed50.on());
    tick(1);  // 15 s: arrived at Stacja B
    EXPECT_TRUE(desk.ALed50.on());
    EXPECT_TRUE(desk.pd);

    tick(1);  // 16 s: route D is free, the line stays occupied
    EXPECT_FALSE(desk.pd);
    EXPECT_TRUE(desk.ud);
    EXPECT_FALSE(desk.Timer6.enabled());
    EXPECT_TRUE(desk.out.route);
    EXPECT_TRUE(desk.out.busy);

    click(ElementId::pkoy);
    tick(8);
    EXPECT_TRUE(sameFlags(desk.out, {})) << desk.out;
    for (const LampRef* lamp : {&desk.ALed44, &desk.ALed52, &desk.ALed34, &desk.ALed50})
        EXPECT_FALSE(lamp->on());
}

TEST_F(BlockRouteD, TrainFromAIsHandedOverToD) {
    permit();
    click(ElementId::z1ab);
    click(ElementId::z1cd);
    click(ElementId::psd);  // ITD is empty: nothing moves yet
    EXPECT_FALSE(desk.Timer6.enabled());
    click(ElementId::psa);
    ASSERT_TRUE(desk.pag);
    EXPECT_TRUE(desk.ALed19.on());  // A announces D's proceed aspect
    click(ElementId::PrzebiegiA);

    tick(20);  // route pag's last step: the hand-over
    EXPECT_FALSE(desk.pag);
    EXPECT_TRUE(desk.Timer6.enabled());
    EXPECT_EQ(desk.step6, 4);
    EXPECT_FALSE(desk.out.busy);

    tick(1);  // the train passes D
    EXPECT_TRUE(desk.occITG);
    EXPECT_TRUE(dAtStop());
    EXPECT_TRUE(desk.out.busy);

    tick(10);
    EXPECT_TRUE(desk.ALed50.on());
    EXPECT_TRUE(desk.pd);
    tick(1);
    EXPECT_FALSE(desk.pd);
    EXPECT_TRUE(desk.ud);
}

TEST_F(BlockRouteD, SignalButtonDoesNothingWithoutAnUnusedPermission) {
    using enum ElementId;
    struct Case {
        const char* name;
        std::function<void(RouteDDesk&)> before;
    };
    const Case cases[] = {
        {"block at rest", [](RouteDDesk&) {}},
        {"request only", [](RouteDDesk& t) { t.click(pwbla); }},
        {"return asked",
         [](RouteDDesk& t) {
             t.permit();
             t.click(pwbla);
         }},
        {"line occupied by dPoD",
         [](RouteDDesk& t) {
             t.permit();
             t.click(pdpod);
         }},
        {"ITG occupied",
         [](RouteDDesk& t) {
             t.permit();
             t.desk.PaintITG('c');
         }},
        {"D's lock held",
         [](RouteDDesk& t) {
             t.permit();
             t.desk.ud = false;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RouteDDesk t;
        c.before(t);
        t.desk.PaintITD('c');  // a train waits before D
        const BlockDirection block = t.desk.out;
        const Picture itgBefore = t.itg();

        t.click(psd);

        EXPECT_FALSE(t.desk.pd);
        EXPECT_TRUE(t.dAtStop());
        EXPECT_EQ(t.itg(), itgBefore);
        EXPECT_FALSE(t.desk.Timer6.enabled());
        EXPECT_TRUE(sameFlags(t.desk.out, block)) << t.desk.out << " was " << block;
    }
}

TEST_F(BlockRouteD, SecondPressGivesTheStartBlockAndKeepsTheLock) {
    permit();
    click(ElementId::psd);
    click(ElementId::psd);
    EXPECT_TRUE(dAtStop());
    EXPECT_TRUE(desk.out.busy);
    EXPECT_FALSE(desk.pd || desk.out.route);
    EXPECT_FALSE(desk.ud);
    EXPECT_EQ(itg(), Picture::AW1Z);  // still in the route colour
    EXPECT_EQ(lookOf(desk.ALed44), kSteadyR);
    EXPECT_EQ(lookOf(desk.ALed52), kSteadyR);
    EXPECT_TRUE(desk.ALed34.on());

    // Only dKoY and KoY bring the block to rest; D's lock outlives it.
    click(ElementId::pdkox);
    click(ElementId::pkoy);
    tick(8);
    EXPECT_TRUE(sameFlags(desk.out, {})) << desk.out;
    permit();
    click(ElementId::psd);
    EXPECT_FALSE(desk.pd);
    click(ElementId::zwd);
    EXPECT_TRUE(desk.ud);
    click(ElementId::psd);
    EXPECT_TRUE(desk.pd);
}

// The field lamps of A, B and C announce D: setting D turns a lit (upper) yellow
// into green, putting D to stop turns every lit green into yellow.
TEST_F(BlockRouteD, SignalsInFrontOfDFollowIt) {
    desk.SetAspectA(false, true, false, true, false, false, true);   // pag with D at stop
    desk.SetAspectB(true, false, false, false, false, false, true);  // pb: green
    desk.SetAspectC(false, false, true, false, false, true);         // pc with D at stop
    permit();

    click(ElementId::psd);
    EXPECT_TRUE(desk.ALed19.on() && !desk.ALed20.on() && desk.ALed22.on());
    EXPECT_TRUE(desk.ALed30.on() && !desk.ALed32.on());
    EXPECT_TRUE(desk.ALed24.on() && !desk.ALed25.on());

    click(ElementId::psd);
    EXPECT_TRUE(!desk.ALed19.on() && desk.ALed20.on() && desk.ALed22.on());
    EXPECT_TRUE(!desk.ALed30.on() && desk.ALed32.on());
    EXPECT_TRUE(!desk.ALed24.on() && desk.ALed25.on());  // whatever route B shows
}

TEST_F(BlockRouteD, PressAfterTheProgramEndedCancelsAgain) {
    permit();
    desk.PaintITD('c');
    click(ElementId::psd);
    tick(16);
    ASSERT_FALSE(desk.pd);
    desk.SetAspectA(true, false, false, true, false, false, true);  // pa: green

    click(ElementId::psd);
    EXPECT_FALSE(desk.out.route);
    EXPECT_TRUE(dAtStop());
    EXPECT_TRUE(!desk.ALed19.on() && desk.ALed20.on());
}

// On the substitute signal the program runs with pd false: no start block; the
// arrival is reported only if dPoD has occupied the line.
TEST_F(BlockRouteD, DepartureOnTheSubstituteSignal) {
    for (const bool dpod : {false, true}) {
        SCOPED_TRACE(dpod ? "after dPoD" : "without dPoD");
        RouteDDesk t;
        t.permit();
        if (dpod) t.click(ElementId::pdpod);
        t.desk.PaintITD('c');
        t.click(ElementId::pszd);
        t.click(ElementId::jszd);
        ASSERT_TRUE(t.desk.Timer6.enabled());

        t.tick(5);
        EXPECT_TRUE(t.desk.occITG);
        EXPECT_EQ(t.desk.out.busy, dpod);
        EXPECT_EQ(lookOf(t.desk.ALed44), dpod ? kSteadyR : kSteadyY);
        t.tick(10);
        EXPECT_EQ(t.desk.ALed50.on(), dpod);
        t.tick(1);
        EXPECT_FALSE(t.desk.Timer6.enabled());
        EXPECT_TRUE(t.desk.ud);
    }
}

TEST_F(BlockRouteD, ReleaseBeforeTheTrainGivesTheStartBlock) {
    permit();
    click(ElementId::psd);
    desk.SetAspectA(true, false, false, true, false, false, true);   // pa: green
    desk.SetAspectB(true, false, false, false, false, false, true);  // pb: green

    click(ElementId::zwd);
    EXPECT_TRUE(dAtStop());
    EXPECT_TRUE(desk.out.busy);
    EXPECT_FALSE(desk.pd || desk.out.route);
    EXPECT_EQ(lookOf(desk.ALed44), kSteadyR);
    EXPECT_EQ(lookOf(desk.ALed52), kSteadyR);
    EXPECT_EQ(itg(), Picture::AW1S);
    EXPECT_TRUE(desk.ud);
    EXPECT_TRUE(!desk.ALed19.on() && desk.ALed20.on());  // A follows
    EXPECT_TRUE(desk.ALed24.on() && !desk.ALed25.on());  // B does not
}

TEST_F(BlockRouteD, ReleaseRefusedWhilePgcIsSetOrTimer3Runs) {
    for (const bool pgc : {true, false}) {
        SCOPED_TRACE(pgc ? "pgc set" : "Timer3 running");
        RouteDDesk t;
        t.permit();
        t.click(ElementId::psd);
        t.desk.pgc = pgc;
        if (!pgc) t.desk.Timer3.enable();

        t.click(ElementId::zwd);
        EXPECT_TRUE(t.desk.pd);
        EXPECT_TRUE(t.dAtProceed());
        EXPECT_FALSE(t.desk.out.busy);
        EXPECT_FALSE(t.desk.ud);
        EXPECT_EQ(t.desk.Timer3.enabled(), !pgc);
    }
}

TEST_F(BlockRouteD, ReleaseDoesNotStopARunningProgram) {
    permit();
    desk.PaintITD('c');
    click(ElementId::psd);
    tick(2);
    click(ElementId::zwd);
    EXPECT_TRUE(desk.ud);
    EXPECT_TRUE(desk.out.busy);
    EXPECT_TRUE(desk.Timer6.enabled());

    tick(3);  // 5 s: the train passes D all the same
    EXPECT_TRUE(desk.occITG);
    tick(10);
    EXPECT_TRUE(desk.ALed50.on());
}

}  // namespace
}  // namespace zormia
