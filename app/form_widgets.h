#pragma once
// Small helpers that build the plain windows of the program (start, About,
// description) element by element, at the places and in the type given for them.

#include <QColor>
#include <QLabel>
#include <QRect>
#include <QString>

#include "desk/qt/desk_font.h"

class QToolButton;
class QWidget;

namespace zormia {

// Makes the program's plain top-level widgets (the start and description
// windows) windows to assistive technology; Qt shows a plain widget as a filler.
// Installed once, on the first call.
void installWindowAccessibility();

// Sizes a top-level window so that its outer bounds, frame included, are `outer`
// once it is shown (a platform without frames gives the client area that size).
void setClientSize(QWidget* window, QSize outer);
void centreOnScreen(QWidget* window);
void setBackground(QWidget* widget, QColor colour);

// Text with a light edge above and left of it and a dark one below and right, as
// if raised from the window. A width of 0 makes it grow with its text.
class RaisedLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

RaisedLabel* addLabel3D(QWidget* parent, const char* name, QRect place, const QString& text,
                        int pixelSize, bool bold, QColor colour);
QLabel* addPlainLabel(QWidget* parent, const char* name, QRect place, const QString& text,
                      int pixelSize = 11, bool bold = false, QColor colour = Qt::black);
// A flat caption button that rises when the pointer is over it.
QToolButton* addFlatButton(QWidget* parent, const char* name, QRect place, const QString& text);

}  // namespace zormia
