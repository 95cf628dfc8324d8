// The painted widgets of the desk's elements: what they show for an element's
// state, that they follow the state on sync(), and how their buttons click.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QTime>
#include <QWidget>
#include <QtMath>
#include <climits>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "desk/qt/element_widgets.h"
#include "desk/qt/widget_counter.h"
#include "desk/qt/widget_pictures.h"

namespace zormia {
namespace {

constexpr QRgb kSilver = qRgb(192, 192, 192);

ElementId idOf(std::string_view name) {
    const auto id = elementByName(name);
    if (!id) throw std::runtime_error("no element " + std::string(name));
    return *id;
}

// A desk model, a clock the test sets, and a shown host window standing in for
// the canvas; elements are built on demand together with their parents.
class WidgetsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host_ = std::make_unique<QWidget>();
        host_->resize(800, 540);
        host_->show();
    }

    QWidget* widget(std::string_view name) { return build(idOf(name)); }

    ElementView& view(std::string_view name) {
        auto* v = dynamic_cast<ElementView*>(widget(name));
        if (!v) throw std::runtime_error("not an element view: " + std::string(name));
        return *v;
    }

    QImage render(std::string_view name) { return widget(name)->grab().toImage(); }

    // The widget painted as on a screen of `ratio` device pixels per logical
    // pixel (the image's pixel ratio), on a transparent ground.
    QImage renderAt(std::string_view name, qreal ratio) {
        QWidget* w = widget(name);
        QImage image(qCeil(w->width() * ratio), qCeil(w->height() * ratio),
                     QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        w->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }

    QRgb centre(std::string_view name) {
        const QImage image = render(name);
        return image.pixel(image.width() / 2, image.height() / 2) & 0xFFFFFF;
    }

    DeskModel model_;
    std::int64_t elapsed_ = 0;
    QTime time_{10, 0, 0};
    DisplayClock clock_{[this] { return elapsed_; }, [this] { return time_; }};

  private:
    QWidget* build(ElementId id) {
        if (id == ElementId::Canvas) return host_.get();
        if (auto it = widgets_.find(id); it != widgets_.end()) return it->second;
        QWidget* parent = build(static_cast<ElementId>(elementRow(id).parent));
        QWidget* w = createElementWidget(id, model_, clock_, parent);
        widgets_[id] = w;
        return w;
    }

    std::unique_ptr<QWidget> host_;
    std::map<ElementId, QWidget*> widgets_;
};

TEST(FlashPhase, LitForOneIntervalThenGreyForTheNext) {
    struct Case {
        std::int64_t elapsed;
        int interval;
        bool lit;
    } cases[] = {
        {0, 500, true},
        {499, 500, true},
        {500, 500, false},
        {999, 500, false},
        {1000, 500, true},
        {1499, 500, true},
        {1500, 1000, false},
        {2000, 1000, true},
        {-1, 500, false},
        {-500, 500, false},
        {-501, 500, true},
        {-1000, 500, true},
        {3'000'000'000'250, 500, true},
        {123, 0, true},  // no period: steady
    };
    for (const Case& c : cases) {
        EXPECT_EQ(flashPhaseLit(c.elapsed, c.interval), c.lit)
            << "elapsed " << c.elapsed << " interval " << c.interval;
    }
}

TEST_F(WidgetsTest, EveryElementIsBuiltAtItsPlaceUnderItsName) {
    for (const ElementSpec& row : catalogue()) {
        const auto id = idOf(row.name);
        if (id == ElementId::Canvas) continue;
        QWidget* w = widget(row.name);
        SCOPED_TRACE(std::string(row.name));
        ASSERT_NE(w, nullptr);
        EXPECT_NE(dynamic_cast<ElementView*>(w), nullptr);
        EXPECT_EQ(w->objectName().toStdString(), row.name);
        EXPECT_EQ(w->pos(), QPoint(row.x, row.y));
        if (row.width != 0 && row.height != 0) {
            EXPECT_EQ(w->size(), QSize(row.width, row.height));
        } else {
            EXPECT_FALSE(w->size().isEmpty()) << "a label that sizes itself has no size";
        }
        const bool button =
            row.kind == ElementKind::Button || row.kind == ElementKind::PointButton ||
            row.kind == ElementKind::ArrowButton || row.kind == ElementKind::ToggleButton ||
            row.kind == ElementKind::PushButton;
        EXPECT_EQ(qobject_cast<QAbstractButton*>(w) != nullptr, button);
        EXPECT_EQ(w->isHidden(), row.attrs.hidden);
        EXPECT_EQ(w->isEnabledTo(w->parentWidget()), !row.attrs.disabled);
        EXPECT_EQ(w->toolTip().toStdString(), std::string(row.attrs.hint));
    }
}

TEST_F(WidgetsTest, LampShowsItsColourOnlyWhileOnAndInTheLitPhase) {
    // ALed5: white, flashing every 500 ms.
    struct Case {
        bool on, blink;
        std::int64_t elapsed;
        QRgb shown;
    } cases[] = {
        {false, false, 0, kSilver},
        {false, true, 100, kSilver},
        {true, false, 600, qRgb(255, 255, 255)},
        {true, true, 100, qRgb(255, 255, 255)},
        {true, true, 600, kSilver},
        {true, true, 1100, qRgb(255, 255, 255)},
    };
    const ElementId lamp = idOf("ALed5");
    for (const Case& c : cases) {
        model_.setLampOn(lamp, c.on);
        model_.setLampBlink(lamp, c.blink);
        elapsed_ = c.elapsed;
        view("ALed5").sync();
        EXPECT_EQ(centre("ALed5"), c.shown & 0xFFFFFF)
            << "on " << c.on << " blink " << c.blink << " at " << c.elapsed;
    }
}

TEST_F(WidgetsTest, BarLampTakesANewOnColour) {
    // ALed44: a yellow bar lamp that the block turns red.
    const ElementId lamp = idOf("ALed44");
    model_.setLampBlink(lamp, false);
    model_.setLampOn(lamp, true);
    view("ALed44").sync();
    EXPECT_EQ(centre("ALed44"), qRgb(255, 255, 0) & 0xFFFFFF);
    model_.setLampColour(lamp, colour::red);
    view("ALed44").sync();
    EXPECT_EQ(centre("ALed44"), qRgb(255, 0, 0) & 0xFFFFFF);
}

TEST(CounterText, FourDigitsWithLeadingZeros) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "0000"},     {7, "0007"},   {42, "0042"},     {9999, "9999"},    {10000, "0000"},
        {12345, "2345"}, {-42, "0042"}, {-12345, "2345"}, {INT_MAX, "3647"}, {INT_MIN, "3648"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(counterText(value).toStdString(), text) << value;
    }
}

