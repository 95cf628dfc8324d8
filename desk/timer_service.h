#pragma once
// The desk's periodic timers on a clock that is handed to them.
//
// The service knows nothing about where time comes from: the window program
// advances it from the wall clock, the script runner from its `wait` command.
// Timers behave as the desk's relay timers do: a timer enabled at time t ticks at
// t + interval, t + 2 * interval, ...; enabling a timer that already runs keeps its
// phase; disabling it stops the ticks at once.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zormia {

class TimerService {
  public:
    using TimerId = int;
    using Handler = std::function<void()>;

    // `rank` orders ticks that fall due at the same instant (lower first).
    TimerId create(std::string name, std::int64_t intervalMs, int rank, Handler onTick);

    void setEnabled(TimerId id, bool enabled);
    bool isEnabled(TimerId id) const { return timers_[id].enabled; }
    const std::string& name(TimerId id) const { return timers_[id].name; }
    std::int64_t interval(TimerId id) const { return timers_[id].interval; }
    int count() const { return static_cast<int>(timers_.size()); }

    std::int64_t now() const { return now_; }

    // Delivers every tick due up to and including `t`, in time order, and leaves
    // the clock at `t`. A `t` in the past leaves the clock where it is.
    void advanceTo(std::int64_t t);

    // The time of the next tick of any enabled timer.
    std::optional<std::int64_t> nextDue() const;

    // Called whenever the next due time may have changed (a timer was enabled or
    // disabled, or a tick moved its timer on); the wall-clock driver reschedules.
    void setScheduleListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // The time now, where the service is driven by a clock that runs on its own
    // (the window program's wall clock). The service's own time moves only when
    // ticks are delivered, so between ticks, and after a spell in which no timer
    // ran at all, it lags behind: a timer enabled by a click then starts from the
    // clock's time, one enabled by a tick's handler from the tick's time.
    void setClock(std::function<std::int64_t()> clock) { clock_ = std::move(clock); }

  private:
    struct Timer {
        std::string name;
        std::int64_t interval;
        int rank;
        Handler onTick;
        bool enabled = false;
        std::int64_t due = 0;
    };
    std::vector<Timer> timers_;
    std::int64_t now_ = 0;
    bool ticking_ = false;  // a tick's handler runs
    std::function<void()> listener_;
    std::function<std::int64_t()> clock_;

    // When a timer enabled now starts counting.
    std::int64_t startTime() const;

    void notify() {
        if (listener_) listener_();
    }
};

// A handle on one timer, used as a member of the window that owns the timer so
// that handlers read like the desk's own operating notes: `Timer3.enable()`.
class TimerRef {
  public:
    TimerRef() = default;
    TimerRef(TimerService* service, TimerService::TimerId id) : service_(service), id_(id) {}
    void enable() { service_->setEnabled(id_, true); }
    void disable() { service_->setEnabled(id_, false); }
    void setEnabled(bool on) { service_->setEnabled(id_, on); }
    bool enabled() const { return service_->isEnabled(id_); }
    TimerService::TimerId id() const { return id_; }

  private:
    TimerService* service_ = nullptr;
    TimerService::TimerId id_ = -1;
};

}  // namespace zormia
