// random_operator_gui: the seeded random trainee on the real program, its
// windows and widgets on the offscreen platform in virtual time, each operation
// played as a line of zormia-script through the script runner (clicks arrive as
// real mouse clicks). After every operation it checks the core
// (core_checks.h) and that the widgets show what the core holds
// (widget_checks.h); now and then it dumps the whole state into the script.
//
//   random_operator_gui [--seed N] [--ops N] [--end] [--script FILE]
//                       [--replay ZORMIA_SCRIPT]
//
// The operations fall into runs of the program, as in random_operator; the
// script separates them with "#--- restart" lines. --replay then plays the
// script again with zormia-script, run by run on a store of its own, and checks
// that every dump comes out the same. The counter store is always a private,
// fresh folder: the trainee's own counters are never touched.

#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/program.h"
#include "app/script/script_runner.h"
#include "app/script/script_screen.h"
#include "desk/qt/pul_window.h"
#include "store/qt/file_counter_store.h"
#include "tools/random_operator/core_checks.h"
#include "tools/random_operator/operation.h"
#include "tools/random_operator/widget_checks.h"

namespace zormia::random_operator {
namespace {

constexpr std::uint64_t kDumpEvery = 200;   // a dump line after this many operations
constexpr std::uint64_t kPixelsEvery = 25;  // a check of painted pixels

// The screen of zormia-script: 1280 x 1024, so that the maximised desk shows
// whole and clicks land where a replay's land.
class GuiView : public ProgramView {
  public:
    explicit GuiView(Program& program) : program_(program) {}
    bool shown(Window w) const override {
        FormWindow* form = program_.window(QString::fromLatin1(windowName(w)));
        return form && form->widget()->isVisible();
    }
    bool popupOpen() const override { return program_.deskWindow().popupMenu()->isVisible(); }

  private:
    Program& program_;
};

struct Options : RunOptions {
    Options() { ops = 20000; }
    std::string replay;  // zormia-script, to replay the run's scripts with
};

std::optional<Options> parseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        if (takeRunOption(argc, argv, i, o)) continue;
        if (i + 1 < argc && std::string_view(argv[i]) == "--replay") {
            o.replay = argv[++i];
        } else {
            return std::nullopt;
        }
    }
    return o;
}

// The dump lines without the start window's clock, which shows the wall-clock
// time at which the program started.
std::string withoutClock(std::string line) {
    static const std::string key = "\"START.Label3D3.caption\":\"";
    const auto at = line.find(key);
    if (at != std::string::npos) {
        const auto end = line.find('"', at + key.size());
        if (end != std::string::npos) line.erase(at, end + 1 - at + (line[end + 1] == ',' ? 1 : 0));
    }
    return line;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(withoutClock(line));
    return result;
}

// Runs zormia-script on one run's script with XDG_CONFIG_HOME set to `config`;
// its standard output, or nothing when it did not exit with 0.
std::optional<std::string> runScript(const std::string& runner, const std::string& script,
                                     const std::string& config) {
    int out[2];
    if (pipe(out) != 0) return std::nullopt;
    const pid_t child = fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        unsetenv("QT_QPA_PLATFORM");
        execl(runner.c_str(), runner.c_str(), script.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[65536];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::cerr << "replay: " << script << " ended with status " << status << '\n';
        return std::nullopt;
    }
    return text;
}

int replay(const Options& o, const std::vector<std::string>& runScripts,
           const std::string& dumped) {
    QTemporaryDir work;
    if (!work.isValid()) return 1;
    const std::string config = work.path().toStdString() + "/config";
    std::string replayed;
    for (std::size_t i = 0; i < runScripts.size(); ++i) {
        const std::string file =
            work.path().toStdString() + "/run-" + std::to_string(i + 1) + ".zs";
        std::ofstream(file) << runScripts[i];
        const auto out = runScript(o.replay, file, config);
        if (!out) return 1;
        replayed += *out;
    }
    const std::vector<std::string> want = lines(dumped), got = lines(replayed);
    for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
        const std::string w = i < want.size() ? want[i] : "(none)";
        const std::string g = i < got.size() ? got[i] : "(none)";
        if (w != g) {
            std::size_t at = 0;
            while (at < w.size() && at < g.size() && w[at] == g[at]) ++at;
            const std::size_t from = at > 80 ? at - 80 : 0;
            std::cerr << "replay: dump " << i + 1 << " differs at character " << at
                      << "\n  played:   ..." << w.substr(from, 200) << "\n  replayed: ..."
                      << g.substr(from, 200) << '\n';
            return 1;
        }
    }
    std::printf("replay: %zu runs through zormia-script, %zu dumps the same\n", runScripts.size(),
                want.size());
    return 0;
}