TEST_F(WidgetsTest, CounterShowsTheModelsValueAfterSync) {
    auto* counter = dynamic_cast<CounterWidget*>(widget("lia"));
    ASSERT_NE(counter, nullptr);
    EXPECT_EQ(counter->text().toStdString(), "0000");
    model_.setValue(idOf("lia"), 37);
    counter->sync();
    EXPECT_EQ(counter->text().toStdString(), "0037");
}

// After a change of the model and sync(), the element looks different.
TEST_F(WidgetsTest, SyncRepaintsWhatTheStateChanged) {
    struct Case {
        const char* name;
        std::function<void(DeskModel&, ElementId)> change;
    } cases[] = {
        {"z1ab", [](DeskModel& m, ElementId id) { m.setCaption(id, "-"); }},
        {"lia", [](DeskModel& m, ElementId id) { m.setValue(id, 1234); }},
        {"ALed6", [](DeskModel& m, ElementId id) { m.setLampOn(id, false); }},
        {"sita", [](DeskModel& m, ElementId id) { m.setDown(id, true); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage before = render(c.name);
        c.change(model_, idOf(c.name));
        view(c.name).sync();
        EXPECT_NE(render(c.name), before);
    }
}

TEST_F(WidgetsTest, TileDrawsItsPictureUnscaledCutTo64) {
    // AW1C is stored at 65 x 65; the tile shows its top-left 64 x 64.
    const ElementId tile = idOf("im1");
    model_.showPicture(tile, Picture::AW1C);
    view("im1").sync();
    const QImage shown = render("im1");
    const RgbImage& picture = pictureImage(Picture::AW1C, false);
    ASSERT_EQ(shown.size(), QSize(64, 64));
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const auto [r, g, b] = picture.at(x, y);
            ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFF, qRgb(r, g, b) & 0xFFFFFF)
                << "at " << x << ", " << y;
        }
    }
}

