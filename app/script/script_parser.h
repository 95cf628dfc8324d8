#pragma once
// Reading an exercise script: one command a line. The reader knows nothing of the
// desk; it turns text into commands or says why a line cannot be run.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zormia {

// A value of the desk's state as a script sees it.
using StateValue = std::variant<bool, std::int64_t, std::string>;

// The JSON text of a value ("true", "12", "\"AW7S\"").
std::string toJson(const StateValue& value);

// Reads a script's value: true, false, an integer, a JSON string in double quotes,
// or a bare word taken as a string. Nothing for a malformed value.
std::optional<StateValue> parseValue(std::string_view text);

struct ScriptCommand {
    enum class Kind {
        Click,       // click NAME [X Y]
        RightClick,  // rclick NAME
        Menu,        // menu NAME
        Wait,        // wait MS
        Activate,    // activate WINDOW
        Close,       // close WINDOW
        Leave,       // leave
        Return,      // return
        Dump,        // dump [KEY ...]
        Expect,      // expect KEY VALUE
        Shot,        // shot NAME FILE
        Picture,     // picture KEY FILE
    };
    Kind kind = Kind::Leave;
    std::vector<std::string> names;  // the element, window, key(s) or file named
    std::optional<std::int64_t> x, y;
    std::int64_t ms = 0;
    StateValue value;  // what an expectation wants
};

struct ScriptError {
    std::string text;
};

// Nothing to run (a blank or comment line), a command, or why the line cannot be
// run.
using ParsedLine = std::variant<std::monostate, ScriptCommand, ScriptError>;
ParsedLine parseScriptLine(std::string_view line);

}  // namespace zormia
