#include "app/program.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QWindow>

#include "app/about_windows.h"
#include "app/bench_marks.h"
#include "app/program_icon.h"
#include "app/start_window.h"
#include "desk/qt/pul_window.h"
#include "store/counter_store.h"

namespace zormia {
namespace {

// The desk window as one of the program's forms: its activation loads the use
// counters and its deactivation saves them.
class DeskForm : public FormWindow {
  public:
    DeskForm(PulWindow& window, Pul& desk, std::function<void(const QString&)>& showMessage)
        : window_(window), desk_(desk), showMessage_(showMessage) {}
    QWidget* widget() override { return &window_; }
    QString instanceName() const override { return QStringLiteral("PUL"); }
    void formActivate() override { report(desk_.FormActivate()); }
    void formDeactivate() override { report(desk_.FormDeactivate()); }

  private:
    void report(const std::string& error) {
        if (!error.empty() && showMessage_) showMessage_(QString::fromStdString(error));
    }
    PulWindow& window_;
    Pul& desk_;
    std::function<void(const QString&)>& showMessage_;
};

}  // namespace

Program::Program(Mode mode, std::unique_ptr<CounterStore> store)
    : mode_(mode), store_(std::move(store)), epoch_(QDateTime::currentDateTime()) {
    elapsed_.start();
    QGuiApplication::setWindowIcon(programIcon());
    QApplication::setQuitOnLastWindowClosed(false);

    // The windows, in the order in which the program creates them (on screen the
    // About and description windows come when the desk's menu first asks for
    // them, see below).
    start_ = std::make_unique<StartWindow>(
        timers_, [this] { return timeOfDay(); },
        [this] {
            benchmarks::mark("desk-open");
            showWindow(focus_.find(QStringLiteral("PUL")));
        },
        [this] { terminate(); });
    desk_ = std::make_unique<Pul>(timers_, store_.get());
    // On screen, lamps flash in phase with the wall clock's seconds, so that
    // they change together with the desk clock's second hand; in a script, with
    // the virtual time.
    DisplayClock clock{[this]() -> std::int64_t {
                           return mode_ == Mode::Interactive ? QDateTime::currentMSecsSinceEpoch()
                                                             : timers_.now();
                       },
                       [this] { return timeOfDay(); }};
    pulWindow_ = std::make_unique<PulWindow>(*desk_, clock);
    // A script clicks the desk's elements from its first line on; on screen they
    // are built once the start window shows (see start()).
    if (mode_ == Mode::Scripted) pulWindow_->build();
    pulForm_ = std::make_unique<DeskForm>(*pulWindow_, *desk_, showMessage);

    focus_.addWindow(start_.get());
    focus_.addWindow(pulForm_.get());
    for (FormWindow* form : {static_cast<FormWindow*>(start_.get()), pulForm_.get()}) {
        form->widget()->installEventFilter(this);
    }
    // The About and description windows stay hidden until the desk's menu asks
    // for them, and nothing of theirs runs before: on screen their widgets are
    // made then, a script has them from the start.
    if (mode_ == Mode::Scripted) createHelpWindows();

    desk_->showDescription = [this] { showWindow(&descriptionWindow()); };
    desk_->showAbout = [this] { showWindow(&aboutBox()); };

    if (mode_ == Mode::Interactive) {
        showMessage = [this](const QString& text) {
            // Shown once the handler that failed has returned, like the toolkit's
            // default error handler does.
            QTimer::singleShot(0, this, [text] {
                QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Zormia"), text,
                                      QMessageBox::Ok);
            });
        };
        followPlatformFocus();
        wallTimer_.setSingleShot(true);
        wallTimer_.setTimerType(Qt::PreciseTimer);
        connect(&wallTimer_, &QTimer::timeout, this, &Program::syncWallClock);
        timers_.setScheduleListener([this] { scheduleWallClock(); });
        // A timer that a click enables counts from the click, even when no timer
        // has ticked for a long while.
        timers_.setClock([this] { return elapsed_.elapsed(); });
        pulWindow_->setAnimated(true);
        addBenchMarks();
    }
}

// The moments the benchmarks time (bench/), only with ZORMIA_BENCH_MARKS set.
void Program::addBenchMarks() {
    if (!benchmarks::marksOn()) return;
    benchmarks::markFirstPaint(start_.get(), "start-painted");
    PulWindow* desk = pulWindow_.get();
    benchmarks::markFirstPaint(
        desk, "desk-painted", [desk] { return benchmarks::coversAvailableArea(desk); },
        [desk] {
            // Where the harness clicks to start a request on the line block.
            const QWidget* wbl = desk->elementWidget(ElementId::pwbla);
            const QPoint at = wbl->mapTo(desk, wbl->rect().center());
            benchmarks::note("zormia-place pwbla " + std::to_string(at.x()) + " " +
                             std::to_string(at.y()));
        });
}

