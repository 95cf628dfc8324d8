#include "app/script/script_runner.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <span>

#include "app/about_windows.h"
#include "app/program.h"
#include "app/start_window.h"
#include "desk/menus.h"
#include "desk/qt/pul_window.h"
#include "desk/tile_set.h"

namespace zormia {
namespace {

const char* const kWindowNames[] = {"START", "PUL", "AboutBox", "op"};

std::string colourText(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(colour & 0xFFFFFF));
    return text;
}

bool hasCaption(ElementKind kind) {
    switch (kind) {
        case ElementKind::PointButton:
        case ElementKind::Label:
        case ElementKind::Label3D:
        case ElementKind::SealBar:
        case ElementKind::BoxLabel:
        case ElementKind::ToggleButton:
        case ElementKind::PushButton:
        case ElementKind::GradPanel:
            return true;
        default:
            return false;
    }
}

// Elements of the plain windows: every named child that is not the toolkit's own.
std::vector<QWidget*> formElements(QWidget* window) {
    std::vector<QWidget*> elements;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QStringLiteral("qt_"))) elements.push_back(child);
    }
    return elements;
}

std::optional<std::string> captionOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text().toStdString();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text().toStdString();
    }
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(widget)) {
        return memo->toPlainText().toStdString();
    }
    return std::nullopt;
}

// A window's or an element's contents at scale 1. On a denser screen (a scale
// factor of 1.5 or 2) a grab would hold the screen's pixels, so the widget is
// painted once more into an image of one pixel per logical pixel.
QImage snapshot(QWidget* widget) {
    if (widget->devicePixelRatioF() == 1.0) return widget->grab().toImage();
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image);
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 255) return image;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

ScriptRunner::ScriptRunner(Program& program, std::string scriptName, std::ostream& out,
                           std::ostream& err)
    : program_(program), scriptName_(std::move(scriptName)), out_(out), err_(err) {
    // Message boxes do not block a script: each is counted, its text kept, and
    // it is answered with OK at once.
    program_.showMessage = [this](const QString& text) {
        ++messageCount_;
        lastMessage_ = text.toStdString();
    };
}

int ScriptRunner::run(std::istream& in) {
    std::string line;
    settle();
    while (std::getline(in, line)) {
        ++lineNumber_;
        if (program_.terminated()) break;  // the program has ended
        const ParsedLine parsed = parseScriptLine(line);
        std::optional<Failure> failure;
        if (const auto* error = std::get_if<ScriptError>(&parsed)) {
            failure = Failure{2, error->text};
        } else if (const auto* command = std::get_if<ScriptCommand>(&parsed)) {
            failure = execute(*command);
        }
        if (failure) {
            err_ << scriptName_ << ':' << lineNumber_ << ": " << failure->text << '\n';
            return failure->status;
        }
    }
    return 0;
}

void ScriptRunner::settle() {
    QApplication::processEvents();
}

void ScriptRunner::closePopup() {
    QMenu* popup = program_.deskWindow().popupMenu();
    if (!popup->isVisible()) return;
    popup->hide();
    settle();
}

bool ScriptRunner::makeActive(FormWindow* form) {
    if (program_.focus().active() != form) {
        program_.focus().activate(form);
        settle();
    }
    return !program_.terminated() && form->widget()->isVisible();
}

std::optional<ScriptRunner::Failure> ScriptRunner::execute(const ScriptCommand& c) {
    using Kind = ScriptCommand::Kind;
    switch (c.kind) {
        case Kind::Click:
        case Kind::RightClick:
            return click(c.names[0], c.x, c.y, c.kind == Kind::RightClick);
        case Kind::Menu:
            return menu(c.names[0]);
        case Kind::Wait:
            program_.timers().advanceTo(program_.timers().now() + c.ms);
            settle();
            return std::nullopt;
        case Kind::Activate:
            return activate(c.names[0]);
        case Kind::Close:
            return close(c.names[0]);
        case Kind::Leave:
            // The program loses the focus to another application: an open popup
            // menu closes; the program's own active window stays.
            closePopup();
            return std::nullopt;
        case Kind::Return:
            // Getting the focus back moves nothing either.
            return std::nullopt;
        case Kind::Dump:
            return dump(c.names);
        case Kind::Expect:
            return expect(c.names[0], c.value);
        case Kind::Shot:
            return shot(c.names[0], c.names[1]);
        case Kind::Picture:
            return picture(c.names[0], c.names[1]);
    }
    return std::nullopt;
}

