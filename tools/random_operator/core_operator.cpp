// random_operator: the seeded random trainee on the desk's core alone, with no
// toolkit: a Pul on its timers, a counter store in memory that now and then
// refuses a save or comes back damaged, and the program's four windows as far as
// the desk sees them (which one is shown, which one is active). The operations
// fall into runs of the program: each run but the last ends the program, and the
// next starts it afresh on the same store. After every operation it checks what
// must always hold (core_checks.h).
//
//   random_operator [--seed N] [--ops N] [--end] [--store-faults PER_MILLE]
//                   [--script FILE]
//
// --end makes the very last operation end the program too; --script writes the
// operations played as a zormia-script file, the runs separated by "#--- restart"
// lines. The same seed plays the same operations, byte for byte.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "desk/pul.h"
#include "desk/timer_service.h"
#include "tools/random_operator/core_checks.h"
#include "tools/random_operator/operation.h"

namespace zormia::random_operator {
namespace {

// The counter store in memory. With `faultPerMille` > 0 it now and then refuses a
// save, or is found damaged at a load as a store file edited by hand would be: a
// value or the whole key gone, a value of another type, a value far out of range.
class MemoryStore : public CounterStore {
  public:
    MemoryStore(std::uint64_t seed, unsigned faultPerMille)
        : rng_(seed ^ 0x5EEDF00D5EEDF00Dull), faultPerMille_(faultPerMille) {}

    LoadResult load(const std::array<std::int32_t*, 10>& counters) override {
        if (faultPerMille_ > 0 && rng_.perMille(faultPerMille_)) damage();
        LoadResult result;
        if (!key_) return result;
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            const std::string name(kCounterNames[i]);
            switch (slots_[i].type) {
                case Type::Missing:
                    result.error = "Failed to get data for '" + name + "'";
                    return result;
                case Type::Other:
                    result.error = "Invalid data type for '" + name + "'";
                    return result;
                case Type::Dword:
                    *counters[i] = slots_[i].value;
                    break;
            }
        }
        result.loaded = true;
        return result;
    }

    std::string save(const std::array<std::int32_t, 10>& counters) override {
        if (faultPerMille_ > 0 && rng_.perMille(faultPerMille_)) {
            ++faults_;
            return "Failed to set data for 'sza'";  // the whole file or nothing
        }
        key_ = true;
        for (std::size_t i = 0; i < slots_.size(); ++i) slots_[i] = {Type::Dword, counters[i]};
        return {};
    }

    std::uint64_t faults() const { return faults_; }

  private:
    enum class Type { Missing, Dword, Other };
    struct Slot {
        Type type = Type::Missing;
        std::int32_t value = 0;
    };

    void damage() {
        ++faults_;
        Slot& slot = slots_[rng_.below(slots_.size())];
        static constexpr std::int32_t kExtremes[] = {INT32_MAX, INT32_MAX - 1, INT32_MIN, -1,
                                                     0,         9999,          10000};
        switch (rng_.below(5)) {
            case 0:
                key_ = false;
                break;
            case 1:
                slot.type = Type::Missing;
                break;
            case 2:
                slot.type = Type::Other;
                break;
            case 3:
                slot = {Type::Dword, kExtremes[rng_.below(std::size(kExtremes))]};
                break;
            default:
                slot = {Type::Dword, static_cast<std::int32_t>(rng_.next())};
                break;
        }
    }

    SplitMix64 rng_;
    unsigned faultPerMille_;
    bool key_ = false;
    std::array<Slot, 10> slots_{};
    std::uint64_t faults_ = 0;
};

// The program around the desk, as the desk sees it: which windows are shown,
// which one is active, the popup menu, and the activation and deactivation of the
// desk as the active window moves (the same rules as the program's WindowFocus).
class CoreProgram : public ProgramView {
  public:
    explicit CoreProgram(RecordingStore& store) : store_(store) {
        desk_ = std::make_unique<Pul>(timers_, &store_);
        desk_->showDescription = [this] { showWindow(Window::op); };
        desk_->showAbout = [this] { showWindow(Window::AboutBox); };
        showWindow(Window::START);
    }

    bool shown(Window w) const override { return visible_[index(w)]; }
    bool popupOpen() const override { return popup_; }

