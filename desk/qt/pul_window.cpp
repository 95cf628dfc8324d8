#include "desk/qt/pul_window.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <algorithm>

#include "desk/menus.h"
#include "desk/qt/desk_font.h"

namespace zormia {

PulWindow::PulWindow(Pul& desk, DisplayClock clock) : desk_(desk), clock_(std::move(clock)) {
    setObjectName(QStringLiteral("PUL"));
    setWindowTitle(QStringLiteral("Tremix stacji \"ZORMIA\""));
    setFont(deskFont(11));
    buildMenus();

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
    buildElements();
    scroll_->setWidget(canvas());

    desk_.model().setListener([this](ElementId id) { elementChanged(id); });

    flashTimer_.setSingleShot(true);
    flashTimer_.setTimerType(Qt::PreciseTimer);
    connect(&flashTimer_, &QTimer::timeout, this, &PulWindow::flash);
    clockTimer_.setInterval(1000);
    connect(&clockTimer_, &QTimer::timeout, this, [this] {
        if (isVisible()) elementWidget(ElementId::DRClock1)->update();
    });

    // Restored, the window's outer bounds are 435 x 428 at (300, 241); it opens
    // maximised.
    setGeometry(300, 241, 435, 428);
    setWindowState(Qt::WindowMaximized);
}

void PulWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The desk opens maximised. Where no window manager carries that out (a bare
    // X server), the window takes the screen's free area itself.
    QTimer::singleShot(300, this, [this] {
        const QScreen* screen = this->screen();
        if (!screen || !isVisible() || !(windowState() & Qt::WindowMaximized)) return;
        if (frameGeometry().width() < screen->availableGeometry().width() / 2) {
            setGeometry(screen->availableGeometry());
        }
    });
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
    }
    // A right click on the Wbl button opens its popup menu at the pointer.
    QWidget* wbl = elementWidget(ElementId::pwbla);
    wbl->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(wbl, &QWidget::customContextMenuRequested, this,
            [this, wbl](const QPoint& pos) { popup_->popup(wbl->mapToGlobal(pos)); });
    for (int i = 0; i < kElementCount; ++i) {
        if (views_[i]) views_[i]->sync();
        const ElementState& s = desk_.model().state(static_cast<ElementId>(i));
        if (s.on && s.blink) flashing_.push_back(static_cast<ElementId>(i));
    }
}

void PulWindow::elementChanged(ElementId id) {
    const int i = static_cast<int>(id);
    if (views_[i]) views_[i]->sync();
    const ElementKind kind = spec(id).kind;
    if (kind != ElementKind::Lamp && kind != ElementKind::BarLamp) return;
    const ElementState& s = desk_.model().state(id);
    const auto it = std::find(flashing_.begin(), flashing_.end(), id);
    const bool flashes = s.on && s.blink;
    if (flashes && it == flashing_.end()) {
        flashing_.push_back(id);
        scheduleFlash();
    } else if (!flashes && it != flashing_.end()) {
        flashing_.erase(it);
        if (flashing_.empty()) flashTimer_.stop();
    }
}

void PulWindow::setAnimated(bool animated) {
    animated_ = animated;
    if (animated) {
        clockTimer_.start();
        scheduleFlash();
    } else {
        clockTimer_.stop();
        flashTimer_.stop();
    }
}

// Lamps change between their on colour and grey at whole multiples of their
// interval on the desk's clock; the timer wakes up at the next such moment only
// while some lamp flashes, and repaints those lamps alone.
void PulWindow::scheduleFlash() {
    if (!animated_ || flashing_.empty()) return;
    const std::int64_t now = clock_.elapsedMs();
    std::int64_t next = INT64_MAX;
    for (ElementId id : flashing_) {
        const std::int64_t interval = std::max(1, desk_.model().state(id).interval);
        next = std::min(next, (now / interval + 1) * interval);
    }
    flashTimer_.start(static_cast<int>(std::max<std::int64_t>(0, next - now)));
}

void PulWindow::flash() {
    for (ElementId id : flashing_) elementWidget(id)->update();
    scheduleFlash();
}

}  // namespace zormia
