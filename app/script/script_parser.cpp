#include "app/script/script_parser.h"

#include <charconv>
#include <cstdio>
#include <sstream>

#include "store/utf8.h"

namespace zormia {
namespace {

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

// A comment may also end a line: a '#' after a blank, outside a quoted string,
// at `from` or later.
std::string_view withoutComment(std::string_view line, std::size_t from) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '\\') {
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '#' && i >= from && i > 0 &&
                   (line[i - 1] == ' ' || line[i - 1] == '\t')) {
            return line.substr(0, i);
        }
    }
    return line;
}

// Where the value of an expectation begins: the third word of the line. A value
// may itself begin with '#' (a colour: `expect ALed6.color #FF0000`), so a
// comment can only come after its first character.
std::size_t commentFrom(std::string_view line) {
    const auto blank = [&](std::size_t i) { return line[i] == ' ' || line[i] == '\t'; };
    std::size_t i = 0;
    for (int word = 0; word < 2; ++word) {
        const std::size_t start = i;
        while (i < line.size() && !blank(i)) ++i;
        if (word == 0 && line.substr(start, i - start) != "expect") return 0;
        while (i < line.size() && blank(i)) ++i;
    }
    return i + 1;
}

std::vector<std::string> splitWords(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) words.emplace_back(line.substr(start, i - start));
    }
    return words;
}

std::optional<std::int64_t> parseInteger(std::string_view text) {
    std::int64_t value = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') ++begin;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end || begin == end) return std::nullopt;
    return value;
}

std::optional<std::uint32_t> hex4(std::string_view text, std::size_t at) {
    if (at + 4 > text.size()) return std::nullopt;
    std::uint32_t value = 0;
    const char* begin = text.data() + at;
    const auto [ptr, ec] = std::from_chars(begin, begin + 4, value, 16);
    if (ec != std::errc() || ptr != begin + 4) return std::nullopt;
    return value;
}

// The contents of a JSON string literal that makes up the whole of `text`.
std::optional<std::string> parseJsonString(std::string_view text) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::nullopt;
    const std::string_view body = text.substr(1, text.size() - 2);
    std::string out;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c == '"') return std::nullopt;  // an unescaped quote inside
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= body.size()) return std::nullopt;
        switch (body[i]) {
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case '/':
                out += '/';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                auto cp = hex4(body, i + 1);
                if (!cp) return std::nullopt;
                i += 4;
                // A surrogate pair stands for one character beyond the first plane.
                if (*cp >= 0xD800 && *cp < 0xDC00 && i + 2 < body.size() && body[i + 1] == '\\' &&
                    body[i + 2] == 'u') {
                    const auto low = hex4(body, i + 3);
                    if (low && *low >= 0xDC00 && *low < 0xE000) {
                        *cp = 0x10000 + ((*cp - 0xD800) << 10) + (*low - 0xDC00);
                        i += 6;
                    }
                }
                appendUtf8(out, *cp);
                break;
            }
            default:
                return std::nullopt;
        }
    }
    return out;
}

struct Form {
    std::string_view word;
    ScriptCommand::Kind kind;
    std::size_t minArgs, maxArgs;
    std::string_view usage;
};

constexpr Form kForms[] = {
    {"click", ScriptCommand::Kind::Click, 1, 3, "click NAME [X Y]"},
    {"rclick", ScriptCommand::Kind::RightClick, 1, 1, "rclick NAME"},
    {"menu", ScriptCommand::Kind::Menu, 1, 1, "menu NAME"},
    {"wait", ScriptCommand::Kind::Wait, 1, 1, "wait MS"},
    {"activate", ScriptCommand::Kind::Activate, 1, 1, "activate WINDOW"},
    {"close", ScriptCommand::Kind::Close, 1, 1, "close WINDOW"},
    {"leave", ScriptCommand::Kind::Leave, 0, 0, "leave"},
    {"return", ScriptCommand::Kind::Return, 0, 0, "return"},
    {"dump", ScriptCommand::Kind::Dump, 0, SIZE_MAX, "dump [KEY ...]"},
    {"expect", ScriptCommand::Kind::Expect, 2, SIZE_MAX, "expect KEY VALUE"},
    {"shot", ScriptCommand::Kind::Shot, 2, 2, "shot NAME FILE"},
    {"picture", ScriptCommand::Kind::Picture, 2, 2, "picture KEY FILE"},
};

}  // namespace