void Program::createHelpWindows() {
    if (about_) return;
    about_ = std::make_unique<AboutBox>();
    description_ = std::make_unique<DescriptionWindow>();
    for (FormWindow* form :
         {static_cast<FormWindow*>(about_.get()), static_cast<FormWindow*>(description_.get())}) {
        focus_.addWindow(form);
        form->widget()->installEventFilter(this);
    }
}

AboutBox& Program::aboutBox() {
    createHelpWindows();
    return *about_;
}

DescriptionWindow& Program::descriptionWindow() {
    createHelpWindows();
    return *description_;
}

Program::~Program() {
    focus_.freeze();
    timers_.setScheduleListener({});
    for (QWidget* w :
         {static_cast<QWidget*>(start_.get()), static_cast<QWidget*>(pulWindow_.get()),
          static_cast<QWidget*>(about_.get()), static_cast<QWidget*>(description_.get())}) {
        if (w) w->removeEventFilter(this);
    }
    disconnect(qGuiApp, nullptr, this, nullptr);
    // The windows go before the desk whose state they draw.
    description_.reset();
    about_.reset();
    pulWindow_.reset();
    desk_->model().setListener({});
}

void Program::start() {
    showWindow(start_.get());
    // The desk's element widgets are built right after the start window's first
    // paint, while the trainee reads it, so that it appears as fast as a bare
    // window does. The desk is built by then, or at the latest when it is shown.
    if (mode_ == Mode::Interactive && !pulWindow_->built()) {
        if (QWindow* handle = start_->windowHandle()) {
            handle->installEventFilter(this);
        } else {
            pulWindow_->build();
        }
    }
}

QTime Program::timeOfDay() const {
    if (mode_ == Mode::Interactive) return QTime::currentTime();
    return epoch_.addMSecs(timers_.now()).time();
}

void Program::showWindow(FormWindow* window) {
    QWidget* w = window->widget();
    if (w == pulWindow_.get()) pulWindow_->build();
    if (!w->isVisible()) {
        if (w == pulWindow_.get()) {
            w->showMaximized();
        } else {
            w->show();
        }
    }
    if (mode_ == Mode::Interactive) {
        w->raise();
        w->activateWindow();
    }
    // Whatever the windowing system does with the request, the window shown is
    // the program's active window from now on.
    focus_.activate(window);
}

void Program::hideWindow(FormWindow* window) {
    window->widget()->hide();
}

void Program::terminate() {
    if (terminated_) return;
    terminated_ = true;
    focus_.freeze();  // the program ends: nothing is saved now
    if (mode_ == Mode::Interactive) QCoreApplication::quit();
}

bool Program::eventFilter(QObject* watched, QEvent* event) {
    // In virtual time nobody looks at the screen: a window paints when it is
    // shown, and afterwards only when a picture of it is taken (QWidget::grab
    // renders afresh), not after every change a script makes.
    if (mode_ == Mode::Scripted && event->type() == QEvent::UpdateRequest) return true;
    if (event->type() == QEvent::Expose && watched == start_->windowHandle()) {
        watched->removeEventFilter(this);
        // The start window paints as this event is handled; the desk comes after.
        QTimer::singleShot(0, this, [this] { pulWindow_->prepare(); });
        return false;
    }
    if (event->type() == QEvent::Hide) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && !widget->isVisible()) {
            if (FormWindow* form = focus_.find(widget)) focus_.windowHidden(form);
        }
    }
    return QObject::eventFilter(watched, event);
}

void Program::followPlatformFocus() {
    // Only moves between the program's own windows count; the focus leaving for
    // another application (no focus window), a popup menu or a message box count
    // for nothing.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
        if (!window || terminated_) return;
        for (FormWindow* form : {static_cast<FormWindow*>(start_.get()), pulForm_.get(),
                                 static_cast<FormWindow*>(about_.get()),
                                 static_cast<FormWindow*>(description_.get())}) {
            if (form && form->widget()->windowHandle() == window) {
                focus_.activate(form);
                return;
            }
        }
    });
}

void Program::syncWallClock() {
    timers_.advanceTo(elapsed_.elapsed());
}

void Program::scheduleWallClock() {
    const auto due = timers_.nextDue();
    if (!due) {
        wallTimer_.stop();
        return;
    }
    const std::int64_t wait = *due - elapsed_.elapsed();
    wallTimer_.start(static_cast<int>(std::max<std::int64_t>(0, wait)));
}

}  // namespace zormia
