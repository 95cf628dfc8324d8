#include "tools/random_operator/operation.h"

#include <charconv>
#include <iterator>
#include <string_view>

#include "desk/menus.h"

namespace zormia::random_operator {
namespace {

bool isButton(ElementKind kind) {
    switch (kind) {
        case ElementKind::Button:
        case ElementKind::PointButton:
        case ElementKind::ArrowButton:
        case ElementKind::ToggleButton:
        case ElementKind::PushButton:
            return true;
        default:
            return false;
    }
}

// The items of the main menu that run a command (the submenus only open).
std::vector<std::string> commandItems() {
    std::vector<std::string> items;
    for (const MenuItemSpec& item : kMainMenu) {
        if (!item.parent.empty() || item.name == "Symulator1") items.emplace_back(item.name);
    }
    return items;
}

// Buttons that work together: a route with its points, release button, signal
// buttons and occupancy buttons; each end of the line block with the routes
// that use it. Random clicks alone seldom get a sequence such as request,
// permission, start block, arrival and end block through in order.
constexpr std::string_view kGroups[][11] = {
    {"pwbla", "ppoz2", "pdpod", "pdkox", "pkoy", "psd", "zwd", "jszd", "pszd", "sitd", "sitg"},
    {"pwbl2", "ppoz1", "pdpo2", "pdkog", "pkog", "psg", "PrzebiegiG", "zwg", "pszg", "sitg",
     "sitd"},
    {"psa", "am", "PrzebiegiA", "zwa", "psza", "z1ab", "z1cd", "sita", "sit3", "psd", "sitd"},
    {"psb", "bm", "PrzebiegiB", "zwb", "pszb", "z1ab", "z1cd", "sitb", "sit2", "psd", "siz1"},
    {"psc", "cm", "PrzebiegC", "zwc", "pszc", "psd", "sitc", "sit1", "pwbla", "ppoz2", "siz2"},
    {"psh", "PrzebiegiH", "zwh", "pszh", "SemP", "z1ab", "z1cd", "sith", "sit1", "sit3", "siz1"},
};

Operation make(Operation::Kind kind, std::string name = {}) {
    Operation op;
    op.kind = kind;
    op.name = std::move(name);
    return op;
}

}  // namespace

const char* windowName(Window w) {
    switch (w) {
        case Window::START:
            return "START";
        case Window::PUL:
            return "PUL";
        case Window::AboutBox:
            return "AboutBox";
        case Window::op:
            return "op";
    }
    return "";
}

std::string Operation::line() const {
    switch (kind) {
        case Kind::Click:
            if (x && y)
                return "click " + name + " " + std::to_string(*x) + " " + std::to_string(*y);
            return "click " + name;
        case Kind::RightClick:
            return "rclick " + name;
        case Kind::Menu:
            return "menu " + name;
        case Kind::Wait:
            return "wait " + std::to_string(ms);
        case Kind::Activate:
            return "activate " + name;
        case Kind::Close:
            return "close " + name;
        case Kind::Leave:
            return "leave";
        case Kind::Return:
            return "return";
    }
    return {};
}

bool Operation::endsProgram() const {
    return (kind == Kind::Click && name == "START.ExplorerButton1") ||
           (kind == Kind::Close && name == "START");
}

OperationSource::OperationSource(std::uint64_t seed, bool points) : rng_(seed), points_(points) {
    for (const ElementSpec& row : catalogue().subspan(1)) {
        const ElementId id = *elementByName(row.name);
        (isButton(row.kind) ? buttons_ : others_).push_back(id);
    }
}

Operation OperationSource::clickElement(ElementId id) {
    Operation op = make(Operation::Kind::Click, std::string(elementRow(id).name));
    const ElementSpec& row = elementRow(id);
    // A label that sizes itself has no size in the catalogue: its centre only.
    if (points_ && row.width > 0 && row.height > 0 && rng_.perMille(100)) {
        op.x = static_cast<int>(rng_.below(static_cast<std::uint64_t>(row.width)));
        op.y = static_cast<int>(rng_.below(static_cast<std::uint64_t>(row.height)));
    }
    return op;
}

Operation OperationSource::next(const ProgramView& view) {
    using Kind = Operation::Kind;
    static const std::vector<std::string> menuItems = commandItems();

    // The popup menu's one item, while the menu is open.
    if (view.popupOpen() && rng_.perMille(300)) return make(Kind::Menu, "Odwoanie1");

    // A desk that is not shown is mostly opened again from the start window.
    if (!view.shown(Window::PUL) && rng_.perMille(150)) return make(Kind::Click, "START.st");

    if (focusLeft_ > 0) {
        --focusLeft_;
    } else if (rng_.perMille(20)) {
        focus_.clear();
        for (std::string_view name : kGroups[rng_.below(std::size(kGroups))]) {
            focus_.push_back(*elementByName(name));
        }
        focusLeft_ = static_cast<std::uint64_t>(rng_.between(30, 150));
    }

    std::uint64_t roll = rng_.below(1000);
    const auto take = [&roll](std::uint64_t share) {
        if (roll < share) return true;
        roll -= share;
        return false;
    };
    if (take(430)) {
        if (focusLeft_ > 0 && rng_.perMille(850)) {
            return clickElement(focus_[rng_.below(focus_.size())]);
        }
        return clickElement(buttons_[rng_.below(buttons_.size())]);
    }
    if (take(30)) return clickElement(others_[rng_.below(others_.size())]);
    if (take(25)) return make(Kind::Click, "START.st");
    if (take(10)) return make(Kind::Click, "AboutBox.OKButton");
    if (take(10)) return make(Kind::Click, "op.Button1");
    if (take(70)) {
        // The menu bar is on the desk: only a shown desk can be reached.
        if (!view.shown(Window::PUL)) return make(Kind::Click, "START.st");
        return make(Kind::Menu, menuItems[rng_.below(menuItems.size())]);
    }
    if (take(20)) {
        if (rng_.perMille(800)) return make(Kind::RightClick, "pwbla");
        const ElementId id = rng_.perMille(500) ? buttons_[rng_.below(buttons_.size())]
                                                : others_[rng_.below(others_.size())];
        return make(Kind::RightClick, std::string(elementRow(id).name));
    }
    if (take(40)) {
        std::vector<Window> shown;
        for (Window w : kWindows) {
            if (view.shown(w)) shown.push_back(w);
        }
        if (shown.empty()) return make(Kind::Wait);
        return make(Kind::Activate, windowName(shown[rng_.below(shown.size())]));
    }
    if (take(20)) {
        // Closing the start window ends the program: never here.
        static constexpr Window closable[] = {Window::PUL, Window::AboutBox, Window::op};
        return make(Kind::Close, windowName(closable[rng_.below(std::size(closable))]));
    }
    if (take(20)) {
        away_ = !away_;
        return make(away_ ? Kind::Leave : Kind::Return);
    }
    // Waits: mostly short, some of a few seconds, and some long enough for a route
    // program (up to about 30 s) or a substitute signal's time-out (15 s) to end.
    Operation wait = make(Kind::Wait);
    const std::uint64_t length = rng_.below(100);
    if (length < 55) {
        wait.ms = rng_.between(0, 999);
    } else if (length < 85) {
        wait.ms = rng_.between(1000, 5999);
    } else {
        wait.ms = rng_.between(6000, 40000);
    }
    return wait;
}

std::uint64_t OperationSource::runLength() {
    return static_cast<std::uint64_t>(rng_.perMille(900) ? rng_.between(50, 2000)
                                                         : rng_.between(2000, 20000));
}

Operation OperationSource::ending() {
    if (rng_.perMille(500)) return make(Operation::Kind::Click, "START.ExplorerButton1");
    return make(Operation::Kind::Close, "START");
}

bool parseNumber(const char* text, std::uint64_t& out) {
    const std::string_view s(text);
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && ptr == s.data() + s.size();
}

bool takeRunOption(int argc, char** argv, int& i, RunOptions& o) {
    const std::string_view arg = argv[i];
    if (arg == "--end") {
        o.end = true;
        return true;
    }
    if (i + 1 >= argc) return false;
    if (arg == "--seed" || arg == "--ops") {
        std::uint64_t n = 0;
        if (!parseNumber(argv[i + 1], n)) return false;
        (arg == "--seed" ? o.seed : o.ops) = n;
    } else if (arg == "--script") {
        o.script = argv[i + 1];
    } else {
        return false;
    }
    ++i;
    return true;
}

}  // namespace zormia::random_operator
