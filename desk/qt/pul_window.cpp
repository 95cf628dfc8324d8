#include "desk/qt/pul_window.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QTime>
#include <QWindow>
#include <algorithm>

#include "desk/menus.h"
#include "desk/qt/desk_font.h"

namespace zormia {

PulWindow::PulWindow(Pul& desk, DisplayClock clock) : desk_(desk), clock_(std::move(clock)) {
    setObjectName(QStringLiteral("PUL"));
    setWindowTitle(QStringLiteral("Tremix stacji \"ZORMIA\""));
    setFont(deskFont(11));
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("PULScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    QPalette palette = scroll_->palette();
    palette.setColor(QPalette::Window, QColor(0x83, 0x60, 0x9F));
    scroll_->setPalette(palette);
    scroll_->setBackgroundRole(QPalette::Window);
    scroll_->setAutoFillBackground(true);
    setCentralWidget(scroll_);

    desk_.model().setListener([this](ElementId id) { elementChanged(id); });

    animationTimer_.setSingleShot(true);
    animationTimer_.setTimerType(Qt::PreciseTimer);
    connect(&animationTimer_, &QTimer::timeout, this, &PulWindow::animate);

    // Restored, the window's outer bounds are 435 x 428 at (300, 241); it opens
    // maximised.
    setGeometry(300, 241, 435, 428);
    setWindowState(Qt::WindowMaximized);
}

void PulWindow::build() {
    if (built_) return;
    built_ = true;
    buildMenus();
    buildElements();
    scroll_->setWidget(canvas());
}

void PulWindow::prepare() {
    build();
    // At the density of the screen the desk will show on, so that what is made
    // here is what its first paint draws.
    // A strip at a time: a picture of the whole desk would only raise the
    // program's peak memory.
    const qreal ratio = devicePixelRatioF();
    constexpr int kStrip = 66;
    const QSize desk = canvas()->size();
    QImage image(QSize(desk.width(), kStrip) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    for (int top = 0; top < desk.height(); top += kStrip) {
        canvas()->render(&image, QPoint(0, 0), QRegion(0, top, desk.width(), kStrip));
    }
}

void PulWindow::showEvent(QShowEvent* event) {
    build();
    QMainWindow::showEvent(event);
    startOrStopAnimation();
    // The desk opens maximised. Where no window manager carries that out (a bare
    // X server), the window takes the screen's free area itself: at once when it
    // appears without a frame around it (nobody manages it), or a little later
    // when a window manager framed it but left it at its restored size.
    if (!maximiseChecked_ && windowHandle()) windowHandle()->installEventFilter(this);
    QTimer::singleShot(300, this, [this] {
        const QScreen* screen = this->screen();
        if (!screen || !isVisible() || !(windowState() & Qt::WindowMaximized)) return;
        if (frameGeometry().width() < screen->availableGeometry().width() / 2) {
            setGeometry(screen->availableGeometry());
        }
    });
}

bool PulWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && !maximiseChecked_ &&
        windowHandle()->isExposed()) {
        maximiseChecked_ = true;
        windowHandle()->removeEventFilter(this);
        const QScreen* screen = this->screen();
        // Taken before the expose paints, so that the first paint is at full size.
        if (screen && (windowState() & Qt::WindowMaximized) &&
            windowHandle()->frameMargins().isNull() &&
            frameGeometry().width() < screen->availableGeometry().width() / 2) {
            setGeometry(screen->availableGeometry());
            // The scroll area drops its scroll bars now (a queued call of its
            // own), not after they have been painted once.
            QCoreApplication::sendPostedEvents(scroll_, QEvent::MetaCall);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void PulWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    startOrStopAnimation();
}

void PulWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) startOrStopAnimation();
}

void PulWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    std::vector<std::pair<std::string_view, QMenu*>> submenus;
    auto nameOf = [](std::string_view s) { return QString::fromUtf8(s.data(), s.size()); };
    for (const MenuItemSpec& item : kMainMenu) {
        const QString name = nameOf(item.name);
        const QString caption = nameOf(item.caption).replace(u'&', QStringLiteral("&&"));
        const bool isSubmenu =
            std::any_of(std::begin(kMainMenu), std::end(kMainMenu),
                        [&](const MenuItemSpec& m) { return m.parent == item.name; });
        QAction* action = nullptr;
        if (isSubmenu) {
            QMenu* menu = bar->addMenu(caption);
            menu->setObjectName(name);
            action = menu->menuAction();
            submenus.emplace_back(item.name, menu);
        } else if (item.parent.empty()) {
            action = bar->addAction(caption);
        } else {
            auto parent = std::find_if(submenus.begin(), submenus.end(),
                                       [&](const auto& s) { return s.first == item.parent; });
            action = parent->second->addAction(caption);
        }
        action->setObjectName(name);
        actions_.push_back(action);
        if (!isSubmenu) {
            const std::string itemName(item.name);
            connect(action, &QAction::triggered, this,
                    [this, itemName] { desk_.choose(itemName); });
        }
    }

