#include "app/form_widgets.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QToolButton>

namespace zormia {

namespace {

QAccessibleInterface* plainWindowFactory(const QString& key, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    const QMetaObject* type = object->metaObject();
    // Asked for the most derived class only, and only for a window built
    // straight on QWidget: dialogs and main windows have their own interfaces.
    if (!widget->isWindow() || key != QLatin1String(type->className()) ||
        type->superClass() != &QWidget::staticMetaObject) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void installWindowAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(plainWindowFactory);
        return true;
    }();
    (void)installed;
}

void setClientSize(QWidget* window, QSize outer) {
    // Before the window is shown its frame is unknown; the frame a shown window
    // has is taken off so that the outer bounds come out as given.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    window->resize(outer - frame);
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect outer = window->frameGeometry();
    outer.moveCenter(screen->geometry().center());
    window->move(outer.topLeft());
}

void setBackground(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void RaisedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const QRect area = contentsRect();
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    painter.setPen(Qt::white);
    painter.drawText(area.translated(-1, -1), flags, text());
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawText(area.translated(1, 1), flags, text());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, flags, text());
}

namespace {

void placeLabel(QLabel* label, const char* name, QRect place, const QString& text, int pixelSize,
                bool bold, QColor colour) {
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(deskFont(pixelSize, bold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setContentsMargins(1, 1, 1, 1);
    // Labels grow with their text: the places were drawn for a narrower type.
    label->setGeometry(place);
    const QSize needed = label->sizeHint();
    if (needed.width() > place.width() && !label->wordWrap()) {
        label->resize(needed.width(), std::max(place.height(), needed.height()));
    }
}

}  // namespace

RaisedLabel* addLabel3D(QWidget* parent, const char* name, QRect place, const QString& text,
                        int pixelSize, bool bold, QColor colour) {
    auto* label = new RaisedLabel(parent);
    placeLabel(label, name, place, text, pixelSize, bold, colour);
    if (place.width() == 0) label->setMinimumHeight(place.height());
    return label;
}

QLabel* addPlainLabel(QWidget* parent, const char* name, QRect place, const QString& text,
                      int pixelSize, bool bold, QColor colour) {
    auto* label = new QLabel(parent);
    placeLabel(label, name, place, text, pixelSize, bold, colour);
    label->setContentsMargins(0, 0, 0, 0);
    return label;
}

QToolButton* addFlatButton(QWidget* parent, const char* name, QRect place, const QString& text) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setText(text);
    button->setFont(deskFont(19, true));
    button->setGeometry(place);
    return button;
}

}  // namespace zormia
