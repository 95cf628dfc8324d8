#include "app/window_focus.h"

#include <algorithm>

namespace zormia {

FormWindow* WindowFocus::find(QWidget* widget) const {
    for (FormWindow* w : windows_) {
        if (w->widget() == widget) return w;
    }
    return nullptr;
}

FormWindow* WindowFocus::find(const QString& instanceName) const {
    for (FormWindow* w : windows_) {
        if (w->instanceName() == instanceName) return w;
    }
    return nullptr;
}

void WindowFocus::activate(FormWindow* window) {
    if (frozen_ || window == nullptr || window == active_) return;
    FormWindow* previous = active_;
    active_ = window;
    history_.erase(std::remove(history_.begin(), history_.end(), window), history_.end());
    history_.push_back(window);
    if (previous) previous->formDeactivate();
    // The deactivation handler may itself have moved the focus on.
    if (active_ == window) window->formActivate();
}

void WindowFocus::windowHidden(FormWindow* window) {
    if (frozen_ || window != active_) return;
    for (auto it = history_.rbegin(); it != history_.rend(); ++it) {
        FormWindow* candidate = *it;
        if (candidate != window && candidate->widget()->isVisible()) {
            activate(candidate);
            return;
        }
    }
    // No other window of the program is shown: the active window loses the focus
    // to another application, which fires nothing.
}

}  // namespace zormia