    Pul& desk() { return *desk_; }
    bool terminated() const { return terminated_; }
    std::uint64_t delivered() const { return delivered_; }

    void run(const Operation& op) {
        using Kind = Operation::Kind;
        switch (op.kind) {
            case Kind::Click:
                popup_ = false;
                click(op.name);
                break;
            case Kind::RightClick:
                popup_ = false;
                onWindow(Window::PUL, [&] {
                    const auto id = elementByName(op.name);
                    if (op.name == "pwbla" && reachable(*id) && desk_->pwbla.enabled()) {
                        popup_ = true;
                    }
                });
                break;
            case Kind::Menu:
                if (op.name == "Odwoanie1") {
                    popup_ = false;
                    desk_->choose(op.name);
                    break;
                }
                popup_ = false;
                onWindow(Window::PUL, [&] { desk_->choose(op.name); });
                break;
            case Kind::Wait:
                timers_.advanceTo(timers_.now() + op.ms);
                break;
            case Kind::Activate:
                popup_ = false;
                activate(windowByName(op.name));
                break;
            case Kind::Close:
                popup_ = false;
                if (op.name == "START") {
                    terminate();
                } else {
                    hideWindow(windowByName(op.name));
                }
                break;
            case Kind::Leave:
            case Kind::Return:
                break;  // the program's own active window stays where it is
        }
    }

  private:
    static int index(Window w) { return static_cast<int>(w); }
    static Window windowByName(const std::string& name) {
        for (Window w : kWindows) {
            if (name == windowName(w)) return w;
        }
        return Window::START;
    }

    // Shown on screen: the element and every element it lies in. A click on an
    // element that is not shown reaches nothing of the desk.
    bool reachable(ElementId id) const {
        for (int i = static_cast<int>(id); i != 0; i = catalogue()[i].parent) {
            if (!desk_->model().state(static_cast<ElementId>(i)).visible) return false;
        }
        return true;
    }

    void click(const std::string& name) {
        if (name == "START.st") {
            onWindow(Window::START, [&] { showWindow(Window::PUL); });
        } else if (name == "START.ExplorerButton1") {
            onWindow(Window::START, [&] { terminate(); });
        } else if (name == "AboutBox.OKButton") {
            onWindow(Window::AboutBox, [&] { hideWindow(Window::AboutBox); });
        } else if (name == "op.Button1") {
            onWindow(Window::op, [&] { hideWindow(Window::op); });
        } else {
            onWindow(Window::PUL, [&] {
                const ElementId id = *elementByName(name);
                if (!reachable(id)) return;
                ++delivered_;
                desk_->click(id);
            });
        }
    }

    // A click or a menu command on a window: nothing when the window is not shown;
    // on a window that is not the active one it makes it the active one first.
    template <typename Action>
    void onWindow(Window w, Action action) {
        if (!visible_[index(w)] || terminated_) return;
        if (active_ != w) {
            activate(w);
            if (terminated_ || !visible_[index(w)]) return;
        }
        action();
    }

    void activate(Window w) {
        if (terminated_ || !visible_[index(w)] || (hasActive_ && active_ == w)) return;
        const bool hadActive = hasActive_;
        const Window previous = active_;
        active_ = w;
        hasActive_ = true;
        std::erase(history_, w);
        history_.push_back(w);
        if (hadActive && previous == Window::PUL) desk_->FormDeactivate();
        if (active_ == w && w == Window::PUL) desk_->FormActivate();
    }

    void showWindow(Window w) {
        visible_[index(w)] = true;
        activate(w);
    }

    void hideWindow(Window w) {
        if (!visible_[index(w)]) return;
        visible_[index(w)] = false;
        if (terminated_ || !hasActive_ || active_ != w) return;
        for (auto it = history_.rbegin(); it != history_.rend(); ++it) {
            if (*it != w && visible_[index(*it)]) {
                activate(*it);
                return;
            }
        }
    }

    void terminate() { terminated_ = true; }

