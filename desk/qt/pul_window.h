#pragma once
// The desk window: draws the desk's elements from the core's state, repaints an
// element when its state changes, and hands clicks and menu commands to the
// desk's handlers.

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <vector>

#include "desk/pul.h"
#include "desk/qt/element_widgets.h"

class QMenu;
class QAction;
class QScrollArea;

namespace zormia {

class PulWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the window; its menus and the desk's element widgets come with
    // build(), which the window runs itself at the latest when it is first shown.
    PulWindow(Pul& desk, DisplayClock clock);

    // Creates the menus and the widget of every desk element in its start-up
    // look (once). The window program runs it right after the start window is on
    // screen, so that the start window appears as fast as a bare window does;
    // the script runner at once.
    void build();
    bool built() const { return built_; }
    // build(), then one paint of the desk off screen, so that the pictures the
    // elements make once and the glyphs of the desk's type are ready before the
    // desk is first shown.
    void prepare();

    Pul& desk() { return desk_; }
    // An element's widget; null before build().
    QWidget* elementWidget(ElementId id) const { return widgets_[static_cast<int>(id)]; }
    // Main menu, popup menu and submenus; null before build().
    QAction* menuAction(const QString& name) const;
    QMenu* popupMenu() const { return popup_; }
    QWidget* canvas() const { return widgets_[0]; }

    // Lamps flash and the clock runs on screen only when animated; the script
    // runner paints them at its virtual time instead.
    void setAnimated(bool animated);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    void buildElements();
    void elementChanged(ElementId id);
    // Whether lamps flash and the clock runs on screen now: animated, shown and
    // not minimised.
    bool onScreen() const;
    void startOrStopAnimation();
    void scheduleAnimation();
    void animate();

    Pul& desk_;
    DisplayClock clock_;
    std::array<QWidget*, kElementCount> widgets_{};
    std::array<ElementView*, kElementCount> views_{};
    QScrollArea* scroll_ = nullptr;
    QMenu* popup_ = nullptr;
    std::vector<QAction*> actions_;
    std::vector<ElementId> flashing_;  // lamps that are lit and flash
    QTimer animationTimer_;            // flashing lamps and the clock, while on screen
    std::int64_t lampsCheckedAt_ = 0;  // on the display clock: the lamps last brought up to date
    std::int64_t nextSecond_ = 0;      // and the next second of the clock
    bool animated_ = false;
    bool maximiseChecked_ = false;  // the first expose has been looked at
    bool built_ = false;
};

}  // namespace zormia
