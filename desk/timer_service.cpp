#include "desk/timer_service.h"

#include <algorithm>
#include <limits>

namespace zormia {

TimerService::TimerId TimerService::create(std::string name, std::int64_t intervalMs, int rank,
                                           Handler onTick) {
    timers_.push_back(Timer{std::move(name), intervalMs, rank, std::move(onTick)});
    return static_cast<TimerId>(timers_.size() - 1);
}

void TimerService::setEnabled(TimerId id, bool enabled) {
    Timer& timer = timers_[id];
    if (timer.enabled == enabled) return;  // a running timer keeps its phase
    timer.enabled = enabled;
    if (enabled) timer.due = startTime() + timer.interval;
    notify();
}

std::int64_t TimerService::startTime() const {
    if (ticking_ || !clock_) return now_;
    return std::max(now_, clock_());
}

std::optional<std::int64_t> TimerService::nextDue() const {
    std::optional<std::int64_t> next;
    for (const Timer& timer : timers_) {
        if (timer.enabled && (!next || timer.due < *next)) next = timer.due;
    }
    return next;
}

void TimerService::advanceTo(std::int64_t t) {
    for (;;) {
        Timer* first = nullptr;
        for (Timer& timer : timers_) {
            if (!timer.enabled || timer.due > t) continue;
            if (!first || timer.due < first->due ||
                (timer.due == first->due && timer.rank < first->rank)) {
                first = &timer;
            }
        }
        if (!first) break;
        now_ = first->due;
        first->due += first->interval;
        // The handler may enable or disable timers (its own included); it must
        // not create new ones, so `first` stays valid until here.
        ticking_ = true;
        if (first->onTick) first->onTick();
        ticking_ = false;
        notify();
    }
    if (t > now_) now_ = t;
}

}  // namespace zormia