    popup_ = new QMenu(this);
    popup_->setObjectName(nameOf(kPopupMenuName));
    for (const MenuItemSpec& item : kPopupMenu) {
        QAction* action = popup_->addAction(nameOf(item.caption));
        action->setObjectName(nameOf(item.name));
        actions_.push_back(action);
        const std::string itemName(item.name);
        connect(action, &QAction::triggered, this, [this, itemName] { desk_.choose(itemName); });
    }
}

QAction* PulWindow::menuAction(const QString& name) const {
    for (QAction* action : actions_) {
        if (action->objectName() == name) return action;
    }
    return nullptr;
}

void PulWindow::buildElements() {
    const auto rows = catalogue();
    for (int i = 0; i < kElementCount; ++i) {
        const auto id = static_cast<ElementId>(i);
        QWidget* parent = i == 0 ? nullptr : widgets_[rows[i].parent];
        QWidget* widget = createElementWidget(id, desk_.model(), clock_, parent);
        widgets_[i] = widget;
        views_[i] = dynamic_cast<ElementView*>(widget);
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::clicked, this, [this, id] { desk_.click(id); });
        }
        // A widget comes out of createElementWidget() in its element's look: only
        // the lamps that flash from the start are noted here.
        const ElementState& s = desk_.model().state(id);
        if (s.on && s.blink) flashing_.push_back(id);
    }
    // A right click on the Wbl button opens its popup menu at the pointer.
    QWidget* wbl = elementWidget(ElementId::pwbla);
    wbl->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(wbl, &QWidget::customContextMenuRequested, this,
            [this, wbl](const QPoint& pos) { popup_->popup(wbl->mapToGlobal(pos)); });
}

void PulWindow::elementChanged(ElementId id) {
    if (!built_) return;  // build() takes the state as it is then
    const int i = static_cast<int>(id);
    if (views_[i]) views_[i]->sync();
    const ElementKind kind = elementRow(id).kind;
    if (kind != ElementKind::Lamp && kind != ElementKind::BarLamp) return;
    const ElementState& s = desk_.model().state(id);
    const auto it = std::find(flashing_.begin(), flashing_.end(), id);
    const bool flashes = s.on && s.blink;
    if (flashes && it == flashing_.end()) {
        flashing_.push_back(id);
        scheduleAnimation();
    } else if (!flashes && it != flashing_.end()) {
        flashing_.erase(it);
        scheduleAnimation();
    }
}

void PulWindow::setAnimated(bool animated) {
    animated_ = animated;
    startOrStopAnimation();
}

bool PulWindow::onScreen() const {
    return animated_ && isVisible() && !isMinimized();
}

// Hidden or minimised, nothing on the desk is seen: the program does not wake
// for it then. Shown again, the desk is repainted whole, lamps in the phase and
// the clock at the time of that moment.
void PulWindow::startOrStopAnimation() {
    if (!onScreen()) {
        animationTimer_.stop();
    } else if (!animationTimer_.isActive()) {
        lampsCheckedAt_ = clock_.elapsedMs();  // the window repaints whole as it shows
        scheduleAnimation();
    }
}

namespace {
std::int64_t flashInterval(const ElementState& s) {
    return std::max(1, s.interval);
}
}  // namespace

// What moves on the desk by itself: a flashing lamp changes its look at whole
// multiples of its interval on the display clock, the clock's hands at whole
// seconds of the local time. One timer wakes the program just after the next
// such moment and repaints only what changed then: the lamps whose look turned
// since the last wake, the clock at a new second. On screen the display clock
// is the wall clock, so lamps flashing in whole or half seconds change together
// with the second hand: with lamps flashing the program wakes twice a second.
void PulWindow::scheduleAnimation() {
    if (!onScreen()) {
        animationTimer_.stop();
        return;
    }
    const std::int64_t now = clock_.elapsedMs();
    std::int64_t nextFlash = INT64_MAX;
    for (ElementId id : flashing_) {
        const std::int64_t interval = flashInterval(desk_.model().state(id));
        nextFlash = std::min(nextFlash, (now / interval + 1) * interval);
    }
    const QTime time = clock_.localTime ? clock_.localTime() : QTime::currentTime();
    nextSecond_ = now + 1000 - time.msec();
    // A millisecond late rather than early: the look is taken at paint time.
    animationTimer_.start(static_cast<int>(std::min(nextFlash, nextSecond_) - now + 1));
}

void PulWindow::animate() {
    const std::int64_t now = clock_.elapsedMs();
    for (ElementId id : flashing_) {
        const std::int64_t interval = flashInterval(desk_.model().state(id));
        if (now / interval != lampsCheckedAt_ / interval) elementWidget(id)->update();
    }
    lampsCheckedAt_ = now;
    if (now >= nextSecond_) elementWidget(ElementId::DRClock1)->update();
    scheduleAnimation();
}

}  // namespace zormia