std::string toJson(const StateValue& value) {
    if (const bool* b = std::get_if<bool>(&value)) return *b ? "true" : "false";
    if (const std::int64_t* n = std::get_if<std::int64_t>(&value)) return std::to_string(*n);
    const std::string& s = std::get<std::string>(value);
    std::string json = "\"";
    for (const char c : s) {
        switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    json += escaped;
                } else {
                    json += c;
                }
        }
    }
    return json + "\"";
}

std::optional<StateValue> parseValue(std::string_view raw) {
    const std::string_view text = trim(raw);
    if (text.empty()) return std::nullopt;
    if (text == "true") return StateValue(true);
    if (text == "false") return StateValue(false);
    if (text.front() == '"') {
        auto s = parseJsonString(text);
        if (!s) return std::nullopt;
        return StateValue(std::move(*s));
    }
    const bool numeric = text.find_first_not_of("+-0123456789") == std::string_view::npos &&
                         text.find_first_of("0123456789") != std::string_view::npos;
    if (numeric) {
        auto n = parseInteger(text);
        if (!n) return std::nullopt;  // a malformed number
        return StateValue(*n);
    }
    return StateValue(std::string(text));
}

ParsedLine parseScriptLine(std::string_view raw) {
    const std::string_view stripped = trim(raw);
    if (stripped.empty() || stripped.front() == '#') return std::monostate{};
    const std::string_view line = trim(withoutComment(stripped, commentFrom(stripped)));
    const std::vector<std::string> words = splitWords(line);
    const Form* form = nullptr;
    for (const Form& f : kForms) {
        if (f.word == words.front()) form = &f;
    }
    if (!form) return ScriptError{"unknown command '" + words.front() + "'"};
    const std::size_t args = words.size() - 1;
    const bool clickWithPoint = form->kind == ScriptCommand::Kind::Click && args == 3;
    if (args < form->minArgs || args > form->maxArgs ||
        (form->kind == ScriptCommand::Kind::Click && args == 2)) {
        return ScriptError{"usage: " + std::string(form->usage)};
    }

    ScriptCommand command;
    command.kind = form->kind;
    command.names.assign(words.begin() + 1, words.end());
    if (clickWithPoint) {
        command.x = parseInteger(words[2]);
        command.y = parseInteger(words[3]);
        if (!command.x || !command.y || *command.x < INT32_MIN || *command.x > INT32_MAX ||
            *command.y < INT32_MIN || *command.y > INT32_MAX) {
            return ScriptError{"malformed number in '" + words[2] + " " + words[3] + "'"};
        }
        command.names.resize(1);
    }
    if (command.kind == ScriptCommand::Kind::Wait) {
        const auto ms = parseInteger(words[1]);
        // Up to a century of virtual time in one wait.
        if (!ms || *ms < 0 || *ms > 100LL * 366 * 24 * 3600 * 1000) {
            return ScriptError{"malformed number '" + words[1] + "'"};
        }
        command.ms = *ms;
    }
    if (command.kind == ScriptCommand::Kind::Expect) {
        // The value is the rest of the line after the key, blanks and all. The key
        // is found as splitWords() found it: after the blanks (spaces and tabs)
        // that follow the command; a carriage return inside a word is part of it.
        std::size_t keyAt = words[0].size();
        while (keyAt < line.size() && (line[keyAt] == ' ' || line[keyAt] == '\t')) ++keyAt;
        const std::string_view afterKey = line.substr(keyAt + words[1].size());
        const auto value = parseValue(afterKey);
        if (!value) return ScriptError{"malformed value '" + std::string(trim(afterKey)) + "'"};
        command.value = *value;
        command.names.resize(1);
    }
    return command;
}

}  // namespace zormia
