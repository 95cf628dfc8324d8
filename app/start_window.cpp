#include "app/start_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QTime>
#include <QToolButton>

#include "app/form_widgets.h"

namespace zormia {

StartWindow::StartWindow(TimerService& timers, std::function<QTime()> timeOfDay,
                         std::function<void()> onStart, std::function<void()> onTerminate)
    : timeOfDay_(std::move(timeOfDay)),
      onStart_(std::move(onStart)),
      onTerminate_(std::move(onTerminate)) {
    installWindowAccessibility();
    setObjectName(QStringLiteral("START"));
    setWindowTitle(QStringLiteral("Stacja   \"ZORMIA\""));
    // A sizeable window with a system menu and a minimise box, no maximise box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setClientSize(this, QSize(434, 244));
    centreOnScreen(this);
    setBackground(this, QColor(0xFF, 0x80, 0x40));
    setFont(deskFont(11));

    clock_ = addLabel3D(this, "Label3D3", QRect(156, 1, 0, 29), QString(), 23, true, Qt::black);
    addLabel3D(this, "Label3D1", QRect(38, 35, 312, 24),
               QStringLiteral("WITAM  NA  STACJI  \" ZORMIA\""), 19, true, QColor(0, 0, 0x80));
    auto* quit = addFlatButton(this, "ExplorerButton1", QRect(27, 78, 184, 40),
                               QStringLiteral("Nie chce mi się."));
    auto* start =
        addFlatButton(this, "st", QRect(218, 77, 178, 40), QStringLiteral("Chętnie popracuję"));
    addPlainLabel(this, "Label5", QRect(58, 133, 105, 13), QStringLiteral("www.tremix.pl"));
    addPlainLabel(this, "Label6", QRect(271, 144, 63, 13), QStringLiteral("Wersja : 3.00"));
    connect(quit, &QToolButton::clicked, this, [this] { ExplorerButton1Click(); });
    connect(start, &QToolButton::clicked, this, [this] { stClick(); });

    Timer2 = TimerRef(&timers, timers.create("START.Timer2", 1000, 8, [this] { Timer2Timer(); }));
}

QString StartWindow::timeText(QTime time, const QLocale& locale) {
    // The locale's own formats tell only how it writes the hour, its separator and
    // whether it keeps a 12-hour clock; the rest of them (a time zone, a day
    // period, words between the fields) is not shown.
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    int hourDigits = 0;
    bool twelveHour = false;
    QString separator;
    bool quoted = false, afterHour = false, separatorDone = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'') {
            quoted = !quoted;
            continue;
        }
        if (quoted) continue;
        if (c == u'a' || c == u'A') twelveHour = true;
        if ((c == u'h' || c == u'H') && hourDigits == 0) {
            while (i < format.size() && format[i] == c) {
                ++hourDigits;
                ++i;
            }
            --i;
            afterHour = true;
        } else if (c == u'm') {
            separatorDone = afterHour;
        } else if (afterHour && !separatorDone) {
            separator += c;
        }
    }
    separator = separator.trimmed();
    if (separator.isEmpty()) separator = QStringLiteral(":");

    int hour = time.hour();
    if (twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
    QString text = hourDigits >= 2 ? QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'))
                                   : QString::number(hour);
    text += separator + QStringLiteral("%1").arg(time.minute(), 2, 10, QLatin1Char('0'));
    text += separator + QStringLiteral("%1").arg(time.second(), 2, 10, QLatin1Char('0'));
    if (twelveHour) text += u' ' + (time.hour() < 12 ? locale.amText() : locale.pmText());
    return text;
}

void StartWindow::showTime() {
    clock_->setText(timeText(timeOfDay_(), QLocale::system()));
    clock_->adjustSize();
}

void StartWindow::formActivate() {
    Timer2.enable();
    showTime();
}

void StartWindow::formDeactivate() {
    Timer2.disable();
}

void StartWindow::Timer2Timer() {
    showTime();
}

void StartWindow::stClick() {
    onStart_();
}

void StartWindow::ExplorerButton1Click() {
    onTerminate_();
}

void StartWindow::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program.
    event->accept();
    onTerminate_();
}

}  // namespace zormia
