#include "app/script/script_screen.h"

#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

namespace zormia {
namespace {

// Under a scale factor the screen keeps its logical size (QT_SCALE_FACTOR=2 makes
// it 2560 x 2048 pixels).
std::filesystem::path writeScreenConfig() {
    double scale = 1.0;
    if (const char* factor = std::getenv("QT_SCALE_FACTOR")) {
        const double value = std::strtod(factor, nullptr);
        if (value > 0 && value <= 16) scale = value;
    }
    const auto path = std::filesystem::temp_directory_path() /
                      ("zormia-screen-" + std::to_string(getpid()) + ".json");
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

ScriptScreen::ScriptScreen() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || std::string(platform) == "offscreen") {
        config_ = writeScreenConfig();
        const std::string value = "offscreen:configfile=" + config_.string();
        setenv("QT_QPA_PLATFORM", value.c_str(), 1);
    }
    qInstallMessageHandler(quietPlatformRemarks);
}

ScriptScreen::~ScriptScreen() {
    qInstallMessageHandler(nullptr);
    std::error_code ignored;
    if (!config_.empty()) std::filesystem::remove(config_, ignored);
}

}  // namespace zormia
