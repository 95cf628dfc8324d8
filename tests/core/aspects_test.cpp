// The aspect setters: every aspect the desk shows, as the arguments its callers
// pass, against the lamps each setter must set, in order, leaving the white lamps
// of the shunting and substitute signals alone.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desk/pul.h"

namespace zormia {
namespace {

enum class Signal { A, B, C, D, G, H };

// What one argument of a setter sets: a lamp's value or its flashing switch.
struct Slot {
    ElementId lamp;
    bool flashing = false;
};

struct Group {
    std::vector<Slot> slots;  // in the order of the setter's parameters
    std::vector<ElementId> whites;
};

Group groupOf(Signal s) {
    using E = ElementId;
    switch (s) {
        case Signal::A:
            return {{{E::ALed19},
                     {E::ALed20},
                     {E::ALed21},
                     {E::ALed22},
                     {E::ALed20, true},
                     {E::ALed6},
                     {E::ALed4}},
                    {E::ALed5, E::ALed23}};
        case Signal::B:
            return {{{E::ALed24},
                     {E::ALed25},
                     {E::ALed26},
                     {E::ALed27},
                     {E::ALed27, true},
                     {E::ALed8},
                     {E::ALed9}},
                    {E::ALed7, E::ALed28}};
        case Signal::C:
            return {{{E::ALed30},
                     {E::ALed31},
                     {E::ALed32},
                     {E::ALed32, true},
                     {E::ALed11},
                     {E::ALed12}},
                    {E::ALed10, E::ALed33}};
        case Signal::D:
            return {{{E::ALed36}, {E::ALed37}, {E::ALed15}, {E::ALed14}}, {E::ALed13, E::ALed38}};
        case Signal::G:
            return {{{E::ALed54},
                     {E::ALed45},
                     {E::ALed46},
                     {E::ALed47},
                     {E::ALed45, true},
                     {E::ALed1},
                     {E::ALed2}},
                    {E::ALed3, E::ALed48}};
        case Signal::H:
            return {{{E::ALed53},
                     {E::ALed40},
                     {E::ALed41},
                     {E::ALed42},
                     {E::ALed42, true},
                     {E::ALed16},
                     {E::ALed17}},
                    {E::ALed18, E::ALed43}};
    }
    return {};
}

void callSetter(Pul& pul, Signal s, const std::vector<bool>& a) {
    switch (s) {
        case Signal::A:
            pul.SetAspectA(a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
            break;
        case Signal::B:
            pul.SetAspectB(a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
            break;
        case Signal::C:
            pul.SetAspectC(a[0], a[1], a[2], a[3], a[4], a[5]);
            break;
        case Signal::D:
            pul.SetAspectD(a[0], a[1], a[2], a[3]);
            break;
        case Signal::G:
            pul.SetAspectG(a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
            break;
        case Signal::H:
            pul.SetAspectH(a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
            break;
    }
}

struct AspectRow {
    const char* name;
    Signal signal;
    std::vector<bool> args;
};

// The desk's aspects; "g" rows with D's field green lamp on and off, "p" rows
// with the lamp of signal P on and off. The last rows pass the flashing switch,
// which no caller does, to show that it reaches the right yellow lamp.
const std::vector<AspectRow>& aspectRows() {
    static const std::vector<AspectRow> rows = {
        {"A stop", Signal::A, {0, 0, 1, 0, 0, 1, 0}},
        {"B stop", Signal::B, {0, 0, 1, 0, 0, 1, 0}},
        {"G stop", Signal::G, {0, 0, 1, 0, 0, 1, 0}},
        {"H stop", Signal::H, {0, 0, 1, 0, 0, 1, 0}},
        {"C stop", Signal::C, {0, 1, 0, 0, 1, 0}},
        {"D stop", Signal::D, {1, 0, 1, 0}},
        {"A pa", Signal::A, {1, 0, 0, 1, 0, 0, 1}},
        {"A pag, g on", Signal::A, {1, 0, 0, 1, 0, 0, 1}},
        {"A pag, g off", Signal::A, {0, 1, 0, 1, 0, 0, 1}},
        {"B pbd, g on", Signal::B, {1, 0, 0, 1, 0, 0, 1}},
        {"B pbd, g off", Signal::B, {0, 1, 0, 1, 0, 0, 1}},
        {"B pb", Signal::B, {1, 0, 0, 0, 0, 0, 1}},
        {"C pc, g on", Signal::C, {1, 0, 0, 0, 0, 1}},
        {"C pc, g off", Signal::C, {0, 0, 1, 0, 0, 1}},
        {"D departure", Signal::D, {0, 1, 0, 1}},
        {"G pga", Signal::G, {0, 1, 0, 1, 0, 0, 1}},
        {"G pgb, p on", Signal::G, {1, 0, 0, 1, 0, 0, 1}},
        {"G pgb, p off", Signal::G, {0, 1, 0, 1, 0, 0, 1}},
        {"G pgc", Signal::G, {0, 1, 0, 0, 0, 0, 1}},
        {"H pha", Signal::H, {0, 1, 0, 1, 0, 0, 1}},
        {"H phb, p on", Signal::H, {1, 0, 0, 0, 0, 0, 1}},
        {"H phb, p off", Signal::H, {0, 1, 0, 0, 0, 0, 1}},
        {"A flashing", Signal::A, {0, 1, 0, 1, 1, 0, 1}},
        {"B flashing", Signal::B, {0, 1, 0, 1, 1, 0, 1}},
        {"C flashing", Signal::C, {0, 0, 1, 1, 0, 1}},
        {"G flashing", Signal::G, {0, 1, 0, 1, 1, 0, 1}},
        {"H flashing", Signal::H, {0, 1, 0, 1, 1, 0, 1}},
    };
    return rows;
}

bool slotValue(const Pul& pul, const Slot& slot) {
    const ElementState& s = pul.model().state(slot.lamp);
    return slot.flashing ? s.blink : s.on;
}

void setSlot(Pul& pul, const Slot& slot, bool value) {
    if (slot.flashing)
        pul.model().setLampBlink(slot.lamp, value);
    else
        pul.model().setLampOn(slot.lamp, value);
}

// Each lamp starts at the opposite of what the aspect asks, so every slot the
// setter sets shows up as one change, in order; the white lamps start lit and
// flashing, as a substitute signal leaves them.
TEST(Aspects, EachSetterSetsItsLampsInOrderAndNothingElse) {
    for (const AspectRow& row : aspectRows()) {
        SCOPED_TRACE(row.name);
        TimerService timers;
        Pul pul(timers, nullptr);
        const Group group = groupOf(row.signal);
        ASSERT_EQ(group.slots.size(), row.args.size());
        for (std::size_t i = 0; i < group.slots.size(); ++i)
            setSlot(pul, group.slots[i], !row.args[i]);
        for (ElementId white : group.whites) {
            pul.model().setLampOn(white, true);
            pul.model().setLampBlink(white, true);
        }

        std::vector<ElementId> changes;
        pul.model().setListener([&](ElementId id) { changes.push_back(id); });
        callSetter(pul, row.signal, row.args);

        std::vector<ElementId> order;
        for (std::size_t i = 0; i < group.slots.size(); ++i) {
            order.push_back(group.slots[i].lamp);
            EXPECT_EQ(slotValue(pul, group.slots[i]), row.args[i]) << "argument " << i;
        }
        EXPECT_EQ(changes, order);
        for (ElementId white : group.whites) {
            EXPECT_TRUE(pul.model().state(white).on);
            EXPECT_TRUE(pul.model().state(white).blink);
        }
    }
}

TEST(Aspects, StopAfterProceedPutsOutTheProceedLampsAndKeepsTheWhiteOnes) {
    TimerService timers;
    Pul pul(timers, nullptr);
    pul.ALed5.setOn(true);  // shunting signal of A, steady
    pul.ALed5.setBlink(false);
    pul.ALed23.setOn(true);
    pul.ALed23.setBlink(false);
    pul.SetAspectA(1, 0, 0, 1, 0, 0, 1);
    EXPECT_TRUE(pul.ALed19.on() && pul.ALed22.on() && pul.ALed4.on());
    EXPECT_FALSE(pul.ALed21.on() || pul.ALed6.on());

    pul.SetAspectA(0, 0, 1, 0, 0, 1, 0);
    EXPECT_FALSE(pul.ALed19.on() || pul.ALed20.on() || pul.ALed22.on() || pul.ALed4.on());
    EXPECT_TRUE(pul.ALed21.on() && pul.ALed6.on());
    EXPECT_TRUE(pul.ALed5.on() && pul.ALed23.on());
    EXPECT_FALSE(pul.ALed5.blink() || pul.ALed23.blink());
}

}  // namespace
}  // namespace zormia
