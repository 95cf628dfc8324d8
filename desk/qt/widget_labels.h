#pragma once
// Text on the desk: plain and raised labels, the seal bars over the release
// buttons and the boxed letters of the field-signal columns.

#include <QString>
#include <QWidget>

#include "desk/qt/widget_support.h"

namespace zormia {

// Plain text in the row's type and text colour (black where none is given), on the
// row's background colour or on its parent where none is given. A label of width
// or height 0 takes the size of its text.
class LabelWidget : public QWidget, public ElementWidget {
    Q_OBJECT
  public:
    LabelWidget(ElementId id, const DeskModel& model, QWidget* parent)
        : LabelWidget(id, model, parent, QSize()) {}

  protected:
    // `margin`: the room a label that sizes itself needs beyond its text.
    LabelWidget(ElementId id, const DeskModel& model, QWidget* parent, QSize margin);
    void paintEvent(QPaintEvent*) override;
    bool takeLook() override;

    QString text_;

  private:
    QSize margin_;
};

// A raised label: the text over a white copy of itself one pixel up and to the
// left, as if lit from the upper left.
class Label3DWidget : public LabelWidget {
    Q_OBJECT
  public:
    Label3DWidget(ElementId id, const DeskModel& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
};

// The seal across a release button: a black bar whose text, black on black, does
// not show.
class SealBarWidget : public QWidget, public ElementWidget {
    Q_OBJECT
  public:
    SealBarWidget(ElementId id, const DeskModel& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
};

// A white box with a 2-pixel black border and a letter centred in it.
class BoxLabelWidget : public QWidget, public ElementWidget {
    Q_OBJECT
  public:
    BoxLabelWidget(ElementId id, const DeskModel& model, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
    bool takeLook() override;

  private:
    QString text_;
};

}  // namespace zormia
