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
    PulWindow(Pul& desk, DisplayClock clock);

    Pul& desk() { return desk_; }
    QWidget* elementWidget(ElementId id) const { return widgets_[static_cast<int>(id)]; }
    QAction* menuAction(const QString& name) const;  // main menu, popup menu and submenus
    QMenu* popupMenu() const { return popup_; }
    QWidget* canvas() const { return widgets_[0]; }

    // Lamps flash and the clock runs on screen only when animated; the script
    // runner paints them at its virtual time instead.
    void setAnimated(bool animated);

  protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildElements();
    void elementChanged(ElementId id);
    void scheduleFlash();
    void flash();

    Pul& desk_;
    DisplayClock clock_;
    std::array<QWidget*, kElementCount> widgets_{};
    std::array<ElementView*, kElementCount> views_{};
    QScrollArea* scroll_ = nullptr;
    QMenu* popup_ = nullptr;
    std::vector<QAction*> actions_;
    std::vector<ElementId> flashing_;  // lamps that are lit and flash
    QTimer flashTimer_;
    QTimer clockTimer_;
    bool animated_ = false;
};

}  // namespace zormia
