#pragma once
// Timing marks for the benchmarks (bench/), off unless asked for.
//
// With the environment variable ZORMIA_BENCH_MARKS set to a non-empty value the
// program writes one line to standard error at each marked moment:
//
//     zormia-mark NAME NANOSECONDS      (CLOCK_MONOTONIC)
//
// The value is a comma-separated list: "on" only prints the marks, "exit=NAME"
// also ends the program right after mark NAME. Unset (the normal case) nothing is
// watched, installed or printed; the cost is one test of a cached flag at the
// few places that mark.
//
// Header only, so that the benchmarks' bare toolkit program marks its moments with
// the very same code as Zormia.

#include <time.h>

#include <QExposeEvent>
#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>

namespace zormia::benchmarks {

struct MarkSettings {
    bool on = false;
    std::string exitAfter;  // the mark after which the program ends; empty: none
};

inline const MarkSettings& markSettings() {
    static const MarkSettings settings = [] {
        MarkSettings s;
        const char* value = std::getenv("ZORMIA_BENCH_MARKS");
        if (value == nullptr || *value == '\0') return s;
        s.on = true;
        const std::string text(value);
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find(',', start);
            if (end == std::string::npos) end = text.size();
            const std::string word = text.substr(start, end - start);
            if (word.rfind("exit=", 0) == 0) s.exitAfter = word.substr(5);
            start = end + 1;
        }
        return s;
    }();
    return settings;
}

inline bool marksOn() {
    return markSettings().on;
}

inline std::int64_t monotonicNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec;
}

// Prints the mark (when marks are on) and ends the program if it was asked to
// end after this one.
inline void mark(const char* name) {
    const MarkSettings& s = markSettings();
    if (!s.on) return;
    std::fprintf(stderr, "zormia-mark %s %lld\n", name, static_cast<long long>(monotonicNs()));
    std::fflush(stderr);
    if (s.exitAfter == name) std::_Exit(0);
}

// A free-form line for the benchmark harness ("zormia-place pwbla 412 377").
inline void note(const std::string& line) {
    if (!markSettings().on) return;
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
}

// Marks `name` once, right after the first paint of a top-level widget that
// leaves its whole window drawn and sent to the display: the first expose or
// update of its native window, handled while the window is exposed and
// `complete()` accepts its size (any size when `complete` is empty). A resize
// marks the whole window for repainting, so the first such paint at the accepted
// size is a complete one. `then` runs after the mark.
class FirstPaintMark : public QObject {
  public:
    FirstPaintMark(QWidget* window, const char* name, std::function<bool()> complete,
                   std::function<void()> then)
        : QObject(window),
          widget_(window),
          name_(name),
          complete_(std::move(complete)),
          then_(std::move(then)) {
        window->installEventFilter(this);
        if (window->windowHandle()) watch(window->windowHandle());
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (done_) return false;
        if (watched == widget_ && event->type() == QEvent::Show) {
            if (QWindow* w = widget_->windowHandle()) watch(w);
            return false;
        }
        if (watched != window_ ||
            (event->type() != QEvent::Expose && event->type() != QEvent::UpdateRequest)) {
            return false;
        }
        // Let the window paint and flush first, then look at what it did.
        static_cast<QObject*>(window_.data())->event(event);
        if (window_->isExposed() && widget_->isVisible() && (!complete_ || complete_())) {
            done_ = true;
            window_->removeEventFilter(this);
            widget_->removeEventFilter(this);
            mark(name_);
            if (then_) then_();
        }
        return true;
    }

  private:
    void watch(QWindow* window) {
        if (window_ == window) return;
        if (window_) window_->removeEventFilter(this);
        window_ = window;
        window_->installEventFilter(this);
    }

    QWidget* widget_;
    QPointer<QWindow> window_;
    const char* name_;
    std::function<bool()> complete_;
    std::function<void()> then_;
    bool done_ = false;
};

// Watches `window` for its first complete paint when marks are on; does nothing
// otherwise.
inline void markFirstPaint(QWidget* window, const char* name, std::function<bool()> complete = {},
                           std::function<void()> then = {}) {
    if (!marksOn()) return;
    new FirstPaintMark(window, name, std::move(complete), std::move(then));
}

// The desk's test of completeness: the window fills the screen's free area, as
// a maximised window does.
inline bool coversAvailableArea(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen && window->frameGeometry().size() == screen->availableGeometry().size();
}

}  // namespace zormia::benchmarks
