#pragma once
// Which of the program's own windows is its active window, and the activation and
// deactivation events that follow when that moves from one window to another.
//
// Only moves between the program's own windows count: the program losing the
// focus to another application and getting it back fires nothing, and neither do
// popup menus or message boxes.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace zormia {

class FormWindow {
  public:
    virtual ~FormWindow() = default;
    virtual QWidget* widget() = 0;
    virtual QString instanceName() const = 0;
    virtual void formActivate() {}
    virtual void formDeactivate() {}
};

class WindowFocus {
  public:
    void addWindow(FormWindow* window) { windows_.push_back(window); }
    FormWindow* active() const { return active_; }
    FormWindow* find(QWidget* widget) const;
    FormWindow* find(const QString& instanceName) const;

    // Makes `window` the program's active window: the window that was active is
    // deactivated first, then `window` is activated. Nothing happens when it is
    // already the active one.
    void activate(FormWindow* window);

    // A window was hidden: if it was the active one, it is deactivated and the
    // most recently active window that is still shown becomes the active one.
    void windowHidden(FormWindow* window);

    // From now on nothing fires (the program is ending).
    void freeze() { frozen_ = true; }

  private:
    std::vector<FormWindow*> windows_;
    std::vector<FormWindow*> history_;  // least recently active first
    FormWindow* active_ = nullptr;
    bool frozen_ = false;
};

}  // namespace zormia
