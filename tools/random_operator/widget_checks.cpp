#include "tools/random_operator/widget_checks.h"

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>

#include "desk/qt/pul_window.h"
#include "desk/qt/widget_buttons.h"
#include "desk/qt/widget_counter.h"
#include "desk/qt/widget_lamp.h"
#include "desk/qt/widget_pictures.h"

namespace zormia::random_operator {
namespace {

std::string text(const QColor& c) {
    return c.name(QColor::HexRgb).toUpper().toStdString();
}

// Whether the element and all it lies in have `flag` set: shown or enabled as
// far as the desk goes.
bool wholeChain(const DeskModel& model, int i, bool ElementState::*flag) {
    for (; i != 0; i = catalogue()[i].parent) {
        if (!(model.state(static_cast<ElementId>(i)).*flag)) return false;
    }
    return true;
}

// The colour a lamp in state `s` shows at `now` on the desk's clock.
QColor lampColour(const ElementState& s, std::int64_t now) {
    if (!s.on) return kLampOff;
    if (s.blink && s.interval > 0 && !flashPhaseLit(now, s.interval)) return kLampOff;
    return toQColor(s.colour, kLampOff);
}

std::string checkPixels(QWidget* w, const ElementSpec& row, const ElementState& s,
                        std::int64_t now) {
    const QImage shot = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (row.kind == ElementKind::Tile) {
        const QImage& picture = tileImage(s.picture, s.startup);
        const QImage want =
            picture.copy(0, 0, shot.width(), shot.height()).convertToFormat(QImage::Format_RGB32);
        if (shot != want) {
            return std::string(row.name) + " does not paint picture " +
                   std::string(pictureName(s.picture)) + (s.startup ? " (start-up shade)" : "");
        }
    } else {
        const QColor want = lampColour(s, now);
        const QColor got = shot.pixelColor(shot.width() / 2, shot.height() / 2);
        if (got != want) {
            return std::string(row.name) + " paints " + text(got) + " in its middle, the core " +
                   text(want);
        }
    }
    return {};
}

}  // namespace

std::string checkWidgets(PulWindow& window, bool pixels) {
    const Pul& desk = window.desk();
    const DeskModel& model = desk.model();
    const std::int64_t now = const_cast<Pul&>(desk).timerService().now();
    const bool windowShown = window.isVisible();
    for (int i = 1; i < kElementCount; ++i) {
        const auto id = static_cast<ElementId>(i);
        const ElementSpec& row = catalogue()[i];
        const ElementState& s = model.state(id);
        QWidget* w = window.elementWidget(id);
        const std::string name(row.name);
        if (!w) return name + " has no widget";

        if (w->isHidden() == s.visible) {
            return name + (s.visible ? " is hidden, the core shows it"
                                     : " is not hidden, the core hides it");
        }
        const bool shown = windowShown && wholeChain(model, i, &ElementState::visible);
        if (w->isVisible() != shown) {
            return name + (shown ? " is not visible" : " is visible") + " on screen";
        }
        const bool enabled = wholeChain(model, i, &ElementState::enabled);
        if (w->isEnabled() != enabled) {
            return name + (enabled ? " is disabled, the core enables it"
                                   : " is enabled, the core disables it");
        }

        switch (row.kind) {
            case ElementKind::Lamp:
            case ElementKind::BarLamp: {
                const QColor want = lampColour(s, now);
                const QColor got = static_cast<LampWidget*>(w)->shownColour();
                if (got != want) {
                    return name + " shows " + text(got) + ", the core " + text(want) + " at " +
                           std::to_string(now) + " ms";
                }
                break;
            }
            case ElementKind::Tile: {
                const auto* tile = static_cast<TileWidget*>(w);
                if (tile->picture() != s.picture || tile->startupShade() != s.startup) {
                    return name + " shows " + std::string(pictureName(tile->picture())) +
                           (tile->startupShade() ? " (start-up)" : "") + ", the core " +
                           std::string(pictureName(s.picture)) + (s.startup ? " (start-up)" : "");
                }
                break;
            }
            case ElementKind::Counter: {
                const QString want = counterText(s.value);
                const QString& got = static_cast<CounterWidget*>(w)->text();
                if (got != want) {
                    return name + " shows " + got.toStdString() + ", the core " +
                           std::to_string(s.value);
                }
                break;
            }
            case ElementKind::ToggleButton:
                if (static_cast<ToggleButton*>(w)->shownDown() != s.down) {
                    return name +
                           (s.down ? " shows up, the core down" : " shows down, the core up");
                }
                [[fallthrough]];
            case ElementKind::PointButton:
            case ElementKind::PushButton: {
                const std::string got = static_cast<QAbstractButton*>(w)->text().toStdString();
                if (got != s.caption) {
                    return name + " shows \"" + got + "\", the core \"" + s.caption + "\"";
                }
                break;
            }
            default:
                break;
        }

        if (pixels && shown &&
            (row.kind == ElementKind::Tile || row.kind == ElementKind::Lamp ||
             row.kind == ElementKind::BarLamp)) {
            if (std::string fault = checkPixels(w, row, s, now); !fault.empty()) return fault;
        }
    }
    return {};
}

}  // namespace zormia::random_operator
