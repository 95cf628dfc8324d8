// Fuzz target for the reader of exercise scripts (app/script/script_parser.h):
// any bytes, read line by line as zormia-script reads a script. Beyond not
// crashing (nor throwing), every line is nothing, an error with a text, or a
// command with what its form requires, and every value reads back from its own
// JSON text.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/script/script_parser.h"

namespace {

using zormia::ScriptCommand;

void fail(const char* what, std::string_view line) {
    std::fprintf(stderr, "script_line_fuzz: %s in a line of %zu bytes\n", what, line.size());
    std::abort();
}

void checkValueReadsBack(const zormia::StateValue& value, std::string_view line) {
    const auto again = zormia::parseValue(zormia::toJson(value));
    if (!again || *again != value) fail("a value does not read back from its JSON", line);
}

void checkLine(std::string_view line) {
    const zormia::ParsedLine parsed = zormia::parseScriptLine(line);
    if (const auto* error = std::get_if<zormia::ScriptError>(&parsed)) {
        if (error->text.empty()) fail("an error without a text", line);
        return;
    }
    const auto* c = std::get_if<ScriptCommand>(&parsed);
    if (!c) return;
    using Kind = ScriptCommand::Kind;
    const std::size_t names = c->names.size();
    for (const std::string& name : c->names) {
        if (name.empty()) fail("an empty name", line);
    }
    switch (c->kind) {
        case Kind::Click:
            if (names != 1 || c->x.has_value() != c->y.has_value()) fail("a malformed click", line);
            if (c->x && (*c->x < INT32_MIN || *c->x > INT32_MAX || *c->y < INT32_MIN ||
                         *c->y > INT32_MAX)) {
                fail("a click point out of range", line);
            }
            break;
        case Kind::RightClick:
        case Kind::Menu:
        case Kind::Activate:
        case Kind::Close:
            if (names != 1) fail("a command naming other than one thing", line);
            break;
        case Kind::Wait:
            if (names != 1 || c->ms < 0 || c->ms > 100LL * 366 * 24 * 3600 * 1000) {
                fail("a malformed wait", line);
            }
            break;
        case Kind::Leave:
        case Kind::Return:
            if (names != 0) fail("leave or return with arguments", line);
            break;
        case Kind::Expect:
            if (names != 1) fail("an expectation of other than one key", line);
            checkValueReadsBack(c->value, line);
            break;
        case Kind::Shot:
        case Kind::Picture:
            if (names != 2) fail("a picture without its name and file", line);
            break;
        case Kind::Dump:
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Lines as std::getline gives them: split at '\n', the '\n' dropped.
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        checkLine(line);
        if (const auto value = zormia::parseValue(line)) checkValueReadsBack(*value, line);
        start = end + 1;
    }
    return 0;
}
