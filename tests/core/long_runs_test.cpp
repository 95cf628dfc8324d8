// What decades of desk time do to the desk: a step program that never ends (a
// route released while its timer runs) counts on past the largest 32-bit number,
// as the desk's registers do, instead of overflowing.

#include <cstdint>

#include "tests/core/desk_fixture.h"

namespace zormia {
namespace {

class LongRunTest : public DeskTest {};

TEST_F(LongRunTest, ReleasedRouteLeavesItsTimerCountingPastTheLargestNumber) {
    // Route A to D on Timer5, started, then released with zwa: the route is gone
    // and Timer5 goes on ticking with nothing to run.
    setPoints(false, false);
    click(ElementId::psa);
    ASSERT_TRUE(pul.pag);
    click(ElementId::PrzebiegiA);
    tick(3);
    menu("zwa1");
    click(ElementId::zwa);
    ASSERT_FALSE(pul.pag);
    ASSERT_TRUE(pul.Timer5.enabled());
    const std::int32_t before = pul.step5;
    tick(10);
    EXPECT_EQ(pul.step5, before + 10);

    // Some 68 years later the count reaches the largest number and goes on from
    // the smallest.
    pul.step5 = INT32_MAX - 1;
    tick(3);
    EXPECT_EQ(pul.step5, INT32_MIN + 1);
    EXPECT_TRUE(pul.Timer5.enabled());
}

}  // namespace
}  // namespace zormia