TEST(Triangle, IsoscelesNineDeepSeventeenHighApexOnItsSide) {
    const QRgb grey = qRgb(128, 128, 128), lime = qRgb(0, 255, 0);
    const QImage left = triangleImage(Direction::Left);
    const QImage right = triangleImage(Direction::Right);
    ASSERT_EQ(left.size(), QSize(11, 18));
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 11; ++x) {
            const int k = x - 1;  // columns from the apex, pointing left
            const bool inside = k >= 0 && k < 9 && std::abs(y - 8) <= k;
            EXPECT_EQ(left.pixel(x, y), inside ? grey : lime) << x << ", " << y;
            EXPECT_EQ(right.pixel(10 - x, y), left.pixel(x, y)) << x << ", " << y;
        }
    }
}

TEST_F(WidgetsTest, ButtonClicksOnlyWhileEnabled) {
    // zwa: a release button, disabled at start-up.
    auto* button = qobject_cast<QAbstractButton*>(widget("zwa"));
    ASSERT_NE(button, nullptr);
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    EXPECT_EQ(clicks.count(), 0);

    model_.setEnabled(idOf("zwa"), true);
    view("zwa").sync();
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(button->isChecked());
}

TEST_F(WidgetsTest, DisabledButtonsLookLikeEnabledOnes) {
    for (const char* name : {"psa", "z1ab", "jszd", "sita", "BitBtn1"}) {
        SCOPED_TRACE(name);
        const ElementId id = idOf(name);
        model_.setVisible(id, true);
        model_.setEnabled(id, true);
        view(name).sync();
        const QImage enabled = render(name);
        model_.setEnabled(id, false);
        view(name).sync();
        EXPECT_FALSE(widget(name)->isEnabled());
        EXPECT_EQ(render(name), enabled);
    }
}

TEST_F(WidgetsTest, ToggleButtonShowsTheModelsDownStateNotItsOwn) {
    auto* button = qobject_cast<QAbstractButton*>(widget("sita"));
    ASSERT_NE(button, nullptr);
    // The simulator panel is hidden at start-up; show it so that clicks land.
    model_.setVisible(idOf("symulator"), true);
    view("symulator").sync();
    const QImage up = render("sita");

    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(model_.state(idOf("sita")).down);
    EXPECT_FALSE(button->isChecked());
    view("sita").sync();
    EXPECT_EQ(render("sita"), up) << "the button went down by itself";

    model_.setDown(idOf("sita"), true);
    view("sita").sync();
    const QImage down = render("sita");
    EXPECT_NE(down, up);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    view("sita").sync();
    EXPECT_EQ(render("sita"), down) << "the button came up by itself";
}

TEST_F(WidgetsTest, SyncSetsOnlyTheWidgetsOwnVisibility) {
    // Panel55 and its arrow: the panel hidden at start-up, the arrow itself not.
    QWidget* arrow = widget("PrzebiegiA");
    QWidget* panel = widget("Panel55");
    EXPECT_TRUE(panel->isHidden());
    EXPECT_FALSE(arrow->isHidden());
    EXPECT_FALSE(arrow->isVisible());

    model_.setVisible(idOf("Panel55"), true);
    view("Panel55").sync();
    EXPECT_TRUE(arrow->isVisible());

    model_.setVisible(idOf("PrzebiegiA"), false);
    view("PrzebiegiA").sync();
    EXPECT_FALSE(arrow->isVisible());
    model_.setVisible(idOf("Panel55"), false);
    view("Panel55").sync();
    model_.setVisible(idOf("PrzebiegiA"), true);
    view("PrzebiegiA").sync();
    EXPECT_FALSE(arrow->isHidden());
    EXPECT_FALSE(arrow->isVisible());
}

TEST_F(WidgetsTest, CanvasWithoutAParentIsLeftForItsOwnerToShow) {
    // The desk window builds the canvas as a window of its own and takes it into
    // its scroll area afterwards: neither building nor syncing may pop it up.
    std::unique_ptr<QWidget> canvas(
        createElementWidget(ElementId::Canvas, model_, clock_, nullptr));
    dynamic_cast<ElementView&>(*canvas).sync();
    EXPECT_FALSE(canvas->isVisible());
    EXPECT_EQ(canvas->size(), QSize(elementRow(ElementId::Canvas).width, elementRow(ElementId::Canvas).height));
}

TEST_F(WidgetsTest, ClockShowsTheLocalTimeItIsGiven) {
    const QImage ten = render("DRClock1");
    time_ = QTime(10, 0, 30);
    widget("DRClock1")->update();
    EXPECT_NE(render("DRClock1"), ten);
    time_ = QTime(10, 0, 0, 700);
    EXPECT_EQ(render("DRClock1"), ten) << "the clock shows the time to the second";
}

