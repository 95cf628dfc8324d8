#pragma once
// The screen a scripted desk runs on: Qt's offscreen platform with a screen of
// 1280 x 1024 logical pixels, so the maximised desk shows whole (unless another
// platform was asked for), and quiet about what that platform cannot do. Made
// before the QApplication, kept until after it is gone.

#include <filesystem>

namespace zormia {

class ScriptScreen {
  public:
    ScriptScreen();
    ~ScriptScreen();
    ScriptScreen(const ScriptScreen&) = delete;
    ScriptScreen& operator=(const ScriptScreen&) = delete;

  private:
    std::filesystem::path config_;  // the screen's description, while it is used
};

}  // namespace zormia
