#pragma once
// The start window: greets the trainee, shows a running clock, opens the desk or
// ends the program. It is the program's main window: closing it ends the program.

#include <QLocale>
#include <QTime>
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

    // The clock's text for `time`: the hour as the locale writes it (with or
    // without a leading zero), the locale's time separator, two-digit minutes,
    // the separator, two-digit seconds, and on a 12-hour clock a blank and the
    // locale's AM or PM text: "09:05:07", "9:05:07 PM", "9.05.07".
    static QString timeText(QTime time, const QLocale& locale);

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