int play(const Options& o) {
    QTemporaryDir config;
    if (!config.isValid()) return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));

    OperationSource source(o.seed, true);
    std::vector<std::string> runScripts;
    std::ostringstream dumps;
    std::deque<std::string> recent;
    std::uint64_t played = 0, runs = 0, loads = 0, saves = 0, messages = 0, desktime = 0;
    std::uint64_t checks = 0;

    while (played < o.ops) {
        auto recording = std::make_unique<RecordingStore>(std::make_unique<FileCounterStore>());
        RecordingStore& store = *recording;
        Program program(Program::Mode::Scripted, std::move(recording));
        std::ostringstream errors;
        ScriptRunner runner(program, "random_operator_gui", dumps, errors);
        program.start();
        GuiView view(program);
        CoreChecker checker(program.desk(), store);
        ++runs;
        std::string script = "# random_operator_gui --seed " + std::to_string(o.seed) + ", run " +
                             std::to_string(runs) + "\n";

        const std::uint64_t length = std::min(source.runLength(), o.ops - played);
        const bool last = played + length == o.ops;
        for (std::uint64_t n = 0; n < length && !program.terminated(); ++n) {
            const bool ending = n + 1 == length && (!last || o.end);
            const Operation op = ending ? source.ending() : source.next(view);
            std::vector<std::string> commands;
            // The state as a whole, now and then and before the program ends.
            if ((played + 1) % kDumpEvery == 0 || ending || n + 1 == length) {
                commands.push_back("dump");
            }
            commands.push_back(op.line());
            for (const std::string& line : commands) {
                script += line + '\n';
                recent.push_back(line);
                if (recent.size() > 12) recent.pop_front();
            }

            checker.before();
            std::istringstream in(commands.size() == 2 ? commands[0] + '\n' + commands[1]
                                                       : commands[0]);
            const int status = runner.run(in);
            ++played;
            std::string fault;
            if (status != 0) {
                fault = "the script runner stopped with status " + std::to_string(status) + ": " +
                        errors.str();
            }
            if (fault.empty()) fault = checker.after(op.kind == Operation::Kind::Click);
            if (fault.empty() && !program.terminated()) {
                fault = checkWidgets(program.deskWindow(), played % kPixelsEvery == 0);
                ++checks;
            }
            if (!fault.empty()) {
                std::cerr << "random_operator_gui: seed " << o.seed << ", operation " << played
                          << " (run " << runs << ", " << op.line() << "): " << fault
                          << "\nthe last lines:\n";
                for (const std::string& r : recent) std::cerr << "    " << r << '\n';
                if (!o.script.empty()) std::ofstream(o.script) << script;
                return 1;
            }
        }
        loads += store.loads();
        saves += store.saves();
        messages += static_cast<std::uint64_t>(runner.messages());
        desktime += static_cast<std::uint64_t>(program.timers().now());
        runScripts.push_back(std::move(script));
    }

    if (!o.script.empty()) {
        std::ofstream file(o.script);
        for (std::size_t i = 0; i < runScripts.size(); ++i) {
            if (i > 0) file << "#--- restart\n";
            file << runScripts[i];
        }
    }
    std::printf(
        "random_operator_gui: seed %llu: %llu operations in %llu runs, %llu s of desk "
        "time, %llu widget checks, %llu loads, %llu saves, %llu messages\n",
        static_cast<unsigned long long>(o.seed), static_cast<unsigned long long>(played),
        static_cast<unsigned long long>(runs), static_cast<unsigned long long>(desktime / 1000),
        static_cast<unsigned long long>(checks), static_cast<unsigned long long>(loads),
        static_cast<unsigned long long>(saves), static_cast<unsigned long long>(messages));
    std::fflush(stdout);
    if (!o.replay.empty()) return replay(o, runScripts, dumps.str());
    return 0;
}

}  // namespace
}  // namespace zormia::random_operator

int main(int argc, char* argv[]) {
    using namespace zormia::random_operator;
    const auto options = parseOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: random_operator_gui [--seed N] [--ops N] [--end] [--script FILE] "
                     "[--replay ZORMIA_SCRIPT]\n";
        return 2;
    }
    const zormia::ScriptScreen screen;
    int status = 0;
    {
        int qtArgc = 1;
        QApplication app(qtArgc, argv);
        QApplication::setApplicationName(QStringLiteral("zormia"));
        status = play(*options);
    }
    return status;
}
