// The end block: KoY at Stacja B and KoG at ZORMIA run their program on Timer7
// (yellow flashing after 1 s, block at rest after 8 s); dKoY and dKoG are the
// counted auxiliary buttons.

#include <array>
#include <vector>

#include "block_fixture.h"

namespace zormia {
namespace {

constexpr Rgb Y = colour::yellow, R = colour::red;

// An arrival from Stacja B on G's proceed aspect, through the supervision: the
// train enters ITG, reaches ITD and leaves ITG.
void arriveFromStacjaB(Pul& desk) {
    desk.SetAspectG(false, true, false, true, false, false, true);
    desk.PaintITG('c');
    desk.SetAspectG(false, false, true, false, false, true, false);
    desk.PaintITD('c');
    desk.PaintITG('z');
}

class BlockEnd : public BlockFixture {};

struct EndBlockCase {
    const char* name;
    std::vector<ElementId> before;  // from Wbl on: clicks that occupy the line
    bool supervisedArrival;         // then an arrival lights the end-block lamp
    ElementId ko;
    BlockDirection Pul::*direction;
    std::array<LampRef Pul::*, 4> lamps;  // Wbl, Poz, PWL, end-block lamp
};

TEST(BlockEndPrograms, FlashYellowAfterOneSecondAndRestAfterEight) {
    using enum ElementId;
    const EndBlockCase cases[] = {
        {"KoY after dPoD and dKoY",
         {pwbla, ppoz2, pdpod, pdkox},
         false,
         pkoy,
         &Pul::out,
         {&Pul::ALed44, &Pul::ALed52, &Pul::ALed34, &Pul::ALed50}},
        {"KoG after dPoV and a supervised arrival",
         {pwbl2, ppoz1, pdpo2},
         true,
         pkog,
         &Pul::in,
         {&Pul::ALed51, &Pul::ALed39, &Pul::ALed49, &Pul::ALed35}},
    };
    for (const EndBlockCase& c : cases) {
        SCOPED_TRACE(c.name);
        BlockDesk t;
        Pul& desk = t.desk;
        LampRef& wbl = desk.*c.lamps[0];
        LampRef& poz = desk.*c.lamps[1];
        LampRef& pwl = desk.*c.lamps[2];
        LampRef& ko = desk.*c.lamps[3];
        BlockDirection& d = desk.*c.direction;
        for (ElementId id : c.before) desk.click(id);
        if (c.supervisedArrival) arriveFromStacjaB(desk);
        ASSERT_TRUE(ko.on());

        desk.click(c.ko);
        EXPECT_TRUE(d.koRun);
        EXPECT_TRUE(desk.Timer7.enabled());
        EXPECT_EQ(lookOf(wbl), (Look{true, false, R}));

        t.tick(1);
        EXPECT_EQ(lookOf(wbl), (Look{true, true, Y}));
        EXPECT_EQ(lookOf(poz), (Look{true, true, Y}));
        EXPECT_TRUE(pwl.on());
        EXPECT_TRUE(ko.on());

        t.tick(6);
        EXPECT_TRUE(d.busy);
        EXPECT_TRUE(pwl.on());
        EXPECT_TRUE(ko.on());

        t.tick(1);  // 8 s after the press
        for (LampRef Pul::*lamp : c.lamps) EXPECT_FALSE((desk.*lamp).on());
        EXPECT_TRUE(sameFlags(desk.out, {})) << desk.out;
        EXPECT_TRUE(sameFlags(desk.in, {})) << desk.in;
        EXPECT_FALSE(desk.Timer7.enabled());
        EXPECT_EQ(desk.step7, 8);

        // The direction lamps are back in their start-up configuration: the next
        // request lights them flashing yellow.
        desk.click(c.before.front());
        EXPECT_EQ(lookOf(wbl), (Look{true, true, Y}));
        EXPECT_EQ(lookOf(poz), (Look{true, true, Y}));
    }
}

TEST_F(BlockEnd, SecondKoYPressRestartsTheProgram) {
    for (ElementId id : {ElementId::pwbla, ElementId::ppoz2, ElementId::pdpod, ElementId::pdkox})
        click(id);
    click(ElementId::pkoy);
    tick(5);
    click(ElementId::pkoy);
    EXPECT_EQ(desk.step7, 0);
    tick(7);
    EXPECT_TRUE(desk.out.busy);
    EXPECT_TRUE(desk.ALed50.on());
    tick(1);
    EXPECT_FALSE(desk.out.busy);
    EXPECT_FALSE(desk.ALed50.on());
}

TEST_F(BlockEnd, DkoyLightsTheKoYLampAndCountsOnlyWhileTheLineIsOccupied) {
    desk.dkoy = 7;
    click(ElementId::pdkox);
    click(ElementId::pwbla);
    click(ElementId::ppoz2);
    click(ElementId::pdkox);  // permission, but no train on the line
    EXPECT_EQ(desk.dkoy, 7);
    EXPECT_FALSE(desk.ALed50.on());

    click(ElementId::pdpod);
    click(ElementId::pdkox);
    click(ElementId::pdkox);  // the lamp is already lit: counted all the same
    EXPECT_EQ(desk.dkoy, 9);
    EXPECT_EQ(desk.ldkoy.value(), 9);
    EXPECT_TRUE(desk.ALed50.on());
}

TEST_F(BlockEnd, DkogStartsTheSupervisionOfATrainThatEnteredWithoutProceed) {
    desk.dkog = 3;
    click(ElementId::pwbl2);
    click(ElementId::ppoz1);
    // A train on the substitute signal: G's desk green lamp stays dark.
    desk.PaintITG('c');
    desk.PaintITD('c');
    EXPECT_EQ(desk.arrivalState, 0);

    click(ElementId::pdkog);  // the line is not yet occupied from Stacja B
    EXPECT_FALSE(desk.dkogLatch);
    EXPECT_FALSE(desk.ALed55.on());
    EXPECT_EQ(desk.dkog, 3);

    click(ElementId::pdpo2);
    click(ElementId::pdkog);
    EXPECT_TRUE(desk.dkogLatch);
    EXPECT_TRUE(desk.ALed55.on());
    EXPECT_EQ(desk.dkog, 4);
    EXPECT_EQ(desk.licznikg.value(), 4);
    EXPECT_EQ(desk.arrivalState, 2);  // the press ran the supervision: 0 -> 1 -> 2

    click(ElementId::pdkog);  // its lamp is lit
    EXPECT_EQ(desk.dkog, 4);

    desk.PaintITG('s');
    ASSERT_TRUE(desk.ALed35.on());
    click(ElementId::pkog);
    // The supervision and the latch are at rest at once, before the program's end.
    EXPECT_EQ(desk.arrivalState, 0);
    EXPECT_FALSE(desk.dkogLatch);
    EXPECT_FALSE(desk.ALed55.on());
    EXPECT_TRUE(desk.in.koRun);
    EXPECT_TRUE(desk.ALed35.on());
    tick(8);
    EXPECT_FALSE(desk.ALed35.on());
    EXPECT_FALSE(desk.in.busy);
}

TEST_F(BlockEnd, KoGLitBeforeDpovActsOnlyAfterDpov) {
    click(ElementId::pwbl2);
    click(ElementId::ppoz1);
    arriveFromStacjaB(desk);
    ASSERT_TRUE(desk.ALed35.on());
    EXPECT_EQ(desk.arrivalState, 2);

    click(ElementId::pkog);
    EXPECT_FALSE(desk.in.koRun);
    EXPECT_FALSE(desk.Timer7.enabled());
    EXPECT_EQ(desk.arrivalState, 2);

    click(ElementId::pdpo2);
    click(ElementId::pkog);
    EXPECT_TRUE(desk.in.koRun);
    EXPECT_EQ(desk.arrivalState, 0);
}

}  // namespace
}  // namespace zormia
