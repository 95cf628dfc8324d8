// zormia: the desk simulator in its windows, on the wall clock.

#include <QApplication>

#include "app/program.h"
#include "store/qt/file_counter_store.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zormia"));
    QGuiApplication::setDesktopFileName(QStringLiteral("zormia"));  // the menu entry's name
    zormia::Program program(zormia::Program::Mode::Interactive,
                            std::make_unique<zormia::FileCounterStore>());
    program.start();
    return QApplication::exec();
}
