// The start, About and description windows: every element at its place, and the
// About window's centred credit lines wrapped within theirs.

#include <gtest/gtest.h>

#include <QLabel>
#include <QTime>
#include <QWidget>

#include "app/about_windows.h"
#include "app/start_window.h"
#include "desk/timer_service.h"

namespace zormia {
namespace {

struct Place {
    const char* name;
    QRect rect;
    bool exactSize;  // labels that grow with their text keep only their corner
};

void expectPlaces(QWidget& window, std::initializer_list<Place> places) {
    for (const Place& p : places) {
        auto* element = window.findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(element, nullptr) << p.name;
        EXPECT_EQ(element->pos(), p.rect.topLeft()) << p.name;
        if (p.exactSize) {
            EXPECT_EQ(element->size(), p.rect.size()) << p.name;
        }
    }
}

TEST(PlainWindows, EveryElementAtItsPlace) {
    TimerService timers;
    StartWindow start(
        timers, [] { return QTime(9, 5, 7); }, [] {}, [] {});
    expectPlaces(start, {{"Label3D3", {156, 1, 0, 29}, false},
                         {"Label3D1", {38, 35, 312, 24}, false},
                         {"ExplorerButton1", {27, 78, 184, 40}, true},
                         {"st", {218, 77, 178, 40}, true},
                         {"Label5", {58, 133, 105, 13}, false},
                         {"Label6", {271, 144, 63, 13}, false}});
    AboutBox about;
    expectPlaces(about, {{"Panel1", {8, 7, 292, 274}, true},
                         {"ProgramIcon", {8, 8, 65, 57}, true},
                         {"ProductName", {88, 16, 151, 13}, false},
                         {"Version", {88, 39, 59, 13}, false},
                         {"Comments", {37, 101, 215, 32}, true},
                         {"Label2", {32, 178, 241, 59}, true},
                         {"OKButton", {106, 288, 75, 25}, true}});
    DescriptionWindow description;
    expectPlaces(description,
                 {{"Memo1", {10, 10, 427, 247}, true}, {"Button1", {184, 270, 75, 25}, true}});
}

// The credit lines are wider than their places in one line: they wrap, centred,
// and the lines fit the place's height.
TEST(PlainWindows, AboutCreditLinesWrapWithinTheirPlaces) {
    AboutBox about;
    for (const char* name : {"Comments", "Label2"}) {
        auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_TRUE(label->wordWrap()) << name;
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter) << name;
        const int oneLine = label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_GT(oneLine, label->width()) << name << ": the text would fit one line";
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
    }
}

// The clock shows the hour as the locale writes it, the locale's separator,
// two-digit minutes and seconds, and on a 12-hour clock the locale's AM or PM
// text after a blank; nothing else of the locale's long format (a time zone, a
// day period, words between the fields) shows.
TEST(PlainWindows, ClockShowsTheTimeOfDayInTheLocalesWay) {
    struct Case {
        const char* locale;
        QTime time;
        const char* shown;
    };
    const Case cases[] = {
        {"C", {9, 5, 7}, "09:05:07"},
        {"pl_PL", {21, 5, 7}, "21:05:07"},
        {"en_US", {21, 5, 7}, "9:05:07 PM"},
        {"en_US", {0, 0, 9}, "12:00:09 AM"},
        {"en_US", {12, 30, 0}, "12:30:00 PM"},
        {"fi_FI", {9, 5, 7}, "9.05.07"},
        {"ko_KR", {21, 5, 7}, "9:05:07 \uC624\uD6C4"},
        {"zh_TW", {21, 5, 7}, "21:05:07"},
        {"ja_JP", {21, 5, 7}, "21:05:07"},
        {"fr_CA", {9, 5, 7}, "09:05:07"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StartWindow::timeText(c.time, QLocale(QString::fromLatin1(c.locale))),
                  QString::fromUtf8(c.shown))
            << c.locale << " " << c.time.toString().toStdString();
    }
}

}  // namespace
}  // namespace zormia
