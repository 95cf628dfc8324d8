// zormia-script: the desk driven by an exercise script in virtual time, on the
// offscreen platform. The same windows, widgets, logic and counter store as the
// window program; clicks arrive as real mouse events.

#include <unistd.h>

#include <QApplication>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "app/program.h"
#include "app/script/script_runner.h"
#include "store/qt/file_counter_store.h"

namespace {

// The script's screen is 1280 x 1024 logical pixels, so the maximised desk shows
// whole, also under a scale factor (QT_SCALE_FACTOR=2 makes it 2560 x 2048
// pixels).
std::filesystem::path writeScreenConfig() {
    double scale = 1.0;
    if (const char* factor = std::getenv("QT_SCALE_FACTOR")) {
        const double value = std::strtod(factor, nullptr);
        if (value > 0 && value <= 16) scale = value;
    }
    const auto path = std::filesystem::temp_directory_path() /
                      ("zormia-script-screen-" + std::to_string(getpid()) + ".json");
    std::ofstream(path) << R"({"screens": [{"name": "desk", "x": 0, "y": 0, "width": )"
                        << std::lround(1280 * scale) << R"(, "height": )"
                        << std::lround(1024 * scale)
                        << R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    return path;
}

// The offscreen platform has no window stacking and no runtime folder; its
// remarks about them say nothing about the exercise.
void quietPlatformRemarks(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtDebugMsg || type == QtInfoMsg) return;
    if (text.startsWith(QStringLiteral("This plugin does not support")) ||
        text.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR"))) {
        return;
    }
    std::cerr << qPrintable(qFormatLogMessage(type, context, text)) << '\n';
}

}  // namespace

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

    std::filesystem::path screenConfig;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || std::string(platform) == "offscreen") {
        screenConfig = writeScreenConfig();
        const std::string value = "offscreen:configfile=" + screenConfig.string();
        setenv("QT_QPA_PLATFORM", value.c_str(), 1);
    }

    qInstallMessageHandler(quietPlatformRemarks);
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
    if (!screenConfig.empty()) std::filesystem::remove(screenConfig);
    return status;
}
