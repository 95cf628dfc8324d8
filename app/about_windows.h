#pragma once
// The About window and the description window with the operating notes, both
// opened from the desk's menu "O PROGRAMIE" and only hidden when closed.

#include <QDialog>
#include <QWidget>

#include "app/window_focus.h"

class QPlainTextEdit;

namespace zormia {

class AboutBox : public QDialog, public FormWindow {
    Q_OBJECT
  public:
    AboutBox();
    QWidget* widget() override { return this; }
    QString instanceName() const override { return QStringLiteral("AboutBox"); }
    void OKButtonClick();
};

class DescriptionWindow : public QWidget, public FormWindow {
    Q_OBJECT
  public:
    DescriptionWindow();
    QWidget* widget() override { return this; }
    QString instanceName() const override { return QStringLiteral("op"); }
    void Button1Click();

    // The notes, line by line, exactly as the window shows them.
    static const QStringList& notes();
};

}  // namespace zormia
