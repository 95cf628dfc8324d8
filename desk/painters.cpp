// The section painters: each shows every tile of its track section in one colour
// and records whether the section is now shown occupied.
//
// Only the lower-case letter "c" records occupancy: some route programs paint a
// section with "C", which looks red but leaves the section recorded free.

#include <initializer_list>
#include <string>

#include "desk/pul.h"

namespace zormia {
namespace {

std::string tileKey(std::string_view stem, char letter) {
    std::string key(stem);
    key += letter;
    return key;
}

bool occupiedBy(char letter) {
    return letter == 'c';
}

// Shows the straight picture in the given colour on each tile, in order.
void paintStraight(Pul& pul, std::initializer_list<TileRef*> tiles, char letter) {
    const std::string key = tileKey("aw1", letter);
    for (TileRef* tile : tiles) pul.ShowTile(*tile, key);
}

}  // namespace

void Pul::ShowTile(TileRef& tile, std::string_view key) {
    // The desk only ever names pictures of the set; a key outside it shows nothing.
    if (const auto picture = pictureForKey(key)) tile.showPicture(*picture);
}

void Pul::PaintITA(char letter) {
    ShowTile(im2, tileKey("aw1", letter));
    ShowTile(im3, tileKey("aw7", letter));
    occITA = occupiedBy(letter);
}

void Pul::PaintITB(char letter) {
    paintStraight(*this, {&im5}, letter);
    occITB = occupiedBy(letter);
}

void Pul::PaintITC(char letter) {
    paintStraight(*this, {&im16, &im17}, letter);
    occITC = occupiedBy(letter);
}

void Pul::PaintITD(char letter) {
    paintStraight(*this, {&im19, &im20, &im21, &im22}, letter);
    occITD = occupiedBy(letter);
    UpdateArrivalState();
}

void Pul::PaintITG(char letter) {
    paintStraight(*this, {&im23, &im24}, letter);
    occITG = occupiedBy(letter);
    UpdateArrivalState();
}

void Pul::PaintITH(char letter) {
    paintStraight(*this, {&im8, &im9, &im10, &im11, &im12, &im13}, letter);
    occITH = occupiedBy(letter);
}

// The point tiles show the position the points lie in at the moment of painting.
void Pul::PaintIZ1(char letter) {
    ShowTile(im6, tileKey(pos1cd ? "aw4p" : "aw4m", letter));
    ShowTile(im7, tileKey(pos1ab ? "aw3p" : "aw3m", letter));
    occIZ1 = occupiedBy(letter);
}

void Pul::PaintIZ2(char letter) {
    ShowTile(im18, tileKey(pos1ab ? "aw4p" : "aw4m", letter));
    occIZ2 = occupiedBy(letter);
}

void Pul::PaintIT1(char letter) {
    paintStraight(*this, {&im4}, letter);
    occIT1 = occupiedBy(letter);
}

void Pul::PaintIT2(char letter) {
    paintStraight(*this, {&im15}, letter);
    occIT2 = occupiedBy(letter);
}

void Pul::PaintIT3(char letter) {
    paintStraight(*this, {&im1}, letter);
    occIT3 = occupiedBy(letter);
}

}  // namespace zormia
