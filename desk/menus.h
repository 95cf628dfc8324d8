#pragma once
// The desk's menus: the main menu bar and the popup menu of the Wbl button.

#include <string_view>

namespace zormia {

struct MenuItemSpec {
    std::string_view name;
    std::string_view caption;
    std::string_view parent;  // the submenu it sits in; empty for an entry of the bar
};

// Left to right on the bar, each submenu followed by its items. No entry has a
// keyboard shortcut or an accelerator letter.
inline constexpr MenuItemSpec kMainMenu[] = {
    {"OPROGRAMIE1", "O PROGRAMIE", ""},       {"Opis1", "Opis", "OPROGRAMIE1"},
    {"INFO1", "Informacja", "OPROGRAMIE1"},   {"Zdjcieplomb1", "Zdjęcie plomb", ""},
    {"zwa1", "zwa", "Zdjcieplomb1"},          {"zwb1", "zwb", "Zdjcieplomb1"},
    {"zwc1", "zwc", "Zdjcieplomb1"},          {"zwd1", "zwd", "Zdjcieplomb1"},
    {"zwg1", "zwg", "Zdjcieplomb1"},          {"zwh1", "zwh", "Zdjcieplomb1"},
    {"Zaoenieplomb1", "Założenie plomb", ""}, {"zwa2", "zwa", "Zaoenieplomb1"},
    {"zwb2", "zwb", "Zaoenieplomb1"},         {"zwc2", "zwc", "Zaoenieplomb1"},
    {"zwd2", "zwd", "Zaoenieplomb1"},         {"zwg2", "zwg", "Zaoenieplomb1"},
    {"zwh2", "zwh", "Zaoenieplomb1"},         {"Symulator1", "Symulator", ""},
};

// The popup menu of `pwbla`, opened by a right click on it.
inline constexpr std::string_view kPopupMenuName = "PopupMenu1";
inline constexpr MenuItemSpec kPopupMenu[] = {
    {"Odwoanie1", "Odwołanie", "PopupMenu1"},
};

}  // namespace zormia
