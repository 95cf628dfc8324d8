// zormia-script: the desk driven by an exercise script in virtual time, on the
// offscreen platform. The same windows, widgets, logic and counter store as the
// window program; clicks arrive as real mouse events.

#include <QApplication>
#include <fstream>
#include <iostream>
#include <string>

#include "app/program.h"
#include "app/script/script_runner.h"
#include "app/script/script_screen.h"
#include "store/qt/file_counter_store.h"

int main(int argc, char* argv[]) {
    if (argc > 2) {
        std::cerr << "usage: zormia-script [SCRIPT]\n";
        return 2;
    }
    const std::string scriptName = argc == 2 ? argv[1] : "-";
    std::ifstream file;
    if (scriptName != "-") {
        file.open(scriptName);
        if (!file) {
            std::cerr << scriptName << ": cannot open the script\n";
            return 2;
        }
    }

    const zormia::ScriptScreen screen;
    int status = 0;
    {
        int qtArgc = 1;  // the script's own arguments are not the toolkit's
        QApplication app(qtArgc, argv);
        QApplication::setApplicationName(QStringLiteral("zormia"));
        zormia::Program program(zormia::Program::Mode::Scripted,
                                std::make_unique<zormia::FileCounterStore>());
        zormia::ScriptRunner runner(program, scriptName, std::cout, std::cerr);
        program.start();
        status = runner.run(scriptName == "-" ? std::cin : file);
    }
    return status;
}