QWidget* ScriptRunner::findElement(const std::string& name) const {
    const QString qname = QString::fromStdString(name);
    if (FormWindow* form = program_.window(qname)) return form->widget();
    const auto dot = qname.indexOf(u'.');
    if (dot < 0) {
        if (auto id = elementByName(name); id && *id != ElementId::Canvas) {
            return program_.deskWindow().elementWidget(*id);
        }
        return nullptr;
    }
    FormWindow* form = program_.window(qname.left(dot));
    if (!form) return nullptr;
    const QString child = qname.mid(dot + 1);
    if (form->instanceName() == QStringLiteral("PUL")) {
        auto id = elementByName(child.toStdString());
        return id ? program_.deskWindow().elementWidget(*id) : nullptr;
    }
    return form->widget()->findChild<QWidget*>(child);
}

std::optional<ScriptRunner::Failure> ScriptRunner::click(const std::string& name,
                                                         std::optional<std::int64_t> x,
                                                         std::optional<std::int64_t> y,
                                                         bool right) {
    QWidget* element = findElement(name);
    if (!element) return Failure{2, "unknown element '" + name + "'"};
    QPoint local = element->rect().center();
    if (x && y) local = QPoint(static_cast<int>(*x), static_cast<int>(*y));
    QWidget* window = element->window();
    FormWindow* form = program_.focus().find(window);
    if (!form || !window->isVisible()) return std::nullopt;  // nothing there gets it
    // A click on a window that is not the active one makes it the active one.
    if (!makeActive(form)) return std::nullopt;
    const QPoint at = element == window ? local : element->mapTo(window, local);
    QTest::mouseClick(window->windowHandle(), right ? Qt::RightButton : Qt::LeftButton,
                      Qt::KeyboardModifiers(), at);
    settle();
    return std::nullopt;
}

std::optional<ScriptRunner::Failure> ScriptRunner::menu(const std::string& name) {
    PulWindow& desk = program_.deskWindow();
    QMenu* popup = desk.popupMenu();
    const bool popupItem = std::any_of(std::begin(kPopupMenu), std::end(kPopupMenu),
                                       [&](const MenuItemSpec& m) { return m.name == name; });
    if (popupItem) {
        if (!popup->isVisible()) return Failure{2, "menu item '" + name + "' is not open"};
        QAction* action = desk.menuAction(QString::fromStdString(name));
        popup->hide();
        action->trigger();
        settle();
        return std::nullopt;
    }
    const bool mainItem = std::any_of(std::begin(kMainMenu), std::end(kMainMenu),
                                      [&](const MenuItemSpec& m) { return m.name == name; });
    if (!mainItem) return Failure{2, "unknown menu item '" + name + "'"};
    if (!desk.isVisible())
        return Failure{2, "menu item '" + name + "' cannot be reached: the desk is not shown"};
    if (popup->isVisible()) popup->hide();
    if (!makeActive(program_.focus().find(&desk))) return std::nullopt;
    QAction* action = desk.menuAction(QString::fromStdString(name));
    if (!action->menu()) action->trigger();  // a submenu only opens
    settle();
    return std::nullopt;
}

std::optional<ScriptRunner::Failure> ScriptRunner::activate(const std::string& name) {
    FormWindow* form = program_.window(QString::fromStdString(name));
    if (!form) return Failure{2, "unknown window '" + name + "'"};
    if (!form->widget()->isVisible()) return Failure{2, "window '" + name + "' is not shown"};
    closePopup();  // the click on the window closes an open popup menu
    program_.focus().activate(form);
    settle();
    return std::nullopt;
}

