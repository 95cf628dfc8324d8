// The routes from G into tracks 2, 1 and 3: the signal button's choice and its
// refusals, the set-ups' guards, the trains' programs on Timer5 under the arrival
// supervision, track 1's two ends with signal P, and the release button zwg.

#include <functional>
#include <utility>
#include <vector>

#include "block_fixture.h"

namespace zormia {
namespace {

using Tiles = std::vector<std::pair<TileRef Pul::*, Picture>>;

struct GDesk : BlockDesk {
    GDesk() { desk.choose("zwg1"); }  // the seal of zwg is broken

    void setPoints(bool ab, bool cd) {
        if (desk.pos1ab != ab) click(ElementId::z1ab);
        if (desk.pos1cd != cd) click(ElementId::z1cd);
    }
    bool gAtStop() {
        return desk.ALed1.on() && !desk.ALed2.on() && desk.ALed46.on() && !desk.ALed54.on() &&
               !desk.ALed45.on() && !desk.ALed47.on();
    }
    bool anyRouteFromG() { return desk.pga || desk.pgb || desk.pgc; }
    void expectTiles(const Tiles& tiles) {
        for (const auto& [tile, picture] : tiles)
            EXPECT_EQ((desk.*tile).picture(), picture)
                << "tile " << static_cast<int>((desk.*tile).id());
    }
};

class BlockRoutesG : public ::testing::Test, public GDesk {};

struct RouteG {
    const char* name;
    bool ab, cd;
    bool Pul::*route;
    bool Pul::*lock;
    Tiles setTiles;  // the route's sections in the route colour
};

const RouteG kRoutes[] = {
    {"pgc to track 2",
     true,
     true,
     &Pul::pgc,
     &Pul::ugc,
     {{&Pul::im23, Picture::AW1Z},
      {&Pul::im19, Picture::AW1Z},
      {&Pul::im18, Picture::AW4PZ},
      {&Pul::im16, Picture::AW1Z},
      {&Pul::im15, Picture::AW1Z}}},
    {"pgb to track 1",
     false,
     true,
     &Pul::pgb,
     &Pul::ug,
     {{&Pul::im23, Picture::AW1Z},
      {&Pul::im19, Picture::AW1Z},
      {&Pul::im18, Picture::AW4MZ},
      {&Pul::im6, Picture::AW4PZ},
      {&Pul::im7, Picture::AW3MZ},
      {&Pul::im5, Picture::AW1Z},
      {&Pul::im4, Picture::AW1Z}}},
    {"pga to track 3",
     false,
     false,
     &Pul::pga,
     &Pul::ug,
     {{&Pul::im23, Picture::AW1Z},
      {&Pul::im19, Picture::AW1Z},
      {&Pul::im18, Picture::AW4MZ},
      {&Pul::im6, Picture::AW4MZ},
      {&Pul::im7, Picture::AW3MZ},
      {&Pul::im2, Picture::AW1Z},
      {&Pul::im3, Picture::AW7Z},
      {&Pul::im1, Picture::AW1Z}}},
};

TEST(BlockRoutesGSet, ThePointsChooseTheRoute) {
    for (const RouteG& r : kRoutes) {
        SCOPED_TRACE(r.name);
        GDesk t;
        t.setPoints(r.ab, r.cd);
        t.click(ElementId::psg);

        EXPECT_TRUE(t.desk.*r.route);
        EXPECT_EQ(t.desk.pga + t.desk.pgb + t.desk.pgc, 1);
        EXPECT_FALSE(t.desk.*r.lock);
        EXPECT_TRUE(t.desk.ALed2.on());
        EXPECT_FALSE(t.desk.ALed1.on());
        EXPECT_TRUE(t.desk.Panel64.visible());
        EXPECT_FALSE(t.desk.z1ab.enabled());
        EXPECT_EQ(t.desk.z1cd.enabled(), r.route == &Pul::pgc);  // 1cd ignores ugc
        t.expectTiles(r.setTiles);
    }
}

// G's field lamps: green, upper yellow, lower yellow.
TEST(BlockRoutesGSet, AspectOfEachRoute) {
    struct Case {
        const char* name;
        bool ab, cd, pLit;
        bool green, upper, lower;
    };
    const Case cases[] = {
        {"pgc: upper yellow", true, true, false, false, true, false},
        {"pgb, P at stop: upper and lower yellow", false, true, false, false, true, true},
        {"pgb, P at proceed: green and lower yellow", false, true, true, true, false, true},
        {"pga: upper and lower yellow", false, false, false, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GDesk t;
        t.setPoints(c.ab, c.cd);
        if (c.pLit) t.click(ElementId::SemP);
        t.click(ElementId::psg);
        EXPECT_EQ(t.desk.ALed54.on(), c.green);
        EXPECT_EQ(t.desk.ALed45.on(), c.upper);
        EXPECT_EQ(t.desk.ALed47.on(), c.lower);
        EXPECT_FALSE(t.desk.ALed46.on());
    }
}

TEST(BlockRoutesGSet, SignalButtonRefusals) {
    using enum ElementId;
    struct Case {
        const char* name;
        bool ab, cd;
        std::function<void(GDesk&)> before;
    };
    const Case cases[] = {
        {"ZORMIA requests the line", true, true, [](GDesk& t) { t.click(pwbla); }},
        {"ZORMIA holds the line", false, false,
         [](GDesk& t) {
             t.click(pwbla);
             t.click(ppoz2);
         }},
        {"an arrival is still supervised", false, true, [](GDesk& t) { t.desk.arrivalState = 6; }},
        {"pgc: route D holds D's lock", true, true, [](GDesk& t) { t.desk.ud = false; }},
        {"pgc: route pc set", true, true, [](GDesk& t) { t.desk.pc = true; }},
        {"pgc: ITD occupied", true, true, [](GDesk& t) { t.desk.PaintITD('c'); }},
        {"pgc: shunting signal at C", true, true, [](GDesk& t) { t.desk.shuntC = true; }},
        {"pgb: route pbd set", false, true, [](GDesk& t) { t.desk.pbd = true; }},
        {"pgb: track 1 occupied", false, true, [](GDesk& t) { t.desk.PaintIT1('c'); }},
        {"pgb: shunting signal at A", false, true, [](GDesk& t) { t.desk.shuntA = true; }},
        {"pga: route pag set", false, false, [](GDesk& t) { t.desk.pag = true; }},
        {"pga: track 3 occupied", false, false, [](GDesk& t) { t.desk.PaintIT3('c'); }},
        {"pga: ITG occupied", false, false, [](GDesk& t) { t.desk.PaintITG('c'); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GDesk t;
        t.setPoints(c.ab, c.cd);
        c.before(t);
        t.click(psg);
        EXPECT_FALSE(t.anyRouteFromG());
        EXPECT_TRUE(t.gAtStop());
        EXPECT_FALSE(t.desk.Panel64.visible());
        EXPECT_TRUE(t.desk.ug && t.desk.ugc);
    }
}

// The guard of pga and pgb reads Timer3's count, that of pgc Timer5's: inside it
// the route flag is set and nothing else happens.
TEST(BlockRoutesGSet, SetUpGuards) {
    struct Case {
        const char* name;
        bool ab, cd;
        std::int32_t step3, step5;
        bool guarded;
    };
    const Case cases[] = {
        {"pga, Timer3 at 5", false, false, 5, 0, true},
        {"pgb, Timer3 at 12", false, true, 12, 0, true},
        {"pga, Timer3 at 4 and Timer5 at 9", false, false, 4, 9, false},
        {"pgc, Timer5 at 5", true, true, 0, 5, true},
        {"pgc, Timer3 at 9 and Timer5 at 4", true, true, 9, 4, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GDesk t;
        t.setPoints(c.ab, c.cd);
        t.desk.step3 = c.step3;
        t.desk.step5 = c.step5;
        t.click(ElementId::psg);
        EXPECT_TRUE(t.anyRouteFromG());  // the flag is set either way
        EXPECT_EQ(t.gAtStop(), c.guarded);
        EXPECT_EQ(t.desk.Panel64.visible(), !c.guarded);
        EXPECT_EQ(t.desk.ug && t.desk.ugc, c.guarded);
        EXPECT_EQ(t.desk.im23.picture(), c.guarded ? Picture::AW1S : Picture::AW1Z);
    }
}

TEST_F(BlockRoutesG, SecondPressPutsGToStopAndKeepsTheRoute) {
    setPoints(false, false);
    click(ElementId::psg);
    desk.Timer3.enable();
    click(ElementId::psg);
    EXPECT_TRUE(gAtStop());
    EXPECT_FALSE(desk.Panel64.visible());
    EXPECT_FALSE(desk.Timer3.enabled());
    EXPECT_TRUE(desk.pga);
    EXPECT_FALSE(desk.ug);
    expectTiles(kRoutes[2].setTiles);
}

TEST_F(BlockRoutesG, RefusalOfPgcResetsTimer3sCount) {
    click(ElementId::psg);
    desk.step3 = 3;
    desk.Timer3.enable();
    click(ElementId::psg);
    EXPECT_TRUE(gAtStop());
    EXPECT_EQ(desk.step3, 0);
    EXPECT_FALSE(desk.Timer3.enabled());
    EXPECT_TRUE(desk.pgc);
}

// A train from Stacja B, on a line occupied by dPoV, runs each route to its end
// under the arrival supervision.
TEST(BlockRoutesGRun, TrainRunsTheRouteToItsEnd) {
    struct Case {
        const RouteG& r;
        int itdClear, release, end;  // steps
        TileRef Pul::*track;
        Picture trackAtEnd;
    };
    const Case cases[] = {
        {kRoutes[0], 14, 15, 18, &Pul::im15, Picture::AW1Z},
        {kRoutes[1], 14, 18, 20, &Pul::im4, Picture::AW1C},  // P at stop: the train stays
        {kRoutes[2], 12, 19, 22, &Pul::im1, Picture::AW1Z},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.r.name);
        GDesk t;
        Pul& d = t.desk;
        for (ElementId id : {ElementId::pwbl2, ElementId::ppoz1, ElementId::pdpo2}) t.click(id);
        t.setPoints(c.r.ab, c.r.cd);
        t.click(ElementId::psg);
        d.step5 = 7;
        t.click(ElementId::PrzebiegiG);
        EXPECT_EQ(d.step5, 0);
        EXPECT_TRUE(d.Timer5.enabled());
        EXPECT_FALSE(d.Panel64.visible());

        t.tick(1);
        EXPECT_EQ(d.im25.picture(), Picture::AW1C);  // on the line
        t.tick(2);                                   // 3: passes G
        EXPECT_TRUE(d.occITG);
        EXPECT_TRUE(t.gAtStop());
        EXPECT_EQ(d.arrivalState, 1);
        t.tick(1);  // 4: reaches ITD
        EXPECT_TRUE(d.occITD);
        EXPECT_EQ(d.im25.picture(), Picture::AW1S);
        EXPECT_EQ(d.arrivalState, 2);
        t.tick(1);
        EXPECT_FALSE(d.ALed35.on());
        t.tick(1);  // 6: leaves ITG, still in ITD: complete
        EXPECT_TRUE(d.ALed35.on());
        t.tick(c.itdClear - 7);
        EXPECT_EQ(d.arrivalState, 2);
        t.tick(1);
        EXPECT_EQ(d.arrivalState, 6);

        t.tick(c.release - 1 - c.itdClear);
        EXPECT_FALSE(d.*c.r.lock);
        t.tick(1);  // the route behind the train is released
        EXPECT_TRUE(d.*c.r.lock);
        EXPECT_TRUE(d.z1ab.enabled() && d.z1cd.enabled());
        EXPECT_EQ(d.im23.picture(), Picture::AW1S);
        EXPECT_EQ(d.im19.picture(), Picture::AW1S);
        EXPECT_TRUE(d.*c.r.route);

        t.tick(c.end - 1 - c.release);
        EXPECT_TRUE(d.*c.r.route);
        EXPECT_TRUE(d.Timer5.enabled());
        t.tick(1);
        EXPECT_FALSE(d.*c.r.route);
        EXPECT_FALSE(d.Timer5.enabled());
        EXPECT_EQ(d.step5, 0);
        EXPECT_EQ((d.*c.track).picture(), c.trackAtEnd);

        t.click(ElementId::psg);  // no new route until KoG
        EXPECT_FALSE(t.anyRouteFromG());
    }
}

TEST_F(BlockRoutesG, TrainRunsThroughTrack1PastSignalP) {
    setPoints(false, true);
    click(ElementId::SemP);
    click(ElementId::psg);
    click(ElementId::PrzebiegiG);
    tick(20);
    EXPECT_TRUE(desk.pgb);
    EXPECT_TRUE(desk.occIT1);
    tick(4);
    EXPECT_TRUE(desk.pgb);
    tick(1);  // 25
    EXPECT_FALSE(desk.pgb);
    EXPECT_FALSE(desk.Timer5.enabled());
    EXPECT_FALSE(desk.ALed29.on());
    EXPECT_FALSE(desk.occIT1);
    EXPECT_EQ(desk.im4.picture(), Picture::AW1Z);
}

// P lit at step 20 and dark at step 25: the program of pgb never ends, and zwg
// clears the route but leaves Timer5 ticking.
TEST_F(BlockRoutesG, PgbNeverEndsWhenPGoesDarkBetweenSteps20And25) {
    setPoints(false, true);
    click(ElementId::SemP);
    click(ElementId::psg);
    click(ElementId::PrzebiegiG);
    tick(22);
    click(ElementId::SemP);
    tick(20);
    EXPECT_TRUE(desk.pgb);
    EXPECT_TRUE(desk.Timer5.enabled());
    EXPECT_EQ(desk.step5, 42);

    click(ElementId::zwg);
    EXPECT_FALSE(desk.pgb);
    EXPECT_TRUE(desk.Timer5.enabled());
}

// Without a route from G the arrow of G does nothing: it neither starts Timer5
// nor restarts the count of a route from C running on it.
TEST_F(BlockRoutesG, ArrowWithoutARouteFromGLeavesTimer5Alone) {
    click(ElementId::PrzebiegiG);
    EXPECT_FALSE(desk.Timer5.enabled());

    setPoints(true, true);
    click(ElementId::psc);
    ASSERT_TRUE(desk.pc);
    click(ElementId::PrzebiegC);
    tick(7);
    click(ElementId::PrzebiegiG);
    EXPECT_EQ(desk.step5, 7);
    EXPECT_TRUE(desk.Timer5.enabled());
}

TEST(BlockRoutesGRelease, ReleaseFreesASetRoute) {
    for (const RouteG& r : kRoutes) {
        SCOPED_TRACE(r.name);
        GDesk t;
        Pul& d = t.desk;
        t.setPoints(r.ab, r.cd);
        t.click(ElementId::psg);
        t.click(ElementId::zwg);
        EXPECT_FALSE(t.anyRouteFromG());
        EXPECT_TRUE(d.ug && d.ugc);
        EXPECT_TRUE(t.gAtStop());
        EXPECT_FALSE(d.Panel64.visible());
        EXPECT_TRUE(d.psg.enabled());
        EXPECT_TRUE(d.z1ab.enabled() && d.z1cd.enabled());
        t.expectTiles({{&Pul::im23, Picture::AW1S},
                       {&Pul::im19, Picture::AW1S},
                       {&Pul::im18, r.ab ? Picture::AW4PB : Picture::AW4MB},
                       {&Pul::im1, Picture::AW1Z},
                       {&Pul::im4, Picture::AW1Z},
                       {&Pul::im15, Picture::AW1Z}});
    }
}

TEST_F(BlockRoutesG, ReleaseWhileTimer3RunsOnlyPutsGToStop) {
    setPoints(false, false);
    click(ElementId::psg);
    desk.Timer3.enable();
    click(ElementId::zwg);
    EXPECT_TRUE(desk.pga);
    expectTiles(kRoutes[2].setTiles);
    EXPECT_TRUE(desk.ug);
    EXPECT_TRUE(gAtStop());
    EXPECT_FALSE(desk.Panel64.visible());
    EXPECT_FALSE(desk.Timer3.enabled());
}

// The release follows the lie of the points: with them lying for track 1 it
// repaints that path with no route from G set.
TEST_F(BlockRoutesG, ReleaseRepaintsThePathThePointsSelect) {
    setPoints(false, true);
    desk.PaintITB('c');
    desk.PaintITD('c');
    click(ElementId::zwg);
    EXPECT_FALSE(desk.occITB);
    EXPECT_FALSE(desk.occITD);
    EXPECT_EQ(desk.im5.picture(), Picture::AW1S);
}

}  // namespace
}  // namespace zormia
