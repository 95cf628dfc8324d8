// The line block's request, permission, return and auxiliary start block: every
// transition of both directions, from the clicks that lead into its start state,
// with the flags and the lamps it leaves.

#include <array>
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

// The four lamps of one direction: Wbl lamp, Poz lamp, PWL lamp, end-block lamp.
struct Lamps {
    Look wbl, poz, pwl, ko;
};
// Their look in the states of a direction.
constexpr Lamps kRest{kDarkY, kDarkY, kPwlDark, kKoDark};
constexpr Lamps kRequested{kFlashY, kFlashY, kPwlDark, kKoDark};  // also a return asked
constexpr Lamps kPermitted{kSteadyY, kSteadyY, kPwlDark, kKoDark};
constexpr Lamps kRouteSet{kSteadyY, kFlashR, kPwlLit, kKoDark};
constexpr Lamps kOccupied{kSteadyR, kSteadyR, kPwlLit, kKoDark};
constexpr Lamps kArrived{kSteadyR, kSteadyR, kPwlLit, kKoLit};
// dPoD while a return is asked, and the return confirmed after it.
constexpr Lamps kOccupiedReturning{kFlashR, kSteadyR, kPwlLit, kKoDark};
constexpr Lamps kOccupiedReturned{{false, true, R}, {false, false, R}, kPwlLit, kKoDark};

struct Transition {
    const char* name;
    std::vector<ElementId> before;  // clicks from the desk at rest into the start state
    ElementId event;
    const char* out;  // all block flags afterwards
    const char* in;
    Lamps lamps;  // of the direction concerned
};

// The lamps of each direction, in the order of `Lamps`.
using DirectionLamps = std::array<LampRef Pul::*, 4>;
constexpr DirectionLamps kOutLamps{&Pul::ALed44, &Pul::ALed52, &Pul::ALed34, &Pul::ALed50};
constexpr DirectionLamps kInLamps{&Pul::ALed51, &Pul::ALed39, &Pul::ALed49, &Pul::ALed35};

std::vector<Look> looks(Pul& d, const DirectionLamps& lamps) {
    std::vector<Look> all;
    for (LampRef Pul::*lamp : lamps) all.push_back(lookOf(d.*lamp));
    return all;
}

void runTransitions(const std::vector<Transition>& rows, const DirectionLamps& own,
                    const DirectionLamps& other) {
    for (const Transition& t : rows) {
        SCOPED_TRACE(t.name);
        TimerService timers;
        Pul desk(timers, nullptr);
        desk.choose("zwd1");  // the seal of zwd is broken
        for (ElementId id : t.before) desk.click(id);
        const std::vector<Look> otherBefore = looks(desk, other);

        desk.click(t.event);

        EXPECT_TRUE(sameFlags(desk.out, blockFlags(t.out)))
            << "out: " << desk.out << ", want " << t.out;
        EXPECT_TRUE(sameFlags(desk.in, blockFlags(t.in))) << "in: " << desk.in << ", want " << t.in;
        EXPECT_EQ(looks(desk, own),
                  (std::vector<Look>{t.lamps.wbl, t.lamps.poz, t.lamps.pwl, t.lamps.ko}));
        EXPECT_EQ(looks(desk, other), otherBefore);  // the other direction is untouched
    }
}

