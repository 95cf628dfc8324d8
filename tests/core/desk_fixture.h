#pragma once
// A desk on virtual time for the interlocking tests: the timers tick only when a
// test lets seconds pass, and clicks go through the desk as the window sends
// them (a disabled element ignores its click).

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "desk/pul.h"

namespace zormia {

struct TileShows {
    ElementId tile;
    Picture picture;
};

struct TestDesk {
    TimerService timers;
    Pul pul{timers, nullptr};

    // Lets `seconds` seconds pass: every due tick of every enabled timer runs.
    void tick(int seconds = 1) { timers.advanceTo(timers.now() + std::int64_t{seconds} * 1000); }
    void click(ElementId id) { pul.click(id); }
    void menu(std::string_view item) { pul.choose(item); }

    const ElementState& state(ElementId id) const { return pul.model().state(id); }
    bool lit(ElementId id) const { return state(id).on; }
    bool visible(ElementId id) const { return state(id).visible; }
    bool enabled(ElementId id) const { return state(id).enabled; }
    Picture picture(ElementId id) const { return state(id).picture; }

    void expectTiles(const std::vector<TileShows>& tiles) const {
        for (const TileShows& t : tiles)
            EXPECT_EQ(pictureName(picture(t.tile)), pictureName(t.picture)) << elementRow(t.tile).name;
    }

    // Throws the points with their buttons until they lie as asked.
    void setPoints(bool pos1ab, bool pos1cd) {
        if (pul.pos1ab != pos1ab) click(ElementId::z1ab);
        if (pul.pos1cd != pos1cd) click(ElementId::z1cd);
        ASSERT_EQ(pul.pos1ab, pos1ab);
        ASSERT_EQ(pul.pos1cd, pos1cd);
    }
};

class DeskTest : public ::testing::Test, public TestDesk {};

}  // namespace zormia
