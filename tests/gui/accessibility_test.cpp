// What assistive technology learns about the desk and the plain windows: the
// names, roles and states of the elements, names that follow the desk's state,
// and the press action of the desk's buttons.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QSignalSpy>
#include <QTime>
#include <QWidget>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/about_windows.h"
#include "app/start_window.h"
#include "desk/qt/element_widgets.h"
#include "desk/timer_service.h"

namespace zormia {
namespace {

ElementId idOf(std::string_view name) {
    const auto id = elementByName(name);
    if (!id) throw std::runtime_error("no element " + std::string(name));
    return *id;
}

QAccessibleInterface* accessible(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (!iface) throw std::runtime_error("no accessible interface");
    return iface;
}

std::string nameOf(QWidget* widget) {
    return accessible(widget)->text(QAccessible::Name).toStdString();
}

// The whole desk built from the catalogue under a host window, on one model.
class DeskAccessibility : public ::testing::Test {
  protected:
    void SetUp() override {
        host_ = std::make_unique<QWidget>();
        widgets_.resize(kElementCount);
        widgets_[0] = createElementWidget(ElementId::Canvas, model_, clock_, host_.get());
        for (int i = 1; i < kElementCount; ++i) {
            const auto id = static_cast<ElementId>(i);
            widgets_[i] = createElementWidget(id, model_, clock_, widgets_[elementRow(id).parent]);
        }
        host_->show();
    }

    QWidget* widget(std::string_view name) { return widgets_[static_cast<int>(idOf(name))]; }
    void sync(std::string_view name) { dynamic_cast<ElementView&>(*widget(name)).sync(); }

    DeskModel model_;
    DisplayClock clock_{[] { return std::int64_t{0}; }, [] { return QTime(10, 0, 0); }};
    std::unique_ptr<QWidget> host_;
    std::vector<QWidget*> widgets_;
};

TEST_F(DeskAccessibility, EveryElementHasANameAndARoleOfItsOwn) {
    for (const ElementSpec& row : catalogue()) {
        SCOPED_TRACE(std::string(row.name));
        QAccessibleInterface* iface = accessible(widget(row.name));
        EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty());
        // Qt's fallback for a plain widget is Client: every element has a better one.
        EXPECT_NE(iface->role(), QAccessible::Client);
    }
}

TEST_F(DeskAccessibility, RepresentativeElementsAtStartUp) {
    struct Case {
        const char* element;
        const char* name;
        QAccessible::Role role;
        const char* value;
    } cases[] = {
        {"psa", "Przycisk semafora A", QAccessible::PushButton, ""},
        {"ALed19", "Lampa zielona semafora A w terenie, zgaszona", QAccessible::Indicator,
         "zgaszona"},
        {"ALed6", "Lampa czerwona semafora A na pulpicie, zapalona", QAccessible::Indicator,
         "zapalona"},
        {"ALed44", "Lampa Wbl (ZORMIA), żółta, zgaszona", QAccessible::Indicator,
         "żółta, zgaszona"},
        {"im2", "Odcinek ITA, wolny", QAccessible::Graphic, "wolny"},
        {"im1", "Odcinek IT3, wolny", QAccessible::Graphic, "wolny"},  // yellow at rest
        {"im6", "Odcinek IZ1, zwrotnica 1cd: plus, wolny", QAccessible::Graphic, "plus, wolny"},
        {"lia", "Licznik SzA: 0000", QAccessible::StaticText, "0000"},
        {"z1ab", "Zwrotnica 1ab: plus", QAccessible::PushButton, "plus"},
        {"zwa", "Przycisk zwalniający zwa, zaplombowany", QAccessible::PushButton, "zaplombowany"},
        {"pzwa", "Plomba przycisku zwa", QAccessible::Graphic, ""},
        {"sita", "Symulacja zajętości ITA, niewciśnięty", QAccessible::PushButton, "niewciśnięty"},
        {"BitBtn1", "UKRYJ", QAccessible::PushButton, ""},
        {"Label26", "ITA", QAccessible::StaticText, ""},
        {"Label3D12", "OBRAZY SEMAFORÓW W TERENIE", QAccessible::StaticText, ""},
        {"Panel49", "Semafor A w terenie", QAccessible::Grouping, ""},
        {"Panel9", "Pole pulpitu, rząd 2, kolumna 1", QAccessible::Pane, ""},
        {"R6C11", "Pole pulpitu, rząd 6, kolumna 11", QAccessible::Pane, ""},
        {"Image2", "Kierunek blokady: ze Stacji B", QAccessible::Graphic, ""},
        {"Image4", "Kierunek blokady: do Stacji B", QAccessible::Graphic, ""},
        {"DRClock1", "Zegar", QAccessible::Clock, "10:00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.element);
        QAccessibleInterface* iface = accessible(widget(c.element));
        EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), c.name);
        EXPECT_EQ(iface->role(), c.role);
        EXPECT_EQ(iface->text(QAccessible::Value).toStdString(), c.value);
    }
    EXPECT_TRUE(accessible(widget("zwa"))->state().disabled);
    EXPECT_FALSE(accessible(widget("psa"))->state().disabled);
    EXPECT_TRUE(accessible(widget("Panel55"))->state().invisible);
    const QAccessible::State sita = accessible(widget("sita"))->state();
    EXPECT_TRUE(sita.checkable);
    EXPECT_FALSE(sita.checked);
}

