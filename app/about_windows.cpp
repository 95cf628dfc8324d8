#include "app/about_windows.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/form_widgets.h"
#include "app/program_icon.h"

namespace zormia {
namespace {

// A bold 13-pixel label, centred, whose text wraps within its place instead of
// growing past it.
void addWrappedLabel(QWidget* parent, const char* name, QRect place, const QString& text,
                     QColor colour) {
    QLabel* label = addPlainLabel(parent, name, place, text, 13, true, colour);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(place);
}

}  // namespace

AboutBox::AboutBox() {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("O PROGRAMIE"));
    // A fixed dialog border with a close box only; shown without blocking the desk.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(false);
    setFixedSize(306, 321);
    setFont(deskFont(11));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setGeometry(8, 7, 292, 274);
    panel->setAccessibleName(windowTitle());

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(8, 8, 65, 57);
    icon->setPixmap(programIcon().pixmap(32, 32).scaled(65, 57));
    icon->setAccessibleName(QStringLiteral("Ikona programu"));

    addPlainLabel(panel, "ProductName", QRect(88, 16, 151, 13),
                  QStringLiteral("Tremix stacji \"ZORMIA\""));
    addPlainLabel(panel, "Version", QRect(88, 39, 59, 13), QStringLiteral("Version : 3.0"));
    addPlainLabel(panel, "Copyright", QRect(8, 72, 277, 16),
                  QStringLiteral("Program: Zespół Tremix"), 13, true);
    addWrappedLabel(panel, "Comments", QRect(37, 101, 215, 32),
                    QStringLiteral("Symulator pulpitu nastawczego stacji"), Qt::black);
    addWrappedLabel(panel, "Label2", QRect(32, 178, 241, 59),
                    QStringLiteral("Nowości o programie na stronie www.tremix.pl"),
                    QColor(0, 0, 0x80));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(106, 288, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { OKButtonClick(); });
}

void AboutBox::OKButtonClick() {
    hide();
}

const QStringList& DescriptionWindow::notes() {
    static const QStringList lines = {
        QStringLiteral("Zmiany w obsłudze odbiegające od normalnej obsługi urządzeń:"),
        QString(),
        QStringLiteral("1.W przypadku wyjazdu na Sz D przycisk KoY można użyć tylko po "
                       "uprzednim użyciu "),
        QStringLiteral("przycisku dKoY \u2013 obsługa niezgodna z faktycznym użyciem przycisku "
                       "w czynnych "),
        QStringLiteral("urządzeniach (zastawka bloku Ko zwalnia natychmiast)."),
        QString(),
        QStringLiteral("2. Wyjazd ze stacji \"B\" można symulować tylko poprzez użycie "
                       "przycisku dPoV."),
        QString(),
        QStringLiteral("3. Jazda na sygnał \"Sz\" jest możliwa tylko na semaforze \"G\" po "
                       "uprzedniu "),
        QStringLiteral("utwierdzeniu drogi przebiegu, oraz na semaforsze \"D\" jeżeli "
                       "występuje zajętość ITD ( "),
        QStringLiteral("symulacja pociągu) "),
        QString(),
        QStringLiteral("4. Umożliwiono wjazd na semafor \"G\" baz obsługi blokady. "),
        QStringLiteral("UWAGA !!!. Spotyka się półki Eap na których semafor wjazdowy jest "
                       "uzależniony od "),
        QStringLiteral("blokady liniowej !!!"),
        QString(),
        QStringLiteral("5. Zajętości odcinka izolowanego można usunąć za pomocą symulacji bez "
                       "względu na to "),
        QStringLiteral("czy uprzednio na tym odcinku znajdował się tabor."),
    };
    return lines;
}

DescriptionWindow::DescriptionWindow() {
    installWindowAccessibility();
    setObjectName(QStringLiteral("op"));
    setWindowTitle(QStringLiteral("OPIS PROGRAMU"));
    setWindowFlags(Qt::Window);
    setFont(deskFont(11));
    setBackground(this, QColor(0x80, 0x80, 0xFF));
    setClientSize(this, QSize(456, 342));
    move(200, 108);

    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setGeometry(10, 10, 427, 247);
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::ClickFocus);  // skipped by the Tab key
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setPlainText(notes().join(u'\n'));
    memo->setAccessibleName(windowTitle());

    auto* close = new QPushButton(QStringLiteral("ZAMKNIJ"), this);
    close->setObjectName(QStringLiteral("Button1"));
    close->setGeometry(184, 270, 75, 25);
    connect(close, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void DescriptionWindow::Button1Click() {
    close();
}

}  // namespace zormia
