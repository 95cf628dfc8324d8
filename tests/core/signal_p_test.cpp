// Signal P at the end of track 1: the P button, the departure of a train standing
// on track 1 on Timer4 (2 s a tick), and G's and H's field lamps announcing P.

#include <functional>

#include "block_fixture.h"

namespace zormia {
namespace {

class BlockSignalP : public BlockFixture {};

TEST_F(BlockSignalP, TrainOnTrack1LeavesPastP) {
    desk.PaintIT1('c');
    click(ElementId::SemP);
    EXPECT_TRUE(desk.ALed29.on());
    EXPECT_TRUE(desk.Timer4.enabled());

    tick(2);
    EXPECT_TRUE(desk.ALed29.on());
    tick(2);  // 4 s: P drops behind the train
    EXPECT_FALSE(desk.ALed29.on());
    EXPECT_FALSE(desk.occIT1);
    EXPECT_EQ(desk.im4.picture(), Picture::AW1C);  // still drawn red
    tick(4);
    EXPECT_EQ(desk.im4.picture(), Picture::AW1C);
    tick(2);  // 10 s: track 1 in its rest look
    EXPECT_EQ(desk.im4.picture(), Picture::AW1Z);

    tick(2);
    EXPECT_TRUE(desk.Timer4.enabled());
    tick(2);  // the seventh tick stops the timer
    EXPECT_FALSE(desk.Timer4.enabled());
    EXPECT_EQ(desk.step4, 7);
    tick(10);
    EXPECT_EQ(desk.step4, 7);
}

TEST_F(BlockSignalP, WithTrack1FreeThePressOnlyTogglesTheLamp) {
    click(ElementId::SemP);
    EXPECT_TRUE(desk.ALed29.on());
    EXPECT_FALSE(desk.Timer4.enabled());
    click(ElementId::SemP);
    EXPECT_FALSE(desk.ALed29.on());
    EXPECT_FALSE(desk.Timer4.enabled());
}

TEST_F(BlockSignalP, DarkeningPressDoesNotStopTheDeparture) {
    desk.PaintIT1('c');
    click(ElementId::SemP);
    tick(2);
    click(ElementId::SemP);
    EXPECT_FALSE(desk.ALed29.on());
    EXPECT_TRUE(desk.Timer4.enabled());
    tick(2);
    EXPECT_FALSE(desk.occIT1);
    tick(6);
    EXPECT_EQ(desk.im4.picture(), Picture::AW1Z);
}

TEST_F(BlockSignalP, LightingAgainRestartsTheDeparture) {
    desk.PaintIT1('c');
    click(ElementId::SemP);
    tick(2);
    click(ElementId::SemP);
    click(ElementId::SemP);  // lit again, track 1 still occupied
    EXPECT_EQ(desk.step4, 0);
    tick(2);
    EXPECT_TRUE(desk.ALed29.on());
    tick(2);
    EXPECT_FALSE(desk.ALed29.on());
}

// A route into track 1 at proceed announces P in the field: green while P shows
// proceed, upper yellow while it shows stop. Desk lamps do not change.
TEST(BlockSignalPAnnounced, FieldLampsOfGAndHFollowP) {
    using enum ElementId;
    struct Case {
        const char* name;
        std::function<void(BlockDesk&)> route;
        LampRef Pul::*green;
        LampRef Pul::*upper;
        LampRef Pul::*deskGreen;
        bool follows;
    };
    const auto pgb = [](BlockDesk& t) {
        t.click(z1ab);
        t.click(psg);
    };
    const auto phb = [](BlockDesk& t) { t.click(psh); };
    const Case cases[] = {
        {"pgb, G at proceed", pgb, &Pul::ALed54, &Pul::ALed45, &Pul::ALed2, true},
        {"pgb, G put to stop",
         [&](BlockDesk& t) {
             pgb(t);
             t.click(psg);
         },
         &Pul::ALed54, &Pul::ALed45, &Pul::ALed2, false},
        {"phb, H at proceed", phb, &Pul::ALed53, &Pul::ALed40, &Pul::ALed17, true},
        {"phb, H put to stop",
         [&](BlockDesk& t) {
             phb(t);
             t.click(psh);
         },
         &Pul::ALed53, &Pul::ALed40, &Pul::ALed17, false},
        {"pga, G at proceed",
         [](BlockDesk& t) {
             t.click(z1ab);
             t.click(z1cd);
             t.click(psg);
         },
         &Pul::ALed54, &Pul::ALed45, &Pul::ALed2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BlockDesk t;
        c.route(t);
        LampRef& green = t.desk.*c.green;
        LampRef& upper = t.desk.*c.upper;
        const bool greenBefore = green.on(), upperBefore = upper.on();
        const bool deskGreen = (t.desk.*c.deskGreen).on();
        const bool lowerG = t.desk.ALed47.on();

        t.click(SemP);  // P to proceed
        EXPECT_EQ(green.on(), c.follows ? true : greenBefore);
        EXPECT_EQ(upper.on(), c.follows ? false : upperBefore);
        t.click(SemP);  // P to stop
        EXPECT_EQ(green.on(), c.follows ? false : greenBefore);
        EXPECT_EQ(upper.on(), c.follows ? true : upperBefore);
        EXPECT_EQ((t.desk.*c.deskGreen).on(), deskGreen);
        EXPECT_EQ(t.desk.ALed47.on(), lowerG);
    }
}

TEST_F(BlockSignalP, ReceivedTrainLeavesWhenPIsLit) {
    click(ElementId::z1ab);
    click(ElementId::psg);
    click(ElementId::PrzebiegiG);
    tick(20);  // P at stop: the train stays on track 1
    ASSERT_FALSE(desk.pgb);
    ASSERT_TRUE(desk.occIT1);

    click(ElementId::SemP);
    tick(4);
    EXPECT_FALSE(desk.ALed29.on());
    EXPECT_FALSE(desk.occIT1);
    tick(6);
    EXPECT_EQ(desk.im4.picture(), Picture::AW1Z);
}

}  // namespace
}  // namespace zormia