// After a change of the model and sync(), the name says what the element shows.
TEST_F(DeskAccessibility, NamesFollowTheState) {
    struct Case {
        const char* element;
        std::function<void(DeskModel&, ElementId)> change;
        const char* name;
    } cases[] = {
        {"ALed19", [](DeskModel& m, ElementId id) { m.setLampOn(id, true); },
         "Lampa zielona semafora A w terenie, zapalona"},
        {"ALed19", [](DeskModel& m, ElementId id) { m.setLampBlink(id, true); },
         "Lampa zielona semafora A w terenie, miga"},
        {"ALed19", [](DeskModel& m, ElementId id) { m.setLampOn(id, false); },
         "Lampa zielona semafora A w terenie, zgaszona"},
        {"ALed44",
         [](DeskModel& m, ElementId id) {
             m.setLampColour(id, colour::red);
             m.setLampBlink(id, false);
             m.setLampOn(id, true);
         },
         "Lampa Wbl (ZORMIA), czerwona, zapalona"},
        {"im2", [](DeskModel& m, ElementId id) { m.showPicture(id, Picture::AW1C); },
         "Odcinek ITA, zajęty"},
        {"im2", [](DeskModel& m, ElementId id) { m.showPicture(id, Picture::AW1Z); },
         "Odcinek ITA, przebieg"},
        {"im2", [](DeskModel& m, ElementId id) { m.showPicture(id, Picture::AW1S); },
         "Odcinek ITA, wolny"},
        {"im4", [](DeskModel& m, ElementId id) { m.showPicture(id, Picture::AW1C); },
         "Odcinek IT1, zajęty"},
        {"im6", [](DeskModel& m, ElementId id) { m.showPicture(id, Picture::AW4MZ); },
         "Odcinek IZ1, zwrotnica 1cd: minus, przebieg"},
        {"lia", [](DeskModel& m, ElementId id) { m.setValue(id, 3); }, "Licznik SzA: 0003"},
        {"z1ab", [](DeskModel& m, ElementId id) { m.setCaption(id, "-"); }, "Zwrotnica 1ab: minus"},
        {"zwa", [](DeskModel& m, ElementId id) { m.setEnabled(id, true); },
         "Przycisk zwalniający zwa, odplombowany"},
        {"sita", [](DeskModel& m, ElementId id) { m.setDown(id, true); },
         "Symulacja zajętości ITA, wciśnięty"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.change(model_, idOf(c.element));
        sync(c.element);
        EXPECT_EQ(nameOf(widget(c.element)), c.name);
    }
    EXPECT_TRUE(accessible(widget("sita"))->state().checked);
    EXPECT_FALSE(accessible(widget("zwa"))->state().disabled);
}

// A lamp's name says whether it is lit; the white lamps flash whenever they are,
// and a flashing lamp is animated.
TEST_F(DeskAccessibility, LightingALampRenamesIt) {
    QWidget* lamp = widget("ALed23");
    EXPECT_FALSE(accessible(lamp)->state().animated);
    model_.setLampOn(idOf("ALed23"), true);
    sync("ALed23");
    EXPECT_EQ(nameOf(lamp), "Lampa biała semafora A w terenie, miga");
    EXPECT_EQ(lamp->accessibleName().toStdString(), "Lampa biała semafora A w terenie, miga");
    EXPECT_TRUE(accessible(lamp)->state().animated);
}

TEST_F(DeskAccessibility, PressActionClicksOnlyAnEnabledButton) {
    for (const auto& [element, clicks] : {std::pair{"psa", 1}, std::pair{"zwa", 0}}) {
        SCOPED_TRACE(element);
        auto* button = qobject_cast<QAbstractButton*>(widget(element));
        ASSERT_NE(button, nullptr);
        QSignalSpy spy(button, &QAbstractButton::clicked);
        QAccessibleActionInterface* action = accessible(button)->actionInterface();
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
        action->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(spy.count(), clicks);
    }
    EXPECT_TRUE(accessible(widget("ALed6"))->actionInterface()->actionNames().isEmpty());
}

// The plain windows are windows named by their captions, and every named element
// in them has an accessible name: its caption, or for the icon and the memo
// what they are.
TEST(WindowAccessibility, EveryNamedElementOfThePlainWindowsHasAName) {
    TimerService timers;
    StartWindow start(
        timers, [] { return QTime(10, 0, 0); }, [] {}, [] {});
    start.formActivate();  // shows the time
    AboutBox about;
    DescriptionWindow description;
    const std::pair<QWidget*, QAccessible::Role> windows[] = {
        {&start, QAccessible::Window},
        {&about, QAccessible::Dialog},
        {&description, QAccessible::Window},
    };
    for (const auto& [window, role] : windows) {
        EXPECT_EQ(accessible(window)->role(), role);
        EXPECT_EQ(nameOf(window), window->windowTitle().toStdString());
        for (QWidget* child : window->findChildren<QWidget*>()) {
            const QString objectName = child->objectName();
            if (objectName.isEmpty() || objectName.startsWith(QStringLiteral("qt_"))) continue;
            SCOPED_TRACE(objectName.toStdString());
            EXPECT_FALSE(nameOf(child).empty());
        }
    }
    const std::pair<QWidget*, const char*> named[] = {
        {start.findChild<QWidget*>(QStringLiteral("st")), "Chętnie popracuję"},
        {start.findChild<QWidget*>(QStringLiteral("ExplorerButton1")), "Nie chce mi się."},
        {about.findChild<QWidget*>(QStringLiteral("OKButton")), "OK"},
        {about.findChild<QWidget*>(QStringLiteral("Copyright")), "Program: Zespół Tremix"},
        {description.findChild<QWidget*>(QStringLiteral("Button1")), "ZAMKNIJ"},
        {description.findChild<QWidget*>(QStringLiteral("Memo1")), "OPIS PROGRAMU"},
    };
    for (const auto& [widget, name] : named) {
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(nameOf(widget), name);
    }
}

}  // namespace
}  // namespace zormia