// ---- Denser screens (150 %, 200 %) ----------------------------------------------

// Aligned 2 x 2 blocks whose four pixels are not all alike. A picture drawn at
// one pixel per logical pixel and blown up to two has none.
int unevenBlocks(const QImage& image) {
    int uneven = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                image.pixel(x + 1, y + 1) != p) {
                ++uneven;
            }
        }
    }
    return uneven;
}

QImage fromRgb(const RgbImage& rgb) {
    return QImage(rgb.pixels.data(), rgb.width, rgb.height, rgb.width * 3, QImage::Format_RGB888)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST_F(WidgetsTest, TileOnADenserScreenIsDrawnFromItsShapes) {
    struct Case {
        const char* tile;
        Picture picture;
        bool startup;
    } cases[] = {
        {"im3", Picture::AW7S, true},    // the start-up diagonal
        {"im6", Picture::AW4MC, false},  // points minus, red
    };
    for (const Case& c : cases) {
        if (!c.startup) {
            model_.showPicture(idOf(c.tile), c.picture);
            view(c.tile).sync();
        }
        for (qreal ratio : {1.5, 2.0, 1.0}) {
            SCOPED_TRACE(std::string(c.tile) + " at " + std::to_string(ratio));
            const QImage shown = renderAt(c.tile, ratio);
            const QImage want = fromRgb(renderPicture(c.picture, c.startup, ratio));
            ASSERT_EQ(shown.size(), want.size());
            for (int y = 0; y < want.height(); ++y) {
                for (int x = 0; x < want.width(); ++x) {
                    ASSERT_EQ(shown.pixel(x, y), want.pixel(x, y)) << "at " << x << ", " << y;
                }
            }
        }
    }
    // At 1 that is the stored picture: its pixels stay exactly as they were.
    const QImage shown = renderAt("im3", 1.0);
    const RgbImage& stored = pictureImage(Picture::AW7S, true);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const auto [r, g, b] = stored.at(x, y);
            ASSERT_EQ(shown.pixel(x, y), qRgb(r, g, b)) << "at " << x << ", " << y;
        }
    }
}

// At twice the density every element drawn from shapes, curves or text shows
// detail finer than a logical pixel: none is a 1x picture blown up.
TEST_F(WidgetsTest, NothingIsABlownUpPictureAtTwiceTheDensity) {
    for (const char* name : {"im3", "Image2", "Image5", "ALed6", "ALed34", "psa", "pszd", "z1ab",
                             "lia", "DRClock1", "GradPan1", "GradPan2", "Label3D6", "BoxLabel2"}) {
        SCOPED_TRACE(name);
        const QImage image = renderAt(name, 2.0);
        ASSERT_EQ(image.size(), widget(name)->size() * 2);
        EXPECT_GT(unevenBlocks(image), 0);
    }
}

// A lamp's round edge blends into its ground at every density: at twice the
// density the blended ring is about twice as long in pixels; blown up from 1x it
// would be four times as many pixels.
TEST_F(WidgetsTest, LampEdgeStaysSmoothAtTwiceTheDensity) {
    const auto blended = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (const int a = qAlpha(image.pixel(x, y)); a > 0 && a < 255) ++count;
        return count;
    };
    const int at1 = blended(renderAt("ALed6", 1.0));
    const QImage image = renderAt("ALed6", 2.0);
    const int at2 = blended(image);
    EXPECT_GT(at1, 0);
    EXPECT_GT(at2, at1);
    EXPECT_LT(at2, 3 * at1);
    EXPECT_EQ(image.pixel(16, 18), qRgb(255, 0, 0)) << "the lit lamp's middle";
}

// Looks a widget keeps are drawn again for another density and are the same as
// before on coming back.
TEST_F(WidgetsTest, KeptLooksFollowTheDensityTheyArePaintedAt) {
    for (const char* name : {"psa", "GradPan1", "DRClock1"}) {
        SCOPED_TRACE(name);
        const QImage at1 = renderAt(name, 1.0);
        const QImage at2 = renderAt(name, 2.0);
        EXPECT_EQ(at2.size(), at1.size() * 2);
        EXPECT_GT(unevenBlocks(at2), 0);
        EXPECT_EQ(renderAt(name, 1.0), at1);
    }
}

}  // namespace
}  // namespace zormia
