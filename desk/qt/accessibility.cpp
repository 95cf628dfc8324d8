#include "desk/qt/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QWidget>
#include <algorithm>
#include <array>
#include <string_view>

#include "desk/qt/widget_clock.h"
#include "desk/qt/widget_counter.h"
#include "desk/qt/widget_support.h"

namespace zormia {
namespace {

// What follows an element's name: the part of its state that the name tells.
enum class Shows : std::uint8_t {
    Nothing,
    Lamp,           // ", zapalona" / ", zgaszona" / ", miga"
    LampAndColour,  // ", żółta, miga": lamps whose on colour changes or is not in the name
    Seal,           // ", zaplombowany" / ", odplombowany": a release button's enabled state
    PointsCaption,  // ": plus" / ": minus" from the point button's caption
    Section,        // ", wolny" / ", przebieg" / ", zajęty" from the tile's picture
    StationTrack,   // the same, yellow being the track's rest look: ", wolny"
    PointsSection,  // ": plus, wolny", the leg from the picture
    Counter,        // ": 0003"
};

constexpr QAccessible::Role kByKind = QAccessible::NoRole;

struct Entry {
    std::string_view element;
    std::string_view name;
    Shows shows = Shows::Nothing;
    QAccessible::Role role = kByKind;
};

// Elements whose name is not their caption. Labels, boxed letters, the
// simulator's buttons, the seal bars, the direction triangles and the cells
// of the grid are named from the catalogue instead (see baseName()).
constexpr Entry kNames[] = {
    {"Canvas", "Pulpit stacji ZORMIA"},

    // Buttons of the signals, their substitute and shunting signals.
    {"psa", "Przycisk semafora A"},
    {"psb", "Przycisk semafora B"},
    {"psc", "Przycisk semafora C"},
    {"psd", "Przycisk semafora D"},
    {"psg", "Przycisk semafora G"},
    {"psh", "Przycisk semafora H"},
    {"SemP", "Przycisk semafora P"},
    {"psza", "Przycisk sygnału zastępczego SzA"},
    {"pszb", "Przycisk sygnału zastępczego SzB"},
    {"pszc", "Przycisk sygnału zastępczego SzC"},
    {"pszd", "Przycisk sygnału zastępczego SzD"},
    {"pszg", "Przycisk sygnału zastępczego SzG"},
    {"pszh", "Przycisk sygnału zastępczego SzH"},
    {"am", "Przycisk sygnału manewrowego A"},
    {"bm", "Przycisk sygnału manewrowego B"},
    {"cm", "Przycisk sygnału manewrowego C"},

    // Release buttons: enabled while their seal is broken.
    {"zwa", "Przycisk zwalniający zwa", Shows::Seal},
    {"zwb", "Przycisk zwalniający zwb", Shows::Seal},
    {"zwc", "Przycisk zwalniający zwc", Shows::Seal},
    {"zwd", "Przycisk zwalniający zwd", Shows::Seal},
    {"zwg", "Przycisk zwalniający zwg", Shows::Seal},
    {"zwh", "Przycisk zwalniający zwh", Shows::Seal},

    // The line block, both ends.
    {"pwbla", "Przycisk Wbl (ZORMIA)"},
    {"ppoz1", "Przycisk Poz (ZORMIA)"},
    {"pdpod", "Przycisk dPoD (ZORMIA)"},
    {"pkog", "Przycisk KoG (ZORMIA)"},
    {"pdkog", "Przycisk dKoG (ZORMIA)"},
    {"pwbl2", "Przycisk Wbl (Stacja B)"},
    {"ppoz2", "Przycisk Poz (Stacja B)"},
    {"pdpo2", "Przycisk dPoV (Stacja B)"},
    {"pkoy", "Przycisk KoY (Stacja B)"},
    {"pdkox", "Przycisk dKoY (Stacja B)"},

    {"z1ab", "Zwrotnica 1ab", Shows::PointsCaption},
    {"z1cd", "Zwrotnica 1cd", Shows::PointsCaption},

    // Train arrows and the arrow of SzD.
    {"PrzebiegiA", "Strzałka uruchomienia pociągu spod semafora A"},
    {"PrzebiegiB", "Strzałka uruchomienia pociągu spod semafora B"},
    {"PrzebiegC", "Strzałka uruchomienia pociągu spod semafora C"},
    {"PrzebiegiH", "Strzałka uruchomienia pociągu spod semafora H"},
    {"PrzebiegiG", "Strzałka uruchomienia pociągu spod semafora G"},
    {"jszd", "Strzałka jazdy na sygnał zastępczy semafora D"},
    {"Panel55", "Pole strzałki pociągu, tor 3"},
    {"Panel56", "Pole strzałki pociągu, tor 1"},
    {"Panel57", "Pole strzałki pociągu, tor 2"},
    {"Panel63", "Pole strzałki pociągu od Stacji C"},
    {"Panel64", "Pole strzałki pociągu od Stacji B"},

    // Desk lamps of the signals.
    {"ALed6", "Lampa czerwona semafora A na pulpicie", Shows::Lamp},
    {"ALed4", "Lampa zielona semafora A na pulpicie", Shows::Lamp},
    {"ALed5", "Lampa biała semafora A na pulpicie", Shows::Lamp},
    {"ALed8", "Lampa czerwona semafora B na pulpicie", Shows::Lamp},
    {"ALed9", "Lampa zielona semafora B na pulpicie", Shows::Lamp},
    {"ALed7", "Lampa biała semafora B na pulpicie", Shows::Lamp},
    {"ALed11", "Lampa czerwona semafora C na pulpicie", Shows::Lamp},
    {"ALed12", "Lampa zielona semafora C na pulpicie", Shows::Lamp},
    {"ALed10", "Lampa biała semafora C na pulpicie", Shows::Lamp},
    {"ALed15", "Lampa czerwona semafora D na pulpicie", Shows::Lamp},
    {"ALed14", "Lampa zielona semafora D na pulpicie", Shows::Lamp},
    {"ALed13", "Lampa biała semafora D na pulpicie", Shows::Lamp},
    {"ALed1", "Lampa czerwona semafora G na pulpicie", Shows::Lamp},
    {"ALed2", "Lampa zielona semafora G na pulpicie", Shows::Lamp},
    {"ALed3", "Lampa biała semafora G na pulpicie", Shows::Lamp},
    {"ALed16", "Lampa czerwona semafora H na pulpicie", Shows::Lamp},
    {"ALed17", "Lampa zielona semafora H na pulpicie", Shows::Lamp},
    {"ALed18", "Lampa biała semafora H na pulpicie", Shows::Lamp},
    {"ALed29", "Lampa semafora P", Shows::Lamp},

    // The field-signal panel, each column top to bottom.
    {"ALed19", "Lampa zielona semafora A w terenie", Shows::Lamp},
    {"ALed20", "Lampa żółta górna semafora A w terenie", Shows::Lamp},
    {"ALed21", "Lampa czerwona semafora A w terenie", Shows::Lamp},
    {"ALed22", "Lampa żółta dolna semafora A w terenie", Shows::Lamp},
    {"ALed23", "Lampa biała semafora A w terenie", Shows::Lamp},
    {"ALed24", "Lampa zielona semafora B w terenie", Shows::Lamp},
    {"ALed25", "Lampa żółta górna semafora B w terenie", Shows::Lamp},
    {"ALed26", "Lampa czerwona semafora B w terenie", Shows::Lamp},
    {"ALed27", "Lampa żółta dolna semafora B w terenie", Shows::Lamp},
    {"ALed28", "Lampa biała semafora B w terenie", Shows::Lamp},
    {"ALed30", "Lampa zielona semafora C w terenie", Shows::Lamp},
    {"ALed31", "Lampa czerwona semafora C w terenie", Shows::Lamp},
    {"ALed32", "Lampa żółta semafora C w terenie", Shows::Lamp},
    {"ALed33", "Lampa biała semafora C w terenie", Shows::Lamp},
    {"ALed36", "Lampa czerwona semafora D w terenie", Shows::Lamp},
    {"ALed37", "Lampa zielona semafora D w terenie", Shows::Lamp},
    {"ALed38", "Lampa biała semafora D w terenie", Shows::Lamp},
    {"ALed54", "Lampa zielona semafora G w terenie", Shows::Lamp},
    {"ALed45", "Lampa żółta górna semafora G w terenie", Shows::Lamp},
    {"ALed46", "Lampa czerwona semafora G w terenie", Shows::Lamp},
    {"ALed47", "Lampa żółta dolna semafora G w terenie", Shows::Lamp},
    {"ALed48", "Lampa biała semafora G w terenie", Shows::Lamp},
    {"ALed53", "Lampa zielona semafora H w terenie", Shows::Lamp},
    {"ALed40", "Lampa żółta górna semafora H w terenie", Shows::Lamp},
    {"ALed41", "Lampa czerwona semafora H w terenie", Shows::Lamp},
    {"ALed42", "Lampa żółta dolna semafora H w terenie", Shows::Lamp},
    {"ALed43", "Lampa biała semafora H w terenie", Shows::Lamp},

    // Lamps of the line block; the direction lamps turn from yellow to red.
    {"ALed44", "Lampa Wbl (ZORMIA)", Shows::LampAndColour},
    {"ALed39", "Lampa Poz (ZORMIA)", Shows::LampAndColour},
    {"ALed34", "Lampa PWL (ZORMIA)", Shows::LampAndColour},
    {"ALed35", "Lampa KoG (ZORMIA)", Shows::LampAndColour},
    {"ALed55", "Lampa dKoG (ZORMIA)", Shows::LampAndColour},
    {"ALed51", "Lampa Wbl (Stacja B)", Shows::LampAndColour},
    {"ALed52", "Lampa Poz (Stacja B)", Shows::LampAndColour},
    {"ALed49", "Lampa PWL (Stacja B)", Shows::LampAndColour},
    {"ALed50", "Lampa KoY (Stacja B)", Shows::LampAndColour},

    // Use counters.
    {"lia", "Licznik SzA", Shows::Counter},
    {"lib", "Licznik SzB", Shows::Counter},
    {"lic", "Licznik SzC", Shows::Counter},
    {"lid", "Licznik SzD", Shows::Counter},
    {"lig", "Licznik SzG", Shows::Counter},
    {"lih", "Licznik SzH", Shows::Counter},
    {"licznikg", "Licznik dKoG", Shows::Counter},
    {"ldpod", "Licznik dPoD", Shows::Counter},
    {"ldpov", "Licznik dPoV", Shows::Counter},
    {"ldkoy", "Licznik dKoY", Shows::Counter},

    // Track tiles by section.
    {"im1", "Odcinek IT3", Shows::StationTrack},
    {"im2", "Odcinek ITA", Shows::Section},
    {"im3", "Odcinek ITA", Shows::Section},
    {"im4", "Odcinek IT1", Shows::StationTrack},
    {"im5", "Odcinek ITB", Shows::Section},
    {"im6", "Odcinek IZ1, zwrotnica 1cd", Shows::PointsSection},
    {"im7", "Odcinek IZ1, zwrotnica 1ab", Shows::PointsSection},
    {"im8", "Odcinek ITH", Shows::Section},
    {"im9", "Odcinek ITH", Shows::Section},
    {"im10", "Odcinek ITH", Shows::Section},
    {"im11", "Odcinek ITH", Shows::Section},
    {"im12", "Odcinek ITH", Shows::Section},
    {"im13", "Odcinek ITH", Shows::Section},
    {"im14", "Tor szlakowy do Stacji C", Shows::Section},
    {"im15", "Odcinek IT2", Shows::StationTrack},
    {"im16", "Odcinek ITC", Shows::Section},
    {"im17", "Odcinek ITC", Shows::Section},
    {"im18", "Odcinek IZ2, zwrotnica 1ab", Shows::PointsSection},
    {"im19", "Odcinek ITD", Shows::Section},
    {"im20", "Odcinek ITD", Shows::Section},
    {"im21", "Odcinek ITD", Shows::Section},
    {"im22", "Odcinek ITD", Shows::Section},
    {"im23", "Odcinek ITG", Shows::Section},
    {"im24", "Odcinek ITG", Shows::Section},
    {"im25", "Tor szlakowy do Stacji B", Shows::Section},

    // Panels that group what belongs together, and the plates.
    {"GradPan2", "Obrazy semaforów w terenie", Shows::Nothing, QAccessible::Grouping},
    {"Panel49", "Semafor A w terenie", Shows::Nothing, QAccessible::Grouping},
    {"Panel50", "Semafor B w terenie", Shows::Nothing, QAccessible::Grouping},
    {"Panel51", "Semafor C w terenie", Shows::Nothing, QAccessible::Grouping},
    {"Panel52", "Semafor D w terenie", Shows::Nothing, QAccessible::Grouping},
    {"Panel54", "Semafor G w terenie", Shows::Nothing, QAccessible::Grouping},
    {"Panel53", "Semafor H w terenie", Shows::Nothing, QAccessible::Grouping},
    {"StacjaB", "Stacja B", Shows::Nothing, QAccessible::Grouping},
    {"StacjaB1", "Pole Wbl (Stacja B)"},
    {"StacjaB2", "Pole PWL (Stacja B)"},
    {"Panel60", "Pole Poz (Stacja B)"},
    {"StacjaB4", "Pole dPoV (Stacja B)"},
    {"StacjaB5", "Pole dKoY (Stacja B)"},
    {"Panel59", "Pole KoY (Stacja B)"},
    {"symulator", "Symulacja zajętości", Shows::Nothing, QAccessible::Grouping},
    {"GradPan1", "PERON 1", Shows::Nothing, QAccessible::StaticText},
    {"Panel58", "Tablica JM", Shows::Nothing, QAccessible::Grouping},
    {"Shape1", "Ramka tablicy JM"},
    {"Shape2", "Tło napisu JM"},
    {"DRClock1", "Zegar"},
};

const Entry* entryOf(ElementId id) {
    // Looked up by element once and held: the table is keyed by name.
    static const std::array<const Entry*, kElementCount> byId = [] {
        std::array<const Entry*, kElementCount> table{};
        for (const Entry& entry : kNames) {
            if (const auto id = elementByName(entry.element)) table[static_cast<int>(*id)] = &entry;
        }
        return table;
    }();
    return byId[static_cast<int>(id)];
}

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A cell of the grid: a raised 66 x 66 panel on the desk itself. Rows start
// about 66 pixels apart from y = 1, columns from x = 36.
bool isCell(const ElementSpec& row) {
    return row.kind == ElementKind::Panel && row.parent == 0 && row.attrs.bevel == Bevel::Raised &&
           row.width == 66 && row.height == 66;
}

QString baseName(ElementId id, const ElementState& state) {
    if (const Entry* entry = entryOf(id)) return fromView(entry->name);
    const ElementSpec& row = elementRow(id);
    switch (row.kind) {
        case ElementKind::ToggleButton:
            return QStringLiteral("Symulacja zajętości ") + QString::fromStdString(state.caption);
        case ElementKind::SealBar:
            // pzwa lies over zwa.
            return QStringLiteral("Plomba przycisku ") + fromView(row.name.substr(1));
        case ElementKind::Triangle:
            return row.attrs.direction == Direction::Left
                       ? QStringLiteral("Kierunek blokady: ze Stacji B")
                       : QStringLiteral("Kierunek blokady: do Stacji B");
        case ElementKind::Panel:
            if (isCell(row)) {
                return QStringLiteral("Pole pulpitu, rząd %1, kolumna %2")
                    .arg((row.y + 33) / 66 + 1)
                    .arg((row.x - 3) / 66 + 1);
            }
            break;
        default:
            break;
    }
    if (!state.caption.empty()) return QString::fromStdString(state.caption);
    return fromView(row.name);
}

QString lampWord(const ElementState& s) {
    if (!s.on) return QStringLiteral("zgaszona");
    return s.blink ? QStringLiteral("miga") : QStringLiteral("zapalona");
}

QString colourWord(Rgb colour) {
    switch (colour & 0xFFFFFF) {
        case colour::lime:
            return QStringLiteral("zielona");
        case colour::yellow:
            return QStringLiteral("żółta");
        case colour::red:
            return QStringLiteral("czerwona");
        case colour::white:
            return QStringLiteral("biała");
        default:
            return QStringLiteral("#%1").arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
    }
}

// The colour letter of a tile's picture ("AW4PB" -> 'b') and, for a point
// picture, whether it shows the plus position.
char pictureLetter(Picture picture) {
    const std::string_view name = pictureName(picture);
    return static_cast<char>(name.back() - 'A' + 'a');
}
bool picturePlus(Picture picture) {
    const std::string_view name = pictureName(picture);
    return name.size() == 5 && name[3] == 'P';
}

QString sectionWord(Picture picture, bool stationTrack) {
    switch (pictureLetter(picture)) {
        case 'c':
            return QStringLiteral("zajęty");
        case 'z':
            return stationTrack ? QStringLiteral("wolny") : QStringLiteral("przebieg");
        default:  // unlit, or the white rest look of the points
            return QStringLiteral("wolny");
    }
}

Shows showsOf(ElementId id) {
    if (const Entry* entry = entryOf(id)) return entry->shows;
    return Shows::Nothing;
}

}  // namespace

QString accessibleValue(ElementId id, const ElementState& state) {
    switch (elementRow(id).kind) {
        case ElementKind::ToggleButton:
            return state.down ? QStringLiteral("wciśnięty") : QStringLiteral("niewciśnięty");
        default:
            break;
    }
    switch (showsOf(id)) {
        case Shows::Lamp:
            return lampWord(state);
        case Shows::LampAndColour:
            return colourWord(state.colour) + QStringLiteral(", ") + lampWord(state);
        case Shows::Seal:
            return state.enabled ? QStringLiteral("odplombowany") : QStringLiteral("zaplombowany");
        case Shows::PointsCaption:
            return state.caption == "-" ? QStringLiteral("minus") : QStringLiteral("plus");
        case Shows::Section:
            return sectionWord(state.picture, false);
        case Shows::StationTrack:
            return sectionWord(state.picture, true);
        case Shows::PointsSection:
            return (picturePlus(state.picture) ? QStringLiteral("plus, ")
                                               : QStringLiteral("minus, ")) +
                   sectionWord(state.picture, false);
        case Shows::Counter:
            return counterText(state.value);
        case Shows::Nothing:
            break;
    }
    return {};
}

QString accessibleName(ElementId id, const ElementState& state) {
    const QString base = baseName(id, state);
    const QString value = accessibleValue(id, state);
    if (value.isEmpty()) return base;
    const Shows shows = showsOf(id);
    const bool colon =
        shows == Shows::Counter || shows == Shows::PointsCaption || shows == Shows::PointsSection;
    return base + (colon ? QStringLiteral(": ") : QStringLiteral(", ")) + value;
}

QAccessible::Role accessibleRole(ElementId id) {
    if (const Entry* entry = entryOf(id); entry && entry->role != kByKind) return entry->role;
    switch (elementRow(id).kind) {
        case ElementKind::Canvas:
        case ElementKind::Panel:
        case ElementKind::GradPanel:
            return QAccessible::Pane;
        case ElementKind::Tile:
        case ElementKind::SealBar:
        case ElementKind::Triangle:
        case ElementKind::Shape:
            return QAccessible::Graphic;
        case ElementKind::Lamp:
        case ElementKind::BarLamp:
            return QAccessible::Indicator;
        case ElementKind::Button:
        case ElementKind::PointButton:
        case ElementKind::ArrowButton:
        case ElementKind::ToggleButton:
        case ElementKind::PushButton:
            return QAccessible::PushButton;
        case ElementKind::Counter:
        case ElementKind::Label:
        case ElementKind::Label3D:
        case ElementKind::BoxLabel:
            return QAccessible::StaticText;
        case ElementKind::Clock:
            return QAccessible::Clock;
    }
    return QAccessible::Client;
}

namespace {

// An element widget as assistive technology sees it. The name is the widget's
// accessible name, which ElementWidget keeps up to date.
class ElementAccessible : public QAccessibleWidget {
  public:
    ElementAccessible(QWidget* widget, const ElementWidget& element)
        : QAccessibleWidget(widget, accessibleRole(element.id())), element_(element) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            if (const auto* clock = qobject_cast<const ClockWidget*>(widget())) {
                return clock->shownTime().toString(QStringLiteral("HH:mm:ss"));
            }
            return accessibleValue(element_.id(), element_.state());
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const ElementState& e = element_.state();
        switch (element_.row().kind) {
            case ElementKind::ToggleButton:
                s.checkable = true;
                s.checked = e.down;
                break;
            case ElementKind::Lamp:
            case ElementKind::BarLamp:
                s.animated = e.on && e.blink;
                break;
            default:
                break;
        }
        if (const auto* button = button_()) s.pressed = button->isDown();
        return s;
    }

    QStringList actionNames() const override {
        if (button_()) return {pressAction()};
        return QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (auto* button = button_(); button && action == pressAction()) {
            button->click();  // does nothing while the button is disabled
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QAbstractButton* button_() const { return qobject_cast<QAbstractButton*>(widget()); }

    const ElementWidget& element_;
};

QAccessibleInterface* elementFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    const auto* element = dynamic_cast<const ElementWidget*>(widget);
    return element ? new ElementAccessible(widget, *element) : nullptr;
}

}  // namespace

void installElementAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(elementFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace zormia