    TimerService timers_;
    RecordingStore& store_;
    std::unique_ptr<Pul> desk_;
    std::array<bool, 4> visible_{};
    Window active_ = Window::START;
    bool hasActive_ = false;
    std::vector<Window> history_;
    bool popup_ = false;
    bool terminated_ = false;
    std::uint64_t delivered_ = 0;
};

struct Options : RunOptions {
    Options() { ops = 1000000; }
    unsigned storeFaults = 20;
};

std::optional<Options> parseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::uint64_t n = 0;
        if (takeRunOption(argc, argv, i, o)) continue;
        if (i + 1 < argc && std::string_view(argv[i]) == "--store-faults" &&
            parseNumber(argv[i + 1], n) && n <= 1000) {
            o.storeFaults = static_cast<unsigned>(n);
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return o;
}

int run(const Options& o) {
    MemoryStore* memory = nullptr;
    RecordingStore store([&] {
        auto m = std::make_unique<MemoryStore>(o.seed, o.storeFaults);
        memory = m.get();
        return m;
    }());
    OperationSource source(o.seed, false);
    std::ofstream script;
    if (!o.script.empty()) {
        script.open(o.script);
        script << "# random_operator --seed " << o.seed << " --ops " << o.ops
               << (o.end ? " --end" : "") << "\n";
    }
    std::deque<std::string> recent;  // the last operations, for a report
    std::array<std::int64_t, 7> maxStep{};
    std::uint64_t played = 0, runs = 0, delivered = 0, desktime = 0, digest = 0;

    while (played < o.ops) {
        CoreProgram program(store);
        CoreChecker checker(program.desk(), store);
        ++runs;
        if (runs > 1 && script.is_open()) script << "#--- restart\n";
        const std::uint64_t length = std::min(source.runLength(), o.ops - played);
        const bool last = played + length == o.ops;
        for (std::uint64_t n = 0; n < length && !program.terminated(); ++n) {
            const bool ending = n + 1 == length && (!last || o.end);
            const Operation op = ending ? source.ending() : source.next(program);
            const std::string line = op.line();
            if (script.is_open()) script << line << '\n';
            recent.push_back(line);
            if (recent.size() > 12) recent.pop_front();

            checker.before();
            program.run(op);
            ++played;
            const std::string fault = checker.after(op.kind == Operation::Kind::Click);
            if (!fault.empty()) {
                std::cerr << "random_operator: seed " << o.seed << ", operation " << played
                          << " (run " << runs << ", " << line << "): " << fault
                          << "\nthe last operations:\n";
                for (const std::string& r : recent) std::cerr << "    " << r << '\n';
                return 1;
            }
            const Pul& d = program.desk();
            const std::int32_t steps[] = {d.step1, d.step2, d.step3, d.step4,
                                          d.step5, d.step6, d.step7};
            for (std::size_t i = 0; i < maxStep.size(); ++i) {
                maxStep[i] = std::max<std::int64_t>(maxStep[i], steps[i]);
            }
        }
        delivered += program.delivered();
        desktime += static_cast<std::uint64_t>(program.desk().timerService().now());
        digest = digest * 0x100000001B3ull ^ checker.digest();
    }

    std::printf(
        "random_operator: seed %llu: %llu operations in %llu runs, %llu s of desk time, "
        "%llu clicks delivered, %llu loads, %llu saves, %llu store faults, "
        "%llu store messages\n",
        static_cast<unsigned long long>(o.seed), static_cast<unsigned long long>(played),
        static_cast<unsigned long long>(runs), static_cast<unsigned long long>(desktime / 1000),
        static_cast<unsigned long long>(delivered), static_cast<unsigned long long>(store.loads()),
        static_cast<unsigned long long>(store.saves()),
        static_cast<unsigned long long>(memory->faults()),
        static_cast<unsigned long long>(store.errors()));
    std::printf("largest step counters:");
    for (std::size_t i = 0; i < maxStep.size(); ++i) {
        std::printf(" step%zu=%lld", i + 1, static_cast<long long>(maxStep[i]));
    }
    std::printf("\ndigest %016llx\n", static_cast<unsigned long long>(digest));
    return 0;
}

}  // namespace
}  // namespace zormia::random_operator

int main(int argc, char** argv) {
    const auto options = zormia::random_operator::parseOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: random_operator [--seed N] [--ops N] [--end] "
                     "[--store-faults PER_MILLE] [--script FILE]\n";
        return 2;
    }
    return zormia::random_operator::run(*options);
}
