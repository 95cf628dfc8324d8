#pragma once
// The whole program: its four windows created in their order, the desk's logic,
// the desk's timers and the counter store. The window program and the script
// runner both run this; they differ only in where time comes from and in who
// moves the focus between the windows.

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/window_focus.h"
#include "desk/pul.h"
#include "desk/timer_service.h"

namespace zormia {

class StartWindow;
class PulWindow;
class AboutBox;
class DescriptionWindow;
class CounterStore;

class Program : public QObject {
    Q_OBJECT
  public:
    enum class Mode {
        Interactive,  // wall-clock time; the windowing system moves the focus
        Scripted,     // virtual time; the script moves the focus
    };

    // `store` may be null (no counters kept). Creates the four windows; call
    // start() to show the start window.
    Program(Mode mode, std::unique_ptr<CounterStore> store);
    ~Program() override;

    void start();

    // Window operations as the desk's handlers use them.
    void showWindow(FormWindow* window);  // visible, in front, the active window
    void hideWindow(FormWindow* window);
    void terminate();  // post a quit request; the program ends
    bool terminated() const { return terminated_; }

    WindowFocus& focus() { return focus_; }
    TimerService& timers() { return timers_; }
    Pul& desk() { return *desk_; }
    StartWindow& startWindow() { return *start_; }
    PulWindow& deskWindow() { return *pulWindow_; }
    // On screen the About and description windows are made when first asked for.
    AboutBox& aboutBox();
    DescriptionWindow& descriptionWindow();
    // A window by its instance name; null for one not made yet.
    FormWindow* window(const QString& instanceName) const { return focus_.find(instanceName); }

    // The local time of day that the clocks show.
    QTime timeOfDay() const;

    // Where the counter store's errors go: a message box on screen; the script
    // runner counts and answers them.
    std::function<void(const QString&)> showMessage;

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void followPlatformFocus();
    void syncWallClock();
    void scheduleWallClock();
    void addBenchMarks();
    void createHelpWindows();

    Mode mode_;
    TimerService timers_;
    std::unique_ptr<CounterStore> store_;
    WindowFocus focus_;
    QDateTime epoch_;        // local time when the program started
    QElapsedTimer elapsed_;  // wall-clock time since then
    QTimer wallTimer_;
    std::unique_ptr<StartWindow> start_;
    std::unique_ptr<Pul> desk_;
    std::unique_ptr<PulWindow> pulWindow_;
    std::unique_ptr<AboutBox> about_;
    std::unique_ptr<DescriptionWindow> description_;
    std::unique_ptr<FormWindow> pulForm_;
    bool terminated_ = false;
};

}  // namespace zormia
