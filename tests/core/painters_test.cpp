// The section painters: which picture each tile of a section shows, in which
// order the tiles are shown, and the occupancy flag each painter records.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desk/pul.h"

namespace zormia {
namespace {

struct Desk {
    TimerService timers;
    Pul pul{timers, nullptr};
    std::vector<ElementId> changes;

    Desk() {
        pul.model().setListener([this](ElementId id) { changes.push_back(id); });
    }
    Picture picture(ElementId id) const { return pul.model().state(id).picture; }
};

struct Tile {
    ElementId id;
    const char* stem;  // the key without its colour letter
};

struct PainterCase {
    const char* name;
    void (Pul::*paint)(char);
    bool Pul::*flag;
    std::vector<Tile> tiles;  // in painting order
};

// The plain sections: shape 1 everywhere but the diagonal tile of ITA.
const std::vector<PainterCase>& plainPainters() {
    static const std::vector<PainterCase> cases = {
        {"ITA", &Pul::PaintITA, &Pul::occITA, {{ElementId::im2, "aw1"}, {ElementId::im3, "aw7"}}},
        {"ITB", &Pul::PaintITB, &Pul::occITB, {{ElementId::im5, "aw1"}}},
        {"ITC", &Pul::PaintITC, &Pul::occITC, {{ElementId::im16, "aw1"}, {ElementId::im17, "aw1"}}},
        {"ITD",
         &Pul::PaintITD,
         &Pul::occITD,
         {{ElementId::im19, "aw1"},
          {ElementId::im20, "aw1"},
          {ElementId::im21, "aw1"},
          {ElementId::im22, "aw1"}}},
        {"ITG", &Pul::PaintITG, &Pul::occITG, {{ElementId::im23, "aw1"}, {ElementId::im24, "aw1"}}},
        {"ITH",
         &Pul::PaintITH,
         &Pul::occITH,
         {{ElementId::im8, "aw1"},
          {ElementId::im9, "aw1"},
          {ElementId::im10, "aw1"},
          {ElementId::im11, "aw1"},
          {ElementId::im12, "aw1"},
          {ElementId::im13, "aw1"}}},
        {"IT1", &Pul::PaintIT1, &Pul::occIT1, {{ElementId::im4, "aw1"}}},
        {"IT2", &Pul::PaintIT2, &Pul::occIT2, {{ElementId::im15, "aw1"}}},
        {"IT3", &Pul::PaintIT3, &Pul::occIT3, {{ElementId::im1, "aw1"}}},
    };
    return cases;
}

// Paints with `letter` on a fresh desk and checks the tiles, their order and the
// flag. The flag starts at the opposite of its expected value, so a painter that
// leaves it alone is caught.
void expectPainted(const PainterCase& c, char letter) {
    SCOPED_TRACE(std::string(c.name) + " '" + letter + "'");
    Desk desk;
    const bool occupied = letter == 'c';
    desk.pul.*c.flag = !occupied;
    desk.changes.clear();
    (desk.pul.*c.paint)(letter);

    std::vector<ElementId> order;
    for (const Tile& t : c.tiles) {
        order.push_back(t.id);
        const std::string key = std::string(t.stem) + letter;
        EXPECT_EQ(desk.picture(t.id), pictureForKey(key)) << key;
        EXPECT_FALSE(desk.pul.model().state(t.id).startup);
    }
    EXPECT_EQ(desk.changes, order);
    EXPECT_EQ(desk.pul.*c.flag, occupied);
}

TEST(Painters, ShowEveryTileOfTheSectionInOrderAndRecordOnlyLowerCaseCAsOccupied) {
    for (const PainterCase& c : plainPainters())
        for (char letter : {'s', 'z', 'c', 'C', 'Z'}) expectPainted(c, letter);
}

TEST(Painters, UpperCaseLettersLookLikeLowerCase) {
    // "C" shows the red picture but records the section free; "Z" is plain yellow.
    Desk desk;
    desk.pul.PaintITA('C');
    EXPECT_EQ(desk.picture(ElementId::im2), Picture::AW1C);
    EXPECT_EQ(desk.picture(ElementId::im3), Picture::AW7C);
    EXPECT_FALSE(desk.pul.occITA);
    desk.pul.PaintITA('c');
    EXPECT_TRUE(desk.pul.occITA);
    desk.pul.PaintITA('s');
    EXPECT_FALSE(desk.pul.occITA);
    EXPECT_EQ(desk.picture(ElementId::im2), Picture::AW1S);
    desk.pul.PaintIT1('Z');
    EXPECT_EQ(desk.picture(ElementId::im4), Picture::AW1Z);
}

TEST(Painters, PointSectionsShowThePositionOfThePointsWhenPainted) {
    struct Row {
        bool pos1ab, pos1cd;
        char letter;
        Picture im6, im7, im18;
    };
    const Row rows[] = {
        {true, true, 'b', Picture::AW4PB, Picture::AW3PB, Picture::AW4PB},
        {false, true, 'b', Picture::AW4PB, Picture::AW3MB, Picture::AW4MB},
        {true, false, 'z', Picture::AW4MZ, Picture::AW3PZ, Picture::AW4PZ},
        {false, false, 'c', Picture::AW4MC, Picture::AW3MC, Picture::AW4MC},
        {true, false, 'C', Picture::AW4MC, Picture::AW3PC, Picture::AW4PC},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string("pos1ab ") + (r.pos1ab ? "+" : "-") + " pos1cd " +
                     (r.pos1cd ? "+" : "-") + " '" + r.letter + "'");
        Desk desk;
        desk.pul.pos1ab = r.pos1ab;
        desk.pul.pos1cd = r.pos1cd;
        desk.pul.occIZ1 = desk.pul.occIZ2 = r.letter != 'c';
        desk.changes.clear();
        desk.pul.PaintIZ1(r.letter);
        desk.pul.PaintIZ2(r.letter);
        EXPECT_EQ(desk.changes,
                  (std::vector<ElementId>{ElementId::im6, ElementId::im7, ElementId::im18}));
        EXPECT_EQ(desk.picture(ElementId::im6), r.im6);
        EXPECT_EQ(desk.picture(ElementId::im7), r.im7);
        EXPECT_EQ(desk.picture(ElementId::im18), r.im18);
        EXPECT_EQ(desk.pul.occIZ1, r.letter == 'c');
        EXPECT_EQ(desk.pul.occIZ2, r.letter == 'c');
    }
}

TEST(Painters, ThrowingThePointsLaterDoesNotRepaint) {
    Desk desk;
    desk.pul.PaintIZ2('z');
    desk.pul.pos1ab = false;
    EXPECT_EQ(desk.picture(ElementId::im18), Picture::AW4PZ);
    desk.pul.PaintIZ2('z');
    EXPECT_EQ(desk.picture(ElementId::im18), Picture::AW4MZ);
}

TEST(Painters, RepaintingLeavesTheStartupShade) {
    Desk desk;
    EXPECT_TRUE(desk.pul.im5.startup());
    EXPECT_EQ(desk.pul.im5.picture(), Picture::AW1S);
    desk.pul.PaintITB('s');
    EXPECT_FALSE(desk.pul.im5.startup());
    EXPECT_EQ(desk.pul.im5.picture(), Picture::AW1S);
}

TEST(ShowTile, ShowsThePictureOfAKeyInAnyCaseAndTouchesNoFlag) {
    Desk desk;
    desk.changes.clear();
    desk.pul.ShowTile(desk.pul.im14, "aw1S");
    EXPECT_EQ(desk.picture(ElementId::im14), Picture::AW1S);
    EXPECT_FALSE(desk.pul.im14.startup());
    desk.pul.ShowTile(desk.pul.im23, "aw1c");
    EXPECT_EQ(desk.picture(ElementId::im23), Picture::AW1C);
    EXPECT_FALSE(desk.pul.occITG);
    EXPECT_EQ(desk.changes, (std::vector<ElementId>{ElementId::im14, ElementId::im23}));
}

TEST(ShowTile, AKeyOutsideTheSetChangesNothing) {
    Desk desk;
    desk.changes.clear();
    for (const char* key : {"aw1b", "aw4ps", "aw1", ""}) desk.pul.ShowTile(desk.pul.im6, key);
    EXPECT_EQ(desk.picture(ElementId::im6), Picture::AW4PB);
    EXPECT_TRUE(desk.pul.im6.startup());
    EXPECT_TRUE(desk.changes.empty());
}

// The painters of ITD and ITG run the arrival supervision after every repaint,
// even when the colour does not change: the KoG lamp put out by hand between two
// identical repaints comes on again.
TEST(Painters, ItdAndItgRunTheArrivalSupervisionOnEveryRepaint) {
    struct Row {
        const char* name;
        void (Pul::*paint)(char);
        char letter;
        bool occITG, occITD;  // the other section's flag, set before painting
    };
    const Row rows[] = {
        {"ITD", &Pul::PaintITD, 'c', false, false},
        {"ITG", &Pul::PaintITG, 's', false, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Desk desk;
        desk.pul.in.poz = true;
        desk.pul.arrivalState = 2;
        desk.pul.occITG = r.occITG;
        desk.pul.occITD = r.occITD;
        (desk.pul.*r.paint)(r.letter);
        EXPECT_TRUE(desk.pul.ALed35.on());
        desk.pul.ALed35.setOn(false);
        (desk.pul.*r.paint)(r.letter);
        EXPECT_TRUE(desk.pul.ALed35.on()) << "the second repaint ran no supervision step";
        EXPECT_EQ(desk.pul.arrivalState, 2);
    }
}

// The supervision sees the flag the painter has just recorded.
TEST(Painters, SupervisionRunsAfterTheFlagIsRecorded) {
    Desk desk;
    desk.pul.in.poz = true;
    desk.pul.SetAspectG(0, 1, 0, 1, 0, 0, 1);  // G at proceed
    desk.pul.PaintITG('c');
    EXPECT_EQ(desk.pul.arrivalState, 1);
    desk.pul.PaintITD('c');
    EXPECT_EQ(desk.pul.arrivalState, 2);
    desk.pul.PaintITG('C');  // red, but recorded free: the train has left ITG
    EXPECT_TRUE(desk.pul.ALed35.on());
    desk.pul.PaintITD('z');
    EXPECT_EQ(desk.pul.arrivalState, 6);
}

}  // namespace
}  // namespace zormia
