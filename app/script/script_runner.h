#pragma once
// Runs an exercise script against the program in virtual time: one command a
// line (click, menu, wait, activate, close, expect, dump, shot, ...).

#include <QString>
#include <cstdint>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "app/script/script_parser.h"

class QWidget;

namespace zormia {

class FormWindow;
class Program;

class ScriptRunner {
  public:
    ScriptRunner(Program& program, std::string scriptName, std::ostream& out, std::ostream& err);

    // Runs every line; returns the exit status (0 all held, 1 an expectation
    // failed, 2 a line could not be run).
    int run(std::istream& in);

    // The value of one key of the state; nothing for an unknown key.
    std::optional<StateValue> value(const std::string& key) const;
    // Every key of the state with its value, sorted by key.
    std::map<std::string, StateValue> state() const;

    int messages() const { return messageCount_; }

  private:
    struct Failure {
        int status;
        std::string text;
    };
    std::optional<Failure> execute(const ScriptCommand& command);
    std::optional<Failure> click(const std::string& name, std::optional<std::int64_t> x,
                                 std::optional<std::int64_t> y, bool right);
    std::optional<Failure> menu(const std::string& name);
    std::optional<Failure> activate(const std::string& name);
    std::optional<Failure> close(const std::string& name);
    std::optional<Failure> expect(const std::string& key, const StateValue& want);
    std::optional<Failure> dump(const std::vector<std::string>& keys);
    std::optional<Failure> shot(const std::string& name, const std::string& file);
    std::optional<Failure> picture(const std::string& key, const std::string& file);

    QWidget* findElement(const std::string& name) const;
    void settle();
    // Closes the desk's popup menu if it is open, as a click elsewhere or the
    // focus leaving the program does.
    void closePopup();
    // Makes the shown window `form` the program's active one, as the press on it
    // does before a click lands. Whether it is still shown to take the click: its
    // activation handler may have hidden it or ended the program.
    bool makeActive(FormWindow* form);

    Program& program_;
    std::string scriptName_;
    std::ostream& out_;
    std::ostream& err_;
    int lineNumber_ = 0;
    int messageCount_ = 0;
    std::string lastMessage_;
};

}  // namespace zormia
