#pragma once
// The start window: greets the trainee, shows a running clock, opens the desk or
// ends the program. It is the program's main window: closing it ends the program.

#include <QWidget>
#include <functional>

#include "app/window_focus.h"
#include "desk/timer_service.h"

class QLabel;
class QToolButton;

namespace zormia {

class StartWindow : public QWidget, public FormWindow {
    Q_OBJECT
  public:
    // `timeOfDay` gives the local time to show; `onStart` shows the desk;
    // `onTerminate` ends the program.
    StartWindow(TimerService& timers, std::function<QTime()> timeOfDay,
                std::function<void()> onStart, std::function<void()> onTerminate);

    QWidget* widget() override { return this; }
    QString instanceName() const override { return QStringLiteral("START"); }

    void formActivate() override;    // FormActivate
    void formDeactivate() override;  // FormDeactivate
    void Timer2Timer();
    void stClick();
    void ExplorerButton1Click();

    TimerRef Timer2;

    // The locale's long time format without the time zone that Qt's own long
    // format appends ("HH:mm:ss t" becomes "HH:mm:ss").
    static QString longTimeFormat();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void showTime();

    std::function<QTime()> timeOfDay_;
    std::function<void()> onStart_;
    std::function<void()> onTerminate_;
    QLabel* clock_ = nullptr;
};

}  // namespace zormia