std::optional<ScriptRunner::Failure> ScriptRunner::close(const std::string& name) {
    FormWindow* form = program_.window(QString::fromStdString(name));
    if (!form) return Failure{2, "unknown window '" + name + "'"};
    // The click on the title bar's close box first makes the window the active one
    // (the desk, deactivated by it, saves its counters before the program ends).
    QWidget* window = form->widget();
    if (window->isVisible()) closePopup();
    if (window->isVisible() && !makeActive(form)) return std::nullopt;
    window->close();
    settle();
    return std::nullopt;
}

std::optional<StateValue> ScriptRunner::value(const std::string& key) const {
    Pul& desk = program_.desk();
    if (key == "time") return StateValue(static_cast<std::int64_t>(program_.timers().now()));
    if (key == "active") {
        FormWindow* active = program_.focus().active();
        return StateValue(active ? active->instanceName().toStdString() : std::string());
    }
    if (key == "messages") return StateValue(static_cast<std::int64_t>(messageCount_));
    if (key == "message") return StateValue(lastMessage_);
    if (key == "PopupMenu1.open") return StateValue(program_.deskWindow().popupMenu()->isVisible());
    if (key == "START.Timer2.enabled") return StateValue(program_.startWindow().Timer2.enabled());
    for (const Pul::Variable& v : desk.variables()) {
        if (v.name == key) {
            if (v.flag) return StateValue(*v.flag);
            return StateValue(static_cast<std::int64_t>(*v.number));
        }
    }
    const auto dot = key.rfind('.');
    if (dot == std::string::npos) return std::nullopt;
    const std::string owner = key.substr(0, dot);
    const std::string property = key.substr(dot + 1);

    if (property == "visible") {
        if (FormWindow* form = program_.window(QString::fromStdString(owner))) {
            return StateValue(form->widget()->isVisible());
        }
    }
    if (property == "enabled" && owner.size() == 6 && owner.rfind("Timer", 0) == 0 &&
        owner[5] >= '1' && owner[5] <= '8') {
        return StateValue(desk.timers()[owner[5] - '1']->enabled());
    }

    // The entries of the desk's main menu and of its popup menu.
    if (const QAction* action = program_.deskWindow().menuAction(QString::fromStdString(owner))) {
        if (property == "caption") {
            return StateValue(
                action->text().replace(QStringLiteral("&&"), QStringLiteral("&")).toStdString());
        }
        if (property == "visible") return StateValue(action->isVisible());
        if (property == "enabled") return StateValue(action->isEnabled());
        return std::nullopt;
    }

    // Elements of the start, About and description windows.
    const auto ownerDot = owner.find('.');
    if (ownerDot != std::string::npos && owner.substr(0, ownerDot) != "PUL") {
        FormWindow* form = program_.window(QString::fromStdString(owner.substr(0, ownerDot)));
        if (!form) return std::nullopt;
        QWidget* w =
            form->widget()->findChild<QWidget*>(QString::fromStdString(owner.substr(ownerDot + 1)));
        if (!w || w->objectName().startsWith(QStringLiteral("qt_"))) return std::nullopt;
        if (property == "visible") return StateValue(!w->isHidden());
        if (property == "enabled") return StateValue(!w->testAttribute(Qt::WA_ForceDisabled));
        if (property == "caption") {
            if (auto caption = captionOf(w)) return StateValue(*caption);
        }
        return std::nullopt;
    }

    // Elements of the desk, as the desk's state holds them.
    const std::string elementName = owner.rfind("PUL.", 0) == 0 ? owner.substr(4) : owner;
    const auto id = elementByName(elementName);
    if (!id || *id == ElementId::Canvas) return std::nullopt;
    const ElementState& s = desk.model().state(*id);
    const ElementKind kind = elementRow(*id).kind;
    if (property == "visible") return StateValue(s.visible);
    if (property == "enabled") return StateValue(s.enabled);
    const bool lamp = kind == ElementKind::Lamp || kind == ElementKind::BarLamp;
    if (lamp && property == "on") return StateValue(s.on);
    if (lamp && property == "blink") return StateValue(s.blink);
    if (lamp && property == "color") return StateValue(colourText(s.colour));
    if (kind == ElementKind::Tile && property == "picture") {
        return StateValue(std::string(pictureName(s.picture)));
    }
    if (kind == ElementKind::Tile && property == "startup") return StateValue(s.startup);
    if (kind == ElementKind::Counter && property == "value") {
        return StateValue(static_cast<std::int64_t>(s.value));
    }
    if (kind == ElementKind::ToggleButton && property == "down") return StateValue(s.down);
    if (hasCaption(kind) && property == "caption") return StateValue(s.caption);
    return std::nullopt;
}