TEST(BlockLine, DirectionTowardStacjaB) {
    using enum ElementId;
    // Wbl at ZORMIA, Poz at Stacja B, dPoD at ZORMIA, dKoY and KoY at Stacja B.
    const std::vector<ElementId> requested{pwbla}, permitted{pwbla, ppoz2},
        returnAsked{pwbla, ppoz2, pwbla}, routeSet{pwbla, ppoz2, psd},
        occupied{pwbla, ppoz2, pdpod}, arrived{pwbla, ppoz2, pdpod, pdkox};
    // clang-format off
    const std::vector<Transition> rows = {
        {"rest, Wbl: requested",             {},          pwbla, "wbl",            "", kRequested},
        {"requested, Wbl: withdrawn",        requested,   pwbla, "",               "", kRest},
        {"requested, Poz: permitted",        requested,   ppoz2, "poz free",       "", kPermitted},
        {"permitted, Wbl: return asked",     permitted,   pwbla, "poz free req",   "", kRequested},
        {"return asked, Poz: rest",          returnAsked, ppoz2, "",               "", kRest},
        {"permitted, D: route set",          permitted,   psd,   "poz route",      "", kRouteSet},
        {"route set, D again: occupied",     routeSet,    psd,   "poz busy",       "", kOccupied},
        {"route set, zwd: occupied",         routeSet,    zwd,   "poz busy",       "", kOccupied},
        {"permitted, dPoD: occupied",        permitted,   pdpod, "poz busy",       "", kOccupied},
        {"route set, dPoD: occupied",        routeSet,    pdpod, "poz route busy", "", kOccupied},
        {"return asked, dPoD: occupied",     returnAsked, pdpod, "poz busy req",   "",
         kOccupiedReturning},
        {"occupied, return asked, Poz: returned, still occupied", {pwbla, ppoz2, pwbla, pdpod},
         ppoz2, "busy", "", kOccupiedReturned},
        {"occupied, dKoY: arrival reported", occupied,    pdkox, "poz busy",       "", kArrived},
        {"arrived, KoY: end block runs",     arrived,     pkoy,  "poz busy koRun", "", kArrived},
        // Presses whose conditions do not hold.
        {"rest, Poz",                        {},          ppoz2, "",               "", kRest},
        {"permitted, Poz",                   permitted,   ppoz2, "poz free",       "", kPermitted},
        {"rest, dPoD",                       {},          pdpod, "",               "", kRest},
        {"requested, dPoD",                  requested,   pdpod, "wbl",            "", kRequested},
        {"route set, Wbl",                   routeSet,    pwbla, "poz route",      "", kRouteSet},
        {"occupied, Wbl",                    occupied,    pwbla, "poz busy",       "", kOccupied},
        {"occupied, D",                      occupied,    psd,   "poz busy",       "", kOccupied},
        {"return asked, D",                  returnAsked, psd,   "poz free req",   "", kRequested},
        {"occupied, KoY with its lamp dark", occupied,    pkoy,  "poz busy",       "", kOccupied},
        {"rest, dKoY",                       {},          pdkox, "",               "", kRest},
        // The other direction is in use.
        {"Stacja B requests, Wbl",           {pwbl2},               pwbla, "", "wbl",      kRest},
        {"Stacja B permitted, Wbl",          {pwbl2, ppoz1},        pwbla, "", "poz free", kRest},
        {"occupied from Stacja B, Wbl",      {pwbl2, ppoz1, pdpo2}, pwbla, "", "poz busy", kRest},
        {"occupied from Stacja B after a return, Wbl", {pwbl2, ppoz1, pwbl2, pdpo2, ppoz1},
         pwbla, "", "busy", kRest},
    };
    // clang-format on
    runTransitions(rows, kOutLamps, kInLamps);
}

TEST(BlockLine, DirectionFromStacjaB) {
    using enum ElementId;
    // Wbl at Stacja B, Poz at ZORMIA, dPoV at Stacja B, KoG at ZORMIA.
    const std::vector<ElementId> requested{pwbl2}, permitted{pwbl2, ppoz1},
        returnAsked{pwbl2, ppoz1, pwbl2}, occupied{pwbl2, ppoz1, pdpo2};
    // clang-format off
    const std::vector<Transition> rows = {
        {"rest, Wbl: requested",             {},          pwbl2, "", "wbl",          kRequested},
        {"requested, Wbl: withdrawn",        requested,   pwbl2, "", "",             kRest},
        {"requested, Poz: permitted",        requested,   ppoz1, "", "poz free",     kPermitted},
        {"permitted, Wbl: return asked",     permitted,   pwbl2, "", "poz free req", kRequested},
        {"return asked, Poz: rest",          returnAsked, ppoz1, "", "",             kRest},
        {"permitted, dPoV: occupied",        permitted,   pdpo2, "", "poz busy",     kOccupied},
        {"return asked, dPoV: occupied",     returnAsked, pdpo2, "", "poz busy req",
         kOccupiedReturning},
        // Presses whose conditions do not hold.
        {"occupied, Wbl",                    occupied,    pwbl2, "", "poz busy",     kOccupied},
        {"occupied, KoG with its lamp dark", occupied,    pkog,  "", "poz busy",     kOccupied},
        {"rest, Poz",                        {},          ppoz1, "", "",             kRest},
        {"rest, dPoV",                       {},          pdpo2, "", "",             kRest},
        // The other direction is in use.
        {"ZORMIA requests, Wbl",             {pwbla},               pwbl2, "wbl",      "", kRest},
        {"ZORMIA permitted, Wbl",            {pwbla, ppoz2},        pwbl2, "poz free", "", kRest},
        {"occupied toward Stacja B, Wbl",    {pwbla, ppoz2, pdpod}, pwbl2, "poz busy", "", kRest},
    };
    // clang-format on
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
