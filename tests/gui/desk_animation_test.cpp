// The desk window on screen: what moves by itself (flashing lamps, the clock) is
// repainted alone, and nothing wakes the program while the desk is hidden or
// minimised. In a script nothing is repainted until a picture is taken.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>
#include <QTime>
#include <QTimer>
#include <map>

#include "app/program.h"
#include "desk/pul.h"
#include "desk/qt/pul_window.h"

namespace zormia {
namespace {

// Counts the ticks of the application's QTimers (the toolkit's own caches keep
// timers of another kind), and gathers what the desk window's widgets paint, in
// the window's coordinates.
class Watcher : public QObject {
  public:
    explicit Watcher(QWidget* window) : window_(window) {}
    int timerEvents = 0;
    QRegion painted;
    std::map<const QWidget*, int> paints;  // paint events by widget

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer && qobject_cast<QTimer*>(watched)) ++timerEvents;
        if (event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window() == window_) {
                ++paints[widget];
                painted += static_cast<QPaintEvent*>(event)->region().translated(
                    widget->mapTo(window_, QPoint(0, 0)));
            }
        }
        return false;
    }

  private:
    QWidget* window_;
};

class DeskOnScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        window_.build();
        window_.setAnimated(true);
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
        // A request on the line block: the direction lamps at both ends flash.
        desk_.click(ElementId::pwbla);
        ASSERT_TRUE(desk_.ALed44.blink() && desk_.ALed52.blink());
        QTest::qWait(50);  // the click's own repaint
        qApp->installEventFilter(&watcher_);
    }
    void TearDown() override {
        qApp->removeEventFilter(&watcher_);
        desk_.model().setListener({});
    }

    QRect place(ElementId id) {
        QWidget* w = window_.elementWidget(id);
        return QRect(w->mapTo(&window_, QPoint(0, 0)), w->size());
    }
    void restartCounting() {
        watcher_.timerEvents = 0;
        watcher_.painted = QRegion();
        watcher_.paints.clear();
    }
    int paints(ElementId id) { return watcher_.paints[window_.elementWidget(id)]; }

    TimerService timers_;
    Pul desk_{timers_, nullptr};
    DisplayClock clock_{[] { return QDateTime::currentMSecsSinceEpoch(); },
                        [] { return QTime::currentTime(); }};
    PulWindow window_{desk_, clock_};
    Watcher watcher_{&window_};
};

TEST_F(DeskOnScreen, OnlyTheFlashingLampsAndTheClockAreRepainted) {
    restartCounting();
    QTest::qWait(1100);  // at least two flashes and one second of the clock
    const QRegion lamps = QRegion(place(ElementId::ALed44)) + place(ElementId::ALed52);
    const QRegion moving = lamps + place(ElementId::DRClock1);
    EXPECT_TRUE(watcher_.painted.intersects(place(ElementId::ALed44)));
    EXPECT_TRUE(watcher_.painted.intersects(place(ElementId::ALed52)));
    EXPECT_TRUE(watcher_.painted.intersects(place(ElementId::DRClock1)));
    EXPECT_TRUE((watcher_.painted - moving).isEmpty())
        << "painted beyond the lamps and the clock: "
        << (watcher_.painted - moving).boundingRect().x() << ","
        << (watcher_.painted - moving).boundingRect().y();
}

// Lamps of different intervals flash side by side: each is repainted when its
// own look turns, not whenever a lamp of a shorter interval does.
TEST_F(DeskOnScreen, ALampIsRepaintedOnlyWhenItsOwnPhaseTurns) {
    // The field signal's upper yellow flashes once a second, the direction lamps
    // twice.
    desk_.ALed20.setBlink(true);
    desk_.ALed20.setOn(true);
    QTest::qWait(50);
    restartCounting();
    QTest::qWait(2100);  // two or three turns of ALed20, four or five of ALed44
    EXPECT_GE(paints(ElementId::ALed20), 1);
    EXPECT_LE(paints(ElementId::ALed20), 3);
    EXPECT_GE(paints(ElementId::ALed44), 1);
}

TEST_F(DeskOnScreen, NothingWakesTheProgramWhileTheDeskIsHiddenOrMinimised) {
    restartCounting();
    QTest::qWait(600);
    EXPECT_GT(watcher_.timerEvents, 0) << "shown, the lamps flash";

    for (const bool minimise : {false, true}) {
        SCOPED_TRACE(minimise ? "minimised" : "hidden");
        if (minimise) {
            window_.showMinimized();
        } else {
            window_.hide();
        }
        QTest::qWait(50);
        restartCounting();
        QTest::qWait(1100);
        EXPECT_EQ(watcher_.timerEvents, 0);
        EXPECT_TRUE(watcher_.painted.isEmpty());

        // Shown again, the lamps flash on.
        window_.showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
        restartCounting();
        QTest::qWait(600);
        EXPECT_GT(watcher_.timerEvents, 0);
        EXPECT_TRUE(watcher_.painted.intersects(place(ElementId::ALed44)));
    }
}

TEST(ScriptedDesk, PaintsNothingUntilAPictureIsTakenAndThePictureIsCurrent) {
    Program program(Program::Mode::Scripted, nullptr);
    program.start();
    program.showWindow(program.window(QStringLiteral("PUL")));
    QApplication::processEvents();
    PulWindow& window = program.deskWindow();
    Watcher watcher(&window);
    qApp->installEventFilter(&watcher);

    // Wbl: the direction lamp at ZORMIA flashes yellow; Poz at Stacja B makes it
    // burn steadily.
    program.desk().click(ElementId::pwbla);
    program.desk().click(ElementId::ppoz2);
    QApplication::processEvents();
    EXPECT_TRUE(watcher.painted.isEmpty());
    qApp->removeEventFilter(&watcher);

    QWidget* lamp = window.elementWidget(ElementId::ALed44);
    const QImage shot = window.grab().toImage();
    const QPoint centre = lamp->mapTo(&window, lamp->rect().center());
    EXPECT_EQ(shot.pixel(centre) & 0xFFFFFF, qRgb(255, 255, 0) & 0xFFFFFF);
}

}  // namespace
}  // namespace zormia