std::map<std::string, StateValue> ScriptRunner::state() const {
    std::vector<std::string> keys = {"time",    "active",          "messages",
                                     "message", "PopupMenu1.open", "START.Timer2.enabled"};
    for (const char* window : kWindowNames) keys.push_back(std::string(window) + ".visible");
    for (const Pul::Variable& v : program_.desk().variables()) keys.emplace_back(v.name);
    for (int i = 1; i <= 8; ++i) keys.push_back("Timer" + std::to_string(i) + ".enabled");
    for (const ElementSpec& row : catalogue().subspan(1)) {
        const std::string name(row.name);
        for (const char* property : {"visible", "enabled", "on", "blink", "color", "picture",
                                     "startup", "value", "down", "caption"}) {
            keys.push_back(name + "." + property);
        }
    }
    for (const auto& items :
         {std::span<const MenuItemSpec>(kMainMenu), std::span<const MenuItemSpec>(kPopupMenu)}) {
        for (const MenuItemSpec& item : items) {
            for (const char* property : {"caption", "visible", "enabled"}) {
                keys.push_back(std::string(item.name) + "." + property);
            }
        }
    }
    for (const char* window : {"START", "AboutBox", "op"}) {
        FormWindow* form = program_.window(QString::fromLatin1(window));
        for (QWidget* w : formElements(form->widget())) {
            const std::string prefix = std::string(window) + "." + w->objectName().toStdString();
            for (const char* property : {"visible", "enabled", "caption"}) {
                keys.push_back(prefix + "." + property);
            }
        }
    }
    std::map<std::string, StateValue> result;
    for (const std::string& key : keys) {
        if (auto v = value(key)) result.emplace(key, *v);
    }
    return result;
}

std::optional<ScriptRunner::Failure> ScriptRunner::expect(const std::string& key,
                                                          const StateValue& want) {
    const auto got = value(key);
    if (!got) return Failure{2, "unknown key '" + key + "'"};
    if (*got != want) {
        return Failure{1, "expected " + key + " = " + toJson(want) + ", got " + toJson(*got)};
    }
    return std::nullopt;
}

std::optional<ScriptRunner::Failure> ScriptRunner::dump(const std::vector<std::string>& keys) {
    std::map<std::string, StateValue> selected;
    if (keys.empty()) {
        selected = state();
    } else {
        for (const std::string& key : keys) {
            const auto v = value(key);
            if (!v) return Failure{2, "unknown key '" + key + "'"};
            selected.emplace(key, *v);
        }
    }
    std::string line = "{";
    for (const auto& [key, v] : selected) {
        if (line.size() > 1) line += ',';
        line += toJson(StateValue(key)) + ':' + toJson(v);
    }
    out_ << line << "}\n" << std::flush;
    return std::nullopt;
}

std::optional<ScriptRunner::Failure> ScriptRunner::shot(const std::string& name,
                                                        const std::string& file) {
    QWidget* widget = findElement(name);
    if (!widget) return Failure{2, "unknown element or window '" + name + "'"};
    settle();
    if (!snapshot(widget).save(QString::fromStdString(file), "PNG")) {
        return Failure{2, "cannot write '" + file + "'"};
    }
    return std::nullopt;
}

std::optional<ScriptRunner::Failure> ScriptRunner::picture(const std::string& key,
                                                           const std::string& file) {
    const auto picture = pictureForKey(key);
    if (!picture) return Failure{2, "unknown tile key '" + key + "'"};
    const RgbImage& image = pictureImage(*picture);
    QImage qimage(image.pixels.data(), image.width, image.height, image.width * 3,
                  QImage::Format_RGB888);
    if (!qimage.save(QString::fromStdString(file), "PNG")) {
        return Failure{2, "cannot write '" + file + "'"};
    }
    return std::nullopt;
}

}  // namespace zormia
