// The line block's request, permission, return and auxiliary start block: every
// transition of both directions, from the clicks that lead into its start state,
// with the flags and the lamps it leaves.

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "block_fixture.h"

namespace zormia {
namespace {

constexpr Rgb Y = colour::yellow, R = colour::red, W = colour::white;

// Direction lamps: start-up configuration, request, permission, line occupied...
constexpr Look kDarkY{false, true, Y}, kFlashY{true, true, Y}, kSteadyY{true, false, Y};
constexpr Look kSteadyR{true, false, R}, kFlashR{true, true, R};
// PWL and end-block lamps.
constexpr Look kPwlDark{false, false, R}, kPwlLit{true, false, R};
constexpr Look kKoDark{false, false, W}, kKoLit{true, false, W};

struct Transition {
    std::string name;
    std::vector<ElementId> before;  // clicks from the desk at rest into the start state
    ElementId event;
    BlockDirection out, in;  // all block flags afterwards
    Look wbl, poz, pwl, ko;  // the lamps of the direction concerned
};

// The four lamps of one direction, and those of the other one.
struct DirectionLamps {
    LampRef Pul::*wbl;
    LampRef Pul::*poz;
    LampRef Pul::*pwl;
    LampRef Pul::*ko;
};
constexpr DirectionLamps kOutLamps{&Pul::ALed44, &Pul::ALed52, &Pul::ALed34, &Pul::ALed50};
constexpr DirectionLamps kInLamps{&Pul::ALed51, &Pul::ALed39, &Pul::ALed49, &Pul::ALed35};

std::vector<Look> looks(Pul& d, const DirectionLamps& l) {
    return {lookOf(d.*l.wbl), lookOf(d.*l.poz), lookOf(d.*l.pwl), lookOf(d.*l.ko)};
}

void runTransitions(const std::vector<Transition>& rows, const DirectionLamps& own,
                    const DirectionLamps& other) {
    for (const Transition& t : rows) {
        SCOPED_TRACE(t.name);
        TimerService timers;
        Pul desk(timers, nullptr);
        desk.zwd.enable();  // the seal of zwd is broken
        for (ElementId id : t.before) desk.click(id);
        const std::vector<Look> otherBefore = looks(desk, other);

        desk.click(t.event);

        EXPECT_TRUE(sameFlags(desk.out, t.out)) << "out: " << desk.out << " want " << t.out;
        EXPECT_TRUE(sameFlags(desk.in, t.in)) << "in: " << desk.in << " want " << t.in;
        EXPECT_EQ(lookOf(desk.*own.wbl), t.wbl);
        EXPECT_EQ(lookOf(desk.*own.poz), t.poz);
        EXPECT_EQ(lookOf(desk.*own.pwl), t.pwl);
        EXPECT_EQ(lookOf(desk.*own.ko), t.ko);
        EXPECT_EQ(looks(desk, other), otherBefore);
    }
}

TEST(BlockLine, DirectionTowardStacjaB) {
    using enum ElementId;
    // Wbl at ZORMIA, Poz at Stacja B, dPoD at ZORMIA, dKoY and KoY at Stacja B.
    const std::vector<ElementId> requested{pwbla}, permitted{pwbla, ppoz2},
        returnAsked{pwbla, ppoz2, pwbla}, routeSet{pwbla, ppoz2, psd},
        occupied{pwbla, ppoz2, pdpod}, arrived{pwbla, ppoz2, pdpod, pdkox};
    const std::vector<Transition> rows = {
        {"rest, Wbl: requested", {}, pwbla, {.wbl = true}, {}, kFlashY, kFlashY, kPwlDark, kKoDark},
        {"requested, Wbl: request withdrawn",
         requested,
         pwbla,
         {},
         {},
         kDarkY,
         kDarkY,
         kPwlDark,
         kKoDark},
        {"requested, Poz: permitted",
         requested,
         ppoz2,
         {.poz = true, .free = true},
         {},
         kSteadyY,
         kSteadyY,
         kPwlDark,
         kKoDark},
        {"permitted, Wbl: return requested",
         permitted,
         pwbla,
         {.poz = true, .free = true, .req = true},
         {},
         kFlashY,
         kFlashY,
         kPwlDark,
         kKoDark},
        {"return requested, Poz: rest",
         returnAsked,
         ppoz2,
         {},
         {},
         kDarkY,
         kDarkY,
         kPwlDark,
         kKoDark},
        {"permitted, D: route set",
         permitted,
         psd,
         {.poz = true, .route = true},
         {},
         kSteadyY,
         kFlashR,
         kPwlLit,
         kKoDark},
        {"route set, D again: line occupied",
         routeSet,
         psd,
         {.poz = true, .busy = true},
         {},
         kSteadyR,
         kSteadyR,
         kPwlLit,
         kKoDark},
        {"route set, zwd: line occupied",
         routeSet,
         zwd,
         {.poz = true, .busy = true},
         {},
         kSteadyR,
         kSteadyR,
         kPwlLit,
         kKoDark},
        {"permitted, dPoD: line occupied",
         permitted,
         pdpod,
         {.poz = true, .busy = true},
         {},
         kSteadyR,
         kSteadyR,
         kPwlLit,
         kKoDark},
        {"route set, dPoD: line occupied, route stays",
         routeSet,
         pdpod,
         {.poz = true, .route = true, .busy = true},
         {},
         kSteadyR,
         kSteadyR,
         kPwlLit,
         kKoDark},
        {"return requested, dPoD: occupied with the return still asked",
         returnAsked,
         pdpod,
         {.poz = true, .busy = true, .req = true},
         {},
         kFlashR,
         kSteadyR,
         kPwlLit,
         kKoDark},
        {"occupied while returning, Poz: return done, line stays occupied",
         {pwbla, ppoz2, pwbla, pdpod},
         ppoz2,
         {.busy = true},
         {},
         {false, true, R},
         {false, false, R},
         kPwlLit,
         kKoDark},
        {"line occupied, dKoY: arrival reported",
         occupied,
         pdkox,
         {.poz = true, .busy = true},
         {},
         kSteadyR,
         kSteadyR,
         kPwlLit,
         kKoLit},
        {"arrival reported, KoY: end block running",
         arrived,
         pkoy,
         {.poz = true, .busy = true, .koRun = true},
         {},
         kSteadyR,
         kSteadyR,
         kPwlLit,
         kKoLit},
        // Presses whose conditions do not hold.
        {"rest, Poz: nothing", {}, ppoz2, {}, {}, kDarkY, kDarkY, kPwlDark, kKoDark},
        {"permitted, Poz: nothing",
         permitted,
         ppoz2,
         {.poz = true, .free = true},
         {},
         kSteadyY,
         kSteadyY,
         kPwlDark,
         kKoDark},
        {"rest, dPoD: nothing", {}, pdpod, {}, {}, kDarkY, kDarkY, kPwlDark, kKoDark},
        {"requested, dPoD: nothing",
         requested,
         pdpod,
         {.wbl = true},
         {},
         kFlashY,
         kFlashY,
         kPwlDark,
         kKoDark},
        {"route set, Wbl: nothing",
         routeSet,
         pwbla,
         {.poz = true, .route = true},
         {},
         kSteadyY,
         kFlashR,
         kPwlLit,
         kKoDark},
        {"line occupied, Wbl: nothing",
         occupied,
         pwbla,
         {.poz = true, .busy = true},
         {},
         kSteadyR,
         kSteadyR,
         kPwlLit,
         kKoDark},
        {"line occupied, D: nothing",
         occupied,
         psd,
         {.poz = true, .busy = true},
         {},
         kSteadyR,
         kSteadyR,
         kPwlLit,
         kKoDark},
        {"return requested, D: nothing",
         returnAsked,
         psd,
         {.poz = true, .free = true, .req = true},
         {},
         kFlashY,
         kFlashY,
         kPwlDark,
         kKoDark},
        {"line occupied, KoY with its lamp dark: nothing",
         occupied,
         pkoy,
         {.poz = true, .busy = true},
         {},
         kSteadyR,
         kSteadyR,
         kPwlLit,
         kKoDark},
        {"rest, dKoY: nothing", {}, pdkox, {}, {}, kDarkY, kDarkY, kPwlDark, kKoDark},
        // The other direction is in use.
        {"Stacja B requests, Wbl: nothing",
         {pwbl2},
         pwbla,
         {},
         {.wbl = true},
         kDarkY,
         kDarkY,
         kPwlDark,
         kKoDark},
        {"Stacja B holds permission, Wbl: nothing",
         {pwbl2, ppoz1},
         pwbla,
         {},
         {.poz = true, .free = true},
         kDarkY,
         kDarkY,
         kPwlDark,
         kKoDark},
        {"line occupied from Stacja B, Wbl: nothing",
         {pwbl2, ppoz1, pdpo2},
         pwbla,
         {},
         {.poz = true, .busy = true},
         kDarkY,
         kDarkY,
         kPwlDark,
         kKoDark},
        {"occupied from Stacja B after a return, Wbl: nothing",
         {pwbl2, ppoz1, pwbl2, pdpo2, ppoz1},
         pwbla,
         {},
         {.busy = true},
         kDarkY,
         kDarkY,
         kPwlDark,
         kKoDark},
    };
    runTransitions(rows, kOutLamps, kInLamps);
}

TEST(BlockLine, DirectionFromStacjaB) {
    using enum ElementId;
    // Wbl at Stacja B, Poz at ZORMIA, dPoV at Stacja B, KoG at ZORMIA.
    const std::vector<ElementId> requested{pwbl2}, permitted{pwbl2, ppoz1},
        returnAsked{pwbl2, ppoz1, pwbl2}, occupied{pwbl2, ppoz1, pdpo2};
    const std::vector<Transition> rows = {
        {"rest, Wbl: requested", {}, pwbl2, {}, {.wbl = true}, kFlashY, kFlashY, kPwlDark, kKoDark},
        {"requested, Wbl: request withdrawn",
         requested,
         pwbl2,
         {},
         {},
         kDarkY,
         kDarkY,
         kPwlDark,
         kKoDark},
        {"requested, Poz: permitted",
         requested,
         ppoz1,
         {},
         {.poz = true, .free = true},
         kSteadyY,
         kSteadyY,
         kPwlDark,
         kKoDark},
        {"permitted, Wbl: return requested",
         permitted,
         pwbl2,
         {},
         {.poz = true, .free = true, .req = true},
         kFlashY,
         kFlashY,
         kPwlDark,
         kKoDark},
        {"return requested, Poz: rest",
         returnAsked,
         ppoz1,
         {},
         {},
         kDarkY,
         kDarkY,
         kPwlDark,
         kKoDark},
        {"permitted, dPoV: line occupied",
         permitted,
         pdpo2,
         {},
         {.poz = true, .busy = true},
         kSteadyR,
         kSteadyR,
         kPwlLit,
         kKoDark},
        {"line occupied, Wbl: nothing",
         occupied,
         pwbl2,
         {},
         {.poz = true, .busy = true},
         kSteadyR,
         kSteadyR,
         kPwlLit,
         kKoDark},
        {"line occupied, KoG with its lamp dark: nothing",
         occupied,
         pkog,
         {},
         {.poz = true, .busy = true},
         kSteadyR,
         kSteadyR,
         kPwlLit,
         kKoDark},
        {"rest, Poz: nothing", {}, ppoz1, {}, {}, kDarkY, kDarkY, kPwlDark, kKoDark},
        {"rest, dPoV: nothing", {}, pdpo2, {}, {}, kDarkY, kDarkY, kPwlDark, kKoDark},
        {"ZORMIA requests, Wbl: nothing",
         {pwbla},
         pwbl2,
         {.wbl = true},
         {},
         kDarkY,
         kDarkY,
         kPwlDark,
         kKoDark},
        {"ZORMIA holds permission, Wbl: nothing",
         {pwbla, ppoz2},
         pwbl2,
         {.poz = true, .free = true},
         {},
         kDarkY,
         kDarkY,
         kPwlDark,
         kKoDark},
        {"line occupied toward Stacja B, Wbl: nothing",
         {pwbla, ppoz2, pdpod},
         pwbl2,
         {.poz = true, .busy = true},
         {},
         kDarkY,
         kDarkY,
         kPwlDark,
         kKoDark},
    };
    runTransitions(rows, kInLamps, kOutLamps);
}

// dPoD and dPoV count every press made while permission is held, also on a line
// already occupied, and none without it; the counter wraps like a 32-bit register.
TEST(BlockLine, AuxiliaryStartBlockCountsEffectivePresses) {
    using enum ElementId;
    struct Case {
        const char* name;
        ElementId request, permit, press;
        std::int32_t Pul::*counter;
        CounterRef Pul::*display;
    };
    const Case cases[] = {
        {"dPoD", pwbla, ppoz2, pdpod, &Pul::dpod, &Pul::ldpod},
        {"dPoV", pwbl2, ppoz1, pdpo2, &Pul::dpov, &Pul::ldpov},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TimerService timers;
        Pul desk(timers, nullptr);
        desk.*c.counter = 41;
        desk.click(c.press);  // no permission
        desk.click(c.request);
        desk.click(c.press);  // a request is not yet a permission
        EXPECT_EQ(desk.*c.counter, 41);
        EXPECT_EQ((desk.*c.display).value(), 0);

        desk.click(c.permit);
        for (int i = 0; i < 3; ++i) desk.click(c.press);
        EXPECT_EQ(desk.*c.counter, 44);
        EXPECT_EQ((desk.*c.display).value(), 44);

        desk.*c.counter = INT32_MAX;
        desk.click(c.press);
        EXPECT_EQ(desk.*c.counter, INT32_MIN);
        EXPECT_EQ((desk.*c.display).value(), INT32_MIN);
    }
}

class BlockLineDesk : public BlockFixture {};

TEST_F(BlockLineDesk, BlockResetClearsTheFlagsAndNothingElse) {
    click(ElementId::pwbla);
    click(ElementId::ppoz2);
    click(ElementId::pdpod);
    desk.in.koRun = desk.in.free = desk.in.req = desk.in.route = desk.in.wbl = true;
    desk.out.koRun = desk.out.req = desk.out.route = desk.out.wbl = true;
    desk.dkogLatch = true;
    desk.arrivalState = 2;
    desk.step7 = 5;

    desk.ResetBlock();

    EXPECT_TRUE(sameFlags(desk.out, {})) << desk.out;
    EXPECT_TRUE(sameFlags(desk.in, {})) << desk.in;
    EXPECT_TRUE(desk.dkogLatch);
    EXPECT_EQ(desk.arrivalState, 2);
    EXPECT_EQ(desk.step7, 5);
    EXPECT_EQ(lookOf(desk.ALed44), kSteadyR);
    EXPECT_EQ(lookOf(desk.ALed52), kSteadyR);
    EXPECT_EQ(lookOf(desk.ALed34), kPwlLit);
}

}  // namespace
}  // namespace zormia
