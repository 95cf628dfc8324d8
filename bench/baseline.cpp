// The toolkit's floor on this machine: the least a Qt Widgets program with a
// window on screen costs. One window with one label and one 16 x 16 lamp that
// flashes every 500 ms, repainting the lamp alone. The benchmarks run it beside
// Zormia and quote Zormia's figures as ratios to its own.
//
// It marks its first complete paint with the same code as Zormia
// (ZORMIA_BENCH_MARKS, app/bench_marks.h).

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "app/bench_marks.h"

namespace {

class Lamp : public QWidget {
  public:
    explicit Lamp(QWidget* parent) : QWidget(parent) { setFixedSize(16, 16); }
    void toggle() {
        lit_ = !lit_;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(48, 48, 48), 2.0));
        p.setBrush(lit_ ? QColor(255, 255, 0) : QColor(192, 192, 192));
        p.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
    }

  private:
    bool lit_ = true;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("baseline"));
    window.resize(434, 244);
    if (const QScreen* screen = window.screen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    auto* label = new QLabel(QStringLiteral("Chętnie popracuję"), &window);
    label->move(20, 20);
    auto* lamp = new Lamp(&window);
    lamp->move(20, 60);

    QTimer flash;
    flash.setTimerType(Qt::PreciseTimer);
    QObject::connect(&flash, &QTimer::timeout, lamp, &Lamp::toggle);
    flash.start(500);

    zormia::benchmarks::markFirstPaint(&window, "start-painted");
    window.show();
    return QApplication::exec();
}
